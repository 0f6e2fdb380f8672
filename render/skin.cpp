#include "render/skin.h"

#include "render/colours.h"
#include "render/pictureload.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <utility>

namespace w4 {
namespace {

constexpr int Columns = 4;

enum SkinTile {
    TileFloor = 0, TileKeeper = 1, TileBox = 2, TileTarget = 4, TileKeeperOnTarget = 5, TileBoxOnTarget = 6,
    TileWallAll = 8, TileWallAcross = 9, TileCap = 10, TileOutside = 11, TileWallUpDown = 12, TileWallAlone = 13,
    TileFacing = 16, TileFacingOnTarget = 20,
};

// Below half opacity a pixel lets the background through; the board's see-through is all or nothing.
constexpr int VisibleAlpha = 128;

[[noreturn]] void Refuse(const std::string& path, const std::string& why)
{
    throw SkinError("Cannot load the skin \"" + path + "\": " + why + ".");
}

bool ValidRows(int rows)
{
    return rows == 4 || rows == 6 || rows == 8 || rows == 10;
}

bool HasVisiblePixel(const QImage& argb)
{
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) >= VisibleAlpha)
                return true;
    }
    return false;
}

// The average colour of the visible pixels; none for a tile that shows nothing.
std::optional<std::array<double, 3>> MeanColour(const QImage& argb)
{
    std::array<double, 3> sum{};
    long count = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) < VisibleAlpha)
                continue;
            sum[0] += qRed(row[x]);
            sum[1] += qGreen(row[x]);
            sum[2] += qBlue(row[x]);
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    for (double& channel : sum)
        channel /= static_cast<double>(count);
    return sum;
}

double ColourDistance(const std::optional<std::array<double, 3>>& a, const std::optional<std::array<double, 3>>& b)
{
    if (!a || !b)
        return 1e9;
    return std::abs((*a)[0] - (*b)[0]) + std::abs((*a)[1] - (*b)[1]) + std::abs((*a)[2] - (*b)[2]);
}

// 'top' laid over 'bottom', both ARGB32.
QImage Over(const QImage& bottom, const QImage& top)
{
    QImage result = bottom.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.drawImage(0, 0, top);
    painter.end();
    return result.convertToFormat(QImage::Format_ARGB32);
}

// A skin tile as the colour-keyed board paints it: a pixel under half opacity becomes the key
// colour, any other keeps its own colour; an opaque pixel that happens to have the key colour is
// moved off it by one step of blue, so an opaque skin shows the background nowhere.
QImage FlattenSkinTile(const QImage& argb, Colour transparency)
{
    if (argb.isNull())
        return {};
    const QRgb key = ToQRgb(transparency) & 0x00FFFFFFu;
    QImage flat(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            QRgb colour = from[x] & 0x00FFFFFFu;
            if (qAlpha(from[x]) < VisibleAlpha)
                colour = key;
            else if (colour == key)
                colour ^= 1u;
            to[x] = colour | 0xFF000000u;
        }
    }
    return flat;
}

// The corner bits a wall mask allows: a corner can be the meeting point of a 2 x 2 block only
// where the cell joins walls on both of its sides.
int CornersAllowed(int mask)
{
    int corners = 0;
    if ((mask & 8) && (mask & 4))
        corners |= CornerUpLeft;
    if ((mask & 2) && (mask & 4))
        corners |= CornerUpRight;
    if ((mask & 2) && (mask & 1))
        corners |= CornerDownRight;
    if ((mask & 8) && (mask & 1))
        corners |= CornerDownLeft;
    return corners;
}

} // namespace

std::optional<SkinGrid> SkinGridFor(int width, int height)
{
    if (width <= 0 || height <= 0 || width % Columns != 0)
        return std::nullopt;
    const int tileWidth = width / Columns;
    if (height % tileWidth == 0 && ValidRows(height / tileWidth))
        return SkinGrid{height / tileWidth, tileWidth, tileWidth};
    for (const int rows : {4, 6})
        if (height % rows == 0)
            return SkinGrid{rows, tileWidth, height / rows};
    return std::nullopt;
}

QImage SkinSheet::Tile(int number) const
{
    QImage tile;
    if (number >= 0 && number < Grid.Rows * Columns)
        tile = Picture.copy((number % Columns) * Grid.TileWidth, (number / Columns) * Grid.TileHeight, Grid.TileWidth,
                            Grid.TileHeight);
    if (tile.isNull()) {
        tile = QImage(std::max(1, Grid.TileWidth), std::max(1, Grid.TileHeight), QImage::Format_ARGB32);
        tile.fill(Qt::transparent);
    }
    return tile.convertToFormat(QImage::Format_ARGB32);
}

bool LooksLikeFacingKeeper(const SkinSheet& sheet)
{
    if (sheet.Grid.Rows != 8)
        return sheet.Grid.Rows == 6 || sheet.Grid.Rows == 10;
    // Animation strips run keeper, keeper on target, box, box on target; the facing keeper's rows
    // show the keeper throughout. So the third row decides: nearer the box, it is a strip.
    const auto box = MeanColour(sheet.Tile(TileBox));
    const auto keeper = MeanColour(sheet.Tile(TileKeeper));
    const auto boxOnTarget = MeanColour(sheet.Tile(TileBoxOnTarget));
    const auto keeperOnTarget = MeanColour(sheet.Tile(TileKeeperOnTarget));
    double towardsBox = 0, towardsKeeper = 0;
    for (int column = 0; column < Columns; ++column) {
        const auto third = MeanColour(sheet.Tile(6 * Columns + column));
        const auto fourth = MeanColour(sheet.Tile(7 * Columns + column));
        towardsBox += ColourDistance(third, box) + ColourDistance(fourth, boxOnTarget);
        towardsKeeper += ColourDistance(third, keeper) + ColourDistance(fourth, keeperOnTarget);
    }
    return !(towardsBox < towardsKeeper);
}

SkinSheet ReadSkin(const std::string& path, EightRowSkins choice)
{
    const std::string ext = LowerExtension(path);
    if (ext != "png" && ext != "bmp")
        Refuse(path, "a skin is a PNG or BMP picture");
    const std::string bytes = ReadPictureFile(path);
    // The grid is settled from the header: a picture no grid fits is never decoded.
    const QSize size = PictureHeaderSize(bytes, ext, path);
    const std::optional<SkinGrid> grid = SkinGridFor(size.width(), size.height());
    const std::string measured = std::to_string(size.width()) + " x " + std::to_string(size.height()) + " pixels";
    if (!grid)
        Refuse(path, "the picture is " + measured +
                         ", which no skin grid fits (four columns of tiles in 4, 6, 8 or 10 rows, or non-square "
                         "tiles in 4 or 6 rows)");
    if (grid->TileWidth > MaxTileSize || grid->TileHeight > MaxTileSize || grid->TileWidth < MinTileSize ||
        grid->TileHeight < MinTileSize)
        Refuse(path, "its tiles are " + std::to_string(grid->TileWidth) + " x " + std::to_string(grid->TileHeight) +
                         " pixels, outside the " + std::to_string(MinTileSize) + " .. " + std::to_string(MaxTileSize) +
                         " pixels a side the board takes");

    SkinSheet sheet;
    sheet.Path = path;
    sheet.Grid = *grid;
    sheet.Picture = DecodePicture(bytes, ext, path).convertToFormat(QImage::Format_ARGB32);
    if (sheet.Picture.size() != size)
        Refuse(path, "the picture decodes to another size than its header gives");
    sheet.FacingGuess = LooksLikeFacingKeeper(sheet);
    sheet.FacingKeeper = sheet.FacingGuess;
    if (sheet.Grid.Rows == 8 && choice != EightRowSkins::Guess)
        sheet.FacingKeeper = choice == EightRowSkins::FacingKeeper;
    return sheet;
}

QImage ComposeSkinWall(const SkinSheet& sheet, int mask)
{
    const int w = sheet.Grid.TileWidth, h = sheet.Grid.TileHeight;
    const int splitX = w / 2, splitY = h / 2;
    // The tile joined on the quarter's two sides, by (joined sideways, joined up or down).
    const auto source = [&](bool sideways, bool vertically) {
        if (sideways && vertically)
            return TileWallAll;
        if (sideways)
            return TileWallAcross;
        return vertically ? TileWallUpDown : TileWallAlone;
    };
    const struct {
        QRect Area;
        bool Sideways, Vertically;
    } quarters[] = {
        {QRect(0, 0, splitX, splitY), (mask & 8) != 0, (mask & 4) != 0},
        {QRect(splitX, 0, w - splitX, splitY), (mask & 2) != 0, (mask & 4) != 0},
        {QRect(0, splitY, splitX, h - splitY), (mask & 8) != 0, (mask & 1) != 0},
        {QRect(splitX, splitY, w - splitX, h - splitY), (mask & 2) != 0, (mask & 1) != 0},
    };
    QImage wall(w, h, QImage::Format_ARGB32);
    wall.fill(Qt::transparent);
    for (const auto& quarter : quarters) {
        if (quarter.Area.isEmpty())
            continue;
        const QImage from = sheet.Tile(source(quarter.Sideways, quarter.Vertically));
        for (int y = quarter.Area.top(); y <= quarter.Area.bottom(); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(from.constScanLine(y)) + quarter.Area.left(), quarter.Area.width(),
                        reinterpret_cast<QRgb*>(wall.scanLine(y)) + quarter.Area.left());
    }
    return wall;
}

QImage ComposeCappedWall(const SkinSheet& sheet, int mask, int corners)
{
    QImage wall = ComposeSkinWall(sheet, mask);
    if (corners == 0)
        return wall;
    const int w = sheet.Grid.TileWidth, h = sheet.Grid.TileHeight;
    const QImage cap = sheet.Tile(TileCap);
    const struct {
        int Bit, X, Y;
    } points[] = {{CornerUpLeft, 0, 0}, {CornerUpRight, w, 0}, {CornerDownRight, w, h}, {CornerDownLeft, 0, h}};
    QImage result = wall.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setClipRect(result.rect());
    for (const auto& point : points)
        if (corners & point.Bit)
            painter.drawImage(point.X - w / 2, point.Y - h / 2, cap);
    painter.end();
    return result.convertToFormat(QImage::Format_ARGB32);
}

void LayOutSkinTiles(const GameState& g, TileSet& tiles)
{
    if (!tiles.Skin)
        return;
    const SkinSheet& sheet = *tiles.Skin;
    const Colour key = g.TransparencyColor;
    // Objects stand on the floor, as the programs that draw these skins paint them: a keeper or box
    // tile with see-through surroundings shows the floor or the target around it.
    const QImage floor = sheet.Tile(TileFloor);
    const QImage target = Over(floor, sheet.Tile(TileTarget));
    tiles.IMGEmpty = FlattenSkinTile(floor, key);
    tiles.IMGTarget = FlattenSkinTile(target, key);
    tiles.IMGSokoban1 = FlattenSkinTile(Over(floor, sheet.Tile(TileKeeper)), key);
    tiles.IMGSokoban2 = FlattenSkinTile(Over(target, sheet.Tile(TileKeeperOnTarget)), key);
    tiles.IMGBox1 = FlattenSkinTile(Over(floor, sheet.Tile(TileBox)), key);
    tiles.IMGBox2 = FlattenSkinTile(Over(target, sheet.Tile(TileBoxOnTarget)), key);
    tiles.SeeThrough = {};

    for (int facing = 0; facing < FacingCount; ++facing) {
        const auto at = static_cast<std::size_t>(facing);
        tiles.IMGSokoban1Facing[at] =
            sheet.FacingKeeper ? FlattenSkinTile(Over(floor, sheet.Tile(TileFacing + facing)), key) : QImage();
        tiles.IMGSokoban2Facing[at] =
            sheet.FacingKeeper ? FlattenSkinTile(Over(target, sheet.Tile(TileFacingOnTarget + facing)), key) : QImage();
    }

    const bool capped = HasVisiblePixel(sheet.Tile(TileCap));
    for (int mask = 0; mask < 16; ++mask) {
        tiles.IMGWalls[static_cast<std::size_t>(mask)] = FlattenSkinTile(ComposeSkinWall(sheet, mask), key);
        const int allowed = CornersAllowed(mask);
        for (int corners = 1; corners < 16; ++corners) {
            QImage& slot = tiles.IMGWallsCapped[static_cast<std::size_t>(mask | corners << 4)];
            slot = capped && (corners & ~allowed) == 0 ? FlattenSkinTile(ComposeCappedWall(sheet, mask, corners), key)
                                                       : QImage();
        }
    }

    const QImage outside = sheet.Tile(TileOutside);
    tiles.IMGOutside = HasVisiblePixel(outside) ? FlattenSkinTile(outside, key) : QImage();
}

void ApplySkin(GameState& g, TileSet& tiles, std::shared_ptr<const SkinSheet> sheet)
{
    if (!sheet)
        return;
    g.TileWidth = sheet->Grid.TileWidth;
    g.TileHeight = sheet->Grid.TileHeight;
    g.WallVariants = true;
    g.SkinFile = sheet->Path;
    tiles.Skin = std::move(sheet);
    // Lays the skin out and makes the see-through tile of the new size.
    BuildNoneTile(g, tiles);
}

void LoadSkin(GameState& g, TileSet& tiles, const std::string& path)
{
    const int choice = std::clamp(g.SkinEightRows, 0, 2);
    auto sheet = std::make_shared<SkinSheet>(ReadSkin(path, static_cast<EightRowSkins>(choice)));
    ApplySkin(g, tiles, std::move(sheet));
}

void ChooseEightRowSkins(GameState& g, TileSet& tiles, EightRowSkins choice)
{
    g.SkinEightRows = static_cast<std::int32_t>(choice);
    if (!tiles.Skin || tiles.Skin->Grid.Rows != 8)
        return;
    auto sheet = std::make_shared<SkinSheet>(*tiles.Skin);
    sheet->FacingKeeper = choice == EightRowSkins::Guess ? sheet->FacingGuess : choice == EightRowSkins::FacingKeeper;
    tiles.Skin = std::move(sheet);
    LayOutSkinTiles(g, tiles);
}

bool HasEightRowSkin(const TileSet& tiles) { return tiles.Skin && tiles.Skin->Grid.Rows == 8; }

bool ShowsFacingKeeper(const TileSet& tiles) { return HasEightRowSkin(tiles) && tiles.Skin->FacingKeeper; }

bool SwapEightRowReading(GameState& g, TileSet& tiles)
{
    if (!HasEightRowSkin(tiles))
        return false;
    ChooseEightRowSkins(g, tiles, ShowsFacingKeeper(tiles) ? EightRowSkins::AnimationStrips : EightRowSkins::FacingKeeper);
    return true;
}

void ClearSkinTiles(GameState& g, TileSet& tiles)
{
    tiles.IMGSokoban1Facing = {};
    tiles.IMGSokoban2Facing = {};
    tiles.IMGWallsCapped = {};
    tiles.IMGOutside = QImage();
    tiles.Skin.reset();
    g.SkinFile.clear();
}

bool IsSkinFileName(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    return ext == "png" || ext == "bmp";
}

} // namespace w4
