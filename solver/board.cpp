#include "solver/board.h"

#include <algorithm>
#include <cstring>

namespace w4::solver {

std::vector<std::string> NormalizeRows(const std::vector<std::string>& rows)
{
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    std::vector<std::string> grid;
    grid.reserve(rows.size());
    for (const std::string& row : rows) {
        std::string line(width, ' ');
        for (std::size_t x = 0; x < row.size(); ++x) {
            const char c = row[x];
            if (c == '-' || c == '_' || c == ' ')
                line[x] = ' ';
            else if (c != '\0' && std::strchr("#.$*@+", c) != nullptr)
                line[x] = c;
            else
                line[x] = '#';
        }
        grid.push_back(std::move(line));
    }
    return grid;
}

namespace {

bool IsBox(char c) { return c == '$' || c == '*'; }
bool IsTargetChar(char c) { return c == '.' || c == '*' || c == '+'; }
bool IsKeeper(char c) { return c == '@' || c == '+'; }

// Numbers the chosen grid cells row-major and fills the tables from the grid.
void NumberCells(Board& board, const std::vector<std::uint8_t>& chosen)
{
    const int w = board.width;
    board.cellOfGrid.assign(static_cast<std::size_t>(w * board.height), -1);
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < w; ++x)
            if (chosen[static_cast<std::size_t>(y * w + x)]) {
                board.cellOfGrid[static_cast<std::size_t>(y * w + x)] = board.CellCount();
                board.cellX.push_back(x);
                board.cellY.push_back(y);
            }
    const int n = board.CellCount();
    board.neighbour.assign(static_cast<std::size_t>(n) * DirCount, NoCell);
    board.isTarget.assign(static_cast<std::size_t>(n), 0);
    for (int c = 0; c < n; ++c) {
        const int x = board.cellX[static_cast<std::size_t>(c)];
        const int y = board.cellY[static_cast<std::size_t>(c)];
        for (int d = 0; d < DirCount; ++d) {
            const int nx = x + DirDx[d];
            const int ny = y + DirDy[d];
            if (nx < 0 || ny < 0 || nx >= w || ny >= board.height)
                continue;
            const int other = board.cellOfGrid[static_cast<std::size_t>(ny * w + nx)];
            if (other >= 0)
                board.neighbour[static_cast<std::size_t>(c) * DirCount + static_cast<std::size_t>(d)] = static_cast<Cell>(other);
        }
        const char ch = board.grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        if (IsTargetChar(ch)) {
            board.isTarget[static_cast<std::size_t>(c)] = 1;
            board.targets.push_back(static_cast<Cell>(c));
        }
        if (IsBox(ch))
            board.boxes.push_back(static_cast<Cell>(c));
        if (IsKeeper(ch))
            board.keeper = static_cast<Cell>(c);
    }
}

Board Prepare(const std::vector<std::string>& rows)
{
    Board board;
    board.grid = NormalizeRows(rows);
    board.height = static_cast<int>(board.grid.size());
    board.width = board.grid.empty() ? 0 : static_cast<int>(board.grid.front().size());
    return board;
}

} // namespace

Board BoardForSolving(const std::vector<std::string>& rows)
{
    Board board = Prepare(rows);
    if (board.width > MaxBoardSide || board.height > MaxBoardSide) {
        board.invalid = InvalidReason::TooLarge;
        return board;
    }
    const int w = board.width;
    int keepers = 0, keeperAt = -1;
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < w; ++x)
            if (IsKeeper(board.grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])) {
                ++keepers;
                keeperAt = y * w + x;
            }
    if (keepers != 1) {
        board.invalid = InvalidReason::NoKeeper;
        return board;
    }
    // Every cell the keeper could ever stand on, as if all boxes were gone.
    std::vector<std::uint8_t> reached(static_cast<std::size_t>(w * board.height), 0);
    std::vector<int> stack{keeperAt};
    reached[static_cast<std::size_t>(keeperAt)] = 1;
    while (!stack.empty()) {
        const int at = stack.back();
        stack.pop_back();
        const int x = at % w, y = at / w;
        for (int d = 0; d < DirCount; ++d) {
            const int nx = x + DirDx[d], ny = y + DirDy[d];
            if (nx < 0 || ny < 0 || nx >= w || ny >= board.height)
                continue;
            const int next = ny * w + nx;
            if (reached[static_cast<std::size_t>(next)] || board.grid[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] == '#')
                continue;
            reached[static_cast<std::size_t>(next)] = 1;
            stack.push_back(next);
        }
    }
    // A box on a target that the keeper can never reach can never move either: it is part of
    // the wall. A box or an empty target out of reach makes the level unsolvable as drawn.
    int boxes = 0, targets = 0, allBoxes = 0, allTargets = 0;
    bool outOfReach = false;
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = board.grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            allBoxes += IsBox(c);
            allTargets += IsTargetChar(c);
            if (reached[static_cast<std::size_t>(y * w + x)]) {
                boxes += IsBox(c);
                targets += IsTargetChar(c);
            } else if (c != '*' && (IsBox(c) || IsTargetChar(c))) {
                outOfReach = true;
            }
        }
    if (allBoxes != allTargets || allBoxes == 0) {
        board.invalid = InvalidReason::BoxTargetMismatch;
        return board;
    }
    if (outOfReach || boxes != targets) {
        board.invalid = InvalidReason::Unreachable;
        return board;
    }
    if (boxes > MaxBoxes) {
        board.invalid = InvalidReason::TooLarge;
        return board;
    }
    NumberCells(board, reached);
    return board;
}

Board BoardForJudging(const std::vector<std::string>& rows)
{
    Board board = Prepare(rows);
    if (board.width > MaxBoardSide || board.height > MaxBoardSide) {
        board.invalid = InvalidReason::TooLarge;
        return board;
    }
    std::vector<std::uint8_t> floor(static_cast<std::size_t>(board.width * board.height), 0);
    for (int y = 0; y < board.height; ++y)
        for (int x = 0; x < board.width; ++x)
            floor[static_cast<std::size_t>(y * board.width + x)] = board.grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != '#';
    NumberCells(board, floor);
    return board;
}

} // namespace w4::solver
