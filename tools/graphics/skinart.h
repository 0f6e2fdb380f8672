#pragma once
// Our own skins in the common four-column skin layout, drawn at any tile size.

#include <QImage>

#include <string>

namespace w4tools {

struct SkinStyle {
    std::string Name;
    int Rows;                 // 4: no facing keeper; 6: facing keeper; 10: facing keeper and animation strips
    bool SeeThroughOutside;   // walls and the outside tile let the window's background through
    QRgb Floor, FloorLine, Outside, OutsideLine, Wall, WallLight, WallDark;
    QRgb Crate, CrateDark, CrateOnTarget, Target, Keeper, KeeperDark, Skin;
};

// The three shipped styles: "Quarry", "Harbour", "Lantern"; null for another name.
const SkinStyle* FindSkinStyle(const std::string& name);

// The whole skin picture: 4 x Rows tiles of size x size pixels, ARGB32.
QImage DrawSkin(const SkinStyle& style, int size);

} // namespace w4tools
