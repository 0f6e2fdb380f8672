// How soon the solver answers a cancel: a long search on a large level, cancelled at random
// moments, timed from raising the flag to Solve's return. The search must answer within 100 ms
// whatever it is doing then (a growing position table, the start of the second thread...).
// W4_CANCEL_TRIALS (default 8) and W4_CANCEL_SECONDS (latest moment, default 30) tune the run.
// worst_cpu_ms is the solving thread's own processor time over the same span (on two threads the
// workers' is not in it).
// Measured by hand: it takes minutes.
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <mutex>
#include <pthread.h>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A 50 x 50 warehouse with pillars, 40 boxes in rows across it and the targets along the bottom:
// far too many positions to finish, so the search runs until it is stopped.
std::vector<std::string> LargeLevel()
{
    const int n = 50;
    std::vector<std::string> rows(n, std::string(n, ' '));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            rows[y][x] = x == 0 || y == 0 || x == n - 1 || y == n - 1 || (x % 4 == 0 && y % 4 == 0) ? '#' : ' ';
    int boxes = 0;
    for (int y = 6; y < n - 6 && boxes < 40; y += 5)
        for (int x = 6; x < n - 6 && boxes < 40; x += 5)
            if (rows[y][x] == ' ') {
                rows[y][x] = '$';
                ++boxes;
            }
    for (int x = 2, targets = 0; x < n - 2 && targets < boxes; ++x)
        for (int y : {n - 3, n - 4})
            if (rows[y][x] == ' ' && targets < boxes) {
                rows[y][x] = '.';
                ++targets;
            }
    rows[3][3] = '@';
    return rows;
}

// The level searched: W4_CANCEL_LEVEL names a level file, else the hardest benchmark level beside
// the checkout (about 80 boxes; no solution within a minute), else the warehouse above, which the
// search solves in about 15 s. Board rows are read up to the first blank line after them.
std::vector<std::string> LevelToSearch()
{
    const char* named = std::getenv("W4_CANCEL_LEVEL");
    const std::string file = named != nullptr ? named : W4_SOURCE_DIR "/../shared/levels-bench/sasquatch-iii/49.xsb";
    std::ifstream in(file);
    if (!in)
        return LargeLevel();
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.find('#') == std::string::npos) {
            if (!rows.empty())
                break;
            continue;
        }
        rows.push_back(line);
    }
    return rows;
}

double ThreadSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Setting(const char* name, double fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atof(value) : fallback;
}

void BM_CancelLatency(benchmark::State& state)
{
    const std::vector<std::string> rows = LevelToSearch();
    const int trials = static_cast<int>(Setting("W4_CANCEL_TRIALS", 8));
    const double latest = Setting("W4_CANCEL_SECONDS", 30);
    std::mt19937 random(26);
    std::vector<double> latencies, processor;
    for (auto _ : state) {
        for (int t = 0; t < trials; ++t) {
            const double moment = std::uniform_real_distribution<double>(0.0, latest)(random);
            std::atomic<bool> cancel{false};
            w4::solver::Options options;
            options.timeLimitSeconds = 60;
            options.threads = static_cast<int>(state.range(0));
            options.cancel = &cancel;
            std::mutex lock;
            std::condition_variable ended;
            bool done = false;
            Clock::time_point raised;
            // The solving thread's own processor time as well: on a busy machine the wall time
            // also counts the waits for a free core.
            clockid_t solving{};
            pthread_getcpuclockid(pthread_self(), &solving);
            double raisedCpu = 0;
            std::thread canceller([&] {
                std::unique_lock<std::mutex> hold(lock);
                if (!ended.wait_for(hold, std::chrono::duration<double>(moment), [&] { return done; })) {
                    raisedCpu = ThreadSeconds(solving);
                    raised = Clock::now();
                    cancel.store(true);
                }
            });
            const w4::solver::Result result = w4::solver::Solve(rows, options);
            const Clock::time_point returned = Clock::now();
            const double returnedCpu = ThreadSeconds(solving);
            {
                const std::lock_guard<std::mutex> hold(lock);
                done = true;
            }
            ended.notify_one();
            canceller.join();
            if (!cancel.load() || result.outcome != w4::solver::Outcome::Cancelled) {
                state.SkipWithError(("the search ended before it was cancelled: " + std::string(w4::solver::OutcomeName(result.outcome)) +
                                     " after " + std::to_string(result.seconds) + " s").c_str());
                return;
            }
            latencies.push_back(std::chrono::duration<double, std::milli>(returned - raised).count());
            processor.push_back((returnedCpu - raisedCpu) * 1000);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["trials"] = static_cast<double>(latencies.size());
    state.counters["median_ms"] = latencies.empty() ? 0 : latencies[latencies.size() / 2];
    state.counters["worst_ms"] = latencies.empty() ? 0 : latencies.back();
    state.counters["worst_cpu_ms"] = processor.empty() ? 0 : *std::max_element(processor.begin(), processor.end());
}
BENCHMARK(BM_CancelLatency)->Arg(1)->Arg(2)->ArgName("threads")->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
