#pragma once
// Qt's mouse and key events turned into the editor's terms.

#include "core/frontend.h"
#include "core/uglobal.h"
#include "editor/boardmouse.h"

#include <Qt>

namespace w4 {

// The state of a press or move: `buttons` as QMouseEvent::buttons() reports them (the pressed
// button included on a press), `doubleClick` for the second press of a double click.
MouseState MouseStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick = false);

// The editor's keys: with a level list and neither Shift, Ctrl nor Alt held, the arrows shift
// the level and Enter or Space fit the frame, each followed by its redraw. Returns whether the
// key was one of them and acted; in any other mode or state nothing happens.
bool EditorKeyCommand(GameState& g, Frontend& ui, int key, Qt::KeyboardModifiers modifiers);

} // namespace w4
