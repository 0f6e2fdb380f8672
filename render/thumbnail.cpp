#include "render/thumbnail.h"

#include <QPainter>

#include <algorithm>

namespace w4 {

namespace {

QImage Scaled(const QImage& tile, int cell)
{
    if (tile.isNull())
        return {};
    return tile.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

char At(const std::vector<std::string>& rows, int x, int y)
{
    if (y < 0 || y >= static_cast<int>(rows.size()))
        return 'Z';
    const std::string& row = rows[static_cast<std::size_t>(y)];
    return x < 0 || x >= static_cast<int>(row.size()) ? 'Z' : row[static_cast<std::size_t>(x)];
}

} // namespace

int ThumbnailCellSize(int width, int height, QSize box, int maxCell)
{
    if (width <= 0 || height <= 0)
        return 1;
    const int fit = std::min(box.width() / width, box.height() / height);
    return std::clamp(fit, 1, std::max(1, maxCell));
}

ThumbnailPainter::ThumbnailPainter(const TileSet& tiles, bool wallVariants, QSize box, int maxCell)
    : tiles_(tiles), wallVariants_(wallVariants), box_(box), maxCell_(maxCell)
{
}

const TileSet& ThumbnailPainter::TilesAt(int cell)
{
    const auto found = scaled_.find(cell);
    if (found != scaled_.end())
        return found->second;
    TileSet set;
    set.IMGSokoban1 = Scaled(tiles_.IMGSokoban1, cell);
    set.IMGSokoban2 = Scaled(tiles_.IMGSokoban2, cell);
    set.IMGBox1 = Scaled(tiles_.IMGBox1, cell);
    set.IMGBox2 = Scaled(tiles_.IMGBox2, cell);
    set.IMGEmpty = Scaled(tiles_.IMGEmpty, cell);
    set.IMGTarget = Scaled(tiles_.IMGTarget, cell);
    for (std::size_t mask = 0; mask < set.IMGWalls.size(); ++mask)
        set.IMGWalls[mask] = Scaled(tiles_.IMGWalls[mask], cell);
    for (std::size_t index = 0; index < set.IMGWallsCapped.size(); ++index)
        set.IMGWallsCapped[index] = Scaled(tiles_.IMGWallsCapped[index], cell);
    set.IMGOutside = Scaled(tiles_.IMGOutside, cell);
    return scaled_.emplace(cell, std::move(set)).first->second;
}

QImage ThumbnailPainter::Paint(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    int width = 0;
    for (const std::string& row : rows)
        width = std::max(width, static_cast<int>(row.size()));
    if (width == 0 || height == 0)
        return {};

    const int cell = ThumbnailCellSize(width, height, box_, maxCell_);
    const TileSet& tiles = TilesAt(cell);
    QImage picture(width * cell, height * cell, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QImage* tile = nullptr;
            switch (At(rows, x, y)) {
            case '#': {
                const auto wall = [&](int dx, int dy) { return At(rows, x + dx, y + dy) == '#'; };
                int mask = 0;
                if (wallVariants_)
                    mask = (wall(-1, 0) ? 8 : 0) | (wall(0, -1) ? 4 : 0) | (wall(1, 0) ? 2 : 0) | (wall(0, 1) ? 1 : 0);
                tile = &tiles.IMGWalls[static_cast<std::size_t>(mask)];
                // A skin's cap where a 2 x 2 block of walls meets, as on the board.
                const int corners = (wall(-1, 0) && wall(0, -1) && wall(-1, -1) ? CornerUpLeft : 0) |
                                    (wall(1, 0) && wall(0, -1) && wall(1, -1) ? CornerUpRight : 0) |
                                    (wall(1, 0) && wall(0, 1) && wall(1, 1) ? CornerDownRight : 0) |
                                    (wall(-1, 0) && wall(0, 1) && wall(-1, 1) ? CornerDownLeft : 0);
                const QImage& capped = tiles.IMGWallsCapped[static_cast<std::size_t>(mask | corners << 4)];
                if (wallVariants_ && corners != 0 && !capped.isNull())
                    tile = &capped;
                break;
            }
            case ' ': tile = &tiles.IMGEmpty; break;
            case '.': tile = &tiles.IMGTarget; break;
            case '$': tile = &tiles.IMGBox1; break;
            case '*': tile = &tiles.IMGBox2; break;
            case '@': tile = &tiles.IMGSokoban1; break;
            case '+': tile = &tiles.IMGSokoban2; break;
            case 'X':
            case 'Z':   // a short row ends where the level's rectangle does not
                tile = &tiles.IMGOutside;   // a skin's outside tile; null otherwise: left transparent
                break;
            default: break;   // a character no tile shows
            }
            if (tile != nullptr && !tile->isNull())
                painter.drawImage(x * cell, y * cell, *tile);
        }
    }
    painter.end();
    return picture;
}

} // namespace w4
