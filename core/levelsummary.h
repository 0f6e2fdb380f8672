#pragma once
// What the level list shows of one playlist entry, read from its file and its solution file
// without touching the game in play. Safe to call from any thread: it shares nothing.

#include "core/uglobal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace w4 {

enum class LevelFileState {
    Ok,          // read, with at least one board row
    Missing,     // no such file
    Unreadable,  // there, but cannot be opened or is too large to be a level
    NoBoard,     // read, but holds no board row
};

struct LevelSummary {
    LevelFileState State = LevelFileState::Missing;
    std::string Title;              // the header's bytes as stored; decode for display
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Boxes = 0;         // '$' and '*'
    bool Solved = false;            // a kept solution the game would replay
    std::int32_t SolutionMoves = 0;
    std::int32_t SolutionPushes = 0;
    bool AttemptInProgress = false; // an automatic snapshot newer than the solution
    // The start position after the reachable-area fill, one string per row ('X' outside).
    std::vector<std::string> Rows;
};

// Where files live, copied from the game for a worker: ProgramFolder and Places only.
GameState FileRulesOf(const GameState& g);

// Reads the level the way loading does and the solution the way the game finds it; `rules` comes
// from FileRulesOf.
LevelSummary ReadLevelSummary(const std::string& path, const GameState& rules);

// Modification marks of a level file, its solution file and its snapshot file: when all are
// unchanged, a summary read before still holds. Zero for a file that is not there.
struct LevelFileStamp {
    std::int64_t LevelTime = 0;
    std::int64_t LevelSize = -1;
    std::int64_t SolutionTime = 0;
    std::int64_t SolutionSize = -1;
    std::int64_t SnapshotTime = 0;
    std::int64_t SnapshotSize = -1;
    bool operator==(const LevelFileStamp&) const = default;
};
LevelFileStamp StampLevelFiles(const std::string& path, const GameState& rules);

} // namespace w4
