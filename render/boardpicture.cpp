#include "render/boardpicture.h"

#include "render/builtintiles.h"
#include "render/colours.h"
#include "render/ugraphics.h"

#include <algorithm>
#include <cstring>

namespace w4 {
namespace {

// A state holding an impossible tile size still paints a sane picture.
int SafeTile(int size) { return std::clamp(size, MinTileSize, MaxTileSize); }
int SafeCount(int cells) { return std::clamp(cells, 0, MaxLevelSize); }

bool InsideLevel(const GameState& g, int x, int y)
{
    return x >= 0 && y >= 0 && x < SafeCount(g.LevelWidth) && y < SafeCount(g.LevelHeight);
}

QRect CellRect(const GameState& g, int x, int y)
{
    const int tw = SafeTile(g.TileWidth), th = SafeTile(g.TileHeight);
    return QRect(x * tw + 1, y * th + 1, tw, th);
}

// The tile of a keeper: facing the way of the move that led to the shown position where the
// skin has such tiles, else the plain one.
const QImage& KeeperTile(const GameState& g, const TileSet& tiles, bool onTarget)
{
    const QImage& plain = onTarget ? tiles.IMGSokoban2 : tiles.IMGSokoban1;
    const int facing = KeeperFacing(g);
    if (facing < 0)
        return plain;
    const QImage& turned = (onTarget ? tiles.IMGSokoban2Facing : tiles.IMGSokoban1Facing)[static_cast<std::size_t>(facing)];
    return turned.isNull() ? plain : turned;
}

} // namespace

int KeeperFacing(const GameState& g)
{
    // Each record keeps the letter of the move made from it, so the move into the shown position
    // is the previous record's.
    const int previous = g.HistoryIndex - 1;
    if (previous < 0 || previous >= static_cast<int>(g.SnapshotHistory.size()))
        return -1;
    switch (g.SnapshotHistory.MoveLetter(static_cast<std::size_t>(previous))) {
    case 'u': case 'U': return FacingUp;
    case 'l': case 'L': return FacingLeft;
    case 'd': case 'D': return FacingDown;
    case 'r': case 'R': return FacingRight;
    default: return -1;
    }
}

int WallCorners(const GameState& g, int x, int y)
{
    const auto wall = [&](int dx, int dy) { return CellAt(g, x + dx, y + dy) == '#'; };
    int corners = 0;
    if (wall(-1, 0) && wall(0, -1) && wall(-1, -1))
        corners |= CornerUpLeft;
    if (wall(1, 0) && wall(0, -1) && wall(1, -1))
        corners |= CornerUpRight;
    if (wall(1, 0) && wall(0, 1) && wall(1, 1))
        corners |= CornerDownRight;
    if (wall(-1, 0) && wall(0, 1) && wall(-1, 1))
        corners |= CornerDownLeft;
    return corners;
}

int WallMask(const GameState& g, int x, int y)
{
    int mask = 0;
    if (CellAt(g, x - 1, y) == '#')
        mask |= 8;
    if (CellAt(g, x, y - 1) == '#')
        mask |= 4;
    if (CellAt(g, x + 1, y) == '#')
        mask |= 2;
    if (CellAt(g, x, y + 1) == '#')
        mask |= 1;
    return mask;
}

BoardPicture::BoardPicture()
    : tiles_(BuiltInTileSet(16))
    , image_(2, 2, QImage::Format_RGB32)
{
    tiles_.IMGNone = QImage(16, 16, QImage::Format_RGB32);
    tiles_.IMGNone.fill(ToQRgb(0));
    image_.fill(ToQRgb(0));
    dirty_ = image_.rect();
}

void BoardPicture::Touch(const QRect& area)
{
    dirty_ = dirty_.united(area.intersected(image_.rect()));
}

void BoardPicture::PaintAll(const GameState& g)
{
    const int width = SafeCount(g.LevelWidth) * SafeTile(g.TileWidth) + 2;
    const int height = SafeCount(g.LevelHeight) * SafeTile(g.TileHeight) + 2;
    if (image_.width() != width || image_.height() != height)
        image_ = QImage(width, height, QImage::Format_RGB32);
    if (image_.isNull())
        return;

    // White interior inside a one-pixel frame of the transparency colour.
    image_.fill(qRgb(255, 255, 255));
    const QRgb frame = ToQRgb(g.TransparencyColor);
    for (int x = 0; x < width; ++x) {
        image_.setPixel(x, 0, frame);
        image_.setPixel(x, height - 1, frame);
    }
    for (int y = 0; y < height; ++y) {
        image_.setPixel(0, y, frame);
        image_.setPixel(width - 1, y, frame);
    }
    Touch(image_.rect());

    for (int y = 0; y < SafeCount(g.LevelHeight); ++y)
        for (int x = 0; x < SafeCount(g.LevelWidth); ++x)
            DrawCell(g, x, y);
}

void BoardPicture::CopyTile(const QImage& tile, int x, int y)
{
    if (tile.isNull() || image_.isNull())
        return;
    const QImage rgb = tile.format() == QImage::Format_RGB32 ? tile : tile.convertToFormat(QImage::Format_RGB32);
    const int left = x, top = y;
    // Tiles keep their own size: a larger one runs into the next cells and is cut at the edge.
    const QRect target = QRect(left, top, rgb.width(), rgb.height()).intersected(image_.rect());
    if (target.isEmpty())
        return;
    const auto bytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
    for (int row = target.top(); row <= target.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(rgb.constScanLine(row - top)) + (target.left() - left);
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(row)) + target.left();
        std::memcpy(to, from, bytes);
    }
    Touch(target);
}

void BoardPicture::DrawCell(const GameState& g, int x, int y)
{
    if (!InsideLevel(g, x, y))
        return;
    const QRect cell = CellRect(g, x, y);
    switch (CellAt(g, x, y)) {
    case '#': DrawWall(g, x, y); break;
    case ' ': CopyTile(tiles_.IMGEmpty, cell.left(), cell.top()); break;
    case '.': CopyTile(tiles_.IMGTarget, cell.left(), cell.top()); break;
    case '$': CopyTile(tiles_.IMGBox1, cell.left(), cell.top()); break;
    case '*': CopyTile(tiles_.IMGBox2, cell.left(), cell.top()); break;
    case '@': CopyTile(KeeperTile(g, tiles_, false), cell.left(), cell.top()); break;
    case '+': CopyTile(KeeperTile(g, tiles_, true), cell.left(), cell.top()); break;
    case 'X':
        CopyTile(tiles_.IMGOutside.isNull() ? tiles_.IMGNone : tiles_.IMGOutside, cell.left(), cell.top());
        break;
    default: break; // no tile: the cell keeps its pixels
    }

    if (g.GameMode != ModeEditor)
        return;
    // Walls next to an edited cell take their new tiles at once.
    static constexpr int Around[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
    for (const auto& d : Around)
        if (CellAt(g, x + d[0], y + d[1]) == '#')
            DrawWall(g, x + d[0], y + d[1]);
    DrawCellOutline(g, x, y);
}

void BoardPicture::DrawWall(const GameState& g, int x, int y)
{
    if (!InsideLevel(g, x, y))
        return;
    const int mask = g.WallVariants ? WallMask(g, x, y) : 0;
    const QRect cell = CellRect(g, x, y);
    // A skin's cap lies over the corners where a 2 x 2 block of walls meets; its quarters are part
    // of the four cells' tiles, so each wall cell is still one copy.
    const QImage* tile = &tiles_.IMGWalls[static_cast<std::size_t>(mask)];
    if (g.WallVariants && tiles_.Skin) {
        const int corners = WallCorners(g, x, y);
        const QImage& capped = tiles_.IMGWallsCapped[static_cast<std::size_t>(mask | corners << 4)];
        if (corners != 0 && !capped.isNull())
            tile = &capped;
    }
    CopyTile(*tile, cell.left(), cell.top());
    if (g.GameMode == ModeEditor)
        DrawCellOutline(g, x, y);
}

void BoardPicture::DrawCellOutline(const GameState& g, int x, int y)
{
    if (!InsideLevel(g, x, y) || image_.isNull())
        return;
    // The closed polyline through the cell's four corner pixels, clipped to the picture.
    const QRect cell = CellRect(g, x, y);
    const QRect visible = cell.intersected(image_.rect());
    if (visible.isEmpty())
        return;
    const QRgb pen = ToQRgb(g.GridColor);
    for (const int row : {cell.top(), cell.bottom()})
        if (row >= visible.top() && row <= visible.bottom())
            std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(row)) + visible.left(), visible.width(), pen);
    for (int row = visible.top(); row <= visible.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (const int column : {cell.left(), cell.right()})
            if (column >= visible.left() && column <= visible.right())
                line[column] = pen;
    }
    Touch(cell);
}

QRgb BoardPicture::KeyColour() const
{
    if (image_.isNull())
        return qRgb(0, 0, 0);
    return image_.pixel(0, image_.height() - 1);
}

const QImage& BoardPicture::DisplayImage() const
{
    const QRgb key = KeyColour();
    if (display_.size() != image_.size() || key != displayKey_) {
        display_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
        dirty_ = image_.rect();
        displayKey_ = key;
    }
    if (display_.isNull() || dirty_.isEmpty())
        return display_;
    const QRgb keyColour = key & 0x00FFFFFFu;
    for (int row = dirty_.top(); row <= dirty_.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(image_.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(display_.scanLine(row));
        for (int px = dirty_.left(); px <= dirty_.right(); ++px) {
            const QRgb colour = from[px] & 0x00FFFFFFu;
            to[px] = colour == keyColour ? 0u : (colour | 0xFF000000u);
        }
    }
    dirty_ = QRect();
    return display_;
}

} // namespace w4
