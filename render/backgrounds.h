#pragma once
// The background behind the board picture: a plain colour, a vertical gradient, a texture
// repeated as a mosaic, or a picture stretched over the area. Pure: the window keeps the result
// and draws it under the board.

#include "core/uglobal.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>

class QPainter;

namespace w4 {

struct BackgroundLayer {
    enum class Kind { Plain, Gradient, Texture, Picture };
    Kind kind = Kind::Plain;
    QColor colour = Qt::black; // Plain: the window's colour
    QImage image;              // Gradient, Texture: the area's size; Picture: its own size
};

// The kind's number in g.BackgroundMode and in the settings: 0 plain, 1 gradient, 2 texture, 3 picture.
constexpr std::int32_t BackgroundModeOf(BackgroundLayer::Kind kind) { return static_cast<std::int32_t>(kind); }

// The mode as painted: below 0 is 0, above 3 is 3.
int ClampBackgroundMode(int mode);

// Row y of an area h rows high has, per channel, trunc(c1 * (h - y) / h + c2 * y / h).
QImage PaintGradient(QSize area, Colour top, Colour bottom);

// Copies of the texture from the area's top-left corner, the last column and row cut off.
QImage PaintMosaic(QSize area, const QImage& texture);

// Builds the background of g.BackgroundMode (clamped and stored so) for an area of that size.
// nullopt means the screen stays as it is: the texture or picture file does not exist or cannot
// be read, as no message is ever shown for a background.
std::optional<BackgroundLayer> PaintBackground(GameState& g, QSize area);

// Draws a layer over 'area': the plain colour fills it, the gradient and mosaic are drawn from
// its top-left corner, the picture is stretched over all of it.
void DrawBackground(QPainter& painter, const QRect& area, const BackgroundLayer& layer);

} // namespace w4
