#include "solver/solution.h"

#include "core/movereplay.h"

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
    w4::MoveReplay board(grid);
    if (!board.HasKeeper())
        return false;
    for (const char letter : letters) {
        const w4::MoveOutcome outcome = board.Play(letter);
        // The letter's case must say what the move did: a step in lower case, a push in upper.
        if ((outcome != w4::MoveOutcome::Step && outcome != w4::MoveOutcome::Push) ||
            w4::MoveReplay::Recorded(letter, outcome) != letter)
            return false;
    }
    // Letters past the win are played on, as long as each is a legal move.
    for (const std::string& row : board.Rows())
        if (row.find('$') != std::string::npos)
            return false;
    return true;
}

} // namespace w4::solver
