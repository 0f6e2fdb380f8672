#pragma once
// Where the keeper can get to and how: the shortest walk to a cell, the cheapest way to push one
// box to a cell, and the board rows a worker thread gets as its own copy of a position. No Qt.

#include "core/uglobal.h"

#include <optional>
#include <string>
#include <vector>

namespace w4 {

// One position as the pathing sees it: the level rectangle of a snapshot.
struct PathBoard {
    const BoardGrid* Cells = nullptr;
    int Width = 0, Height = 0;
    char At(int x, int y) const;   // 'Z' outside
};

PathBoard ShownBoard(const GameState& g);

// The step letters (l u r d) of a shortest walk from the keeper's cell to (x, y) that pushes
// nothing; empty for the keeper's own cell; nullopt when the cell cannot be reached (a wall, a
// box, outside, or cut off).
std::optional<std::string> WalkPath(const PathBoard& b, int keeperX, int keeperY, int x, int y);

// The move letters that take the box at (boxX, boxY) to (x, y) by the fewest pushes, then the
// fewest moves, the other boxes staying where they are; pushes in upper case. nullopt when it
// cannot be done or there is no box at (boxX, boxY); empty when the box is already there.
std::optional<std::string> PushPath(const PathBoard& b, int keeperX, int keeperY, int boxX, int boxY, int x, int y);

// The level rectangle of a board as level-file rows (the fill's outside mark as floor), for the
// solver.
std::vector<std::string> BoardRows(const BoardGrid& cells, int width, int height);

// The rows after playing `letters` from `rows` by the game's move rules; refused letters change
// nothing, as they change nothing in play.
std::vector<std::string> PlayLetters(std::vector<std::string> rows, const std::string& letters);

// The cell a push letter moves its box from, for the hint's marks: the first push in letters,
// played from the keeper of rows. False when the letters hold no push.
struct PushMark {
    int BoxX = 0, BoxY = 0, ToX = 0, ToY = 0;
    std::string Letters;   // the moves up to and including that push
};
std::optional<PushMark> FirstPush(const std::vector<std::string>& rows, const std::string& letters);

} // namespace w4
