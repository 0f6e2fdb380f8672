// Help's commands in the window's command table, and its look at every key.
#include "app/help/boardhelp.h"

#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/windowseam.h"
#include "core/frontend.h"
#include "core/uglobal.h"

namespace {

// The solver and its hints play forward only: asked for in reverse play, they say so.
bool RefusedInReverse(w4::WindowSeam& w)
{
    if (!w.State().Reverse)
        return false;
    w.ShowHelpMessage(Warehaus4::QTr("The solver and its hints play forward only: leave reverse play first."));
    w.Screen().PlaySample(w4::Sample::Kick);
    return true;
}

} // namespace

void w4::BoardHelp::AddCommands(CommandTable& table)
{
    WindowSeam& w = window_;
    GameState& g = game_;
    table.Add({"ToolsSolve", {QT_TRANSLATE_NOOP("Warehaus4", "Solve")}, [this, &w] { if (!RefusedInReverse(w)) Solve(); }, {}, {}, {}});
    // H asks for a hint, or carries out the one shown. In reverse play it is refused before the
    // help sees the key, as reverse play's own keys are.
    KeyBinding refused = Press(Qt::Key_H, InPlay, Qt::NoModifier, [&g] { return g.Reverse; });
    refused.First = true;
    table.Add({"ToolsHint", {QT_TRANSLATE_NOOP("Warehaus4", "Hint")}, [this, &w] { if (!RefusedInReverse(w)) Hint(); },
               {refused, Press(Qt::Key_H, InPlay, Qt::NoModifier, [&g] { return !g.Reverse; })}, {}, {}});
    table.Add({"ToolsLastSolvable", {QT_TRANSLATE_NOOP("Warehaus4", "Last Solvable Position")},
               [this, &w] { if (!RefusedInReverse(w)) LastSolvable(); }, {}, {}, {}});
    table.Add({"ToolsDeadlockWarnings", {QT_TRANSLATE_NOOP("Warehaus4", "Deadlock Warnings")},
               [this] { ToggleDeadlockWarnings(); }, {}, [&g] { return g.DeadlockWarnings; }, {}});
    table.Add({"ToolsOptimizeSolution", {QT_TRANSLATE_NOOP("Warehaus4", "Optimize Solution")},
               [this] { OptimizeSolution(); }, {}, {}, {}});
    table.Add({"ToolsLiveCheck", {QT_TRANSLATE_NOOP("Warehaus4", "Live Solvability Check")},
               [this] { ToggleLiveCheck(); }, {}, [&g] { return g.LiveSolvabilityCheck; }, {}});
    table.Watch([this](int key, Qt::KeyboardModifiers, const std::string& command) {
        KeySeen(key, command == "ToolsHint");
    });
}

void w4::BoardHelp::KeySeen(int key, bool hintKey)
{
    FinishWalk();
    // Modifier keys alone are part of a Ctrl click, not a wish to stop the hint.
    if (!hintKey && key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
        CancelHintSearch();
}
