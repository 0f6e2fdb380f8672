#pragma once
// The compact model the search works on: only the cells the keeper can ever stand on are
// numbered (row-major, so the smallest number is the top-left cell), with a neighbour table, so
// a position is just sorted box cell numbers plus one keeper cell.

#include "solver/solver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace w4::solver {

using Cell = std::uint16_t;
constexpr Cell NoCell = 0xFFFF;
constexpr int MaxBoardSide = 50;
// Positions store one 16-bit cell per box; beyond this many boxes the matching bound and the
// position size make the search pointless anyway.
constexpr int MaxBoxes = 250;

// Directions in the order of the move letters l u r d; the opposite of d is d ^ 2.
constexpr int DirCount = 4;
constexpr int DirDx[DirCount] = {-1, 0, 1, 0};
constexpr int DirDy[DirCount] = {0, -1, 0, 1};
constexpr char StepLetter[DirCount] = {'l', 'u', 'r', 'd'};
constexpr char PushLetter[DirCount] = {'L', 'U', 'R', 'D'};
constexpr int Opposite(int dir) { return dir ^ 2; }

struct Board {
    int width = 0;
    int height = 0;
    std::vector<std::string> grid;   // height rows of width characters: # wall, ' ' floor, . $ * @ +
    std::vector<int> cellOfGrid;     // y * width + x -> cell number, or -1
    std::vector<int> cellX, cellY;   // cell number -> column, row
    std::vector<Cell> neighbour;     // cell * 4 + dir -> cell, or NoCell for a wall
    std::vector<std::uint8_t> isTarget;
    std::vector<Cell> targets;
    std::vector<Cell> boxes;         // the start position, sorted
    Cell keeper = NoCell;
    InvalidReason invalid = InvalidReason::None;

    int CellCount() const { return static_cast<int>(cellX.size()); }
    Cell Next(Cell cell, int dir) const { return neighbour[static_cast<std::size_t>(cell) * DirCount + static_cast<std::size_t>(dir)]; }
};

// The rows with '-' and '_' read as floor and every unknown character as wall, padded to one width.
std::vector<std::string> NormalizeRows(const std::vector<std::string>& rows);

// For solving: numbers the cells the keeper reaches (boxes do not stop this flood) and sets
// invalid when the level cannot be searched.
Board BoardForSolving(const std::vector<std::string>& rows);

// For judging a position in play: numbers every non-wall cell, whatever the keeper count.
Board BoardForJudging(const std::vector<std::string>& rows);

} // namespace w4::solver
