#pragma once
// Skins in the common layout several Sokoban programs read: one PNG or BMP picture, four columns
// of tiles, tile number = row * 4 + column.
//
//    0 floor     1 keeper              2 box             3 (unused here)
//    4 target    5 keeper on target    6 box on target   7 (unused here)
//    8 wall joined on all four sides   9 joined left and right   10 cap   11 outside
//   12 wall joined up and down        13 wall alone             14, 15 (unused)
//   16-19 keeper facing up, left, down, right; 20-23 the same on a target
//
// The number of rows tells what the picture holds beyond the first four: six rows, the facing
// keeper; ten rows, the facing keeper then animation strips; eight rows, either animation strips
// or (for skins made for one popular program) the facing keeper, so that one is guessed from the
// tiles and the player may say otherwise. Animation strips are not shown.

#include "core/uglobal.h"
#include "render/tiles.h"
#include "render/ugraphics.h"

#include <QImage>

#include <memory>
#include <optional>
#include <string>

namespace w4 {

// A skin that cannot be used; the text names the file and the reason.
class SkinError : public GraphicsSetError {
public:
    using GraphicsSetError::GraphicsSetError;
};

struct SkinGrid {
    int Rows = 0;
    int TileWidth = 0;
    int TileHeight = 0;
};

// The grid a picture of this size holds: square tiles of width / 4 in 4, 6, 8 or 10 rows first,
// then non-square tiles in 4 rows, then in 6. None when no grid divides the picture exactly.
std::optional<SkinGrid> SkinGridFor(int width, int height);

// How an eight-row skin is read; the values are kept in the settings.
enum class EightRowSkins { Guess = 0, AnimationStrips = 1, FacingKeeper = 2 };

struct SkinSheet {
    std::string Path;
    SkinGrid Grid;
    QImage Picture;              // the whole picture, ARGB32
    bool FacingGuess = false;    // eight rows: the tiles look like the facing keeper
    bool FacingKeeper = false;   // tiles 16-23 are the facing keeper (as read, guess or choice)

    // Tile 'number' as ARGB32; fully transparent for a tile the picture does not have.
    QImage Tile(int number) const;
};

// Reads and checks a skin. Throws SkinError naming the file for a file that is not a PNG or BMP
// picture, a size that fits no grid, or tiles outside MinTileSize .. MaxTileSize pixels; the size
// is taken from the picture's header before any pixel is decoded. A picture that cannot be read
// throws PictureError naming it.
SkinSheet ReadSkin(const std::string& path, EightRowSkins choice = EightRowSkins::Guess);

// Whether rows 4-7 of an eight-row sheet look like the facing keeper rather than animation
// strips: the strips' third row is a box moving, so it looks like the box tile.
bool LooksLikeFacingKeeper(const SkinSheet& sheet);

// The wall for a wall mask (8 left, 4 up, 2 right, 1 down), built by quarters: each quarter comes
// from the tile joined on the same two sides as that quarter's corner of the cell (13 on neither,
// 9 on the side to the left or right only, 12 above or below only, 8 on both). ARGB32.
QImage ComposeSkinWall(const SkinSheet& sheet, int mask);

// The same wall with the cap (tile 10) centred on each corner named in 'corners' (WallCorner
// bits), cut to the cell: the four walls around a corner together show the whole cap. ARGB32.
QImage ComposeCappedWall(const SkinSheet& sheet, int mask, int corners);

// Makes the sheet the current graphics set: the tiles (objects laid over their floor, walls
// composed, cap, outside tile, facing keeper), the tile size, WallVariants and SkinFile.
void ApplySkin(GameState& g, TileSet& tiles, std::shared_ptr<const SkinSheet> sheet);

// ReadSkin, then ApplySkin with g.SkinEightRows; a refused skin changes nothing.
void LoadSkin(GameState& g, TileSet& tiles, const std::string& path);

// The player's choice for eight-row skins: kept in g.SkinEightRows and applied to the skin in
// force, if it has eight rows.
void ChooseEightRowSkins(GameState& g, TileSet& tiles, EightRowSkins choice);
// Whether the skin in force has eight rows, and whether they are read as the facing keeper.
bool HasEightRowSkin(const TileSet& tiles);
bool ShowsFacingKeeper(const TileSet& tiles);
// The other reading of the eight-row skin in force; false, and nothing changes, without one.
bool SwapEightRowReading(GameState& g, TileSet& tiles);

// Lays the skin's pictures out again over the current key colour (BuildNoneTile calls it).
void LayOutSkinTiles(const GameState& g, TileSet& tiles);

// Drops what only a skin gives, as an .ini set is loaded over it.
void ClearSkinTiles(GameState& g, TileSet& tiles);

// Whether a file name is a skin picture (.png or .bmp) rather than a graphics set.
bool IsSkinFileName(const std::string& path);

} // namespace w4
