#include "render/ugraphics.h"

#include "core/fileio.h"
#include "core/profile.h"
#include "render/colours.h"
#include "render/pictureload.h"
#include "render/skin.h"

#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

namespace w4 {

namespace {

QImage Flatten(const QImage& picture, Colour transparency)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(ToQRgb(transparency));
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

bool TileSizeFits(int size)
{
    return size >= MinTileSize && size <= MaxTileSize;
}

} // namespace

QImage LoadTilePicture(const std::string& path, Colour transparency)
{
    return Flatten(LoadPicture(path), transparency);
}

void BuildNoneTile(const GameState& g, TileSet& tiles)
{
    LayOutSkinTiles(g, tiles);
    const auto pictures = PictureTiles(tiles);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (!tiles.SeeThrough[i].isNull())
            *pictures[i] = Flatten(tiles.SeeThrough[i], g.TransparencyColor);
    if (!TileSizeFits(g.TileWidth) || !TileSizeFits(g.TileHeight)) {
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
    // A tile size the board cannot use refuses the whole set before anything changes: keeping the
    // old size with the new pictures would make them overlap or leave gaps without a word.
    const auto width = ini.ReadInteger("CONFIG", "Width", 16);
    const auto height = ini.ReadInteger("CONFIG", "Height", 16);
    for (const auto& [name, value] : {std::pair{"width", width}, std::pair{"height", height}})
        if (!TileSizeFits(value))
            throw GraphicsSetError("Cannot load the graphics set \"" + iniPath + "\": the tile " + name + " " +
                                   std::to_string(value) + " is outside " + std::to_string(MinTileSize) + " .. " +
                                   std::to_string(MaxTileSize) + " pixels.");
    // Picture names are joined to the set's folder as text, so a value may reach into a
    // sub-folder. Sets made on Windows separate folders with backslashes.
    std::filesystem::path base = std::filesystem::path(iniPath).parent_path();
    if (base.empty())
        base = std::filesystem::path(".");
    std::string folder = base.string();
    folder.push_back('/');
    const auto pictures = PictureTiles(tiles);
    // 'tile' is the picture's place in PictureTiles order.
    const auto load = [&](const char* key, const std::string& fallback, std::size_t tile) {
        std::string name = ini.ReadString("MAPPING", key, fallback);
        std::replace(name.begin(), name.end(), '\\', '/');
        QImage picture = LoadPicture(folder + name);
        // A skin in force gives way with the set's first picture: its composed walls, cap,
        // outside tile and facing keeper are not the set's.
        if (tiles.Skin || !g.SkinFile.empty())
            ClearSkinTiles(g, tiles);
        *pictures[tile] = Flatten(picture, g.TransparencyColor);
        tiles.SeeThrough[tile] = picture.hasAlphaChannel() ? std::move(picture) : QImage();
    };

    load("sokoban1", "sokoban1.bmp", 0);
    load("sokoban2", "sokoban2.bmp", 1);
    load("box1", "box1.bmp", 2);
    load("box2", "box2.bmp", 3);
    load("empty", "empty.bmp", 4);
    load("target", "target.bmp", 5);

    g.WallVariants = ini.ReadBool("CONFIG", "walls", false);
    if (g.WallVariants) {
        for (std::size_t mask = 0; mask < 16; ++mask) {
            std::string key = "w";
            key += WallMaskDigits(static_cast<int>(mask));
            load(key.c_str(), key + ".bmp", 6 + mask);
        }
    } else {
        // The other fifteen keep their pictures; they are not painted while WallVariants is false.
        load("wall", "wall.bmp", 6);
    }

    g.TileWidth = width;
    g.TileHeight = height;
    BuildNoneTile(g, tiles);
}

void LoadTilesFile(GameState& g, TileSet& tiles, const std::string& path)
{
    if (!IsSkinFileName(path)) {
        LoadGraphicsSet(g, tiles, path);
        return;
    }
    const std::int32_t choice = g.SkinEightRows;
    g.SkinEightRows = 0;
    try {
        LoadSkin(g, tiles, path);
    } catch (...) {
        g.SkinEightRows = choice;
        throw;
    }
}

} // namespace w4
