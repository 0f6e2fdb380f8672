#pragma once
// Where the board picture goes in the board area: at its own size, scaled with its proportions
// kept, or stretched; always centred, scaled by whole pixels, colour-keyed.

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace w4 {

// The rectangle, relative to the area's top-left corner, in which a picture of size 'picture'
// is shown in an area of size 'area'. A picture larger than the area gets negative offsets.
QRect BoardDisplayRect(QSize picture, QSize area, bool stretch, bool proportional);

// Draws the displayed (colour-keyed) board picture into 'area' without smoothing.
void DrawBoardPicture(QPainter& painter, const QRect& area, const QImage& displayed, bool stretch, bool proportional);

} // namespace w4
