#include "app/window/fmain.h"
#include "app/snapshots/snapshots.h"

#include "app/help/boardhelp.h"

#include "core/history.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "editor/editorinput.h"

#include <QKeyEvent>
#include <QWindow>

namespace {

// Only these three count as modifiers: the keypad flag that Qt adds to keypad keys must not turn
// a plain arrow or Enter into a modified one.
Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

bool TFRMMain::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application: a key is seen here once, when it reaches this window's
    // top-level QWindow, before any control gets it. It is never consumed.
    if (event->type() == QEvent::KeyPress && watched->isWindowType() && watched == windowHandle()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        Guarded([this, code, modifiers] { FormKeyDown(code, modifiers); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFRMMain::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // R turns reverse play on and off; in it, H has no hint to give.
    if (ReverseKeyDown(key, modifiers))
        return;
    // A walk by mouse ends at once, a hint search stops, and H asks for or carries out a hint.
    if (Help && Help->KeyDown(key, modifiers))
        return;
    w4::GameState& g = Game;
    const Qt::KeyboardModifiers mods = CommandModifiers(modifiers);
    const bool none = mods == Qt::NoModifier;
    const bool ctrl = mods == Qt::ControlModifier;

    // The clipboard keys work in every mode: Ctrl+C and Ctrl+V for levels, with Shift for solutions.
    if (key == Qt::Key_C || key == Qt::Key_V) {
        const bool shiftCtrl = mods == (Qt::ControlModifier | Qt::ShiftModifier);
        if (ctrl || shiftCtrl) {
            if (key == Qt::Key_C)
                ctrl ? MNUFileCopyLevelClick() : MNUFileCopySolutionClick();
            else
                ctrl ? MNUFilePasteLevelClick() : MNUFilePasteSolutionClick();
            return;
        }
    }

    if (key == Qt::Key_Escape) {
        if (FullScreenState.Active)
            ToggleFullScreen();
        else
            close();
        return;
    }

    // The Levels window, in every mode.
    if (ctrl && key == Qt::Key_L) {
        MNUFileLevelsClick();
        return;
    }
    // The Snapshots window, in every mode: a restore goes to Play mode.
    if (none && key == Qt::Key_F6) {
        MNUToolsSnapshotsClick();
        return;
    }

    if (g.GameMode == w4::ModePlay) {
        if (key == Qt::Key_F2) {
            ToggleFullScreen();
            return;
        }
        // Save Snapshot asks for a name; with Shift it takes the proposed one at once.
        if (key == Qt::Key_F5 && (none || mods == Qt::ShiftModifier)) {
            SnapshotCommands().Save(none);
            return;
        }
        if (none && key == Qt::Key_F9) {
            MNUToolsResumeAttemptClick();
            return;
        }
        if (g.LevelInPlay) {
            switch (key) {
            case Qt::Key_Left: w4::MoveLeft(g, *this); return;
            case Qt::Key_Up: w4::MoveUp(g, *this); return;
            case Qt::Key_Right: w4::MoveRight(g, *this); return;
            case Qt::Key_Down: w4::MoveDown(g, *this); return;
            default: break;
            }
            if (none) {
                switch (key) {
                case Qt::Key_Home: w4::GoToStart(g, *this); return;
                case Qt::Key_PageUp:
                case Qt::Key_Backspace: w4::UndoMove(g, *this); return;
                case Qt::Key_PageDown: w4::RedoMove(g, *this); return;
                case Qt::Key_End: w4::GoToEnd(g, *this); return;
                default: break;
                }
            }
            // The undo and redo keys most programs use, doing what Backspace and Page Down do.
            if (key == Qt::Key_Z && ctrl) {
                w4::UndoMove(g, *this);
                return;
            }
            if ((key == Qt::Key_Y && ctrl) || (key == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier))) {
                w4::RedoMove(g, *this);
                return;
            }
        }
        if (ctrl) {
            switch (key) {
            case Qt::Key_Home: w4::FirstLevel(g, *this); return;
            case Qt::Key_PageUp: w4::PriorLevel(g, *this); return;
            case Qt::Key_PageDown: w4::NextLevel(g, *this); return;
            case Qt::Key_End: w4::LastLevel(g, *this); return;
            case Qt::Key_Space: w4::RetryLevel(g, *this); return;
            default:
                if (IsEnter(key))
                    w4::RetryLevel(g, *this);
                return;
            }
        }
        return;
    }

    // The editor unit checks the playlist and the modifier keys itself.
    if (g.GameMode == w4::ModeEditor)
        w4::EditorKeyCommand(g, *this, key, mods);
}
