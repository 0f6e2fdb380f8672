#pragma once
// Walking and pushing by mouse in Play mode: a Ctrl click walks the keeper to a cell by a
// shortest way, a Ctrl drag pushes a box to where the button is let go. The letters are played
// one per tick through the ordinary move commands, so the walk is seen step by step; a hint
// carried out walks the same way.

#include "editor/boardmouse.h"

#include <QPoint>
#include <Qt>

#include <cstddef>
#include <functional>
#include <string>

class QTimer;

namespace w4 {

class WindowSeam;

// Where a point of the board area falls on the board.
BoardHit BoardHitAt(WindowSeam& window, int x, int y);

class MouseWalk {
public:
    // `refuse` tells the player why a walk or push cannot be made (English, French).
    // english is marked for the catalogues by the caller and looked up when shown.
    using Refusal = std::function<void(const char* english)>;
    MouseWalk(WindowSeam& window, Refusal refuse);
    MouseWalk(const MouseWalk&) = delete;
    MouseWalk& operator=(const MouseWalk&) = delete;

    void Start(const std::string& letters);
    // The rest of a walk at once: a key or a click must act on where the walk was going.
    void Finish();
    bool Walking() const;

    // True when the event was the walk's own.
    bool MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;
    void MouseUp(const QPoint& position, Qt::MouseButton button);

private:
    void Tick();
    bool StillOurs() const;

    WindowSeam& window_;
    Refusal refuse_;
    QTimer* timer_ = nullptr;
    std::string letters_;
    std::size_t next_ = 0;
    int level_ = -1;
    int history_ = -1;   // the history index the next step starts from

    // Ctrl pressed on a box: where, and on which position.
    bool dragging_ = false;
    int dragX_ = 0, dragY_ = 0, dragHistory_ = -1;
};

} // namespace w4
