#pragma once
// A level's kept solution and the best-score rule: how a stored solution is read, whether it
// solves its level and how long it is, and when a new solution takes its place. Every place that
// keeps a solution (a solved attempt, Solve, Paste Solution, Optimize Solution, the command-line
// solver) asks here, so they all agree.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace w4 {

struct SolutionScore {
    std::int64_t Moves = 0;
    std::int64_t Pushes = 0;
};

// Fewer moves, or as many moves and fewer pushes.
bool IsBetterScore(const SolutionScore& candidate, const SolutionScore& kept);

// What a solution file's lines hold as the stored solution: the first line and the lines that
// carry on its moves (a solution wrapped over lines), with run-length counts (`3r`, `2(lu)`)
// spelt out and blanks dropped. A first line that does not read as moves is kept as it is.
std::string StoredSolutionText(const std::vector<std::string>& lines);

// The move letters of a solution text: run-length counts spelt out and blanks dropped; in a text
// that does not read as moves, its move letters alone.
std::string SolutionTextMoves(const std::string& text);

struct SolutionReading {
    bool Solves = false;
    std::string Letters;    // the moves up to the solved position, pushes in capitals
    // Every move of the text; its pushes as the board makes them up to the solved position,
    // whatever the case written, and as written after it.
    SolutionScore Score;
};
// A solution text played from the level's start `rows` with the game's moves, either case. A
// refused move, or moves that leave the level unsolved, do not solve it.
SolutionReading ReadSolution(const std::vector<std::string>& rows, const std::string& text);

// Whether a text solves the level whose start position is `rows`.
bool SolutionSolves(const std::vector<std::string>& rows, const std::string& text);
// StoredSolution read on the level's start (record 0). One that does not solve the level (a file
// from an older version of it, a stale or damaged one) counts as no solution at all.
SolutionReading ReadStoredSolution(const GameState& g);
bool StoredSolutionSolves(const GameState& g);

// The best-score rule. `offered` replaces `stored` only when it solves the level and the stored
// one does not, or when it has a better score than the stored one.
struct BestScoreVerdict {
    bool Replaces = false;
    SolutionReading Stored;
    SolutionReading Offered;
};
BestScoreVerdict JudgeSolution(const std::vector<std::string>& rows, const std::string& stored,
                               const std::string& offered);

// Keeping a better solution: `level` is the level as its file holds it (record 0 and
// StoredSolution, the playlist entry at LevelIndex naming the file). When `letters` replace its
// stored solution and the level file exists, asks the BEST SCORE question naming the solution
// file and on Yes writes the letters there. Returns whether it wrote. A failed write throws
// FileError.
bool OfferToKeepSolution(const GameState& level, Frontend& ui, const std::string& letters);

} // namespace w4
