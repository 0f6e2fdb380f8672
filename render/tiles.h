#pragma once
// The tile pictures the board is painted from. Every picture is kept as RGB32 so that a cell is
// painted by copying rows; a tile keeps its own size, which need not be the cell size.

#include <QImage>

#include <array>
#include <string>

namespace w4 {

struct TileSet {
    QImage IMGSokoban1; // keeper on floor '@'
    QImage IMGSokoban2; // keeper on a target '+'
    QImage IMGBox1;     // box on floor '$'
    QImage IMGBox2;     // box on a target '*'
    QImage IMGEmpty;    // floor ' '
    QImage IMGTarget;   // empty target '.'
    // IMG0000 .. IMG1111, indexed by the wall mask: 8 left, 4 up, 2 right, 1 down.
    std::array<QImage, 16> IMGWalls;
    QImage IMGNone;     // outside cell 'X': the see-through tile
    // The pictures with transparent pixels as they were loaded, in PictureTiles() order (null for
    // an opaque one), so that a new key colour can be laid under them again.
    std::array<QImage, 22> SeeThrough;
};

// The 22 tile pictures a graphics set replaces (every tile but IMGNone), in a fixed order.
inline std::array<QImage*, 22> PictureTiles(TileSet& tiles)
{
    std::array<QImage*, 22> all{&tiles.IMGSokoban1, &tiles.IMGSokoban2, &tiles.IMGBox1,
                                &tiles.IMGBox2,     &tiles.IMGEmpty,    &tiles.IMGTarget};
    for (std::size_t mask = 0; mask < 16; ++mask)
        all[6 + mask] = &tiles.IMGWalls[mask];
    return all;
}

// "0101" for mask 5: the four digits that name a wall tile and its graphics-set key.
inline std::string WallMaskDigits(int mask)
{
    std::string digits = "0000";
    for (int bit = 0; bit < 4; ++bit)
        if (mask & (8 >> bit))
            digits[static_cast<std::size_t>(bit)] = '1';
    return digits;
}

} // namespace w4
