#pragma once
#include "core/bestscore.h"
#include "core/frontend.h"
#include "core/uglobal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace w4 {

void CountBoxesAndTargets(GameState& g);
// No '$', '+' or '.' in the level rectangle of the shown snapshot.
bool IsSolved(const GameState& g);
// The level's start position: the level rectangle of record 0.
std::vector<std::string> StartRows(const GameState& g);
std::string CongratulationText(const GameState& g, std::int64_t elapsedSeconds);
// Ends a solved attempt; in Play mode congratulates, offers the solution file by the best-score
// rule, goes to the next level.
void CheckCompletion(GameState& g, Frontend& ui);

} // namespace w4
