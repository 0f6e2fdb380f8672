#pragma once
// From a list of pushes to the letters of a solution, and the final check of those letters
// against the game's own move rules.

#include "solver/board.h"
#include "solver/search.h"

#include <string>
#include <vector>

namespace w4::solver {

// The pushes joined by the keeper's shortest walks (breadth first) between them. Empty with
// ok = false when a push cannot be reached, which would be a fault of the search.
std::string LettersForPushes(const Board& board, const std::vector<Push>& pushes, bool& ok);

// Plays the letters on the normalised grid with the game's move table: every lower-case letter
// must be a step and every upper-case one a push, and the end must have every box on a target.
bool ReplaysToSolved(const std::vector<std::string>& grid, const std::string& letters);

} // namespace w4::solver
