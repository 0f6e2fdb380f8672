// Board painting: the full redraw of the largest board and the three cells of a move.
#include "core/uglobal.h"
#include "render/boardpicture.h"
#include "render/builtintiles.h"
#include "render/skin.h"
#include "render/ugraphics.h"

#include <benchmark/benchmark.h>

namespace {

// A 50 x 50 board with walls around, rows of boxes and targets, and the keeper in the middle.
w4::GameState LargeBoard(int tileSize, int mode)
{
    w4::GameState g;
    w4::BoardSnapshot snapshot;
    for (int x = 0; x < w4::MaxLevelSize; ++x) {
        for (int y = 0; y < w4::MaxLevelSize; ++y) {
            char c = ' ';
            if (x == 0 || y == 0 || x == 49 || y == 49 || (x % 7 == 3 && y % 5 != 0))
                c = '#';
            else if (y % 5 == 2)
                c = (x % 3 == 0) ? '$' : (x % 3 == 1 ? '.' : '*');
            snapshot.Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = c;
        }
    }
    snapshot.Board[25][26] = '@';
    g.SnapshotHistory = {snapshot};
    g.HistoryLength = 1;
    g.LevelWidth = g.LevelHeight = w4::MaxLevelSize;
    g.TileWidth = g.TileHeight = tileSize;
    g.GameMode = mode;
    return g;
}

void Prepare(w4::BoardPicture& board, const w4::GameState& g)
{
    board.Tiles() = w4::BuiltInTileSet(g.TileWidth);
    w4::BuildNoneTile(g, board.Tiles());
}

void BM_FullPaint(benchmark::State& state)
{
    const auto g = LargeBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    w4::BoardPicture board;
    Prepare(board, g);
    for (auto _ : state) {
        board.PaintAll(g);
        benchmark::DoNotOptimize(board.Image().constBits());
    }
}
BENCHMARK(BM_FullPaint)->ArgNames({"tile", "mode"})->Args({16, 1})->Args({32, 1})->Args({16, 2});

// A step right and back: the keeper's cell and the two beyond it, then the shown picture.
void BM_MoveRepaint(benchmark::State& state)
{
    auto g = LargeBoard(static_cast<int>(state.range(0)), w4::ModePlay);
    w4::BoardPicture board;
    Prepare(board, g);
    board.PaintAll(g);
    (void)board.DisplayImage();
    auto& cells = g.Current().Board;
    bool right = true;
    for (auto _ : state) {
        cells[25][26] = right ? ' ' : '@';
        cells[26][26] = right ? '@' : ' ';
        for (int x = 25; x <= 27; ++x)
            board.DrawCell(g, x, 26);
        benchmark::DoNotOptimize(board.DisplayImage().constBits());
        right = !right;
    }
}
BENCHMARK(BM_MoveRepaint)->ArgName("tile")->Arg(16)->Arg(32);

// The shown picture rebuilt entirely, as after every full redraw.
void BM_FullDisplayImage(benchmark::State& state)
{
    const auto g = LargeBoard(static_cast<int>(state.range(0)), w4::ModePlay);
    w4::BoardPicture board;
    Prepare(board, g);
    for (auto _ : state) {
        board.PaintAll(g);
        benchmark::DoNotOptimize(board.DisplayImage().constBits());
    }
}
BENCHMARK(BM_FullDisplayImage)->ArgName("tile")->Arg(16)->Arg(32);

const std::string Lantern96 = std::string(W4_SOURCE_DIR) + "/graphics/skins/Lantern96.png";

// Graphics > Load of a 96-pixel skin of ten rows: reading, cutting, composing every wall and cap.
void BM_LoadSkin96(benchmark::State& state)
{
    for (auto _ : state) {
        w4::GameState g;
        w4::TileSet tiles;
        w4::LoadSkin(g, tiles, Lantern96);
        benchmark::DoNotOptimize(tiles.IMGWalls[0].constBits());
    }
}
BENCHMARK(BM_LoadSkin96)->Unit(benchmark::kMillisecond);

// The full redraw of a 50 x 50 board with that skin (caps, facing keeper) and its shown picture;
// against the built-in tiles drawn at 96 pixels, which paint one copy per cell.
void BM_FullPaintSkin96(benchmark::State& state)
{
    auto g = LargeBoard(96, w4::ModePlay);
    w4::BoardPicture board;
    if (state.range(0) == 1) {
        w4::LoadSkin(g, board.Tiles(), Lantern96);
    } else {
        board.Tiles() = w4::BuiltInTileSet(96);
        w4::BuildNoneTile(g, board.Tiles());
    }
    for (auto _ : state) {
        board.PaintAll(g);
        benchmark::DoNotOptimize(board.DisplayImage().constBits());
    }
}
BENCHMARK(BM_FullPaintSkin96)->ArgName("skin")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
