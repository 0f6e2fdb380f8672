// The entry points: check the board, search, turn the pushes into letters, replay them.

#include "solver/board.h"
#include "solver/deadlocks.h"
#include "solver/improve.h"
#include "solver/portfolio.h"
#include "solver/solution.h"
#include "solver/solver.h"

#include <cassert>
#include <sched.h>
#include <thread>

namespace w4::solver {

int DefaultThreads()
{
    // The cores the process may use, which a `taskset` or a container's CPU set narrows; the
    // machine's count when the set cannot be read.
    cpu_set_t set;
    CPU_ZERO(&set);
    const int usable = sched_getaffinity(0, sizeof(set), &set) == 0 ? CPU_COUNT(&set) : static_cast<int>(std::thread::hardware_concurrency());
    return usable >= 2 ? 2 : 1;
}

Result Solve(const std::vector<std::string>& rows, const Options& options)
{
    const Clock::time_point started = Clock::now();
    StartProcessorClock();
    Result result;
    const Board board = BoardForSolving(rows);
    const auto finish = [&](Result& r) -> Result& {
        r.seconds = std::chrono::duration<double>(Clock::now() - started).count();
        return r;
    };
    if (board.invalid != InvalidReason::None) {
        result.outcome = Outcome::Invalid;
        result.invalid = board.invalid;
        return finish(result);
    }
    const SearchOutcome found = SearchPushes(board, options, started);
    result.positions = found.positions;
    result.outcome = found.outcome;
    if (found.outcome == Outcome::Solved) {
        const auto deadline = started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options.timeLimitSeconds));
        const std::vector<Push> pushes = ShortenMoves(board, found.pushes, options.optimal == Optimality::Pushes, deadline, options.cancel);
        bool ok = false;
        const std::string letters = LettersForPushes(board, pushes, ok);
        // A solution that does not play out under the game's rules is a fault of the search; it
        // is never handed out as solved.
        const bool replays = ok && ReplaysToSolved(board.grid, letters);
        assert(replays && "solver produced a solution that does not replay");
        if (!replays) {
            result.outcome = Outcome::OutOfTime;
            return finish(result);
        }
        result.moves = letters;
        result.pushes = static_cast<std::int32_t>(pushes.size());
    }
    return finish(result);
}

std::vector<std::pair<int, int>> DeadlockedBoxes(const std::vector<std::string>& rows)
{
    std::vector<std::pair<int, int>> lost;
    const Board board = BoardForJudging(rows);
    if (board.invalid != InvalidReason::None || board.boxes.empty())
        return lost;
    const std::vector<std::uint8_t> dead = DeadSquares(board);
    FreezeCheck freeze(board, dead);
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    for (Cell box : board.boxes)
        occupied[box] = 1;
    for (Cell box : board.boxes) {
        const bool deadSquare = dead[box] && !board.isTarget[box];
        if (deadSquare || freeze.FrozenOffTarget(occupied.data(), box))
            lost.emplace_back(board.cellX[box], board.cellY[box]);
    }
    return lost;
}

} // namespace w4::solver
