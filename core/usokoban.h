#pragma once
// Level and solution files, and the move engine.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <string>
#include <vector>

namespace w4 {

// --- Level files ---------------------------------------------------------------------------

bool IsBoardRow(const std::string& line);          // first character is one of " #$*+-.@_"
std::string TrimControl(const std::string& s);     // strips characters 0..32 at both ends

// Applies the line rules to every line in order, into record 0, LevelWidth/Height (at most 50)
// and LevelHeader. Expects record 0 cleared to spaces and the header empty.
void ApplyLevelLines(GameState& g, const std::vector<std::string>& lines);

// Writes record 0 and the non-empty header fields; X cells are written as spaces. Throws FileError.
void WriteLevelFile(const GameState& g, const std::string& path);
// The header lines a level file holds after its rows: the non-empty fields, each on one line.
std::vector<std::string> HeaderLines(const LevelHeaderFields& header);

// P without its last four characters followed by ".XHT".
std::string SolutionFilePath(const std::string& levelPath);
// Whether a level at this path has a solution file: its extension is ".xsb" in any case.
bool KeepsSolutionFile(const std::string& levelPath);
// Sets StoredSolution from the solution file of an existing ".xsb" file, read by
// StoredSolutionText (core/bestscore.h): its first line, and the lines a wrapped solution
// carries on over, as plain letters.
void ReadSolutionFile(GameState& g, const std::string& levelPath);
// The message naming the level's solution file when it is larger than MaxTextFileBytes, so that
// ReadSolutionFile refused it whole; empty otherwise.
std::string RefusedSolutionText(const GameState& g, const std::string& levelPath);
// One line and CR LF, atomically. Throws FileError.
void WriteSolutionFile(const std::string& path, const std::string& letters);

// --- Moves ---------------------------------------------------------------------------------

enum class MoveOutcome { Step, Push, Refused, NoMove };

struct MoveDecision {
    MoveOutcome Outcome;
    char NewKeeper, NewNext, NewBeyond;
};

// The case table: keeper cell, next cell, beyond cell -> outcome and the three new cells.
MoveDecision ClassifyMove(char keeper, char next, char beyond);

// One move attempt from the keeper cell towards next and beyond; `letter` is the lower-case move
// letter. Steps and pushes append a snapshot; every attempt ends with the census, RefreshStatus
// and CheckCompletion. After a step or push KeeperX/KeeperY is the cell just entered.
void MoveKeeper(GameState& g, Frontend& ui, int kx, int ky, int nx, int ny, int bx, int by, char letter);
void MoveLeft(GameState& g, Frontend& ui);
void MoveUp(GameState& g, Frontend& ui);
void MoveRight(GameState& g, Frontend& ui);
void MoveDown(GameState& g, Frontend& ui);
// Dispatches a move letter (either case) to the matching direction; false for any other character.
bool MoveByLetter(GameState& g, Frontend& ui, char letter);

} // namespace w4
