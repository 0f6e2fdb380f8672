#pragma once
// Snapshots: positions of an attempt the player keeps, by name or automatically, so that no
// position reached is lost. A snapshot is the attempt's letters (the moves up to the position
// and the undone ones beyond it) and where the position lies among them; on disk it is a
// "Snapshot" section of the collection format, the position marked by '*' inside the letters,
// one file per level kept where the level's solution file is kept. No Qt here.

#include "core/completion.h"
#include "core/frontend.h"
#include "core/uglobal.h"

#include <optional>
#include <string>
#include <vector>

namespace w4 {

struct Snapshot {
    std::string Name;              // empty for an automatic snapshot the player has not named
    std::string Letters;           // the whole line of the attempt, pushes in capitals
    std::int32_t Position = 0;     // moves before the position (0 .. Letters.size())
    DateTime Date{};               // seconds; the epoch when the text gave none
    bool Automatic = false;
    // A reverse attempt (core/reverse.h): the letters are the keeper's steps from the solved
    // position, capitals pulling, after the keeper was placed on (KeeperX, KeeperY).
    bool Reverse = false;
    std::int32_t KeeperX = -1, KeeperY = -1;

    std::int32_t Moves() const { return Position; }
    std::int32_t Pushes() const;   // the capitals among the moves before the position
    bool SameAttempt(const Snapshot& other) const
    {
        return Position == other.Position && Letters == other.Letters && Reverse == other.Reverse &&
               (!Reverse || (KeeperX == other.KeeperX && KeeperY == other.KeeperY));
    }
};

// Automatic snapshots kept per level; the oldest automatic one goes first, named ones never.
constexpr std::size_t MaxAutomaticSnapshots = 5;

// The most moves one snapshot holds. With the bound on the whole file (MaxTextFileBytes, which
// also bounds the letters the reader takes from one file), whatever the game writes is read back:
// a longer attempt, or a file that would grow past the bound, is refused with a message instead.
constexpr std::size_t MaxSnapshotMoves = 10'000'000;

// --- Text ------------------------------------------------------------------------------------

// "2026-12-08 06:50:12 UTC" and back; false for anything else.
std::string FormatSnapshotDate(DateTime date);
bool ParseSnapshotDate(const std::string& text, DateTime& date);

// The letters with '*' at the position: the community's saved-game move text.
std::string MarkedLetters(const Snapshot& s);
// Move text with at most one '*' (plain or run-length, blanks and line ends ignored) into
// letters and position; no marker puts the position at the end. False for anything else, and
// beyond MaxSnapshotMoves (or `maxLetters`).
bool ParseMarkedLetters(const std::string& text, std::string& letters, std::int32_t& position);
bool ParseMarkedLetters(const std::string& text, std::string& letters, std::int32_t& position, std::size_t maxLetters);

// "Snapshot (moves 12, pushes 3, 2026-12-08 06:50:12 UTC, automatic): name", then the marked
// letters cut into lines. A reverse attempt's lines are "::" comment lines, which every reader of
// the collection format passes over: ":: Reverse Snapshot (keeper 6 1, moves 2, pulls 2, ...): name"
// and ":: " before each line of letters.
std::vector<std::string> SnapshotSectionLines(const Snapshot& s);
// Whether a line opens a saved game of the collection format ("Snapshot", "Save", "Saved Game");
// a reverse one's comment heading does not.
bool IsSnapshotHeading(const std::string& line);
// A section from its heading and its move text; nothing when the move text is damaged. The
// moves and pushes of the heading are not trusted: the letters give them.
std::optional<Snapshot> ParseSnapshotSection(const std::string& heading, const std::string& moves);

// A snapshot file's text: every readable section in file order; damaged sections, stray lines
// and a cut-off end are passed over.
std::vector<Snapshot> ParseSnapshotLines(const std::vector<std::string>& lines);
// A new snapshot file: the "::" note, then each section after a blank line.
std::vector<std::string> SnapshotFileLines(const std::vector<Snapshot>& snapshots);

// --- The file as it lies on disk ---------------------------------------------------------------
// A snapshot file is kept byte for byte: it is cut into items in file order, each a snapshot the
// reader takes or bytes it does not take (the "::" note, stray or damaged lines, a line holding a
// NUL, a section beyond the bounds), and a write changes only the items of the snapshots added,
// renamed or removed. What the reader cannot take is never lost by a write of ours.

struct SnapshotFileItem {
    std::optional<Snapshot> Taken;   // nothing: bytes the reader does not take, kept as they are
    std::string Bytes;               // the item's bytes, line ends included
    // A snapshot's heading line within Bytes (the blank lines before a heading belong to it, so a
    // removed snapshot takes its separating blank line along); the line end is not in it.
    std::size_t HeadingBegin = 0;
    std::size_t HeadingEnd = 0;
};

struct SnapshotFile {
    std::vector<SnapshotFileItem> Items;

    std::vector<Snapshot> Snapshots() const;   // the snapshots taken, in file order
    std::string Bytes() const;                 // the file again, byte for byte
};

// Never throws on any input; Bytes() gives `bytes` back exactly. The reader takes at most
// MaxTextFileBytes letters from one file and MaxSnapshotMoves from one section; sections beyond
// stay bytes.
SnapshotFile ParseSnapshotFile(const std::string& bytes);
// Makes the file's snapshots those of `snapshots`: an item whose snapshot is in the list keeps
// its bytes; one whose attempt and date are there under another name or kind gets the new
// heading over its move lines as they were; the others go; the snapshots of the list not in the
// file are added at its end (a file with nothing yet starts with the "::" note). Bytes the reader
// did not take stay in their place.
void UpdateSnapshotFile(SnapshotFile& file, const std::vector<Snapshot>& snapshots);

// Keeps the letters the board accepts (cases set by what each move does) up to a solved
// position; false when the position itself cannot be reached.
bool FitSnapshot(const std::vector<std::string>& rows, Snapshot& s);

// The board at the snapshot's position, one string per row, replayed from `start` (rows as the
// level list has them, 'X' outside; StartRows of core/completion.h for the level in play); moves
// the board refuses end the replay there.
std::vector<std::string> PositionRows(const std::vector<std::string>& start, const Snapshot& s);

// --- Store -----------------------------------------------------------------------------------

// The snapshot file beside a level: its name without the extension and ".snapshots.sok".
std::string SnapshotFilePath(const std::string& levelPath);
// Where a level's snapshots are written: beside it, unless installed and its folder cannot be
// written, then in the solution store.
std::string SnapshotFilePathFor(const GameState& g, const std::string& levelPath);
// The file a level's snapshots are read from: where they are written, else beside the level,
// else the store; empty when there is none.
std::string FindSnapshotFile(const GameState& g, const std::string& levelPath);

// The level's snapshots, oldest first; none for a level that keeps no solution file, and none
// from a file that cannot be read or is larger than MaxTextFileBytes (SnapshotFileProblem says so).
std::vector<Snapshot> ReadSnapshots(const GameState& g, const std::string& levelPath);
// Why the level's snapshot file cannot be read, naming it: larger than MaxTextFileBytes (refused
// whole) or unreadable. Empty when it reads, or when there is none.
std::string SnapshotFileProblem(const GameState& g, const std::string& levelPath);
// Makes the level's snapshots those of `snapshots` (see UpdateSnapshotFile: what the reader did
// not take stays byte for byte), atomically. A file left with nothing but the "::" note and
// blank lines is removed. Throws FileError, writing nothing, when the file cannot be read or is
// too large (SnapshotFileProblem), when a snapshot holds more than MaxSnapshotMoves moves, or
// when the file would grow past MaxTextFileBytes; and, naming the file, when it cannot be written.
void WriteSnapshots(const GameState& g, const std::string& levelPath, const std::vector<Snapshot>& snapshots);
// Adds to the snapshot file at `path` (made when there is none) those of `snapshots` it does not
// hold yet (the same attempt, position and name), as Import does for a level it leaves in place;
// the same refusals as WriteSnapshots. Returns how many were added. Throws FileError.
std::size_t JoinSnapshotFile(const std::string& path, const std::vector<Snapshot>& snapshots);

// The file of the level the attempt belongs to (GameState::AttemptLevel), when it keeps
// snapshots; empty otherwise.
std::string SnapshotLevelPath(const GameState& g);

// --- Operations --------------------------------------------------------------------------------

// The attempt shown: its letters, the history index as position, g.Now() as date.
Snapshot TakeSnapshot(const GameState& g, const std::string& name, bool automatic);
// Appends, then drops the oldest automatic snapshots beyond MaxAutomaticSnapshots.
void AddSnapshot(std::vector<Snapshot>& snapshots, Snapshot s);
// "Snapshot 3" / "Instantané 3": one more than the named snapshots there are.
std::string DefaultSnapshotName(const GameState& g, const std::vector<Snapshot>& snapshots);

// Keeps the attempt shown as a snapshot of the level in play. Throws FileError.
bool SaveSnapshot(GameState& g, const std::string& name);

// Whether leaving the attempt now would lose it: played in Play mode, at least one move, not
// solved, and no snapshot of its level holds this very attempt and position. The attempt of the
// other direction, waiting while the level is played forward or in reverse, counts as well.
bool AttemptWouldBeLost(const GameState& g);
// Keeps the attempt (and the one waiting in the other direction) as automatic snapshots when they
// would be lost, the one shown last; returns whether it kept any.
// Throws FileError.
bool KeepAttempt(GameState& g);

// Reloads the level (which keeps the attempt shown, see LoadLevel) and puts the
// snapshot on the board as undo would leave it: the history up to the position, the undone moves
// after it. Moves the board refuses end the letters there; false
// (the level freshly loaded) when the position itself cannot be reached.
bool RestoreSnapshot(GameState& g, Frontend& ui, const Snapshot& s);

// The last automatic snapshot, unless the level's solution file is newer and solves the level.
std::optional<Snapshot> ResumableAttempt(const GameState& g, const std::string& levelPath);

} // namespace w4
