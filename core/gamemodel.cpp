#include "core/gamemodel.h"

#include "core/history.h"
#include "core/loading.h"
#include "core/replay.h"
#include "core/text.h"
#include "core/ulevel.h"
#include "core/usokoban.h"

#include <algorithm>
#include <utility>

namespace w4 {

GameModel::GameModel(Frontend& ui, std::filesystem::path programFolder, Folders places)
    : ui_(ui)
{
    game_.ProgramFolder = std::move(programFolder);
    game_.Places = std::move(places);
}

void GameModel::Listen(GameEvents& listener)
{
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void GameModel::Unlisten(GameEvents& listener) { std::erase(listeners_, &listener); }

template <typename Event>
void GameModel::Tell(Event event)
{
    // A copy: a listener may add or remove listeners while it is told.
    const std::vector<GameEvents*> listeners = listeners_;
    for (GameEvents* listener : listeners)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            (listener->*event)();
}

// --- Start ---

void GameModel::ResetRun()
{
    GameState& g = game_;
    g.GameMode = ModePlay;
    g.TileWidth = 16;
    g.TileHeight = 16;
    g.HistoryIndex = 0;
    g.HistoryLength = 0;
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    g.LastOpenTime = g.Now();
    g.LevelIndex = 0;
    g.EditorTool = '#';
    g.StoredSolution.clear();
    g.FilmPosition = 0;
    g.WallVariants = true;
    film_ = OwnFilm{};
}

void GameModel::CompletePlaylist()
{
    if (game_.Playlist.empty())
        FillDefaultPlaylist(game_);
}

// --- Mode and level ---

bool GameModel::SetMode(int mode)
{
    const AttemptLeave leave(game_, ui_);
    if (!leave)
        return false;
    game_.GameMode = std::clamp(mode, 1, 3);
    Tell(&GameEvents::ModeChanged);
    LoadAndRedraw();
    return true;
}

void GameModel::LoadAndRedraw()
{
    LoadLevel(game_, ui_);
    RedrawBoard(game_, ui_);
}

void GameModel::FirstLevel() { w4::FirstLevel(game_, ui_); }
void GameModel::PriorLevel() { w4::PriorLevel(game_, ui_); }
void GameModel::NextLevel() { w4::NextLevel(game_, ui_); }
void GameModel::LastLevel() { w4::LastLevel(game_, ui_); }
void GameModel::RetryLevel() { w4::RetryLevel(game_, ui_); }
void GameModel::GoToLevel(std::int32_t index) { w4::GoToLevel(game_, ui_, index); }

// --- Quitting ---

bool GameModel::ConfirmQuit()
{
    if (!ui_.AskQuestion(Warehaus4::Tr("Do you really want to quit Warehaus4 ?")))
        return false;
    // The attempt on the board next: quitting loses it only when the player says so.
    return ui_.AttemptEndingAtQuit();
}

bool GameModel::QuitWithoutSaving(const std::vector<std::string>& failed)
{
    if (failed.empty())
        return true;
    // A file that cannot be written must not keep the player from leaving.
    std::string names;
    for (const std::string& name : failed)
        names += (names.empty() ? "" : ", ") + name;
    return ui_.AskQuestion(Warehaus4::Tr("Quit without saving ?") + "\r\n(" + names + ")");
}

// --- The film on screen ---

void GameModel::ShowFilm(const std::string& letters, std::size_t from, std::optional<FilmStart> start)
{
    GameState& g = game_;
    if (start) {
        // The film's own board stands in for the level's start; the stored solution stays the file's.
        g.SnapshotHistory.assign(1, BoardSnapshot{});
        g.SnapshotHistory.front().Board = start->Board;
        g.HistoryIndex = 0;
        g.HistoryLength = 1;
        g.LevelWidth = start->Width;
        g.LevelHeight = start->Height;
        LocateKeeper(g);   // the letters played at once walk from the film's own keeper
    }
    from = std::min(from, letters.size());
    // The position the film was found for is reached as the attempt reached it, without a sound.
    SilentFrontend silent;
    for (std::size_t i = 0; i < from; ++i)
        MoveByLetter(g, silent, letters[i]);
    film_ = OwnFilm{letters, from, std::move(start)};
    g.FilmPosition = static_cast<std::int32_t>(from);
    ui_.SetHistoryBarRange(g.HistoryLength, g.HistoryIndex + 1);
    Tell(&GameEvents::FilmChanged);
    RedrawBoard(g, ui_);
}

void GameModel::RewindFilm()
{
    // The reload ends the film of its own: it is shown again from its start.
    OwnFilm film = film_;
    FilmRewind(game_, ui_);
    if (!film.Letters.empty())
        ShowFilm(film.Letters, film.From, std::move(film.Start));
}

int GameModel::FilmTick()
{
    return film_.Letters.empty() ? FilmStep(game_, ui_) : FilmStep(game_, ui_, film_.Letters);
}

// --- Reports ---

void GameModel::PositionReported() { Tell(&GameEvents::PositionChanged); }

void GameModel::LevelReported()
{
    if (!film_.Letters.empty() || film_.Start) {
        film_ = OwnFilm{};
        Tell(&GameEvents::FilmChanged);
    }
    Tell(&GameEvents::LevelChanged);
}

} // namespace w4
