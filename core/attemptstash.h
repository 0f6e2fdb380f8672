#pragma once
// An attempt put aside whole while the player plays the level the other way (forward or in
// reverse), so switching back finds it exactly as it was left.

#include "core/movehistory.h"

#include <chrono>
#include <cstdint>

namespace w4 {

struct AttemptStash {
    bool Present = false;
    SnapshotList History;
    std::int32_t HistoryIndex = 0;
    std::int32_t HistoryLength = 0;
    bool LevelInPlay = true;
    bool ClockStarted = false;
    bool LevelSolved = false;
    std::chrono::system_clock::time_point StartTime{};
    std::chrono::system_clock::time_point FinishTime{};
};

} // namespace w4
