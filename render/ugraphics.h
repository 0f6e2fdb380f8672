#pragma once
// Graphics sets: an INI file naming the tile pictures beside it, its tile size and whether walls
// use sixteen pictures chosen by their neighbours.

#include "core/uglobal.h"
#include "render/tiles.h"

#include <stdexcept>
#include <string>

namespace w4 {

// A graphics set that cannot be used as a whole; the text names the set file.
class GraphicsSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A set whose tile size lies outside this range is refused with a GraphicsSetError naming the set
// file and the value, before any picture is replaced: below one pixel the board has no cells, and
// far above it a 50 x 50 board would not fit in memory.
constexpr int MinTileSize = 1;
constexpr int MaxTileSize = 128;

// Loads the set described by the INI file at iniPath into 'tiles' and the tile size and
// WallVariants of 'g', then rebuilds the see-through tile. The caller redraws the board.
// A missing set file changes nothing.
// A picture that cannot be loaded throws PictureError naming it: the pictures loaded before it
// stay, and WallVariants stays as already read; the tile size and see-through tile do not change.
// A tile size out of range throws GraphicsSetError and changes nothing. The set's first picture
// ends a skin in force (render/skin.h): its walls, cap, outside tile and facing keeper go.
void LoadGraphicsSet(GameState& g, TileSet& tiles, const std::string& iniPath);

// Graphics > Load's file: a skin picture (render/skin.h) or else a graphics set. A new skin is
// read as its tiles suggest until the player says otherwise; a refused one (its error names the
// file and the reason) leaves the set and that choice as they were.
void LoadTilesFile(GameState& g, TileSet& tiles, const std::string& path);

// Gives IMGNone the current tile size, filled with TransparencyColor, so 'X' cells are see-through,
// and lays the transparent pixels of the set's pictures (or of the skin in force) over
// TransparencyColor again, so that they follow a change of the key colour.
void BuildNoneTile(const GameState& g, TileSet& tiles);

// A tile picture as the board paints it: RGB32, with any transparent pixels laid over
// 'transparency' so that they become see-through on the board.
QImage LoadTilePicture(const std::string& path, Colour transparency);

} // namespace w4
