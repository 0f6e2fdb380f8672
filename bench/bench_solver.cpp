// The solver on a few small shipped levels, in its fast and its push-optimal mode, with the
// positions it explores per second; and the search from the solved end alone, whose order does
// not depend on the clock, so its speed can be compared between builds. Whole-set figures come
// from bench/solver_bench.sh.
#include "core/fileio.h"
#include "core/usokoban.h"
#include "solver/backward.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> BoardOf(const char* name)
{
    std::vector<std::string> rows;
    for (const std::string& line : w4::ReadTextLines(std::string(W4_SOURCE_DIR) + "/levels/" + name))
        if (w4::IsBoardRow(line))
            rows.push_back(line);
    return rows;
}

// Runs `solve` once per iteration and reports the positions it explored per second; a run that
// does not solve ends the benchmark with its outcome.
template <class Solve> void SolveEachIteration(benchmark::State& state, Solve solve)
{
    std::uint64_t positions = 0;
    for (auto _ : state) {
        const auto result = solve();
        if (result.outcome != w4::solver::Outcome::Solved) {
            state.SkipWithError(w4::solver::OutcomeName(result.outcome));
            break;
        }
        positions += result.positions;
        benchmark::DoNotOptimize(result);
    }
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}

void BM_Solve(benchmark::State& state, const char* name, w4::solver::Optimality optimal)
{
    const std::vector<std::string> rows = BoardOf(name);
    w4::solver::Options options;
    options.timeLimitSeconds = 10;
    options.optimal = optimal;
    SolveEachIteration(state, [&] { return w4::solver::Solve(rows, options); });
}

void BM_SearchBackward(benchmark::State& state, const char* name)
{
    const w4::solver::Board board = w4::solver::BoardForSolving(BoardOf(name));
    w4::solver::Options options;
    options.timeLimitSeconds = 60;
    SolveEachIteration(state, [&] { return w4::solver::SearchBackward(board, options, w4::solver::Clock::now()); });
}

using w4::solver::Optimality;
BENCHMARK_CAPTURE(BM_Solve, microban_1, "0101.xsb", Optimality::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, microban_5, "0105.xsb", Optimality::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, microban_10, "0110.xsb", Optimality::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, microban_5_pushes, "0105.xsb", Optimality::Pushes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, microban_10_pushes, "0110.xsb", Optimality::Pushes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchBackward, microban_ii_75, "2110.xsb")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchBackward, microban_ii_110, "2505.xsb")->Unit(benchmark::kMillisecond);

} // namespace
