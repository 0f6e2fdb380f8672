#include "core/loading.h"

#include "core/completion.h"
#include "core/fileio.h"
#include "core/ualgo.h"
#include "core/usokoban.h"
#include "core/text.h"

#include <string>
#include <vector>

namespace w4 {

AttemptLeave::AttemptLeave(GameState& g, Frontend& ui)
    : g_(g)
{
    if (g.AttemptSettled)
        return;
    going_ = ui.AttemptEnding(true);
    settled_ = going_;
    g.AttemptSettled = going_;
}

AttemptLeave::~AttemptLeave()
{
    if (settled_)
        g_.AttemptSettled = false;
}

void LoadLevel(GameState& g, Frontend& ui)
{
    // A command that could still stay asked before it changed anything; any other load keeps the
    // attempt as well as it can.
    if (!g.AttemptSettled)
        ui.AttemptEnding(false);
    g.AttemptSettled = false;
    g.Reverse = false;
    g.OtherAttempt = AttemptStash{};
    g.LevelInPlay = true;
    g.StoredSolution.clear();
    g.FilmPosition = 0;
    ui.StopReplayTimer();

    const auto count = static_cast<std::int32_t>(g.Playlist.size());
    if (count == 0)
        g.LevelIndex = -1;
    else if (g.LevelIndex < 0)
        g.LevelIndex = 0;
    else if (g.LevelIndex >= count)
        g.LevelIndex = count - 1;

    std::vector<std::string> lines;
    std::string refused;   // a file too large to read whole, which is never loaded in part
    if (count > 0) {
        const std::string& path = g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
        std::uintmax_t bytes = 0;
        const bool exists = !path.empty() && FileExists(path);
        if (exists && LargerThanTextCap(path, bytes)) {
            refused = RefusedTextFileText(Warehaus4::Tr("The file %1 is %2, more than a level may hold (%3): it was not read."),
                                          path, bytes);
        } else if (exists) {
            lines = ReadTextLines(path);
            ReadSolutionFile(g, path);
            refused = RefusedSolutionText(g, path);   // read whole or not at all, and said so
        }
    }

    g.LevelWidth = 0;
    g.LevelHeight = 0;
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    // A fresh list rather than resize(1), so a long attempt gives all its memory back.
    SnapshotList(1).swap(g.SnapshotHistory);
    g.ClockStarted = false;
    g.LevelSolved = false;

    ui.SetHistoryBarRange(1, 1);
    ui.EnableHistoryBar(true);

    BoardSnapshot& start = g.SnapshotHistory[0];
    for (auto& column : start.Board)
        column.fill(' ');
    for (std::string& field : g.LevelHeader)
        field.clear();

    ApplyLevelLines(g, lines);
    FillReachableArea(g);

    start.Pushes = 0;
    g.LevelInPlay = true;
    g.AttemptLevel = count > 0 ? g.Playlist[static_cast<std::size_t>(g.LevelIndex)] : std::string();
    g.AttemptMode = g.GameMode;
    ui.LevelLoaded();
    if (!refused.empty())
        ui.ShowNotice(refused);
}

void LocateKeeper(GameState& g)
{
    if (g.HistoryLength <= 0)
        return;
    // Done here rather than while painting, so the keeper position never depends on the window:
    // the last keeper in drawing order (rows top to bottom, each left to right) wins.
    for (int y = 0; y < g.LevelHeight; ++y) {
        for (int x = 0; x < g.LevelWidth; ++x) {
            const char c = CellAt(g, x, y);
            if (c == '@' || c == '+') {
                g.KeeperX = x;
                g.KeeperY = y;
            }
        }
    }
}

void RedrawBoard(GameState& g, Frontend& ui)
{
    LocateKeeper(g);
    ui.PaintBoard();
    CountBoxesAndTargets(g);
    ui.RefreshStatus();
}

GameState LevelAsSaved(const GameState& g)
{
    GameState file;
    file.ProgramFolder = g.ProgramFolder;
    file.Places = g.Places;
    file.Playlist = g.Playlist;
    file.LevelIndex = g.LevelIndex;
    file.GameMode = ModePlay;
    file.Now = g.Now;
    SilentFrontend silent;
    LoadLevel(file, silent);
    return file;
}

} // namespace w4
