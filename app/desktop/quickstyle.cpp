#include "app/desktop/quickstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

w4::QuickStartStyle::QuickStartStyle(const QString& baseStyleName)
    : QProxyStyle(baseStyleName)
{
}

QIcon w4::QuickStartStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // A double chevron pointing where the hidden items are.
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = (widget ? widget->palette() : QApplication::palette()).color(QPalette::ButtonText);
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const bool horizontal = which == SP_ToolBarHorizontalExtensionButton;
    const bool mirrored = horizontal && (widget ? widget->layoutDirection() : QApplication::layoutDirection()) == Qt::RightToLeft;
    for (const double at : {4.5, 9.0}) {
        QPolygonF chevron({QPointF(at, 4.5), QPointF(at + 3.5, 8.0), QPointF(at, 11.5)});
        QTransform turn;
        if (!horizontal)
            turn = QTransform(0, 1, 1, 0, 0, 0);   // pointing down
        else if (mirrored)
            turn = QTransform(-1, 0, 0, 1, 16, 0);
        painter.drawPolyline(turn.map(chevron));
    }
    painter.end();
    return QIcon(picture);
}

void w4::UseQuickStartStyle()
{
    QApplication::setStyle(new QuickStartStyle(QApplication::style()->name()));
}
