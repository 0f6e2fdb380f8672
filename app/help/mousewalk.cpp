#include "app/help/mousewalk.h"

#include "app/window/windowseam.h"
#include "core/pathing.h"
#include "core/uglobal.h"
#include "core/usokoban.h"

#include <QTimer>
#include <QWidget>

namespace w4 {

namespace {

constexpr int WalkStepMs = 35;   // a brisk walk, still visible step by step

} // namespace

BoardHit BoardHitAt(WindowSeam& window, int x, int y)
{
    const QWidget* area = window.BoardArea();
    return BoardHitTest(window.State(), area->width(), area->height(), x, y, area->devicePixelRatioF());
}

MouseWalk::MouseWalk(WindowSeam& window, Refusal refuse) : window_(window), refuse_(std::move(refuse))
{
    // The timer answers on the window's thread, through the window as before.
    QWidget* const owner = window_.Window();
    timer_ = new QTimer(owner);
    timer_->setObjectName(QStringLiteral("TimerWalk"));
    timer_->setInterval(WalkStepMs);
    QObject::connect(timer_, &QTimer::timeout, owner, [this] { window_.Guarded([this] { Tick(); }); });
}

bool MouseWalk::StillOurs() const
{
    const GameState& g = window_.State();
    return g.GameMode == ModePlay && g.LevelInPlay && g.LevelIndex == level_ && g.HistoryIndex == history_;
}

void MouseWalk::Tick()
{
    if (next_ >= letters_.size() || !StillOurs()) {
        timer_->stop();
        letters_.clear();
        return;
    }
    GameState& g = window_.State();
    const char letter = letters_[next_++];
    history_ = g.HistoryIndex + 1;
    MoveByLetter(g, window_.Screen(), letter);
    if (next_ >= letters_.size()) {
        timer_->stop();
        letters_.clear();
    }
}

void MouseWalk::Start(const std::string& letters)
{
    letters_ = letters;
    next_ = 0;
    level_ = window_.State().LevelIndex;
    history_ = window_.State().HistoryIndex;
    if (!letters.empty())
        timer_->start();
}

void MouseWalk::Finish()
{
    if (!timer_->isActive())
        return;
    timer_->stop();
    GameState& g = window_.State();
    while (next_ < letters_.size() && StillOurs()) {
        history_ = g.HistoryIndex + 1;
        MoveByLetter(g, window_.Screen(), letters_[next_++]);
    }
    letters_.clear();
}

bool MouseWalk::Walking() const { return timer_->isActive(); }

bool MouseWalk::MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    GameState& g = window_.State();
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (g.GameMode != ModePlay || buttons != Qt::LeftButton || mods != Qt::ControlModifier)
        return false;
    dragging_ = false;
    const BoardHit hit = BoardHitAt(window_, position.x(), position.y());
    if (!hit.OnBoard || !g.LevelInPlay)
        return true;
    const char cell = CellAt(g, hit.Column, hit.Row);
    if (cell == '$' || cell == '*') {
        // A push: the box goes where the button is let go.
        dragging_ = true;
        dragX_ = hit.Column;
        dragY_ = hit.Row;
        dragHistory_ = g.HistoryIndex;
        return true;
    }
    const auto path = WalkPath(ShownBoard(g), g.KeeperX, g.KeeperY, hit.Column, hit.Row);
    if (!path)
        refuse_(QT_TRANSLATE_NOOP("Warehaus4", "The keeper cannot get there."));
    else
        Start(*path);
    return true;
}

bool MouseWalk::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const
{
    // A Ctrl drag is a push chosen by its end; it takes no steps on the way.
    return window_.State().GameMode == ModePlay && buttons.testFlag(Qt::LeftButton) &&
           modifiers.testFlag(Qt::ControlModifier);
}

void MouseWalk::MouseUp(const QPoint& position, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    GameState& g = window_.State();
    if (g.GameMode != ModePlay || !g.LevelInPlay || g.HistoryIndex != dragHistory_)
        return;
    const BoardHit hit = BoardHitAt(window_, position.x(), position.y());
    if (!hit.OnBoard || (hit.Column == dragX_ && hit.Row == dragY_))
        return;
    const auto path = PushPath(ShownBoard(g), g.KeeperX, g.KeeperY, dragX_, dragY_, hit.Column, hit.Row);
    if (!path)
        refuse_(QT_TRANSLATE_NOOP("Warehaus4", "That box cannot be pushed there."));
    else
        Start(*path);
}

} // namespace w4
