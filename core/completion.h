#pragma once
#include "core/frontend.h"
#include "core/uglobal.h"

#include <cstdint>
#include <string>

namespace w4 {

void CountBoxesAndTargets(GameState& g);
// No '$', '+' or '.' in the level rectangle of the shown snapshot.
bool IsSolved(const GameState& g);
// At least one move, and no stored solution or strictly fewer moves than it.
bool IsBestScore(const std::string& attempt, const std::string& stored);
std::string CongratulationText(const GameState& g, std::int64_t elapsedSeconds);
// Ends a solved attempt; in Play mode congratulates, offers the solution file, goes to the next level.
void CheckCompletion(GameState& g, Frontend& ui);

} // namespace w4
