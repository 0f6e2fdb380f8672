#include "solver/solution.h"

#include "core/usokoban.h"

#include <algorithm>

namespace w4::solver {

namespace {

// The shortest keeper walk from `from` to `to` around the boxes, as step letters.
bool Walk(const Board& board, const std::vector<std::uint8_t>& occupied, Cell from, Cell to, std::string& letters)
{
    if (from == to)
        return true;
    const int n = board.CellCount();
    std::vector<int> cameBy(static_cast<std::size_t>(n), -1);   // direction that entered the cell
    std::vector<Cell> queue{from};
    cameBy[from] = DirCount;
    for (std::size_t i = 0; i < queue.size() && cameBy[to] < 0; ++i) {
        const Cell at = queue[i];
        for (int d = 0; d < DirCount; ++d) {
            const Cell next = board.Next(at, d);
            if (next == NoCell || occupied[next] || cameBy[next] >= 0)
                continue;
            cameBy[next] = d;
            queue.push_back(next);
        }
    }
    if (cameBy[to] < 0)
        return false;
    std::string path;
    for (Cell at = to; at != from;) {
        const int d = cameBy[at];
        path.push_back(StepLetter[d]);
        at = board.Next(at, Opposite(d));
    }
    letters.append(path.rbegin(), path.rend());
    return true;
}

} // namespace

std::string LettersForPushes(const Board& board, const std::vector<Push>& pushes, bool& ok)
{
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    for (Cell box : board.boxes)
        occupied[box] = 1;
    Cell keeper = board.keeper;
    std::string letters;
    ok = true;
    for (const Push& push : pushes) {
        const Cell behind = board.Next(push.from, Opposite(push.dir));
        const Cell to = board.Next(push.from, push.dir);
        if (behind == NoCell || to == NoCell || !occupied[push.from] || occupied[to]
            || !Walk(board, occupied, keeper, behind, letters)) {
            ok = false;
            return {};
        }
        letters.push_back(PushLetter[push.dir]);
        occupied[push.from] = 0;
        occupied[to] = 1;
        keeper = push.from;
    }
    return letters;
}

bool ReplaysToSolved(const std::vector<std::string>& grid, const std::string& letters)
{
    std::vector<std::string> cells = grid;
    int kx = -1, ky = -1;
    for (std::size_t y = 0; y < cells.size(); ++y)
        for (std::size_t x = 0; x < cells[y].size(); ++x)
            if (cells[y][x] == '@' || cells[y][x] == '+') {
                kx = static_cast<int>(x);
                ky = static_cast<int>(y);
            }
    if (kx < 0)
        return false;
    // Off the board reads as the game's own off-board mark, which no rule lets anyone enter.
    const auto at = [&](int x, int y) -> char {
        if (y < 0 || x < 0 || y >= static_cast<int>(cells.size()) || x >= static_cast<int>(cells[static_cast<std::size_t>(y)].size()))
            return 'Z';
        return cells[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    for (char letter : letters) {
        const char* dirs = "lurd";
        const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
        const char* found = std::find(dirs, dirs + 4, lower);
        if (found == dirs + 4)
            return false;
        const int d = static_cast<int>(found - dirs);
        const int nx = kx + DirDx[d], ny = ky + DirDy[d];
        const int bx = nx + DirDx[d], by = ny + DirDy[d];
        const w4::MoveDecision move = w4::ClassifyMove(at(kx, ky), at(nx, ny), at(bx, by));
        const bool wantPush = letter != lower;
        if (move.Outcome != (wantPush ? w4::MoveOutcome::Push : w4::MoveOutcome::Step))
            return false;
        cells[static_cast<std::size_t>(ky)][static_cast<std::size_t>(kx)] = move.NewKeeper;
        cells[static_cast<std::size_t>(ny)][static_cast<std::size_t>(nx)] = move.NewNext;
        if (wantPush)
            cells[static_cast<std::size_t>(by)][static_cast<std::size_t>(bx)] = move.NewBeyond;
        kx = nx;
        ky = ny;
    }
    for (const std::string& row : cells)
        if (row.find('$') != std::string::npos)
            return false;
    return true;
}

} // namespace w4::solver
