#pragma once
// Level collections: one text file holding many levels, each with its title, header fields,
// comment lines and solutions, in the forms the level sites and the other Sokoban programs
// write (.sok, .txt, multi-level .xsb). The reader splits such a text into levels, keeps every
// level the game could load and says why it left out the others. No Qt here.

#include "core/movereplay.h"
#include "core/uglobal.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace w4 {

// Why a level, or one of its solutions, was left out.
enum class SkipReason {
    NoKeeper,            // the board has no keeper
    SeveralKeepers,      // more than one keeper
    TooLarge,            // wider or taller than 50 cells
    BadMoves,            // a solution holds something other than move letters and counts
    SolutionFails,       // a solution makes a move the board refuses
    SolutionUnsolved,    // a solution ends before every box stands on a target
};

struct SkippedItem {
    int Line = 0;          // 1-based line of the board or of the solution
    int LevelNumber = 0;   // 1-based position among the boards of the text
    std::string Title;
    SkipReason Reason = SkipReason::NoKeeper;
    int Detail = 0;        // the failing move (1-based) for SolutionFails, the size for TooLarge
};

// A saved game of a level ("Snapshot", "Save", "Saved Game"): its heading line and its moves,
// which may mark the position with '*'. Read as written; the snapshot store checks them.
struct SavedGameText {
    std::string Heading;
    std::string Moves;
    int Line = 0;                         // 1-based line of the heading
};

struct CollectionLevel {
    std::vector<std::string> Rows;        // floor as space, no trailing blanks, no blank outer rows
    LevelHeaderFields Header;             // Title and the other fields, file-wide ones filled in
    std::vector<std::string> Comments;    // ';' lines (without the ';') and other notes
    std::vector<std::string> Solutions;   // checked by replaying them: each solves the board
    std::vector<SavedGameText> SavedGames;
    int Line = 0;                         // 1-based line of the first board row
    int Number = 0;                       // 1-based position among the boards of the text

    // The best solution by the best-score rule (the first of equals); empty when there is none.
    std::string BestSolution() const;
};

struct LevelCollection {
    std::vector<CollectionLevel> Levels;
    std::vector<SkippedItem> Skipped;     // levels and solutions left out, in text order
    LevelHeaderFields FileHeader;         // fields given before the first board
    std::uintmax_t RefusedBytes = 0;      // the size of a file refused as too large: nothing read
    bool Cancelled = false;               // the reading was cancelled: what it holds is incomplete
};

// A reading on a worker thread: how far the checks are, for a progress bar, and its cancel.
struct CollectionProgress {
    std::atomic<int> Checked{0};   // levels checked so far
    std::atomic<int> Total{0};     // levels in the text, known once it is split
    std::atomic<bool> Cancel{false};
};

// A collection file is read whole up to this size (the largest the level sites offer are tens of
// MiB); a larger one is refused rather than cut, as a cut could end in the middle of a board.
constexpr std::uintmax_t MaxCollectionBytes = std::uintmax_t(128) << 20;

// Splits a text (any line ends; a NUL ends it) into levels. Never throws on any input.
LevelCollection ReadCollection(const std::string& text, CollectionProgress* progress = nullptr);
// The same for a file; a missing or unreadable file gives an empty collection, and a file larger
// than `maxBytes` an empty one with its size in RefusedBytes.
LevelCollection ReadCollectionFile(const std::string& path, std::uintmax_t maxBytes = MaxCollectionBytes,
                                   CollectionProgress* progress = nullptr);
// Why a file was refused, naming it and its size, in the language in force.
std::string RefusedCollectionText(const std::string& path, std::uintmax_t bytes);

// Expands run-length move text ("3l2U", "2(lu)", letters over several lines, blanks ignored)
// into plain letters. False, with the 0-based position of the offending character in
// `badAt`, when the text holds anything else or would expand beyond MaxSolutionLength.
constexpr std::size_t MaxSolutionLength = 1000000;
bool ExpandMoves(const std::string& text, std::string& letters, std::size_t* badAt = nullptr);
// The same with another bound than MaxSolutionLength.
bool ExpandMoves(const std::string& text, std::string& letters, std::size_t maxLetters, std::size_t* badAt);

// Board rows from plain or run-length text ("3#|#@$.#|3#"): '-' and '_' become floor,
// trailing blanks and blank outer rows go. Empty when a line is not board text.
std::vector<std::string> ExpandBoardText(const std::vector<std::string>& lines);
// Whether one line reads as a board row (plain or run-length) in a collection.
bool IsCollectionBoardLine(const std::string& line);


// Whether the rows can become a playable level: exactly one keeper, at most 50 x 50.
bool CheckLevelRows(const std::vector<std::string>& rows, SkipReason& reason, int& detail);

// The reason as a sentence in the language in force, UTF-8.
std::string SkipReasonText(SkipReason reason, int detail);
// "Level 3 (Title), line 12: the board has no keeper", in the language in force.
std::string SkippedItemText(const SkippedItem& item);

} // namespace w4
