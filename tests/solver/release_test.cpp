// A search's tables are freed after it has answered, on a thread of their own; the next search
// waits for them before it allocates, and a cancel still ends it at once.
#include "solver/release.h"
#include "solver/solver.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <utility>

namespace w4::solver {
namespace {

// Stands for a large table whose freeing the test decides when to finish.
struct SlowToFree {
    std::shared_future<void> go;
    std::atomic<bool>* freed;
    ~SlowToFree()
    {
        go.wait();
        freed->store(true);
    }
};

TEST(Release, ASearchStartsOnlyOnceTheTablesBeforeItAreFreedAndACancelNeedNotWait)
{
    const WithoutCorrals plain;   // so the room is never settled: only the cancel ends it
    std::promise<void> finish;
    std::atomic<bool> freed{false};
    ReleaseLater(std::make_unique<SlowToFree>(finish.get_future().share(), &freed));

    // Cancelled while the old tables are still there: answered without waiting for them (a
    // search that waited would hang here, as they are freed only after the answer).
    std::atomic<bool> cancel{true};
    Options options;
    options.optimal = Optimality::Pushes;   // one search, soon under way
    options.timeLimitSeconds = 600;
    options.cancel = &cancel;
    std::future<Result> early = std::async(std::launch::async, [&] { return Solve(BigRoom(), options); });
    if (early.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        finish.set_value();
        FAIL() << "the cancelled search waited for the old tables";
    }
    EXPECT_EQ(early.get().outcome, Outcome::Cancelled);
    EXPECT_FALSE(freed.load());

    // Not cancelled: nothing is searched (no progress) before they are gone.
    cancel = false;
    std::atomic<int> beforeFreed{0};
    std::promise<void> running;
    std::atomic<bool> told{false};
    options.progress = [&](const Progress&) {
        beforeFreed += !freed.load();
        if (!told.exchange(true))
            running.set_value();
    };
    std::future<Result> later = std::async(std::launch::async, [&] { return Solve(BigRoom(), options); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));   // room for a search that would not wait
    finish.set_value();
    std::future<void> underWay = running.get_future();
    while (underWay.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready &&
           later.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    }
    cancel = true;
    EXPECT_EQ(later.get().outcome, Outcome::Cancelled);
    EXPECT_EQ(beforeFreed.load(), 0);
    EXPECT_TRUE(WaitForReleases());
}

TEST(Release, AfterACancelledSearchOnTwoThreadsTheNextOneSolvesWithTheSameBudget)
{
    const WithoutCorrals plain;
    std::atomic<bool> cancel{false};
    Options options;
    options.threads = 2;
    options.timeLimitSeconds = 600;
    options.memoryBudgetBytes = std::size_t(64) << 20;
    options.cancel = &cancel;
    std::promise<void> running;
    bool told = false;
    options.progress = [&](const Progress&) {
        if (!std::exchange(told, true))
            running.set_value();
    };
    std::future<Result> first = std::async(std::launch::async, [&] { return Solve(BigRoom(), options); });
    std::future<void> underWay = running.get_future();
    while (underWay.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready &&
           first.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    }
    cancel = true;
    EXPECT_EQ(first.get().outcome, Outcome::Cancelled);
    cancel = false;
    options.progress = nullptr;
    const Result next = Solve(LevelRows("0101.xsb"), options);
    EXPECT_EQ(next.outcome, Outcome::Solved);
}

} // namespace
} // namespace w4::solver
