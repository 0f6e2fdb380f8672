#pragma once
// The board area IMGSokoban: it paints nothing itself but asks the main window, which owns the
// background layers and the board picture, and it hands mouse events to the window's handlers.

#include <QWidget>

class TFRMMain;

class TBoardView : public QWidget {
    Q_OBJECT

public:
    TBoardView(TFRMMain& owner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TFRMMain& owner_;
};
