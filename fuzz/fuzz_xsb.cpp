// Arbitrary bytes as a level file: split, read into record 0, filled, then played with moves,
// undo and redo taken from the same bytes. Sanitizers catch any access outside the grid.
#include "core/completion.h"
#include "core/fileio.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/ualgo.h"
#include "core/usokoban.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class SilentFrontend : public w4::Frontend {
public:
    void DrawCell(int x, int y) override
    {
        if (x < 0 || y < 0 || x >= w4::MaxLevelSize || y >= w4::MaxLevelSize)
            std::abort();
    }
    void PaintBoard() override {}
    void RefreshStatus() override {}
    void PlaySample(w4::Sample) override {}
    void SetHistoryBarRange(int, int) override {}
    void SetHistoryBarPosition(int) override {}
    void EnableHistoryBar(bool) override {}
    void StopReplayTimer() override {}
    bool AskQuestion(const std::string&) override { return false; }
    void ShowNotice(const std::string&) override {}
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    w4::GameState g;
    SilentFrontend ui;
    g.GameMode = w4::ModeSolution;   // a solved position must not go looking for files

    g.SnapshotHistory.assign(1, w4::BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    g.HistoryLength = 1;
    w4::ApplyLevelLines(g, w4::SplitTextLines(bytes));
    Check(g.LevelWidth >= 0 && g.LevelWidth <= w4::MaxLevelSize);
    Check(g.LevelHeight >= 0 && g.LevelHeight <= w4::MaxLevelSize);
    w4::FillReachableArea(g);
    for (const auto& column : g.SnapshotHistory[0].Board)
        for (const char c : column)
            Check(std::strchr("# X$*.@+", c) != nullptr && c != '\0');
    w4::RedrawBoard(g, ui);

    // The last bytes drive the play: moves, undo, redo and scrolling, mixed.
    const std::size_t moves = size < 256 ? size : 256;
    for (std::size_t i = size - moves; i < size; ++i) {
        switch (data[i] % 8) {
        case 0: w4::MoveLeft(g, ui); break;
        case 1: w4::MoveUp(g, ui); break;
        case 2: w4::MoveRight(g, ui); break;
        case 3: w4::MoveDown(g, ui); break;
        case 4: w4::UndoMove(g, ui); break;
        case 5: w4::RedoMove(g, ui); break;
        case 6: w4::ScrollHistoryTo(g, ui, data[i] - 100); break;
        default: w4::MoveByLetter(g, ui, static_cast<char>(data[i])); break;
        }
        Check(g.HistoryIndex >= 0 && g.HistoryIndex < g.HistoryLength);
        Check(static_cast<std::size_t>(g.HistoryLength) == g.SnapshotHistory.size());
    }
    w4::CountBoxesAndTargets(g);
    return 0;
}
