#include "solver/livecheck.h"

namespace w4::solver {

CheckVerdict VerdictOf(const Result& result, std::uint64_t generation)
{
    CheckVerdict verdict;
    verdict.generation = generation;
    switch (result.outcome) {
    case Outcome::Solved:
        verdict.state = CheckState::Solvable;
        verdict.moves = result.moves.size();
        verdict.pushes = result.pushes;
        break;
    case Outcome::Unsolvable:
        verdict.state = CheckState::Unsolvable;
        break;
    case Outcome::Invalid:
        verdict.state = CheckState::NotValid;
        verdict.invalid = result.invalid;
        break;
    case Outcome::OutOfTime:
    case Outcome::OutOfMemory:
    case Outcome::Cancelled:
        verdict.state = CheckState::Undecided;
        break;
    }
    return verdict;
}

LiveCheck::LiveCheck(double seconds, std::size_t memoryBudgetBytes, Deliver deliver)
    : seconds_(seconds), memory_(memoryBudgetBytes), deliver_(std::move(deliver)), thread_([this] { Run(); })
{
}

LiveCheck::~LiveCheck()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
        if (cancel_)
            cancel_->store(true);
    }
    wake_.notify_all();
    thread_.join();
}

std::uint64_t LiveCheck::Submit(std::vector<std::string> rows)
{
    std::uint64_t generation = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        generation = ++generation_;
        rows_ = std::move(rows);
        pending_ = true;
        if (cancel_)
            cancel_->store(true);
    }
    wake_.notify_all();
    return generation;
}

void LiveCheck::Stop()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    ++generation_;
    pending_ = false;
    rows_.clear();
    if (cancel_)
        cancel_->store(true);
}

bool LiveCheck::IsCurrent(std::uint64_t generation) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return generation == generation_ && generation != 0;
}

void LiveCheck::Run()
{
    for (;;) {
        std::vector<std::string> rows;
        std::uint64_t generation = 0;
        auto cancel = std::make_shared<std::atomic<bool>>(false);
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_; });
            if (quit_)
                return;
            rows.swap(rows_);
            pending_ = false;
            generation = generation_;
            cancel_ = cancel;
        }
        ++started_;
        Options options;
        options.timeLimitSeconds = seconds_;
        options.memoryBudgetBytes = memory_;
        options.cancel = cancel.get();
        options.threads = 1;   // the author's machine stays free for painting
        const Result result = Solve(rows, options);
        const CheckVerdict verdict = VerdictOf(result, generation);
        // Delivered under the lock, so a Submit or Stop either comes before (and the verdict is
        // dropped) or after (and the window sees it as stale when it asks IsCurrent).
        const std::lock_guard<std::mutex> lock(mutex_);
        cancel_.reset();
        if (!quit_ && generation == generation_ && !cancel->load())
            deliver_(verdict);
    }
}

} // namespace w4::solver
