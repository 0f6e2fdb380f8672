#pragma once
// Reverse play: the level starts solved, every box on a target, and the keeper pulls boxes back
// towards where they start. A step straight away from an adjacent box drags it along; any other
// step is a plain walk. The attempt is an ordinary history of positions, so undo, redo and the
// undo bar work on it unchanged; its letters are the keeper's steps, a pull in capitals.
//
// The reverse attempt is solved when its boxes stand on the start cells and the keeper can walk
// to its start cell: its pulls, last first and each turned round, are then a forward solution.
// While a forward and a reverse attempt of the level both exist they may also meet: the same
// box cells, and the forward keeper able to walk to the reverse keeper. The forward moves, that
// walk and the turned-round pulls are then a solution too. Every solution is replayed with the
// game's own move rules before it is offered. No Qt here.

#include "core/frontend.h"
#include "core/usokoban.h"
#include "core/uglobal.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace w4 {

// --- Rules -------------------------------------------------------------------------------------

// One reverse step of the keeper from `keeper` onto `next`, `behind` being the cell on the other
// side of the keeper. Step: the keeper walks; Push: it pulls the box from behind onto its own
// cell; Refused: next holds a wall, a box or is outside; NoMove: no keeper on `keeper`. NewBeyond
// is the new behind cell.
MoveDecision ClassifyPull(char behind, char keeper, char next);

// Whether the level whose start is `start` can be played in reverse: one keeper, and as many
// boxes as targets, at least one.
bool CanPlayReverse(const BoardGrid& start, int width, int height);
// The solved position of a level: its boxes taken off the start cells, one on every target, and
// no keeper (the player chooses where it stands).
BoardGrid ReverseStartBoard(const BoardGrid& start, int width, int height);

// The forward moves that undo the reverse letters: last first, each direction turned round,
// pulls becoming pushes.
std::string ForwardLetters(const std::string& reverseLetters);

// Boxes of the shown reverse position that stand where no pulls can ever take a box back to a
// cell where a box starts (the other boxes aside): the attempt can neither be solved nor meet a
// forward one. `start` is the level's start position.
std::vector<std::pair<int, int>> ReverseDeadlockedBoxes(const BoardGrid& start, const BoardGrid& shown, int width,
                                                        int height);

// The forward solution joining a forward attempt at `forwardIndex` with a reverse attempt at
// `reverseIndex`: the forward letters, the walk between the keepers, the turned-round pulls;
// replayed from the level's start and returned only when it solves the level. Nothing when the
// box cells differ, the reverse keeper is not placed or cannot be reached.
std::optional<std::string> JoinedSolution(const SnapshotList& forward, int forwardIndex, const SnapshotList& reverse,
                                          int reverseIndex, int width, int height);

// --- Play --------------------------------------------------------------------------------------

// Reverse play on and off in Play mode. The attempt shown is put aside and the other direction's
// brought back as it was left; a level played in reverse for the first time since its load
// starts from its solved position. A level that cannot be played in reverse is refused with a
// notice. Returns whether the direction changed.
bool ToggleReverse(GameState& g, Frontend& ui);
// Retry while in reverse: a fresh reverse attempt (the forward one stays as it was).
void RestartReverse(GameState& g, Frontend& ui);
// Whether the reverse attempt still waits for the player to place the keeper.
bool ReverseNeedsKeeper(const GameState& g);
// Places the keeper on a free cell of the reverse start; false (a kick) on any other cell.
bool PlaceReverseKeeper(GameState& g, Frontend& ui, int x, int y);

// One reverse move attempt of the keeper at (kx, ky) onto (nx, ny); `letter` is the lower-case
// step letter. A box straight behind the keeper comes along unless `mayPull` is false. Appends a
// position on a step or pull, then census, status, and the test for a reverse solution or a
// meeting.
void PullKeeper(GameState& g, Frontend& ui, int kx, int ky, int nx, int ny, char letter, bool mayPull = true);
// One reverse step from the keeper's cell by a move letter: a capital pulls, a small letter only
// walks, even away from a box (how a kept reverse attempt is played back).
void ReverseStep(GameState& g, Frontend& ui, char letter);
// The keeper walks by a shortest way to (x, y), pulling nothing: every step is a move of its own.
// False when it cannot get there (or there is no reverse attempt in play).
bool WalkReverseKeeper(GameState& g, Frontend& ui, int x, int y);

// --- Kept attempts ------------------------------------------------------------------------------

// The keeper's chosen cell in the first position of a reverse history; false when none.
bool ReverseKeeperCell(const SnapshotList& history, int width, int height, int& x, int& y);
// A kept reverse attempt back on the board of a level just loaded: reverse play on, the keeper
// on (keeperX, keeperY), the letters replayed (capitals pull), the position `position` shown and
// the rest left to redo. Moves the board refuses end the letters there; false, and the level
// left as loaded, when the position itself cannot be reached.
bool RestoreReverseAttempt(GameState& g, Frontend& ui, int keeperX, int keeperY, const std::string& letters,
                           int position);
// The rows of a kept reverse attempt's position, from the level's start rows (as StartRows gives
// them); the start's solved position when the keeper's cell does not fit.
std::vector<std::string> ReversePositionRows(const std::vector<std::string>& start, int keeperX, int keeperY,
                                             const std::string& letters, int position);
// The level's start rows, in either direction of play.
std::vector<std::string> ForwardStartRows(const GameState& g);

// After a push in forward play with a reverse attempt waiting: whether the two meet now, and if
// so the joined solution is offered. True when the level was solved so.
bool CheckMeeting(GameState& g, Frontend& ui);

} // namespace w4
