// Help at the board: the deadlock check run after every push, the mouse's push path, and the
// time a hint takes from the start of each shipped level.
#include "core/fileio.h"
#include "core/pathing.h"
#include "core/usokoban.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A walled 50 x 50 warehouse with pillars every fourth cell, 42 boxes scattered over it (two
// of them in corners) and as many targets along the bottom wall.
std::vector<std::string> BigWarehouse()
{
    const int n = 50;
    std::vector<std::string> rows(n, std::string(n, ' '));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool edge = x == 0 || y == 0 || x == n - 1 || y == n - 1;
            const bool pillar = x % 4 == 0 && y % 4 == 0;
            rows[y][x] = edge || pillar ? '#' : ' ';
        }
    int boxes = 0;
    for (int y = 2; y < n - 1 && boxes < 40; y += 3)
        for (int x = 1; x < n - 1 && boxes < 40; x += 7)
            if (rows[y][x] == ' ') {
                rows[y][x] = '$';
                ++boxes;
            }
    for (int x = 1, targets = 0; x < n - 1 && targets < boxes; ++x)
        for (int y : {n - 2, n - 3})
            if (rows[y][x] == ' ' && targets < boxes) {
                rows[y][x] = '.';
                ++targets;
            }
    // Two boxes lost in the top corners, so the check has something to find.
    rows[1][1] = rows[1][n - 2] = '$';
    rows[n - 2][n - 2] = rows[n - 3][n - 2] = '.';
    rows[n / 2 + 1][n / 2 + 1] = '@';
    return rows;
}

void BM_DeadlockCheck50x50(benchmark::State& state)
{
    const std::vector<std::string> rows = BigWarehouse();
    std::size_t marked = 0;
    for (auto _ : state) {
        const auto boxes = w4::solver::DeadlockedBoxes(rows);
        marked = boxes.size();
        benchmark::DoNotOptimize(boxes.data());
    }
    state.counters["deadlocked"] = static_cast<double>(marked);
}
BENCHMARK(BM_DeadlockCheck50x50)->Unit(benchmark::kMicrosecond);

void BM_PushPath50x50(benchmark::State& state)
{
    std::vector<std::string> rows = BigWarehouse();
    w4::BoardGrid grid{};
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            grid[x][y] = rows[y][x];
    // The box nearest the top left corner, to the far corner of the warehouse.
    const w4::PathBoard board{&grid, 50, 50};
    for (auto _ : state)
        benchmark::DoNotOptimize(w4::PushPath(board, 26, 26, 1, 2, 47, 45));
}
BENCHMARK(BM_PushPath50x50)->Unit(benchmark::kMillisecond);

// The drag's worst case: one box in an open 50 x 50 room, where every cell is a place the box can
// stand, taken to the far corner, or to a cell walled in on its own that no push can reach.
void BM_PushPathOpenRoom(benchmark::State& state, int toX, int toY)
{
    w4::BoardGrid grid{};
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            grid[x][y] = x == 0 || y == 0 || x == 49 || y == 49 ? '#' : ' ';
    grid[2][2] = '$';
    grid[25][25] = '@';
    for (const auto& [x, y] : {std::pair{40, 9}, {40, 11}, {39, 10}, {41, 10}})
        grid[x][y] = '#';   // the walled-in cell (40, 10)
    const w4::PathBoard board{&grid, 50, 50};
    bool found = false;
    for (auto _ : state) {
        const auto path = w4::PushPath(board, 25, 25, 2, 2, toX, toY);
        found = path.has_value();
        benchmark::DoNotOptimize(path);
    }
    state.counters["found"] = found;
}
BENCHMARK_CAPTURE(BM_PushPathOpenRoom, far, 47, 47)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PushPathOpenRoom, impossible, 40, 10)->Unit(benchmark::kMillisecond);

// A hint is a search from the shown position for its first push, within 8 seconds. Measured
// from the start of every shipped level, once each: the median and the worst.
void BM_HintOverShippedLevels(benchmark::State& state)
{
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(W4_SOURCE_DIR) / "levels";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".xsb")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<double> seconds;
    int found = 0;
    for (auto _ : state) {
        seconds.clear();
        found = 0;
        for (const auto& file : files) {
            std::vector<std::string> rows;
            for (const std::string& line : w4::ReadTextLines(file.string()))
                if (w4::IsBoardRow(line))
                    rows.push_back(line);
            w4::solver::Options options;
            options.timeLimitSeconds = 8;
            const w4::solver::Result result = w4::solver::Solve(rows, options);
            found += result.outcome == w4::solver::Outcome::Solved && w4::FirstPush(rows, result.moves) ? 1 : 0;
            seconds.push_back(result.seconds);
        }
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["levels"] = static_cast<double>(seconds.size());
    state.counters["hints"] = found;
    state.counters["median_ms"] = seconds.empty() ? 0 : 1000 * seconds[seconds.size() / 2];
    state.counters["worst_ms"] = seconds.empty() ? 0 : 1000 * seconds.back();
}
BENCHMARK(BM_HintOverShippedLevels)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
