// Loading, the fill, single moves and a long attempt on the largest board.
#include "core/completion.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/ualgo.h"
#include "core/usokoban.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

// A walled 50 x 50 room, keeper in the middle, one box to its right and a target far away, so
// that no move solves it.
std::string RoomText()
{
    std::string text;
    for (int y = 0; y < w4::MaxLevelSize; ++y) {
        std::string row(w4::MaxLevelSize, ' ');
        row.front() = row.back() = '#';
        if (y == 0 || y == w4::MaxLevelSize - 1)
            row.assign(w4::MaxLevelSize, '#');
        if (y == 25) {
            row[20] = '@';
            row[21] = '$';
        }
        if (y == 2)
            row[2] = '.';
        text += row + "\r\n";
    }
    return text + "Title: Room\r\n";
}

struct Room {
    Room()
    {
        path = (std::filesystem::temp_directory_path() / ("w4bench-" + std::to_string(::getpid()) + ".xsb")).string();
        std::ofstream(path, std::ios::binary) << RoomText();
        g.GameMode = w4::ModeSolution;
        g.Playlist = {path};
        g.LevelIndex = 0;
        w4::LoadLevel(g, ui);
        w4::RedrawBoard(g, ui);
    }
    ~Room() { std::filesystem::remove(path); }
    std::string path;
    w4::GameState g;
    w4::SilentFrontend ui;
};

void BM_LoadLevel(benchmark::State& state)
{
    Room room;
    for (auto _ : state) {
        w4::LoadLevel(room.g, room.ui);
        benchmark::DoNotOptimize(room.g.SnapshotHistory[0].Board[25][25]);
    }
}
BENCHMARK(BM_LoadLevel);

void BM_FillOpenGrid(benchmark::State& state)
{
    w4::GameState g;
    g.SnapshotHistory.assign(1, w4::BoardSnapshot{});
    w4::BoardGrid open;
    for (auto& column : open)
        column.fill('-');
    open[0][0] = '@';
    for (auto _ : state) {
        g.SnapshotHistory[0].Board = open;
        w4::FillReachableArea(g);
        benchmark::DoNotOptimize(g.SnapshotHistory[0].Board[49][49]);
    }
}
BENCHMARK(BM_FillOpenGrid);

// One move from the start position each time: the move from snapshot 0 cuts the one after it,
// so every iteration writes a letter, appends and copies a snapshot, and rescans the board.
void BM_OneMove(benchmark::State& state, bool push)
{
    Room room;
    w4::GameState& g = room.g;
    if (!push)
        w4::MoveUp(g, room.ui);   // away from the box
    const int keeperX = g.KeeperX, keeperY = g.KeeperY;
    const int fromIndex = g.HistoryIndex;
    for (auto _ : state) {
        g.HistoryIndex = fromIndex;
        g.KeeperX = keeperX;
        g.KeeperY = keeperY;
        w4::MoveRight(g, room.ui);
    }
    if (g.Current().Pushes != (push ? 1 : 0))
        state.SkipWithError("the move did not do what was measured");
}
BENCHMARK_CAPTURE(BM_OneMove, step, false);
BENCHMARK_CAPTURE(BM_OneMove, push, true);

long PeakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A 100 000-move attempt: the history keeps one complete snapshot per move.
void BM_Attempt100k(benchmark::State& state)
{
    constexpr int Moves = 100000;
    Room room;
    w4::GameState& g = room.g;
    for (auto _ : state) {
        w4::LoadLevel(g, room.ui);
        w4::RedrawBoard(g, room.ui);
        w4::MoveUp(g, room.ui);
        for (int i = 1; i < Moves; ++i) {
            if (i % 2)
                w4::MoveLeft(g, room.ui);
            else
                w4::MoveRight(g, room.ui);
        }
        if (g.HistoryLength != Moves + 1)
            state.SkipWithError("a move was refused");
    }
    // Seconds of CPU per move, shown with an SI prefix (u = microseconds).
    state.counters["per_move"] =
        benchmark::Counter(Moves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_rss_MiB"] = static_cast<double>(PeakMemoryKiB()) / 1024.0;
}
BENCHMARK(BM_Attempt100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// Whether a stored solution solves its level, as loading a summary and keeping a solution ask:
// 100 000 moves on the 50 x 50 room that never solve it, the longest walk before an answer.
void BM_StoredSolutionCheck(benchmark::State& state)
{
    Room room;
    room.g.StoredSolution.clear();
    for (int i = 0; i < 50000; ++i)
        room.g.StoredSolution += "lr";
    for (auto _ : state)
        benchmark::DoNotOptimize(w4::StoredSolutionSolves(room.g));
    state.counters["per_move"] = benchmark::Counter(static_cast<double>(room.g.StoredSolution.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_StoredSolutionCheck)->Unit(benchmark::kMillisecond);

} // namespace
