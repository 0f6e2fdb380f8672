// Writes a graphics set: an INI file and one bitmap per tile, all drawn by the game's own tile
// code at the requested size; or one of our skins, a PNG picture in the common skin layout.
//
//   w4graphics <output folder> <set name> <tile size>
//   w4graphics --skin <output.png> <style> <tile size>      (style: Quarry, Harbour, Lantern)

#include "render/builtintiles.h"
#include "skinart.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool Save(const QImage& image, const std::filesystem::path& file)
{
    if (image.save(QString::fromStdString(file.string()), "BMP"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
    return false;
}

} // namespace

int WriteSkin(const std::string& file, const std::string& styleName, int size)
{
    const w4tools::SkinStyle* style = w4tools::FindSkinStyle(styleName);
    if (style == nullptr) {
        std::fprintf(stderr, "unknown skin style %s\n", styleName.c_str());
        return 2;
    }
    const QImage sheet = w4tools::DrawSkin(*style, size);
    if (!sheet.save(QString::fromStdString(file), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--skin") {
        const int size = std::atoi(argv[4]);
        if (size < 8 || size > 128) {
            std::fprintf(stderr, "tile size must be 8..128\n");
            return 2;
        }
        return WriteSkin(argv[2], argv[3], size);
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <output folder> <set name> <tile size>\n"
                             "       %s --skin <output.png> <Quarry|Harbour|Lantern> <tile size>\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    const int size = std::atoi(argv[3]);
    if (size < 8 || size > 128) {
        std::fprintf(stderr, "tile size must be 8..128\n");
        return 2;
    }
    std::filesystem::create_directories(folder);

    const w4::TileSet set = w4::BuiltInTileSet(size);
    const struct {
        const char* key;
        const QImage& image;
    } plain[] = {
        {"sokoban1", set.IMGSokoban1}, {"sokoban2", set.IMGSokoban2}, {"box1", set.IMGBox1},
        {"box2", set.IMGBox2},         {"empty", set.IMGEmpty},       {"target", set.IMGTarget},
    };

    // CR LF, as every text file of the program is written.
    std::string ini = "[CONFIG]\r\nwalls=1\r\nWidth=" + std::to_string(size) + "\r\nHeight=" + std::to_string(size) +
                      "\r\n\r\n[MAPPING]\r\n";
    bool ok = true;
    for (const auto& tile : plain) {
        const std::string file = std::string(tile.key) + ".bmp";
        ok = Save(tile.image, folder / file) && ok;
        ini += std::string(tile.key) + "=" + file + "\r\n";
    }
    for (int mask = 0; mask < 16; ++mask) {
        std::string key = "w";
        key += w4::WallMaskDigits(mask);
        ok = Save(set.IMGWalls[static_cast<std::size_t>(mask)], folder / (key + ".bmp")) && ok;
        ini += key + "=" + key + ".bmp\r\n";
    }
    // For readers that take one wall picture only.
    ok = Save(set.IMGWalls[0], folder / "wall.bmp") && ok;
    ini += "wall=wall.bmp\r\n";

    std::ofstream out(folder / (name + ".ini"), std::ios::binary);
    out << ini;
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s.ini\n", name.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
