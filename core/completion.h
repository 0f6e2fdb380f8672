#pragma once
#include "core/frontend.h"
#include "core/uglobal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace w4 {

void CountBoxesAndTargets(GameState& g);
// No '$', '+' or '.' in the level rectangle of the shown snapshot.
bool IsSolved(const GameState& g);
// At least one move, and no stored solution or strictly fewer moves than it.
bool IsBestScore(const std::string& attempt, const std::string& stored);

// Whether move letters solve the level whose start position is `rows`, played as the solution
// film plays them: any case, characters other than move letters move nothing, a refused move
// ends the try.
bool SolutionSolves(const std::vector<std::string>& rows, const std::string& letters);
// The level's start position: the level rectangle of record 0.
std::vector<std::string> StartRows(const GameState& g);
// Whether StoredSolution solves the level from its start. One that does not (a file from an
// older version of the level, a stale or damaged one) counts as no solution at all.
bool StoredSolutionSolves(const GameState& g);
// The best-score rule against the stored solution when it solves the level, else against none:
// a wrong solution file never blocks a real solution.
bool BeatsStoredSolution(const GameState& g, const std::string& attempt);
std::string CongratulationText(const GameState& g, std::int64_t elapsedSeconds);
// Ends a solved attempt; in Play mode congratulates, offers the solution file, goes to the next level.
void CheckCompletion(GameState& g, Frontend& ui);

} // namespace w4
