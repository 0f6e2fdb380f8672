#pragma once
// Frame transforms of the level being edited: record 0 of the history, inside the frame of
// LevelWidth x LevelHeight cells. Plain functions over the game state, no drawing: the caller
// follows each one with RedrawBoard, which also finds the keeper again.

#include "core/uglobal.h"

#include <array>
#include <string>

namespace w4 {

// Smallest / largest column or row of the frame holding a non-blank cell. Anything but ' ' is
// used, the outside mark 'X' included. With no such cell: LevelWidth, -1, LevelHeight, -1.
int FirstUsedColumn(const GameState& g);
int LastUsedColumn(const GameState& g);
int FirstUsedRow(const GameState& g);
int LastUsedRow(const GameState& g);

// Move the level one cell inside its frame. When it already touches the edge it moves towards,
// the frame grows by a blank column or row (Left/Up: at the far side, the cells stay; Right/Down:
// then everything moves). At 50 columns or rows such a shift changes nothing.
void ShiftLevelLeft(GameState& g);
void ShiftLevelUp(GameState& g);
void ShiftLevelRight(GameState& g);
void ShiftLevelDown(GameState& g);

// Moves the bounding box of the non-blank cells to the top-left corner and shrinks the frame to
// it. A frame with no non-blank cell stays as it is. Returns whether anything was there to fit.
bool FitFrameToLevel(GameState& g);

// The level File > New writes: a wall ring around a 3 x 3 floor with the keeper in its centre,
// inside a blank margin.
constexpr int NewLevelSize = 7;
extern const std::array<std::string, NewLevelSize> NewLevelTemplate;

} // namespace w4
