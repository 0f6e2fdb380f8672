#pragma once
// Levels in and out of collections and the clipboard: one level file (and solution file) per
// level of a collection, a whole playlist as one collection file, one level as text. No Qt.

#include "core/collection.h"
#include "core/frontend.h"
#include "core/snapshots.h"
#include "core/uglobal.h"

#include <atomic>
#include <string>
#include <vector>

namespace w4 {

// --- One level as text -----------------------------------------------------------------------

// The board rows of one snapshot of a level: the outside mark and any cell the game does not
// draw become floor, trailing blanks and blank outer rows go.
std::vector<std::string> SnapshotRows(const BoardSnapshot& snapshot, int width, int height);

// A level in the collection form this program writes: the rows, the header lines as a level
// file writes them, and the solution under a "Solution" heading.
std::vector<std::string> LevelTextLines(const std::vector<std::string>& rows, const LevelHeaderFields& header,
                                        const std::string& solution);

// The position shown (the snapshot at HistoryIndex) as level text with its header, lines ended
// by LF; empty when there is no level.
std::string LevelClipboardText(const GameState& g);

// Record 0 of a fresh state holding the rows and header, as the level loader would build it
// (without the fill), so level files are written by the game's own writer.
GameState LevelState(const std::vector<std::string>& rows, const LevelHeaderFields& header);

// --- Paste -----------------------------------------------------------------------------------

struct PastedSolution {
    bool Solves = false;
    std::string Letters;       // the moves up to the solved position, pushes in capitals
    int FailedMove = 0;        // 1-based move the board refuses
    bool NotMoves = false;     // the text is not move text at all
};
// Move text (plain or run-length, maybe under a "Solution" heading) replayed on record 0.
PastedSolution CheckPastedSolution(const GameState& g, const std::string& text);

// --- Import ----------------------------------------------------------------------------------

// "007 Title.xsb": the level's number, zero-padded to `digits`, and its title made safe for
// every file system (no / \ : * ? " < > |, no control characters, no trailing dot or blank,
// at most 60 bytes of title, UTF-8).
std::string SafeLevelFileName(int number, int digits, const std::string& title);

struct ImportTarget {
    std::size_t Level = 0;           // index into LevelCollection::Levels
    std::string LevelPath;
    std::string SolutionPath;        // empty when the level has no valid solution
    std::string SnapshotPath;        // empty when the level has no saved game
    // Import never deletes a snapshot. The snapshot file of the level replaced (OldSnapshots,
    // when there is one) stays when the board is the same; when the board changed it is renamed
    // to SnapshotsAside ("NNN Title.snapshots (replaced level 2026-12-11).sok"), a name the game
    // never reads as the new level's snapshots. Saved games the collection brings join the
    // level's snapshot file.
    std::string OldSnapshots;
    std::string SnapshotsAside;      // empty when the snapshots stay
    std::string ReplacedLevel;       // "replaced level %1" in the language of the plan, for the name above
};
std::vector<ImportTarget> PlanImport(const LevelCollection& collection, const std::string& folder);
// The same, with the date and language of g for the names of snapshot files kept aside.
std::vector<ImportTarget> PlanImport(const LevelCollection& collection, const std::string& folder, const GameState& g);
// The files the plan would replace, or keep aside (OldSnapshots) when they are snapshots.
std::vector<std::string> ExistingTargets(const std::vector<ImportTarget>& plan);
// Whether the level file at `levelPath` holds the board of `rows` (the header may differ), as
// the game reads both; false when it is missing, holds no board, or cannot be read whole.
bool SameBoardInFile(const std::string& levelPath, const std::vector<std::string>& rows);

// Shared with a worker thread: how far it got, and the window's wish to stop.
struct ImportProgress {
    std::atomic<int> Done{0};
    std::atomic<bool> Cancel{false};
};

struct ImportResult {
    std::vector<std::string> Written;   // level files written, in collection order
    int WithSolutions = 0;
    bool Cancelled = false;
    std::string Error;                  // the failed write, naming the file; empty on success
    int StoppedAtLevel = 0;             // the collection number of the level that failed
    std::vector<std::string> SnapshotsKeptAside;   // where snapshots of changed levels went
};

// The saved games of a level that its board accepts, as named snapshots (core/snapshots.h).
std::vector<Snapshot> ImportedSnapshots(const CollectionLevel& level);

// Writes each planned level file and solution file atomically, replacing what is there; keeps the
// snapshots of each level replaced (see ImportTarget) and adds the collection's saved games to
// them. Stops at the first failed write, or when asked to cancel, keeping what was written.
ImportResult WriteImport(const LevelCollection& collection, const std::vector<ImportTarget>& plan,
                         ImportProgress& progress);

// --- Export ----------------------------------------------------------------------------------

struct ExportResult {
    int Written = 0;
    std::vector<std::string> Missing;   // playlist entries with no file or no board, skipped
};
// Every level of g's playlist, read as the game reads it, with its header, stored solution
// (found where the game finds it) and named snapshots as saved games, into one collection file written atomically. Throws
// FileError when the file cannot be written.
ExportResult ExportPlaylist(const GameState& g, const std::string& path);

} // namespace w4
