#include "render/builtintiles.h"

#include <algorithm>
#include <cmath>

namespace w4 {
namespace {

// A palette for one bevelled object: face, lit edges and shaded edges.
struct Shades {
    QRgb face, light, dark, recess;
};

constexpr Shades Green{qRgb(0, 176, 0), qRgb(120, 255, 120), qRgb(0, 88, 0), qRgb(0, 128, 0)};
constexpr Shades Magenta{qRgb(200, 0, 200), qRgb(255, 128, 255), qRgb(104, 0, 104), qRgb(152, 0, 152)};
constexpr Shades Red{qRgb(200, 32, 32), qRgb(255, 128, 112), qRgb(112, 8, 8), qRgb(160, 16, 16)};
constexpr Shades Yellow{qRgb(232, 208, 0), qRgb(255, 255, 144), qRgb(128, 104, 0), qRgb(192, 168, 0)};

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Grey = qRgb(0x80, 0x80, 0x80);

QImage Blank(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Scales a coordinate on the 16-pixel design grid to the tile size.
int At(int size, int design16)
{
    return static_cast<int>(std::lround(design16 * size / 16.0));
}

// A raised (light top-left, dark bottom-right) or sunken rectangle, bevel 'width' pixels.
void Bevel(QImage& image, QRect r, int width, QRgb face, QRgb topLeft, QRgb bottomRight)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const int dl = x - r.left(), dt = y - r.top(), dr = r.right() - x, db = r.bottom() - y;
            QRgb colour = face;
            // The nearer edge decides; along the diagonals of the top-right and bottom-left
            // corners the lit edge wins, as on a classic raised button.
            const int nearLit = std::min(dl, dt), nearShade = std::min(dr, db);
            if (nearLit < width || nearShade < width)
                colour = nearLit <= nearShade ? topLeft : bottomRight;
            image.setPixel(x, y, colour);
        }
    }
}

void Raised(QImage& image, QRect r, int width, const Shades& s) { Bevel(image, r, width, s.face, s.light, s.dark); }
void Sunken(QImage& image, QRect r, int width, const Shades& s) { Bevel(image, r, width, s.recess, s.dark, s.light); }

QRect DesignRect(int size, int left, int top, int right, int bottom) // inclusive, 16-pixel grid
{
    const int l = At(size, left), t = At(size, top);
    return QRect(QPoint(l, t), QPoint(std::max(l, At(size, right + 1) - 1), std::max(t, At(size, bottom + 1) - 1)));
}

} // namespace

QImage DrawKeeperTile(int size, bool onTarget)
{
    const Shades& s = onTarget ? Magenta : Green;
    const int bevel = std::max(1, size / 8);
    const int inset = std::max(1, size / 16);
    QImage image = Blank(size, Black);
    Raised(image, DesignRect(size, 1, 1, 14, 14), bevel, s);
    Sunken(image, DesignRect(size, 4, 4, 7, 7), inset, s);
    Sunken(image, DesignRect(size, 8, 4, 11, 7), inset, s);
    Sunken(image, DesignRect(size, 4, 9, 11, 11), inset, s);
    return image;
}

QImage DrawCrateTile(int size, bool onTarget)
{
    const Shades& s = onTarget ? Yellow : Red;
    const int bevel = std::max(1, size / 8);
    const int inset = std::max(1, size / 16);
    QImage image = Blank(size, Black);
    Raised(image, QRect(0, 0, size, size), bevel, s);
    Sunken(image, DesignRect(size, 3, 3, 6, 6), inset, s);
    Sunken(image, DesignRect(size, 9, 3, 12, 6), inset, s);
    Sunken(image, DesignRect(size, 3, 9, 6, 12), inset, s);
    Sunken(image, DesignRect(size, 9, 9, 12, 12), inset, s);
    return image;
}

QImage DrawFloorTile(int size)
{
    return Blank(size, Black);
}

QImage DrawTargetTile(int size)
{
    QImage image = Blank(size, Black);
    // Two diagonals, two design pixels thick, blue at the tips turning cyan at the centre.
    const int margin = At(size, 3);
    const int thickness = std::max(1, size / 8);
    const double centre = (size - 1) / 2.0;
    for (int y = margin; y < size - margin; ++y) {
        for (int x = margin; x < size - margin; ++x) {
            const bool onMain = std::abs(x - y) < thickness;
            const bool onAnti = std::abs(x + y - (size - 1)) < thickness;
            if (!onMain && !onAnti)
                continue;
            const double reach = centre - margin;
            const double t = reach > 0 ? std::clamp(std::max(std::abs(x - centre), std::abs(y - centre)) / reach, 0.0, 1.0) : 0.0;
            const int green = static_cast<int>(std::lround(255 * (1.0 - t)));
            image.setPixel(x, y, qRgb(0, std::max(green, 48), 255));
        }
    }
    return image;
}

QImage DrawWallTile(int size, int mask)
{
    QImage image = Blank(size, Silver);
    const int bevel = std::max(1, size / 8);
    const bool openLeft = !(mask & 8), openUp = !(mask & 4), openRight = !(mask & 2), openDown = !(mask & 1);
    const int far = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Distance to each open edge; a joined edge has no bevel, so the face runs on into
            // the neighbouring wall.
            const int dl = openLeft ? x : far, dt = openUp ? y : far;
            const int dr = openRight ? size - 1 - x : far, db = openDown ? size - 1 - y : far;
            const int nearLit = std::min(dl, dt), nearShade = std::min(dr, db);
            if (nearLit >= bevel && nearShade >= bevel)
                continue;
            image.setPixel(x, y, nearLit <= nearShade ? White : Grey);
        }
    }
    return image;
}

TileSet BuiltInTileSet(int size)
{
    TileSet set;
    set.IMGSokoban1 = DrawKeeperTile(size, false);
    set.IMGSokoban2 = DrawKeeperTile(size, true);
    set.IMGBox1 = DrawCrateTile(size, false);
    set.IMGBox2 = DrawCrateTile(size, true);
    set.IMGEmpty = DrawFloorTile(size);
    set.IMGTarget = DrawTargetTile(size);
    for (int mask = 0; mask < 16; ++mask)
        set.IMGWalls[static_cast<std::size_t>(mask)] = DrawWallTile(size, mask);
    return set;
}

} // namespace w4
