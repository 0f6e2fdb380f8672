// The editor's live check: a verdict comes for the latest board only, whatever the author drew
// before it, and a stopped check says nothing.
#include "solver/livecheck.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace w4::solver {
namespace {

// Records what the check delivers; waits (with a generous safety limit, no timing asserted) for
// the verdict of a given board.
class Verdicts {
public:
    LiveCheck::Deliver Sink()
    {
        return [this](const CheckVerdict& v) {
            const std::lock_guard<std::mutex> lock(mutex_);
            got_.push_back(v);
            changed_.notify_all();
        };
    }
    bool WaitFor(std::uint64_t generation)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::minutes(2), [&] {
            return !got_.empty() && got_.back().generation >= generation;
        });
    }
    std::vector<CheckVerdict> All()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return got_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<CheckVerdict> got_;
};

const std::vector<std::string> TwoPushes = {"#######", "#@ $ .#", "#######"};

TEST(LiveCheck, EachVerdictSaysWhatTheSolverFound)
{
    Verdicts verdicts;
    LiveCheck check(30, std::size_t(64) << 20, verdicts.Sink());
    const std::vector<std::vector<std::string>> boards = {
        TwoPushes,
        {"#####", "# $.#", "#####"},                        // no keeper
        {"######", "#@$$.#", "######"},                     // two boxes, one target
        {"######", "#$   #", "#  @ #", "#   .#", "######"}, // the box is in a corner
    };
    std::vector<CheckVerdict> seen;
    for (const auto& rows : boards) {
        const std::uint64_t g = check.Submit(rows);
        ASSERT_TRUE(verdicts.WaitFor(g));
        seen.push_back(verdicts.All().back());
        EXPECT_EQ(seen.back().generation, g);
    }
    EXPECT_EQ(seen[0].state, CheckState::Solvable);
    EXPECT_EQ(seen[0].pushes, 2);
    EXPECT_EQ(seen[0].moves, 3u);
    EXPECT_EQ(seen[1].state, CheckState::NotValid);
    EXPECT_EQ(seen[1].invalid, InvalidReason::NoKeeper);
    EXPECT_EQ(seen[2].state, CheckState::NotValid);
    EXPECT_EQ(seen[2].invalid, InvalidReason::BoxTargetMismatch);
    EXPECT_EQ(seen[3].state, CheckState::Unsolvable);
}

// A board that keeps the solver busy until its limit, replaced by a small one: the big board's
// check is cancelled and nothing is delivered for it once the new board is in.
TEST(LiveCheck, ANewBoardCancelsTheOldCheckAndOnlyTheLatestIsDelivered)
{
    Verdicts verdicts;
    LiveCheck check(600, std::size_t(256) << 20, verdicts.Sink());
    const std::uint64_t big = check.Submit(BigRoom());
    std::uint64_t last = big;
    for (int i = 0; i < 5; ++i)
        last = check.Submit(TwoPushes);
    EXPECT_FALSE(check.IsCurrent(big));
    EXPECT_TRUE(check.IsCurrent(last));
    ASSERT_TRUE(verdicts.WaitFor(last));
    const std::vector<CheckVerdict> all = verdicts.All();
    for (const CheckVerdict& v : all)
        EXPECT_EQ(v.generation, last) << "a verdict for a replaced board";
    EXPECT_EQ(all.back().state, CheckState::Solvable);
    // The boards submitted while one was checked were never checked one by one.
    EXPECT_LE(check.Started(), 2u);

    check.Stop();
    EXPECT_FALSE(check.IsCurrent(last));
}

TEST(LiveCheck, AStoppedCheckDeliversNothingAndEndsAtOnce)
{
    Verdicts verdicts;
    {
        LiveCheck check(600, std::size_t(256) << 20, verdicts.Sink());
        check.Submit(BigRoom());
        check.Stop();
        // The destructor cancels and joins: this scope ends long before the limit.
    }
    EXPECT_TRUE(verdicts.All().empty());
}

} // namespace
} // namespace w4::solver
