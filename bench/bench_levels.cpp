// The Levels window: opening it over a playlist of 270 and of 5 000 level files, from the call
// to the first painted window, with nothing read before (cold) and with everything read before
// (warm); and the background pass that reads every file.
#include "app/levels/flevels.h"
#include "render/builtintiles.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "w4bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// `count` level files made from the shipped levels in turn, every tenth with a kept solution.
std::vector<std::string> MakePlaylist(int count)
{
    const std::filesystem::path source = std::filesystem::path(W4_SOURCE_DIR) / "levels";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("w4bench-levels-" + std::to_string(count));
    std::vector<std::filesystem::path> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(source))
        if (entry.path().extension() == ".xsb")
            shipped.push_back(entry.path());
    std::sort(shipped.begin(), shipped.end());
    std::filesystem::create_directories(folder);
    std::vector<std::string> playlist;
    for (int i = 0; i < count; ++i) {
        const std::filesystem::path path = folder / (std::to_string(10000 + i) + ".xsb");
        if (!std::filesystem::exists(path))
            std::filesystem::copy_file(shipped[static_cast<std::size_t>(i) % shipped.size()], path);
        if (i % 10 == 0 && !std::filesystem::exists(folder / (std::to_string(10000 + i) + ".XHT")))
            std::filesystem::copy_file(path, folder / (std::to_string(10000 + i) + ".XHT"));
        playlist.push_back(path.string());
    }
    return playlist;
}

struct Fixture {
    explicit Fixture(int count)
    {
        EnsureApplication();
        g.Playlist = MakePlaylist(count);
        g.LevelIndex = count / 2;
        place.Width = 860;
        place.Height = 600;
        tiles = w4::BuiltInTileSet(16);
    }
    w4::GameState g;
    w4::LevelListPlace place;
    w4::TileSet tiles;
};

// Open returns, then the window is shown and painted once.
void OpenAndPaint(TFRMLevels& levels, const Fixture& f)
{
    levels.Open(f.g, f.place, f.tiles);
    levels.GRDLevels->viewport()->repaint();
    QCoreApplication::processEvents();
}

void BM_LevelListOpenCold(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto levels = std::make_unique<TFRMLevels>();
        OpenAndPaint(*levels, f);
        state.PauseTiming();
        levels.reset();   // stops the reader: not part of opening
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LevelListOpenCold)->Arg(270)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LevelListOpenWarm(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    TFRMLevels levels;
    levels.Open(f.g, f.place, f.tiles);
    while (levels.Model().Reading())
        QTest::qWait(5);
    levels.reject();
    for (auto _ : state) {
        OpenAndPaint(levels, f);
        state.PauseTiming();
        levels.reject();
        while (levels.Model().Reading())
            QTest::qWait(5);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LevelListOpenWarm)->Arg(270)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The background pass over every file, with the window's thread free meanwhile.
void BM_LevelListReadAll(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto levels = std::make_unique<TFRMLevels>();
        levels->Open(f.g, f.place, f.tiles);
        while (levels->Model().Reading())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        levels.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LevelListReadAll)->Arg(270)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
