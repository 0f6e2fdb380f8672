// A collection of 1 000 levels, each with a solution: reading and checking it, and the import's
// writing of 1 000 level files and 1 000 solution files.
#include "core/collection.h"
#include "core/levelexport.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

// A 20 x 12 room with the keeper in a corner and four boxes one push from their targets,
// solved in 15 moves.
std::string LevelText(int number)
{
    std::string text = "Level " + std::to_string(number) + "\n";
    text += std::string(20, '#') + "\n";
    for (int y = 1; y < 11; ++y) {
        std::string row(20, ' ');
        row.front() = row.back() = '#';
        if (y == 1)
            row[1] = '@';
        if (y >= 3 && y <= 6) {
            row[5] = '$';
            row[6] = '.';
        }
        text += row + "\n";
    }
    text += std::string(20, '#') + "\n";
    text += "Author: Bench\nSolution (moves 15, pushes 4)\n";
    // Down to row 3, then along each box row: push it right, step back round to the next row.
    text += "dd3rR";
    for (int i = 0; i < 3; ++i)
        text += "ldR";
    text += "\n\n";
    return text;
}

const std::string& Collection1000()
{
    static const std::string text = [] {
        std::string all = "Collection: Bench\n\n";
        for (int i = 1; i <= 1000; ++i)
            all += LevelText(i);
        return all;
    }();
    return text;
}

void BM_ReadCollection1000(benchmark::State& state)
{
    const std::string& text = Collection1000();
    for (auto _ : state) {
        const w4::LevelCollection c = w4::ReadCollection(text);
        if (c.Levels.size() != 1000 || c.Levels.back().Solutions.size() != 1)
            state.SkipWithError("the collection did not read as 1 000 solved levels");
        benchmark::DoNotOptimize(c);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadCollection1000)->Unit(benchmark::kMillisecond);

// Every file goes through a temporary file, fsync and rename: this is what the worker thread does.
void BM_ImportWrite1000(benchmark::State& state)
{
    const w4::LevelCollection c = w4::ReadCollection(Collection1000());
    std::random_device random;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("w4bench-import-" + std::to_string(random()));
    for (auto _ : state) {
        std::filesystem::create_directories(folder);
        const std::vector<w4::ImportTarget> plan = w4::PlanImport(c, folder.string());
        w4::ImportProgress progress;
        const w4::ImportResult result = w4::WriteImport(c, plan, progress);
        if (result.Written.size() != 1000 || result.WithSolutions != 1000)
            state.SkipWithError(("the import stopped: " + result.Error).c_str());
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportWrite1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The costliest line a collection can hold for its size: `Solution: 500000(lr)`, a million
// steps to and fro on an open 50 x 50 board, all replayed before the solution is found wanting.
void BM_ReplayWorstLine(benchmark::State& state)
{
    std::string text = std::string(50, '#') + "\n";
    for (int y = 1; y < 49; ++y) {
        std::string row = "#" + std::string(48, ' ') + "#";
        if (y == 10) {
            row[10] = '$';
            row[20] = '.';
        }
        if (y == 25)
            row[25] = '@';
        text += row + "\n";
    }
    text += std::string(50, '#') + "\nSolution: 500000(lr)\n";
    for (auto _ : state) {
        const w4::LevelCollection c = w4::ReadCollection(text);
        if (c.Levels.size() != 1 || c.Skipped.size() != 1 || c.Skipped[0].Reason != w4::SkipReason::SolutionUnsolved)
            state.SkipWithError("the line was not replayed to its end");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ReplayWorstLine)->Unit(benchmark::kMillisecond);

} // namespace
