#pragma once
// Small pictures of boards for the level list, painted from the level's rows with the tile
// pictures of the moment, each tile scaled down to the thumbnail's cell size. A painter owns
// copies of the tiles, so it can work on any thread while the window changes its own.

#include "render/tiles.h"

#include <QImage>
#include <QSize>

#include <map>
#include <string>
#include <vector>

namespace w4 {

// The largest whole cell size, at most `maxCell`, at which a board of w x h cells fits `box`;
// never below 1.
int ThumbnailCellSize(int width, int height, QSize box, int maxCell);

class ThumbnailPainter {
public:
    // `wallVariants` false paints every wall with the lone-wall tile, as the board does.
    ThumbnailPainter(const TileSet& tiles, bool wallVariants, QSize box, int maxCell = 16);

    // The board of `rows` (XSB characters, 'X' outside) fitted into the box; cells outside the
    // walls are left transparent, or show a skin's outside tile. The keeper is drawn as at the
    // start of a level, facing nowhere. A null image for an empty board.
    QImage Paint(const std::vector<std::string>& rows);

private:
    const TileSet& TilesAt(int cell);

    TileSet tiles_;
    bool wallVariants_;
    QSize box_;
    int maxCell_;
    std::map<int, TileSet> scaled_;   // by cell size, made on first use
};

} // namespace w4
