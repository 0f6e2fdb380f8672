#pragma once
// The solver's public face: a board in, a verdict out. No Qt and no SDL, so the window, the
// command-line program, the tests, the benchmarks and the fuzzers all link it alone.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace w4::solver {

enum class Outcome {
    Solved,      // moves holds a solution, replayed through the game's move rules
    Unsolvable,  // the whole reachable search space was exhausted: proven
    OutOfTime,   // the time limit ran out first
    OutOfMemory, // the memory budget ran out first
    Cancelled,   // the cancel flag was raised
    Invalid,     // the board cannot be searched; see invalid
};

enum class InvalidReason {
    None,
    NoKeeper,          // no keeper, or more than one
    BoxTargetMismatch, // boxes and targets differ in number, or there are none
    Unreachable,       // a box or target the keeper can never reach
    TooLarge,          // more boxes or cells than the model takes
};

enum class Optimality {
    None,   // the fastest search that finds any solution
    Pushes, // the fewest pushes, then the fewest moves among them where affordable
    Moves,  // best effort: the search of Pushes, then the moves shortened; not proven the fewest
};

struct Progress {
    std::uint64_t positions = 0; // positions explored so far
    double seconds = 0;
};

struct Options {
    double timeLimitSeconds = 10.0;
    std::size_t memoryBudgetBytes = std::size_t(1) << 30; // the transposition table never grows past it
    Optimality optimal = Optimality::None;
    // Raised from another thread; the solver returns Cancelled within 100 ms.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the solving thread about every 100 ms.
    std::function<void(const Progress&)> progress;
    // Threads the fast search may use: from two on, the feature search runs beside the others
    // on a second thread. The optimal modes always use one.
    int threads = 1;
};

struct Result {
    Outcome outcome = Outcome::Invalid;
    InvalidReason invalid = InvalidReason::None;
    std::string moves; // l u r d for steps, L U R D for pushes, as in solution files
    std::int32_t pushes = 0;
    std::uint64_t positions = 0; // positions explored
    double seconds = 0;
};

// rows: the board rows as a level file holds them (# wall, space - _ floor, . target, $ box,
// * box on target, @ keeper, + keeper on target). Rows may differ in length; the board is at
// most 50 x 50.
Result Solve(const std::vector<std::string>& rows, const Options& options);

// The fast check for play: the boxes that can no longer reach any target from this position
// (dead squares, frozen boxes, 2 x 2 blocks), as (x, y) = (column, row). A frozen box on a
// target is fine and is not listed unless it freezes another box off a target.
std::vector<std::pair<int, int>> DeadlockedBoxes(const std::vector<std::string>& rows);

// The threads the fast search is best given here: two when this process may run on two cores or
// more, else one. On one core a second thread only takes turns with the first, and there the
// one-thread portfolio, whose feature search meets the search from the solved end, measured better.
int DefaultThreads();

// Short English text for an outcome, for the command-line program and logs.
const char* OutcomeName(Outcome outcome);
const char* InvalidReasonText(InvalidReason reason);

} // namespace w4::solver
