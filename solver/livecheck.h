#pragma once
// The editor's live solvability check: the solver with a short limit, on a thread of its own, for
// the latest board the author has drawn. A new board cancels the check running and is checked
// next; a verdict for a board that has been replaced meanwhile is never delivered. No Qt: the
// window hands boards in and takes verdicts out (posting them to its own thread, where it asks
// IsCurrent once more, as the board may have changed again on the way).

#include "solver/solver.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace w4::solver {

enum class CheckState {
    NotValid,   // the board cannot be solved as drawn; see invalid
    Solvable,   // moves and pushes hold the solution's figures
    Unsolvable, // proven
    Undecided,  // neither within the limit
};

struct CheckVerdict {
    std::uint64_t generation = 0;   // the board it is for, as Submit numbered it
    CheckState state = CheckState::Undecided;
    InvalidReason invalid = InvalidReason::None;
    std::size_t moves = 0;
    std::int32_t pushes = 0;
};

// The verdict of one solve, as the check reports it.
CheckVerdict VerdictOf(const Result& result, std::uint64_t generation);

class LiveCheck {
public:
    // Called on the checking thread, only for the latest board, with the check's lock held: it
    // must hand the verdict on (post it), not call back into the check.
    using Deliver = std::function<void(const CheckVerdict&)>;

    LiveCheck(double seconds, std::size_t memoryBudgetBytes, Deliver deliver);
    ~LiveCheck();   // cancels the check running and waits for the thread: nothing is delivered after it
    LiveCheck(const LiveCheck&) = delete;
    LiveCheck& operator=(const LiveCheck&) = delete;

    // A new board (rows as a level file holds them): cancels the check running and checks this one
    // as soon as the thread is free. Returns the board's generation.
    std::uint64_t Submit(std::vector<std::string> rows);
    // Cancels the check running and drops any board waiting; no verdict follows until the next Submit.
    void Stop();
    // Whether `generation` is still the latest board (not replaced, not stopped).
    bool IsCurrent(std::uint64_t generation) const;
    // Checks started so far, for tests and logs.
    std::uint64_t Started() const { return started_.load(); }

private:
    void Run();

    const double seconds_;
    const std::size_t memory_;
    const Deliver deliver_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::uint64_t generation_ = 0;     // the latest board's, or a stop's
    bool pending_ = false;             // rows_ wait to be checked
    std::vector<std::string> rows_;
    std::shared_ptr<std::atomic<bool>> cancel_;   // the running check's flag
    bool quit_ = false;
    std::atomic<std::uint64_t> started_{0};
    std::thread thread_;
};

} // namespace w4::solver
