#pragma once
// The program's own tile pictures, drawn at any square size (16 for the built-in set, larger for
// the generated graphics sets). Qt Gui only, so the set generator can use it without the core.

#include "render/tiles.h"

#include <QImage>

namespace w4 {

QImage DrawKeeperTile(int size, bool onTarget); // green block, magenta on a target
QImage DrawCrateTile(int size, bool onTarget);  // red crate, yellow on a target
QImage DrawFloorTile(int size);                 // solid black
QImage DrawTargetTile(int size);                // blue-to-cyan diagonal cross on black
QImage DrawWallTile(int size, int mask);        // silver block, bevel open on each joined side

// All 22 tiles at the given size; IMGNone is left empty (it depends on the key colour).
TileSet BuiltInTileSet(int size = 16);

} // namespace w4
