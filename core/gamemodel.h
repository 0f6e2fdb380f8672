#pragma once
// The game model: the one owner of the game. It holds the GameState (the level, the attempt and
// its history, the playlist position), the film on screen, and makes the decisions of starting,
// changing level, changing mode and quitting: what to keep and what to ask. It is driven by plain
// calls and reports through events; the window draws what it reports and forwards input, the
// way a puzzle collection's front end sits over its mid-end.
//
// The core's operations report to their Frontend; the front end hands the reports that concern
// the game (a new position, a load) to the model, which tells its listeners.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace w4 {

// What the model tells those who show the game. Each has a body, so a listener takes only what
// it needs.
class GameEvents {
public:
    virtual ~GameEvents() = default;
    // The shown position may have changed: a move, an undo or redo, a load, a redraw, an edit.
    virtual void PositionChanged() {}
    // GameMode changed (its level is loaded right after).
    virtual void ModeChanged() {}
    // The film on screen changed: one of its own was shown, or it ended and the level's stored
    // solution is the film again.
    virtual void FilmChanged() {}
    // A load turned a playlist entry into a fresh attempt.
    virtual void LevelChanged() {}
};

// A film's own first position, when it is not the level's as its file holds it (a solution the
// solver found for the editor's unsaved drawing).
struct FilmStart {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    BoardGrid Board{};
};

// The film shown in place of the level's stored solution: its letters from its first position,
// how many of them were played at once when it was shown, and its own first position if any.
struct OwnFilm {
    std::string Letters;
    std::size_t From = 0;
    std::optional<FilmStart> Start;
};

class GameModel {
public:
    // `ui` is the front end the model's own operations report to; it outlives the model.
    GameModel(Frontend& ui, std::filesystem::path programFolder, Folders places);
    GameModel(const GameModel&) = delete;
    GameModel& operator=(const GameModel&) = delete;

    GameState& State() { return game_; }
    const GameState& State() const { return game_; }

    // Listeners are told in the order they were added; each stays until removed.
    void Listen(GameEvents& listener);
    void Unlisten(GameEvents& listener);

    // --- Start ---
    // A fresh run before the settings are read: Play mode, one empty record, no solution, the
    // first playlist entry, the default tiles and editor tool.
    void ResetRun();
    // Once the settings, the playlist file and the command line are in: the default levels when
    // the playlist is still empty.
    void CompletePlaylist();

    // --- Mode and level ---
    // Leaves the attempt (kept, or the player chooses to stay: false, nothing changes), then the
    // mode (clamped to 1..3) loads and draws its level.
    bool SetMode(int mode);
    void LoadAndRedraw();
    // Playlist navigation and Retry: each keeps the attempt it leaves, or stays when the player
    // chooses to (core/ulevel.h).
    void FirstLevel();
    void PriorLevel();
    void NextLevel();
    void LastLevel();
    void RetryLevel();
    void GoToLevel(std::int32_t index);

    // --- Quitting ---
    // Asks whether to quit, then leaves the attempt: kept, or when it cannot be the player may
    // stay. False: the program goes on and nothing changed.
    bool ConfirmQuit();
    // The files of the quit could not all be written (`failed` names them for the player): true
    // when the player quits all the same.
    bool QuitWithoutSaving(const std::vector<std::string>& failed);

    // --- The film on screen ---
    // Shows, in Solution mode, a film that is not the level's stored solution (a solver's, a
    // pasted one): `letters` from the level's start, or from `start` when given, the first `from`
    // of them played at once. The stored solution stays as the file has it; the next load ends it.
    void ShowFilm(const std::string& letters, std::size_t from, std::optional<FilmStart> start = std::nullopt);
    // The letters of the film shown by ShowFilm; empty when the stored solution is the film.
    const std::string& FilmLetters() const { return film_.Letters; }
    // Back to the film's start: the level is reloaded; a film of its own goes back to where, and
    // on what board, it was shown from.
    void RewindFilm();
    // One letter of the film (core/replay.h): the interval to run the timer again with, or 0.
    int FilmTick();

    // --- Reports from the front end ---
    // The core reported a new position (its RefreshStatus) or the board was edited.
    void PositionReported();
    // A load has made a fresh attempt: the film of its own ends with it.
    void LevelReported();

private:
    template <typename Event>
    void Tell(Event event);

    Frontend& ui_;
    GameState game_;
    OwnFilm film_;
    std::vector<GameEvents*> listeners_;
};

} // namespace w4
