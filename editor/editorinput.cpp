#include "editor/editorinput.h"

#include "editor/editorcommands.h"

namespace w4 {

MouseState MouseStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick)
{
    MouseState s;
    s.Left = buttons.testFlag(Qt::LeftButton);
    s.Right = buttons.testFlag(Qt::RightButton);
    s.Middle = buttons.testFlag(Qt::MiddleButton);
    s.Shift = modifiers.testFlag(Qt::ShiftModifier);
    s.Alt = modifiers.testFlag(Qt::AltModifier);
    s.Ctrl = modifiers.testFlag(Qt::ControlModifier);
    s.Double = doubleClick;
    return s;
}

bool EditorKeyCommand(GameState& g, Frontend& ui, int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag comes with the arrows of the numeric keypad and is no modifier key.
    if (g.GameMode != ModeEditor || g.Playlist.empty() ||
        (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return false;
    switch (key) {
    case Qt::Key_Left: ShiftLevel(g, ui, ShiftDirection::Left); return true;
    case Qt::Key_Up: ShiftLevel(g, ui, ShiftDirection::Up); return true;
    case Qt::Key_Right: ShiftLevel(g, ui, ShiftDirection::Right); return true;
    case Qt::Key_Down: ShiftLevel(g, ui, ShiftDirection::Down); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: CenterLevel(g, ui); return true;
    default: return false;
    }
}

} // namespace w4
