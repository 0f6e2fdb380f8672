#pragma once
// The solution optimizer: takes a level and a solution and looks for a shorter one near it.
//
// "Near" is counted in box arrangements: every arrangement the solution passes through, and those
// a few pushes (forwards or backwards) away from one of them, as long as no box stands on a dead
// square or freezes off its target. Over that set a cheapest-path search runs on (arrangement,
// keeper cell) with the keeper's exact walking distances, so the best solution inside the set
// is found exactly. The set then widens by one push, or is rebuilt round a better solution, while
// time and memory last. When widening adds nothing, every arrangement that can lead to the
// solution has been searched: nothing shorter exists by the chosen measure.
//
// No Qt: the window, warehaus4-solve, the tests and the benchmarks link it alone.

#include "solver/solver.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace w4::solver {

enum class Measure {
    MovesThenPushes, // fewest moves, then the fewest pushes among them
    PushesThenMoves, // fewest pushes, then the fewest moves among them
};

enum class OptimizeOutcome {
    Exhausted,    // the whole space the solution can use was searched: the result is the best there is
    OutOfTime,    // the time limit ran out first; the result is the best found
    OutOfMemory,  // the vicinity reached the memory budget; the result is the best found in it
    Cancelled,    // the cancel flag was raised; the result is the best found so far
    Invalid,      // the board cannot be searched; see invalid
    NotASolution, // the given letters do not solve the level; moves is empty
};

struct OptimizeProgress {
    std::uint64_t positions = 0; // arrangements in the current vicinity
    double seconds = 0;
    int radius = 0;              // the vicinity's width in pushes
    std::size_t moves = 0;       // the best solution so far
    std::int32_t pushes = 0;
};

struct OptimizeOptions {
    Measure measure = Measure::MovesThenPushes;
    double timeLimitSeconds = 10.0;
    std::size_t memoryBudgetBytes = std::size_t(1) << 30; // the vicinity and the search together
    // Raised from another thread; the optimizer returns within 100 ms with the best so far.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the optimizing thread about every 100 ms.
    std::function<void(const OptimizeProgress&)> progress;
};

struct OptimizeResult {
    OptimizeOutcome outcome = OptimizeOutcome::Invalid;
    InvalidReason invalid = InvalidReason::None;
    // The best solution: the given one (pushes in capitals, as the game records them) unless a
    // better one was found. Never worse than the given one by the measure, and always replayed
    // through the game's move rules before it is handed out.
    std::string moves;
    std::int32_t pushes = 0;
    std::size_t movesBefore = 0; // the given solution's figures
    std::int32_t pushesBefore = 0;
    int radius = 0;              // the widest vicinity searched to the end, in pushes
    std::uint64_t positions = 0; // arrangements in the last vicinity
    double seconds = 0;

    bool Improved() const { return !moves.empty() && (moves.size() != movesBefore || pushes != pushesBefore); }
};

// `solution`: move letters as solution files hold them (l u r d, L U R D); a push written in lower
// case is read as the push it is.
OptimizeResult Optimize(const std::vector<std::string>& rows, const std::string& solution, const OptimizeOptions& options);

// Whether (moves, pushes) is strictly better than (thanMoves, thanPushes) by the measure.
bool IsShorter(Measure measure, std::size_t moves, std::int32_t pushes, std::size_t thanMoves, std::int32_t thanPushes);

// Short English text, for the command-line program and logs.
const char* OptimizeOutcomeName(OptimizeOutcome outcome);

} // namespace w4::solver
