#include "app/window/boardview.h"

#include "app/window/fmain.h"
#include "app/window/startuptrace.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QPainter>

TBoardView::TBoardView(TFRMMain& owner, QWidget* parent)
    : QWidget(parent)
    , owner_(owner)
{
    setObjectName(QStringLiteral("IMGSokoban"));
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted by the window (background, then the board), so Qt need not clear.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void TBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    owner_.IMGSokobanPaint(painter);
    static bool first = true;
    if (first) {
        first = false;
        w4::StartupMark("first paint of the board");
    }
    owner_.BoardPainted();
}

void TBoardView::SetFormColor(const QColor& colour)
{
    formColor_ = colour;
    update();
}

// The board area changes size with the window, and also when panels appear or vanish (full
// screen, a mode's panel): the background is rebuilt for every such change.
void TBoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    owner_.Guarded([this] { owner_.FormResize(); });
}

// Qt delivers the second press of a double click as an ordinary press followed by a
// double-click event. The board's rules want that second press to carry the double-click mark
// (so a double click makes one step, not two), so the press itself is recognised here and the
// later double-click event adds nothing.
bool TBoardView::IsSecondPressOfDoubleClick(const QMouseEvent& event)
{
    // Event timestamps, as Qt's own double-click detection uses, not the wall clock.
    const QPoint position = event.position().toPoint();
    const QStyleHints* hints = QGuiApplication::styleHints();
    const bool second = lastPressButton_ == event.button() && event.timestamp() >= lastPressTimestamp_
        && event.timestamp() - lastPressTimestamp_ < static_cast<quint64>(hints->mouseDoubleClickInterval())
        && (position - lastPressPosition_).manhattanLength() <= hints->mouseDoubleClickDistance();
    // A third press starts a new click.
    lastPressButton_ = second ? Qt::NoButton : event.button();
    lastPressTimestamp_ = event.timestamp();
    lastPressPosition_ = position;
    return second;
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    const bool doubleClick = IsSecondPressOfDoubleClick(*event);
    owner_.Guarded([this, event, doubleClick] {
        owner_.IMGSokobanMouseDown(event->position().toPoint(), event->buttons(), event->modifiers(), doubleClick);
    });
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent*) {}

void TBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    owner_.Guarded([this, event] {
        owner_.IMGSokobanMouseUp(event->position().toPoint(), event->button(), event->modifiers());
    });
}

void TBoardView::mouseMoveEvent(QMouseEvent* event)
{
    owner_.Guarded([this, event] {
        owner_.IMGSokobanMouseMove(event->position().toPoint(), event->buttons(), event->modifiers());
    });
}
