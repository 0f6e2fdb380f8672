#include "render/displaymodes.h"

#include <QPainter>

namespace w4 {

QRect BoardDisplayRect(QSize picture, QSize area, bool stretch, bool proportional)
{
    const int w = picture.width(), h = picture.height();
    const int cw = area.width(), ch = area.height();
    int width = w, height = h;
    if (stretch || (proportional && (w > cw || h > ch))) {
        if (proportional && w > 0 && h > 0) {
            const double a = static_cast<double>(w) / h;
            if (w > h) {
                width = cw;
                height = static_cast<int>(cw / a);
                if (height > ch) {
                    height = ch;
                    width = static_cast<int>(ch * a);
                }
            } else {
                height = ch;
                width = static_cast<int>(ch * a);
                if (width > cw) {
                    width = cw;
                    height = static_cast<int>(cw / a);
                }
            }
        } else {
            width = cw;
            height = ch;
        }
    }
    // Integer division truncates toward zero, so an oversized picture is cut evenly.
    return QRect((cw - width) / 2, (ch - height) / 2, width, height);
}

QRectF BoardShownRect(QSize picture, QSize area, bool stretch, bool proportional, double pixelRatio)
{
    if (!(pixelRatio > 1.0))
        return QRectF(BoardDisplayRect(picture, area, stretch, proportional));
    const QSize screen(static_cast<int>(area.width() * pixelRatio), static_cast<int>(area.height() * pixelRatio));
    const QRect shown = BoardDisplayRect(picture, screen, stretch, proportional);
    return QRectF(shown.x() / pixelRatio, shown.y() / pixelRatio, shown.width() / pixelRatio,
                  shown.height() / pixelRatio);
}

void DrawBoardPicture(QPainter& painter, const QRect& area, const QImage& displayed, bool stretch, bool proportional,
                      double pixelRatio)
{
    if (displayed.isNull() || area.isEmpty())
        return;
    const QRectF target =
        BoardShownRect(displayed.size(), area.size(), stretch, proportional, pixelRatio).translated(area.topLeft());
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, displayed);
    painter.restore();
}

} // namespace w4
