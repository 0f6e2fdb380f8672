#pragma once
// Where the board picture goes in the board area: at its own size, scaled with its proportions
// kept, or stretched; always centred, scaled by whole pixels, colour-keyed.

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

namespace w4 {

// The rectangle, relative to the area's top-left corner, in which a picture of size 'picture'
// is shown in an area of size 'area'. A picture larger than the area gets negative offsets.
QRect BoardDisplayRect(QSize picture, QSize area, bool stretch, bool proportional);

// Where the picture is drawn in an area of 'area' logical pixels on a screen of 'pixelRatio'
// device pixels to a logical one, relative to the area's top-left corner: above a ratio of 1 the
// modes work on the screen's own pixels, so a picture at its size shows one of its pixels on one
// pixel of the screen (a large tile set or skin stays sharp). At a ratio of 1, BoardDisplayRect.
QRectF BoardShownRect(QSize picture, QSize area, bool stretch, bool proportional, double pixelRatio);

// Draws the displayed (colour-keyed) board picture into 'area' without smoothing.
void DrawBoardPicture(QPainter& painter, const QRect& area, const QImage& displayed, bool stretch, bool proportional,
                      double pixelRatio = 1.0);

} // namespace w4
