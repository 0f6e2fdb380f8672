// The optimizer on a few shipped levels, from the solver's first solution, and the editor's
// solvability check (the solver with a one-second limit) over the whole shipped set. Whole-set
// optimizer figures come from bench/optimizer_bench.sh.
#include "core/fileio.h"
#include "core/usokoban.h"
#include "solver/optimizer.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> RowsOf(const std::string& path)
{
    std::vector<std::string> rows;
    for (const std::string& line : w4::ReadTextLines(path))
        if (w4::IsBoardRow(line))
            rows.push_back(line);
    return rows;
}

// Counters: the moves and pushes before and after, per level.
void BM_Optimize(benchmark::State& state, const char* name, w4::solver::Measure measure)
{
    const std::vector<std::string> rows = RowsOf(std::string(W4_SOURCE_DIR) + "/levels/" + name);
    w4::solver::Options solve;
    solve.threads = 1;
    const w4::solver::Result first = w4::solver::Solve(rows, solve);
    if (first.outcome != w4::solver::Outcome::Solved) {
        state.SkipWithError(w4::solver::OutcomeName(first.outcome));
        return;
    }
    w4::solver::OptimizeOptions options;
    options.measure = measure;
    options.timeLimitSeconds = 1;
    w4::solver::OptimizeResult result;
    for (auto _ : state) {
        result = w4::solver::Optimize(rows, first.moves, options);
        benchmark::DoNotOptimize(result.moves.data());
    }
    state.counters["moves_before"] = static_cast<double>(result.movesBefore);
    state.counters["moves_after"] = static_cast<double>(result.moves.size());
    state.counters["pushes_before"] = result.pushesBefore;
    state.counters["pushes_after"] = result.pushes;
}

using w4::solver::Measure;
BENCHMARK_CAPTURE(BM_Optimize, microban_10_moves, "0110.xsb", Measure::MovesThenPushes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Optimize, microban_103_moves, "1003.xsb", Measure::MovesThenPushes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Optimize, microban_103_pushes, "1003.xsb", Measure::PushesThenMoves)->Unit(benchmark::kMillisecond)->Iterations(1);

// The editor's live check: the share of shipped levels the solver decides (solved or proven
// unsolvable) within its one-second limit, on one thread as the check runs.
void BM_EditorCheckWithinOneSecond(benchmark::State& state)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(W4_SOURCE_DIR) + "/levels"))
        if (entry.path().extension() == ".xsb")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    w4::solver::Options options;
    options.timeLimitSeconds = 1;
    options.threads = 1;
    int decided = 0;
    double worst = 0;
    for (auto _ : state) {
        decided = 0;
        worst = 0;
        for (const std::string& file : files) {
            const w4::solver::Result r = w4::solver::Solve(RowsOf(file), options);
            decided += r.outcome == w4::solver::Outcome::Solved || r.outcome == w4::solver::Outcome::Unsolvable;
            worst = std::max(worst, r.seconds);
        }
    }
    state.counters["levels"] = static_cast<double>(files.size());
    state.counters["decided"] = decided;
    state.counters["decided_pct"] = files.empty() ? 0.0 : 100.0 * decided / static_cast<double>(files.size());
    state.counters["worst_s"] = worst;
}
BENCHMARK(BM_EditorCheckWithinOneSecond)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
