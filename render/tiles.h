#pragma once
// The tile pictures the board is painted from. Every picture is kept as RGB32 so that a cell is
// painted by copying rows; a tile keeps its own size, which need not be the cell size.

#include <QImage>

#include <array>
#include <memory>
#include <string>

namespace w4 {

struct SkinSheet;

// The ways a keeper can face, in the order skins hold their pictures.
enum Facing { FacingUp = 0, FacingLeft, FacingDown, FacingRight, FacingCount };

// The corners of a wall cell where a 2 x 2 block of walls meets, shifted left by four and added
// to the wall mask to index TileSet::IMGWallsCapped.
enum WallCorner { CornerUpLeft = 1, CornerUpRight = 2, CornerDownRight = 4, CornerDownLeft = 8 };

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

    // What only a skin gives; empty for the built-in set and .ini sets, so their board is
    // painted exactly as before.
    std::array<QImage, FacingCount> IMGSokoban1Facing; // '@' after a move up, left, down, right
    std::array<QImage, FacingCount> IMGSokoban2Facing; // '+' likewise
    // A wall with the cap drawn on some corners: index mask | corners << 4; null where no corner
    // has a cap (the plain IMGWalls[mask] is painted then).
    std::array<QImage, 256> IMGWallsCapped;
    QImage IMGOutside; // 'X' where the skin has a background tile; null: IMGNone
    // The skin these pictures were made from, kept so a new key colour can lay them out again.
    std::shared_ptr<const SkinSheet> Skin;
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
