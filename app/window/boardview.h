#pragma once
// The board area IMGSokoban: it paints nothing itself but asks the main window, which owns the
// background layers and the board picture, and it hands mouse events to the window's handlers.

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QWidget>

class TFRMMain;

class TBoardView : public QWidget {
    Q_OBJECT

public:
    TBoardView(TFRMMain& owner, QWidget* parent);

    // The window's own colour: what shows where no background layer covers the area.
    QColor FormColor() const { return formColor_; }
    void SetFormColor(const QColor& colour);

    // The area size the background layers were last built for: the window and the board area
    // both report a resize, and the background is rebuilt only for a size it was not built for.
    QSize BackgroundArea() const { return backgroundArea_; }
    void SetBackgroundArea(QSize area) { backgroundArea_ = area; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // True when this press is the second press of a double click.
    bool IsSecondPressOfDoubleClick(const QMouseEvent& event);

    TFRMMain& owner_;
    QColor formColor_ = Qt::black;
    QSize backgroundArea_;
    // The last press, to recognise the second press of a double click when it arrives.
    quint64 lastPressTimestamp_ = 0;
    QPoint lastPressPosition_;
    Qt::MouseButton lastPressButton_ = Qt::NoButton;
};
