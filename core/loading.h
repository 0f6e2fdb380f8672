#pragma once
#include "core/frontend.h"
#include "core/uglobal.h"

namespace w4 {

// Turns the playlist entry at LevelIndex into a fresh attempt. Draws nothing. Tells the frontend
// first (AttemptEnding), while the attempt it replaces is still there.
void LoadLevel(GameState& g, Frontend& ui);

// The last keeper cell in drawing order (rows top to bottom, each left to right) of the shown
// snapshot becomes KeeperX/KeeperY; with no keeper the old position stays.
void LocateKeeper(GameState& g);

// Full redraw: keeper position, the picture, then census and status.
void RedrawBoard(GameState& g, Frontend& ui);

} // namespace w4
