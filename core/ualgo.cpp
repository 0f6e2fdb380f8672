#include "core/ualgo.h"

#include <array>
#include <utility>

namespace w4 {

namespace {

// Marks every cell reachable from (x, y) through non-wall cells, four-way. An explicit stack
// replaces the recursion: the reached set does not depend on the visiting order, and a 2500-deep
// call chain is needless risk.
void FloodFrom(BoardGrid& fillGrid, int x, int y)
{
    auto reachable = [&](int cx, int cy) {
        return cx >= 0 && cx < MaxLevelSize && cy >= 0 && cy < MaxLevelSize &&
               fillGrid[static_cast<std::size_t>(cx)][static_cast<std::size_t>(cy)] == 'X';
    };
    if (!reachable(x, y))
        return;

    // Each cell is marked when pushed, so it enters the stack at most once: 2500 entries suffice.
    std::array<std::pair<int, int>, MaxLevelSize * MaxLevelSize> stack;
    std::size_t depth = 0;
    fillGrid[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = ' ';
    stack[depth++] = {x, y};
    constexpr int Steps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    while (depth > 0) {
        const auto [cx, cy] = stack[--depth];
        for (const auto& step : Steps) {
            const int nx = cx + step[0];
            const int ny = cy + step[1];
            if (reachable(nx, ny)) {
                fillGrid[static_cast<std::size_t>(nx)][static_cast<std::size_t>(ny)] = ' ';
                stack[depth++] = {nx, ny};
            }
        }
    }
}

bool KeepsItsCharacter(char c)
{
    return c == '$' || c == '*' || c == '+' || c == '.' || c == '@';
}

} // namespace

void FillReachableArea(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return;
    BoardGrid& board = g.SnapshotHistory[0].Board;
    BoardGrid fillGrid = board;

    int startX = -1;
    int startY = -1;
    for (int y = 0; y < MaxLevelSize; ++y) {
        for (int x = 0; x < MaxLevelSize; ++x) {
            char& cell = fillGrid[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (cell == '@' || cell == '+') {
                startX = x;   // the last keeper in reading order wins
                startY = y;
            }
            if (cell != '#')
                cell = 'X';
        }
    }

    FloodFrom(fillGrid, startX, startY);

    for (std::size_t x = 0; x < MaxLevelSize; ++x) {
        for (std::size_t y = 0; y < MaxLevelSize; ++y) {
            const char filled = fillGrid[x][y];
            if ((filled == ' ' || filled == 'X') && !KeepsItsCharacter(board[x][y]))
                board[x][y] = filled;
        }
    }
}

} // namespace w4
