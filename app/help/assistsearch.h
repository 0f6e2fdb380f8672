#pragma once
// The searches behind the board's help, run on a worker thread with copies of the positions:
// the next push of a solution, and the last position of an attempt from which the level can
// still be solved. No Qt: the window starts them and applies what they find.

#include "solver/solver.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace w4 {

enum class Solvability { Solvable, Unsolvable, Unknown, Cancelled };

// Whether the level can be won from one position: the fast deadlock check first (a box that can
// reach no target settles it at once), then the solver within the limits of `options`.
Solvability CheckSolvable(const std::vector<std::string>& rows, const solver::Options& options);

struct LastSolvableResult {
    bool Cancelled = false;
    bool StartUnsolvable = false; // not even the level's start position can be won
    bool ShownSolvable = false;   // the shown position itself can still be won: nothing to go back to
    bool Uncertain = false;       // some check ran out of its limits: a later position may also be winnable
    bool Proven = false;          // the position to show was proven winnable
    int Index = 0;                // the history index to show
    int Checks = 0;               // positions checked
};

// The latest position 0 .. shownIndex of the attempt (start rows, then the move letters of the
// attempt) from which the level can still be won. Only a push changes what can be won, and a
// lost position only leads to lost ones, so the positions just after each push are halved; the
// answer is the position just before the push that lost the game. A check that gives Unknown is
// never taken as lost: the search then settles on a position proven winnable (or the start) and
// says the answer is uncertain.
LastSolvableResult FindLastSolvable(const std::vector<std::string>& startRows, const std::string& letters,
                                    int shownIndex,
                                    const std::function<Solvability(const std::vector<std::string>&)>& check);

} // namespace w4
