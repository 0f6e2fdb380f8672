#pragma once
// Levels built by hand for the editor's tests: record 0 holds the rows, the frame is their size.

#include "core/uglobal.h"

#include <algorithm>
#include <string>
#include <vector>

namespace w4::test {

inline GameState MakeLevel(const std::vector<std::string>& rows)
{
    GameState g;
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    g.LevelHeight = static_cast<int>(rows.size());
    g.LevelWidth = 0;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        g.LevelWidth = std::max(g.LevelWidth, static_cast<int>(rows[y].size()));
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            g.SnapshotHistory[0].Board[x][y] = rows[y][x];
    }
    return g;
}

// The frame of record 0 as rows.
inline std::vector<std::string> Frame(const GameState& g)
{
    std::vector<std::string> rows;
    for (int y = 0; y < g.LevelHeight; ++y) {
        std::string row;
        for (int x = 0; x < g.LevelWidth; ++x)
            row += g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        rows.push_back(row);
    }
    return rows;
}

} // namespace w4::test
