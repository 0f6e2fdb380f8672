#include "core/history.h"

#include "core/loading.h"
#include "core/reverse.h"

#include <algorithm>

namespace w4 {

void GoToStart(GameState& g, Frontend& ui)
{
    if (g.HistoryLength <= 0)
        return;
    g.HistoryIndex = 0;
    ui.SetHistoryBarPosition(1);
    RedrawBoard(g, ui);
}

void UndoMove(GameState& g, Frontend& ui)
{
    if (g.HistoryIndex <= 0)
        return;
    --g.HistoryIndex;
    ui.SetHistoryBarPosition(g.HistoryIndex + 1);
    RedrawBoard(g, ui);
}

void RedoMove(GameState& g, Frontend& ui)
{
    if (g.HistoryIndex >= g.HistoryLength - 1)
        return;
    ++g.HistoryIndex;
    ui.SetHistoryBarPosition(g.HistoryIndex + 1);
    RedrawBoard(g, ui);
}

void GoToEnd(GameState& g, Frontend& ui)
{
    if (g.HistoryLength <= 0)
        return;
    g.HistoryIndex = g.HistoryLength - 1;
    ui.SetHistoryBarPosition(g.HistoryLength);
    RedrawBoard(g, ui);
}

void ScrollHistoryTo(GameState& g, Frontend& ui, int position)
{
    if (g.HistoryLength <= 0)
        return;
    const int index = std::clamp(position - 1, 0, g.HistoryLength - 1);
    g.HistoryIndex = index;
    // Only a position outside the bar's range needs correcting; the bar already shows the rest.
    if (index != position - 1)
        ui.SetHistoryBarPosition(index + 1);
    RedrawBoard(g, ui);
}

void RetryLevel(GameState& g, Frontend& ui)
{
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    if (g.Reverse) {
        RestartReverse(g, ui);
        return;
    }
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

} // namespace w4
