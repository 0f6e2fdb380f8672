#pragma once
// Move letters played on board rows by the game's own move rules: the one replay behind
// collections, snapshots, best scores, the help's hints, the solver's check of its solutions and
// the command-line solver. Each of them decides what a refused move means to it; the board only
// plays.

#include "core/usokoban.h"

#include <cstddef>
#include <string>
#include <vector>

namespace w4 {

class MoveReplay {
public:
    // The rows as given: a cell past the end of a short row, or outside the rows, is off the
    // board and nobody enters it. The last keeper found is the one that moves.
    explicit MoveReplay(std::vector<std::string> rows);

    bool HasKeeper() const { return keeperX_ >= 0; }
    int KeeperX() const { return keeperX_; }
    int KeeperY() const { return keeperY_; }

    // One letter, l u r d in either case: Step or Push when the keeper moved. A refused move, and
    // a letter that names no direction (NoMove), change nothing.
    MoveOutcome Play(char letter);

    // Every target carries a box and no box stands off a target (as the game judges a win).
    bool Solved() const { return open_ == 0; }
    const std::vector<std::string>& Rows() const { return rows_; }

    // The letter as a solution records it: lower case for a step, upper case for a push.
    static char Recorded(char letter, MoveOutcome outcome);

private:
    char At(int x, int y) const;

    std::vector<std::string> rows_;
    int keeperX_ = -1, keeperY_ = -1;
    std::size_t open_ = 0;   // cells still to finish, kept up to date move by move
};

// The rows padded with floor to the widest, as a level's lines are read into a board.
std::vector<std::string> PadRows(const std::vector<std::string>& rows);

// Move letters (either case) replayed as the game plays them, for a collection's or a snapshot's
// solution: it stops at the first move the board refuses (or a letter that is no move), and at
// the solved position, as the game takes no move after a win.
struct ReplayResult {
    bool Solved = false;
    int FailedMove = 0;       // 1-based move the board refuses; 0 when none was refused
    std::string Letters;      // the moves played up to the solved position, pushes in capitals
};
ReplayResult ReplayMoves(const std::vector<std::string>& rows, const std::string& letters);

} // namespace w4
