#pragma once
// The one shared state of a run: the level, the attempt and its history, the playlist position,
// the solution film. The game model (core/gamemodel.h) owns the single GameState and hands it by
// reference to every unit; there are no other globals. The player's settings ride along as its
// base, so the painters and the sound read them where they always did; the windows' placement is
// the window's own.

#include "core/attemptstash.h"
#include "core/folders.h"
#include "core/movehistory.h"
#include "core/settings.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace w4 {

enum HeaderField { Title = 0, Collection, Date, Author, AuthorMail, AuthorPage, HeaderFieldCount };
using LevelHeaderFields = std::array<std::string, HeaderFieldCount>;

enum GameModes { ModePlay = 1, ModeEditor = 2, ModeSolution = 3 };
enum Languages { LanguageEnglish = 0, LanguageFrench = 1 };

using DateTime = std::chrono::system_clock::time_point;

struct GameState : Settings {
    GameState();

    // Positions of the current attempt.
    SnapshotList SnapshotHistory;
    std::int32_t HistoryIndex = 0;
    std::int32_t HistoryLength = 0;

    // The level in play.
    std::int32_t LevelWidth = 0;
    std::int32_t LevelHeight = 0;
    LevelHeaderFields LevelHeader;

    // Playlist position.
    std::vector<std::string> Playlist;
    std::int32_t LevelIndex = 0;

    // Solution state.
    std::string StoredSolution;
    std::int32_t FilmPosition = 0;

    // Keeper position: set by the move itself and by every full redraw.
    std::int32_t KeeperX = 0;
    std::int32_t KeeperY = 0;

    // Attempt state and timing.
    bool LevelInPlay = false;
    bool ClockStarted = false;
    DateTime StartTime{};
    bool LevelSolved = false;
    DateTime FinishTime{};
    // The playlist entry and the mode the history was loaded for, set by every load: the attempt
    // belongs to them even once the playlist position or the mode has moved on.
    std::string AttemptLevel;
    std::int32_t AttemptMode = 0;
    // A command has dealt with the attempt (kept it, or the player let it go) and is about to
    // leave it: its loads do not ask again. See AttemptLeave (core/loading.h).
    bool AttemptSettled = false;
    // Reverse play (core/reverse.h): the attempt shown starts from the solved position and the
    // keeper pulls boxes. The attempt of the other direction waits in OtherAttempt meanwhile.
    // Every load ends reverse play and drops the waiting attempt.
    bool Reverse = false;
    AttemptStash OtherAttempt;

    // Census, recomputed after every move and every full redraw.
    std::int32_t BoxesOnTargets = 0;
    std::int32_t BoxesOffTargets = 0;
    std::int32_t TargetCount = 0;

    // Window mode and language.
    std::int32_t GameMode = ModePlay;
    std::int32_t LanguageNumber = LanguageEnglish;

    // Files and times.
    std::filesystem::path ProgramFolder;
    DateTime LastOpenTime{};
    // Where data, settings and solutions live (core/folders.h); empty: all in ProgramFolder.
    Folders Places;

    // Board picture: the tile size and wall kind of the tiles in use.
    std::int32_t TileWidth = 16;
    std::int32_t TileHeight = 16;
    bool WallVariants = true;

    // The editor's painting character.
    char EditorTool = '#';

    // Injectable clock, so tests can show any elapsed time without sleeping.
    std::function<DateTime()> Now;

    // The snapshot shown, counted and played from.
    BoardSnapshot& Current() { return SnapshotHistory[static_cast<std::size_t>(HistoryIndex)]; }
    const BoardSnapshot& Current() const { return SnapshotHistory[static_cast<std::size_t>(HistoryIndex)]; }
};

// Cell (x, y) of the snapshot at HistoryIndex; 'Z' outside the level rectangle or before any load.
char CellAt(const GameState& g, int x, int y);

// Whole seconds of the attempt: 0 before the first move, frozen once solved, truncated.
std::int64_t ElapsedSeconds(const GameState& g);

// "MM:SS" with at least two digits each; minutes are not wrapped into hours.
std::string FormatElapsed(std::int64_t seconds);

// The moves of the attempt: MoveLetter of records 0 .. HistoryLength - 2.
std::string SolutionLetters(const GameState& g);

} // namespace w4
