// Snapshots of a 10 000- and a 100 000-move attempt on a 50 x 50 board: keeping one (letters to
// the file) and restoring one (the history rebuilt by replaying the letters); and what such a
// history costs: its memory, undo and redo, and jumps along the undo/redo bar.
#include "core/history.h"
#include "core/loading.h"
#include "core/snapshots.h"
#include "core/usokoban.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

// A walled 50 x 50 room with a box and a far target, so no walk solves it.
struct LongAttempt {
    explicit LongAttempt(int moves)
    {
        folder = std::filesystem::temp_directory_path() / ("w4bench-snap-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        const std::string path = (folder / "room.xsb").string();
        std::ofstream out(path, std::ios::binary);
        for (int y = 0; y < w4::MaxLevelSize; ++y) {
            std::string row(w4::MaxLevelSize, y == 0 || y == w4::MaxLevelSize - 1 ? '#' : ' ');
            row.front() = row.back() = '#';
            if (y == 25) {
                row[20] = '@';
                row[30] = '$';
            }
            if (y == 2)
                row[2] = '.';
            out << row << "\r\n";
        }
        out.close();
        g.Playlist = {path};
        w4::LoadLevel(g, ui);
        w4::RedrawBoard(g, ui);
        // Walks to and fro, then undoes the last tenth: a position with a redo tail.
        for (int i = 0; i < moves; ++i)
            w4::MoveByLetter(g, ui, i % 2 ? 'l' : 'r');
        for (int i = 0; i < moves / 10; ++i)
            w4::UndoMove(g, ui);
    }
    ~LongAttempt()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder;
    w4::GameState g;
    w4::SilentFrontend ui;
};

void BM_SaveSnapshot(benchmark::State& state)
{
    LongAttempt a(static_cast<int>(state.range(0)));
    if (a.g.HistoryLength != state.range(0) + 1)
        state.SkipWithError("a move was refused");
    const std::string file = w4::SnapshotFilePath(a.g.Playlist[0]);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        state.ResumeTiming();
        w4::SaveSnapshot(a.g, "bench");
    }
    state.counters["file_KiB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024.0;
}
BENCHMARK(BM_SaveSnapshot)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);

void BM_RestoreSnapshot(benchmark::State& state)
{
    LongAttempt a(static_cast<int>(state.range(0)));
    const w4::Snapshot s = w4::TakeSnapshot(a.g, "bench", false);
    for (auto _ : state) {
        if (!w4::RestoreSnapshot(a.g, a.ui, s))
            state.SkipWithError("the position was not reached");
    }
    if (a.g.HistoryIndex != s.Position || a.g.HistoryLength != state.range(0) + 1)
        state.SkipWithError("the history differs");
}
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);

// The heap a played attempt holds, per move: the history's records and whatever they point to.
void BM_HistoryMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        LongAttempt a(static_cast<int>(state.range(0)));
        const std::size_t after = mallinfo2().uordblks;
        state.counters["bytes_per_move"] =
            static_cast<double>(after > before ? after - before : 0) / static_cast<double>(state.range(0));
    }
}
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Arg(100000)->Iterations(1);

// A hundred undos then a hundred redos in the middle of a long history, each redrawing the board.
void BM_UndoRedoLongHistory(benchmark::State& state)
{
    LongAttempt a(static_cast<int>(state.range(0)));
    w4::ScrollHistoryTo(a.g, a.ui, a.g.HistoryLength / 2);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            w4::UndoMove(a.g, a.ui);
        for (int i = 0; i < 100; ++i)
            w4::RedoMove(a.g, a.ui);
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_UndoRedoLongHistory)->Unit(benchmark::kMicrosecond)->Arg(100000);

// Dragging the undo/redo bar: positions scattered along the whole history.
void BM_ScrollLongHistory(benchmark::State& state)
{
    LongAttempt a(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        step = (step + 7919) % a.g.HistoryLength;
        w4::ScrollHistoryTo(a.g, a.ui, step + 1);
        benchmark::DoNotOptimize(w4::CellAt(a.g, 20, 25));
    }
}
BENCHMARK(BM_ScrollLongHistory)->Unit(benchmark::kMicrosecond)->Arg(100000);

// Reading the level's file back, as the Snapshots window and Resume Attempt do.
void BM_ReadSnapshots(benchmark::State& state)
{
    LongAttempt a(static_cast<int>(state.range(0)));
    for (int i = 0; i < 3; ++i)
        w4::SaveSnapshot(a.g, "bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(w4::ReadSnapshots(a.g, a.g.Playlist[0]));
}
BENCHMARK(BM_ReadSnapshots)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(100000);

} // namespace
