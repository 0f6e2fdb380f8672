#include "render/pictureload.h"
#include "render/ugraphics.h"
#include "render_support.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace w4 {
namespace {

using test::SolidImage;

const char* const PlainNames[] = {"sokoban1", "sokoban2", "box1", "box2", "empty", "target"};

QRgb ColourOf(int index) { return qRgb(20 + index * 9, 255 - index * 7, 40 + index); }

// A set folder holding every default picture in its own colour: the six plain ones 0..5, then
// w0000..w1111 as 6..21 and wall.bmp as 22, so each loaded tile tells which file it came from.
class GraphicsSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 6; ++i)
            folder_.SavePicture(std::string(PlainNames[i]) + ".bmp", SolidImage(16, 16, ColourOf(i)));
        for (int mask = 0; mask < 16; ++mask)
            folder_.SavePicture("w" + WallMaskDigits(mask) + ".bmp", SolidImage(16, 16, ColourOf(6 + mask)));
        folder_.SavePicture("wall.bmp", SolidImage(16, 16, ColourOf(22)));
        marker_ = qRgb(1, 2, 3);
        for (QImage* tile : AllTiles())
            *tile = SolidImage(4, 4, marker_);
    }

    std::vector<QImage*> AllTiles()
    {
        std::vector<QImage*> all = {&tiles_.IMGSokoban1, &tiles_.IMGSokoban2, &tiles_.IMGBox1,
                                    &tiles_.IMGBox2,     &tiles_.IMGEmpty,    &tiles_.IMGTarget};
        for (auto& wall : tiles_.IMGWalls)
            all.push_back(&wall);
        all.push_back(&tiles_.IMGNone);
        return all;
    }

    void Load(const std::string& ini)
    {
        folder_.Write("set.ini", ini);
        LoadGraphicsSet(g_, tiles_, folder_.File("set.ini"));
    }

    std::string LoadError(const std::string& ini)
    {
        try {
            Load(ini);
        } catch (const PictureError& e) {
            return e.what();
        }
        return "no error";
    }

    test::TempFolder folder_;
    GameState g_;
    TileSet tiles_;
    QRgb marker_{};
};

TEST_F(GraphicsSetTest, SixteenWallsWithDefaultNames)
{
    g_.WallVariants = false;
    Load("[CONFIG]\nwalls=1\n");
    EXPECT_TRUE(g_.WallVariants);
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), ColourOf(0));
    EXPECT_EQ(tiles_.IMGTarget.pixel(15, 15), ColourOf(5));
    for (int mask = 0; mask < 16; ++mask)
        EXPECT_EQ(tiles_.IMGWalls[static_cast<std::size_t>(mask)].pixel(3, 3), ColourOf(6 + mask)) << mask;
    EXPECT_EQ(g_.TileWidth, 16);
    EXPECT_EQ(g_.TileHeight, 16);
    EXPECT_EQ(tiles_.IMGNone.size(), QSize(16, 16));
    EXPECT_EQ(tiles_.IMGNone.format(), QImage::Format_RGB32);
}

TEST_F(GraphicsSetTest, OneWallPictureWhenWallsIsMissingZeroOrNotANumber)
{
    for (const char* ini : {"[MAPPING]\n", "[CONFIG]\nwalls=0\n", "[config]\nWALLS=yes\n"}) {
        SetUp();
        g_.WallVariants = true;
        Load(ini);
        EXPECT_FALSE(g_.WallVariants) << ini;
        EXPECT_EQ(tiles_.IMGWalls[0].pixel(0, 0), ColourOf(22)) << ini;
        // The other fifteen keep what they had.
        EXPECT_EQ(tiles_.IMGWalls[5].pixel(0, 0), marker_) << ini;
    }
}

TEST_F(GraphicsSetTest, TileSizeFromConfigInDecimalOrHex)
{
    g_.TransparencyColor = 0x00FF0000;
    Load("[CONFIG]\nWidth=0x20\nHeight=$18\n");
    EXPECT_EQ(g_.TileWidth, 32);
    EXPECT_EQ(g_.TileHeight, 24);
    EXPECT_EQ(tiles_.IMGNone.size(), QSize(32, 24));
    EXPECT_EQ(tiles_.IMGNone.pixel(31, 23), qRgb(0, 0, 255));

    // Sizes the board cannot use refuse the whole set, saying which file and value: no picture is
    // replaced and the previous size stays, so no tiles overlap without a word.
    const struct {
        const char* Config;
        const char* Value;
    } refused[] = {{"Width=0\nHeight=100000\n", "0"}, {"Width=16\nHeight=100000\n", "100000"},
                   {"Width=-16\nHeight=16\n", "-16"}, {"Width=200\n", "200"}, {"Height=129\n", "129"}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.Config);
        tiles_.IMGBox1 = SolidImage(4, 4, marker_);
        try {
            Load(std::string("[CONFIG]\n") + c.Config);
            ADD_FAILURE() << "no error";
        } catch (const GraphicsSetError& e) {
            const std::string error = e.what();
            EXPECT_NE(error.find(folder_.File("set.ini")), std::string::npos) << error;
            EXPECT_NE(error.find(std::string(" ") + c.Value + " "), std::string::npos) << error;
        }
        EXPECT_EQ(g_.TileWidth, 32);
        EXPECT_EQ(g_.TileHeight, 24);
        EXPECT_EQ(tiles_.IMGBox1.pixel(0, 0), marker_);
    }
    Load("[CONFIG]\nWidth=128\nHeight=1\n");
    EXPECT_EQ(g_.TileWidth, 128);
    EXPECT_EQ(g_.TileHeight, 1);
}

TEST_F(GraphicsSetTest, MissingPictureStopsTheLoadThere)
{
    const std::string error = LoadError("[MAPPING]\nbox2=nothere.bmp\n[CONFIG]\nwalls=1\nWidth=32\n");
    EXPECT_NE(error.find(folder_.File("nothere.bmp")), std::string::npos) << error;
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), ColourOf(0)); // loaded before the failure
    EXPECT_EQ(tiles_.IMGBox1.pixel(0, 0), ColourOf(2));
    EXPECT_EQ(tiles_.IMGBox2.pixel(0, 0), marker_); // the failing one and all after it unchanged
    EXPECT_EQ(tiles_.IMGEmpty.pixel(0, 0), marker_);
    EXPECT_TRUE(g_.WallVariants);
    EXPECT_EQ(g_.TileWidth, 16);
    EXPECT_EQ(tiles_.IMGNone.pixel(0, 0), marker_);
}

TEST_F(GraphicsSetTest, FailingWallKeepsWallVariantsAlreadyRead)
{
    g_.WallVariants = false;
    folder_.Write("broken.bmp", "BM not really");
    const std::string error = LoadError("[MAPPING]\nw0110=broken.bmp\n[CONFIG]\nwalls=1\n");
    EXPECT_NE(error.find("broken.bmp"), std::string::npos) << error;
    EXPECT_TRUE(g_.WallVariants);
    EXPECT_EQ(tiles_.IMGWalls[0b0101].pixel(0, 0), ColourOf(6 + 0b0101));
    EXPECT_EQ(tiles_.IMGWalls[0b0111].pixel(0, 0), marker_);
}

TEST_F(GraphicsSetTest, EmptyValueNamesTheFolderAndFails)
{
    const std::string error = LoadError("[MAPPING]\nsokoban2=\n");
    EXPECT_NE(error.find("unsupported picture format"), std::string::npos) << error;
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), ColourOf(0));
    EXPECT_EQ(tiles_.IMGSokoban2.pixel(0, 0), marker_);
}

TEST_F(GraphicsSetTest, OtherFormatsAndSubFolders)
{
    folder_.Write("pics/target.jpg", test::EncodeJpeg(SolidImage(20, 12, qRgb(40, 160, 240))));
    folder_.SavePicture("pics/box1.png", SolidImage(16, 16, qRgb(9, 8, 7)), "PNG");
    QImage holed(16, 16, QImage::Format_ARGB32);
    holed.fill(qRgba(0, 0, 0, 0));
    holed.setPixel(8, 8, qRgba(200, 100, 50, 255));
    folder_.SavePicture("pics/keeper.png", holed, "PNG");
    g_.TransparencyColor = 0x0000FF00;

    Load("[MAPPING]\ntarget=pics\\target.jpg\nbox1=pics/box1.png\nsokoban1=pics/keeper.png\n");
    ASSERT_EQ(tiles_.IMGTarget.size(), QSize(20, 12)); // own size, not the cell size
    const QRgb jpeg = tiles_.IMGTarget.pixel(10, 6);
    EXPECT_NEAR(qRed(jpeg), 40, 3);
    EXPECT_NEAR(qGreen(jpeg), 160, 3);
    EXPECT_NEAR(qBlue(jpeg), 240, 3);
    EXPECT_EQ(tiles_.IMGBox1.pixel(0, 0), qRgb(9, 8, 7));
    // Transparent pixels of a picture become the key colour, so the board shows through them.
    EXPECT_EQ(tiles_.IMGSokoban1.format(), QImage::Format_RGB32);
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(8, 8), qRgb(200, 100, 50));
}

TEST_F(GraphicsSetTest, MissingSetFileChangesNothing)
{
    LoadGraphicsSet(g_, tiles_, folder_.File("absent.ini"));
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), marker_);
    EXPECT_TRUE(g_.WallVariants);
}

TEST_F(GraphicsSetTest, ZeroAlphaBitmapTileIsOpaque)
{
    folder_.Write("box1.bmp", test::ZeroAlphaBitmap(16, 16, qRgb(200, 40, 90)));
    g_.TransparencyColor = 0x0000FF00;
    Load("[MAPPING]\n");
    EXPECT_EQ(tiles_.IMGBox1.pixel(7, 7), qRgb(200, 40, 90));
}

// Transparent pixels of a tile follow the key colour when it changes, so no patches of the old
// colour stay on the board; opaque tiles are left alone.
TEST_F(GraphicsSetTest, SeeThroughPixelsFollowANewKeyColour)
{
    QImage holed(16, 16, QImage::Format_ARGB32);
    holed.fill(qRgba(0, 0, 0, 0));
    holed.setPixel(8, 8, qRgba(200, 100, 50, 255));
    folder_.SavePicture("keeper.png", holed, "PNG");
    g_.TransparencyColor = 0x0000FF00;
    Load("[MAPPING]\nsokoban1=keeper.png\n");
    ASSERT_EQ(tiles_.IMGSokoban1.pixel(0, 0), qRgb(0, 255, 0));

    g_.TransparencyColor = 0x00FF0000;
    BuildNoneTile(g_, tiles_);
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(8, 8), qRgb(200, 100, 50));
    EXPECT_EQ(tiles_.IMGSokoban1.format(), QImage::Format_RGB32);
    EXPECT_EQ(tiles_.IMGNone.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(tiles_.IMGBox1.pixel(0, 0), ColourOf(2));

    // A later set with an opaque picture in that place is not overwritten by the earlier one.
    Load("[MAPPING]\n");
    g_.TransparencyColor = 0x000000FF;
    BuildNoneTile(g_, tiles_);
    EXPECT_EQ(tiles_.IMGSokoban1.pixel(0, 0), ColourOf(0));
}

TEST(ShippedGraphicsSet, Warehaus32LoadsWithSixteenWalls)
{
    GameState g;
    g.WallVariants = false;
    TileSet tiles;
    LoadGraphicsSet(g, tiles, std::string(W4_SOURCE_DIR) + "/graphics/Warehaus32/Warehaus32.ini");
    EXPECT_TRUE(g.WallVariants);
    EXPECT_EQ(g.TileWidth, 32);
    EXPECT_EQ(g.TileHeight, 32);
    for (const auto& wall : tiles.IMGWalls)
        EXPECT_EQ(wall.size(), QSize(32, 32));
    EXPECT_EQ(tiles.IMGWalls[0b1010].pixel(0, 16), qRgb(0xC0, 0xC0, 0xC0)); // joined left: no bevel
    EXPECT_EQ(tiles.IMGNone.size(), QSize(32, 32));
}

} // namespace
} // namespace w4
