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
                int mask = 0;
                if (wallVariants_) {
                    mask = (At(rows, x - 1, y) == '#' ? 8 : 0) | (At(rows, x, y - 1) == '#' ? 4 : 0) |
                           (At(rows, x + 1, y) == '#' ? 2 : 0) | (At(rows, x, y + 1) == '#' ? 1 : 0);
                }
                tile = &tiles.IMGWalls[static_cast<std::size_t>(mask)];
                break;
            }
            case ' ': tile = &tiles.IMGEmpty; break;
            case '.': tile = &tiles.IMGTarget; break;
            case '$': tile = &tiles.IMGBox1; break;
            case '*': tile = &tiles.IMGBox2; break;
            case '@': tile = &tiles.IMGSokoban1; break;
            case '+': tile = &tiles.IMGSokoban2; break;
            default: break;   // outside the walls, or a character no tile shows
            }
            if (tile != nullptr && !tile->isNull())
                painter.drawImage(x * cell, y * cell, *tile);
        }
    }
    painter.end();
    return picture;
}

} // namespace w4
