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

void DrawBoardPicture(QPainter& painter, const QRect& area, const QImage& displayed, bool stretch, bool proportional)
{
    if (displayed.isNull() || area.isEmpty())
        return;
    const QRect target = BoardDisplayRect(displayed.size(), area.size(), stretch, proportional).translated(area.topLeft());
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, displayed);
    painter.restore();
}

} // namespace w4
