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
            newestAtDelivery_.push_back(newest_);
            changed_.notify_all();
        };
    }
    // The test tells, after each Submit, which board is the newest; a verdict for an older board
    // delivered after that is one the check should have held back.
    void Submitted(std::uint64_t generation)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        newest_ = generation;
    }
    std::vector<std::uint64_t> NewestAtDelivery()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return newestAtDelivery_;
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
    std::vector<std::uint64_t> newestAtDelivery_;
    std::uint64_t newest_ = 0;
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
    verdicts.Submitted(big);
    std::uint64_t last = big;
    for (int i = 0; i < 5; ++i) {
        last = check.Submit(TwoPushes);
        verdicts.Submitted(last);
    }
    // On a busy machine this thread may stall between two boards long enough for a check to end;
    // what was delivered then was right, so only verdicts after a newer board count.
    const bool allInWhileTheFirstRan = check.Started() == 1;
    EXPECT_FALSE(check.IsCurrent(big));
    EXPECT_TRUE(check.IsCurrent(last));
    ASSERT_TRUE(verdicts.WaitFor(last));
    const std::vector<CheckVerdict> all = verdicts.All();
    const std::vector<std::uint64_t> newest = verdicts.NewestAtDelivery();
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_GE(all[i].generation, newest[i]) << "a verdict for a replaced board";
    EXPECT_EQ(all.back().generation, last);
    EXPECT_EQ(all.back().state, CheckState::Solvable);
    // The boards submitted while one was checked were never checked one by one.
    if (allInWhileTheFirstRan) {
        EXPECT_LE(check.Started(), 2u);
    }

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
