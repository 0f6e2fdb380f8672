#include "app/boardview.h"

#include "app/fmain.h"

#include <QMouseEvent>
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

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    owner_.Guarded([this, event] {
        owner_.IMGSokobanMouseDown(event->position().toPoint(), event->buttons(), event->modifiers(), false);
    });
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    owner_.Guarded([this, event] {
        owner_.IMGSokobanMouseDown(event->position().toPoint(), event->buttons(), event->modifiers(), true);
    });
}

void TBoardView::mouseMoveEvent(QMouseEvent* event)
{
    owner_.Guarded([this, event] {
        owner_.IMGSokobanMouseMove(event->position().toPoint(), event->buttons(), event->modifiers());
    });
}
