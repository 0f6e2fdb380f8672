#pragma once
// Levels and switches the solver's tests share.
#include "solver/search.h"
#include "solver/tuning.h"

#include "core/fileio.h"
#include "core/usokoban.h"

#include <string>
#include <vector>

namespace w4::solver {

// The board rows of a shipped level, as the game reads them.
inline std::vector<std::string> LevelRows(const std::string& name)
{
    std::vector<std::string> rows;
    for (const std::string& line : ReadTextLines(std::string(W4_SOURCE_DIR) + "/levels/" + name))
        if (IsBoardRow(line) && line.find('#') != std::string::npos)
            rows.push_back(line);
    return rows;
}

// The cell number at (column, row) of a board's grid.
inline Cell CellAt(const Board& board, int x, int y)
{
    return static_cast<Cell>(board.cellOfGrid[static_cast<std::size_t>(y * board.width + x)]);
}

// A large open room with a pocket off its right wall where a box sits before its target with no
// room for the keeper behind it: lost. Only the corral rule sees it (the keeper can never get
// behind that box); without it the search can only end by a limit, with far too many positions
// to finish.
inline std::vector<std::string> BigRoom()
{
    std::vector<std::string> rows(30, "#" + std::string(38, ' ') + "######");
    rows.front() = rows.back() = std::string(45, '#');
    for (int i = 0; i < 10; ++i) {
        rows[static_cast<std::size_t>(5 + 2 * i)][static_cast<std::size_t>(6 + (i * 7) % 25)] = '$';
        rows[static_cast<std::size_t>(4 + (i * 3) % 22)][static_cast<std::size_t>(34 - i % 3)] = '.';
    }
    rows[26] = "#" + std::string(38, ' ') + "  .$ #";
    rows[2][2] = '@';
    return rows;
}

// Turns the corral rule off for one test, to reach the limits on a level it would prove lost.
struct WithoutCorrals {
    WithoutCorrals() { SearchTuning().corrals = false; }
    ~WithoutCorrals() { SearchTuning().corrals = true; }
};

} // namespace w4::solver
