#include "render/ugraphics.h"

#include "core/fileio.h"
#include "core/profile.h"
#include "render/colours.h"
#include "render/pictureload.h"

#include <QPainter>

#include <algorithm>
#include <filesystem>

namespace w4 {

QImage LoadTilePicture(const std::string& path, Colour transparency)
{
    QImage picture = LoadPicture(path);
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(ToQRgb(transparency));
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

void BuildNoneTile(const GameState& g, TileSet& tiles)
{
    if (g.TileWidth < MinTileSize || g.TileHeight < MinTileSize || g.TileWidth > MaxTileSize ||
        g.TileHeight > MaxTileSize) {
        tiles.IMGNone = QImage();
        return;
    }
    tiles.IMGNone = QImage(g.TileWidth, g.TileHeight, QImage::Format_RGB32);
    tiles.IMGNone.fill(ToQRgb(g.TransparencyColor));
}

void LoadGraphicsSet(GameState& g, TileSet& tiles, const std::string& iniPath)
{
    if (!FileExists(iniPath))
        return;
    const ProfileFile ini(iniPath);
    // Picture names are joined to the set's folder as text, so a value may reach into a
    // sub-folder. Sets made on Windows separate folders with backslashes.
    std::filesystem::path base = std::filesystem::path(iniPath).parent_path();
    if (base.empty())
        base = std::filesystem::path(".");
    std::string folder = base.string();
    folder.push_back('/');
    const auto load = [&](const char* key, const std::string& fallback, QImage& into) {
        std::string name = ini.ReadString("MAPPING", key, fallback);
        std::replace(name.begin(), name.end(), '\\', '/');
        into = LoadTilePicture(folder + name, g.TransparencyColor);
    };

    load("sokoban1", "sokoban1.bmp", tiles.IMGSokoban1);
    load("sokoban2", "sokoban2.bmp", tiles.IMGSokoban2);
    load("box1", "box1.bmp", tiles.IMGBox1);
    load("box2", "box2.bmp", tiles.IMGBox2);
    load("empty", "empty.bmp", tiles.IMGEmpty);
    load("target", "target.bmp", tiles.IMGTarget);

    g.WallVariants = ini.ReadBool("CONFIG", "walls", false);
    if (g.WallVariants) {
        for (int mask = 0; mask < 16; ++mask) {
            std::string key = "w";
            key += WallMaskDigits(mask);
            load(key.c_str(), key + ".bmp", tiles.IMGWalls[static_cast<std::size_t>(mask)]);
        }
    } else {
        // The other fifteen keep their pictures; they are not painted while WallVariants is false.
        load("wall", "wall.bmp", tiles.IMGWalls[0]);
    }

    const auto width = ini.ReadInteger("CONFIG", "Width", 16);
    const auto height = ini.ReadInteger("CONFIG", "Height", 16);
    if (width >= MinTileSize && width <= MaxTileSize)
        g.TileWidth = width;
    if (height >= MinTileSize && height <= MaxTileSize)
        g.TileHeight = height;
    BuildNoneTile(g, tiles);
}

} // namespace w4
