#include "render/backgrounds.h"

#include "core/fileio.h"
#include "render/colours.h"
#include "render/pictureload.h"

#include <QPainter>

#include <algorithm>
#include <exception>

namespace w4 {

int ClampBackgroundMode(int mode)
{
    return std::clamp(mode, 0, 3);
}

QImage PaintGradient(QSize area, Colour top, Colour bottom)
{
    if (area.width() <= 0 || area.height() <= 0)
        return QImage();
    QImage image(area, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const double h = area.height();
    const auto channel = [&](Colour c1, Colour c2, int shift, int y) {
        const double a = static_cast<double>((c1 >> shift) & 0xFFu);
        const double b = static_cast<double>((c2 >> shift) & 0xFFu);
        return static_cast<int>(a * (h - y) / h + b * y / h);
    };
    for (int y = 0; y < area.height(); ++y) {
        const QRgb colour = qRgb(channel(top, bottom, 0, y), channel(top, bottom, 8, y), channel(top, bottom, 16, y));
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), area.width(), colour);
    }
    return image;
}

QImage PaintMosaic(QSize area, const QImage& texture)
{
    if (area.width() <= 0 || area.height() <= 0 || texture.isNull())
        return QImage();
    QImage mosaic(area, QImage::Format_RGB32);
    if (mosaic.isNull())
        return mosaic;
    mosaic.fill(Qt::black);
    const int tw = texture.width(), th = texture.height();
    QPainter painter(&mosaic);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i <= area.width() / tw; ++i)
        for (int j = 0; j <= area.height() / th; ++j)
            painter.drawImage(i * tw, j * th, texture);
    return mosaic;
}

std::optional<BackgroundLayer> PaintBackground(GameState& g, QSize area)
{
    g.BackgroundMode = ClampBackgroundMode(g.BackgroundMode);
    try {
        BackgroundLayer layer;
        switch (g.BackgroundMode) {
        case 0:
            layer.kind = BackgroundLayer::Kind::Plain;
            layer.colour = ToQColor(g.BackgroundColor);
            return layer;
        case 1:
            layer.kind = BackgroundLayer::Kind::Gradient;
            layer.image = PaintGradient(area, g.GradientColor1, g.GradientColor2);
            return layer;
        case 2:
            if (!FileExists(g.TextureFile))
                return std::nullopt;
            layer.kind = BackgroundLayer::Kind::Texture;
            layer.image = PaintMosaic(area, LoadPicture(g.TextureFile));
            return layer;
        default:
            if (!FileExists(g.PictureFile))
                return std::nullopt;
            layer.kind = BackgroundLayer::Kind::Picture;
            layer.image = LoadPicture(g.PictureFile);
            return layer;
        }
    } catch (const std::exception&) {
        // A background never interrupts the player: an unreadable file leaves the screen as it was.
        return std::nullopt;
    }
}

void DrawBackground(QPainter& painter, const QRect& area, const BackgroundLayer& layer)
{
    switch (layer.kind) {
    case BackgroundLayer::Kind::Plain:
        painter.fillRect(area, layer.colour);
        break;
    case BackgroundLayer::Kind::Gradient:
    case BackgroundLayer::Kind::Texture:
        if (!layer.image.isNull())
            painter.drawImage(area.topLeft(), layer.image);
        break;
    case BackgroundLayer::Kind::Picture:
        if (!layer.image.isNull()) {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(area, layer.image);
            painter.restore();
        }
        break;
    }
}

} // namespace w4
