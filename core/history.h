#pragma once
#include "core/frontend.h"
#include "core/uglobal.h"

namespace w4 {

// Undo at the first snapshot and redo at the last do nothing at all; GoToStart and GoToEnd always
// redraw. None of them runs before the first load.
void GoToStart(GameState& g, Frontend& ui);
void UndoMove(GameState& g, Frontend& ui);
void RedoMove(GameState& g, Frontend& ui);
void GoToEnd(GameState& g, Frontend& ui);
// The undo/redo bar was moved to position (counted from 1); a position outside 1..HistoryLength
// is pulled back into range and the bar corrected.
void ScrollHistoryTo(GameState& g, Frontend& ui, int position);
// Throws the attempt away: LoadLevel, then RedrawBoard; in reverse play a fresh reverse attempt.
void RetryLevel(GameState& g, Frontend& ui);

} // namespace w4
