// The fast search on two threads: the same verdicts as on one, the limits still hold, and the
// caller still hears progress on its own thread and can cancel.
#include "solver/search.h"
#include "solver/solver.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <sched.h>
#include <thread>

namespace w4::solver {
namespace {

Options TwoThreads(double seconds)
{
    Options options;
    options.timeLimitSeconds = seconds;
    options.threads = 2;
    return options;
}

TEST(TwoThreads, GiveTheSameVerdictsAsOne)
{
    // 2705 is found by the feature search, on the second thread; the others by the first.
    for (const char* name : {"0101.xsb", "1105.xsb", "2705.xsb"}) {
        SCOPED_TRACE(name);
        const Result result = Solve(LevelRows(name), TwoThreads(60));
        EXPECT_EQ(result.outcome, Outcome::Solved);   // Solve has replayed the letters
        EXPECT_FALSE(result.moves.empty());
    }
    // A proof from the first thread ends the second one's search too.
    const std::vector<std::vector<std::string>> lost = {
        {"######", "#$  .#", "#  @ #", "######"},
        {"#########", "#..$@$  #", "#########"},
        BigRoom(),
    };
    for (const auto& rows : lost)
        EXPECT_EQ(Solve(rows, TwoThreads(60)).outcome, Outcome::Unsolvable);
}

TEST(TwoThreads, TheMemoryBudgetHoldsForBothTogether)
{
    const WithoutCorrals plain;
    Options options = TwoThreads(600);
    options.memoryBudgetBytes = std::size_t(1) << 20;
    const Result result = Solve(BigRoom(), options);
    EXPECT_EQ(result.outcome, Outcome::OutOfMemory);
    EXPECT_GT(result.positions, 1000u);
}

TEST(TwoThreads, ProgressComesOnTheCallersThreadAndCancelStopsBoth)
{
    const WithoutCorrals plain;
    std::atomic<bool> cancel{false};
    Options options = TwoThreads(600);
    options.cancel = &cancel;
    std::atomic<int> reports{0};
    std::atomic<int> elsewhere{0};
    std::uint64_t last = 0;
    int backwards = 0;   // the count of positions may only grow
    std::thread::id solving;
    std::promise<void> running;
    options.progress = [&](const Progress& progress) {
        if (std::this_thread::get_id() != solving)
            ++elsewhere;
        backwards += progress.positions < last;
        last = progress.positions;
        if (reports++ == 0)
            running.set_value();
    };
    std::future<Result> result = std::async(std::launch::async, [&] {
        solving = std::this_thread::get_id();
        return Solve(BigRoom(), options);
    });
    std::future<void> underWay = running.get_future();
    while (underWay.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready
           && result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    }
    cancel = true;
    EXPECT_EQ(result.get().outcome, Outcome::Cancelled);
    EXPECT_GE(reports.load(), 1);
    EXPECT_EQ(elsewhere.load(), 0);
    EXPECT_EQ(backwards, 0);
}

} // namespace
} // namespace w4::solver

// Pinned to one core (as `taskset` does), a second thread would only take turns with the first.
TEST(TwoThreads, AreTheDefaultOnlyWhereTwoCoresMayBeUsed)
{
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof(all), &all), 0);
    int first = 0;
    while (!CPU_ISSET(first, &all))
        ++first;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof(one), &one), 0);
    const int pinned = w4::solver::DefaultThreads();
    ASSERT_EQ(sched_setaffinity(0, sizeof(all), &all), 0);
    EXPECT_EQ(pinned, 1);
    EXPECT_EQ(w4::solver::DefaultThreads(), CPU_COUNT(&all) >= 2 ? 2 : 1);
}
