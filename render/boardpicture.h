#pragma once
// The board picture: every cell a copy of its tile, inside a one-pixel frame of the
// transparency colour. Cell (x, y) starts at pixel (x * TileWidth + 1, y * TileHeight + 1).
// The window shows it colour-keyed: every pixel of the bottom-left pixel's colour is left out.
//
// These functions only paint. The keeper position and the census belong to the core, which
// calls them in the order of its rules.

#include "core/uglobal.h"
#include "render/tiles.h"

#include <QImage>
#include <QRect>

namespace w4 {

class BoardPicture {
public:
    // Starts with the built-in tiles (see-through tile included) and an empty 2 x 2 picture.
    BoardPicture();

    TileSet& Tiles() { return tiles_; }
    const TileSet& Tiles() const { return tiles_; }

    // The whole picture: resized to the level, frame and white interior, then every cell,
    // rows outer and columns inner. In the editor this also repaints neighbouring walls and
    // outlines every cell.
    void PaintAll(const GameState& g);

    // One cell from its character; nothing outside the level. In the editor the eight
    // neighbours that are walls are repainted and the cell gets its grid outline.
    void DrawCell(const GameState& g, int x, int y);
    // A wall cell with the tile of its neighbour mask (IMG0000 when WallVariants is false); with a
    // skin, the tile that also carries the cap on its corners inside 2 x 2 blocks of walls.
    void DrawWall(const GameState& g, int x, int y);
    // The one-pixel GridColor outline on the cell's own outermost pixels.
    void DrawCellOutline(const GameState& g, int x, int y);

    const QImage& Image() const { return image_; }

    // The key colour: the bottom-left pixel, always a frame pixel.
    QRgb KeyColour() const;

    // The picture as shown: premultiplied ARGB with every key-coloured pixel fully transparent.
    // Kept between calls and brought up to date only where cells were painted since.
    const QImage& DisplayImage() const;

private:
    void CopyTile(const QImage& tile, int x, int y);
    void Touch(const QRect& area);

    TileSet tiles_;
    QImage image_;
    mutable QImage display_;
    mutable QRect dirty_;
    mutable QRgb displayKey_ = 0;
};

// The wall mask of (x, y): 8 left, 4 up, 2 right, 1 down; only '#' joins, outside is open.
int WallMask(const GameState& g, int x, int y);

// The WallCorner bits of (x, y): the corners where it and three walls make a 2 x 2 block.
int WallCorners(const GameState& g, int x, int y);

// The way the keeper faces in the shown position (a Facing), from the letter of the move that
// led to it; -1 at the start of the attempt.
int KeeperFacing(const GameState& g);

} // namespace w4
