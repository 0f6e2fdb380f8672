#include "core/history.h"
#include "core/loading.h"
#include "core/usokoban.h"
#include "render/boardpicture.h"
#include "render/pictureload.h"
#include "render/skin.h"
#include "render/thumbnail.h"
#include "render_support.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <functional>

namespace w4 {
namespace {

// Every tile of a test skin has its own colour, so a painted pixel tells which tile it came from.
QRgb TileColour(int tile) { return qRgb(10 + tile * 5, 240 - tile * 5, 30 + tile * 4); }

using PixelRule = std::function<QRgb(int tile, int x, int y)>;

QImage SkinPicture(int tileWidth, int tileHeight, int rows, const PixelRule& rule = {})
{
    QImage picture(4 * tileWidth, rows * tileHeight, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int tile = (y / tileHeight) * 4 + x / tileWidth;
            picture.setPixel(x, y, rule ? rule(tile, x % tileWidth, y % tileHeight) : TileColour(tile));
        }
    return picture;
}

class SkinTest : public ::testing::Test {
protected:
    std::string Save(const QImage& picture, const char* name = "skin.png")
    {
        folder_.SavePicture(name, picture, std::string(name).ends_with(".bmp") ? "BMP" : "PNG");
        return folder_.File(name);
    }
    void Load(const QImage& picture) { LoadSkin(g_, board_.Tiles(), Save(picture)); }
    QRgb CellPixel(int x, int y, int px = 8, int py = 8) const
    {
        return board_.Image().pixel(x * g_.TileWidth + 1 + px, y * g_.TileHeight + 1 + py);
    }

    test::TempFolder folder_;
    GameState g_;
    BoardPicture board_;
};

TEST_F(SkinTest, EachGridIsReadSquareTilesFirst)
{
    const struct {
        int Width, Height, Rows, TileWidth, TileHeight;
        const char* Name;
    } grids[] = {
        {64, 64, 4, 16, 16, "skin.png"},  {64, 96, 6, 16, 16, "skin.bmp"}, {128, 256, 8, 32, 32, "skin.png"},
        {40, 100, 10, 10, 10, "skin.png"}, {64, 40, 4, 16, 10, "skin.png"}, {64, 42, 6, 16, 7, "skin.png"},
    };
    for (const auto& grid : grids) {
        SCOPED_TRACE(std::to_string(grid.Width) + " x " + std::to_string(grid.Height));
        const int tileHeight = grid.Height / grid.Rows;
        const SkinSheet sheet = ReadSkin(Save(SkinPicture(grid.Width / 4, tileHeight, grid.Rows), grid.Name));
        EXPECT_EQ(sheet.Grid.Rows, grid.Rows);
        EXPECT_EQ(sheet.Grid.TileWidth, grid.TileWidth);
        EXPECT_EQ(sheet.Grid.TileHeight, grid.TileHeight);
        for (const int tile : {0, 5, 13, grid.Rows * 4 - 1}) {
            const QImage cut = sheet.Tile(tile);
            ASSERT_EQ(cut.size(), QSize(grid.TileWidth, grid.TileHeight));
            EXPECT_EQ(cut.pixel(0, 0), TileColour(tile)) << tile;
            EXPECT_EQ(cut.pixel(grid.TileWidth - 1, grid.TileHeight - 1), TileColour(tile)) << tile;
        }
    }
}

TEST_F(SkinTest, RefusalsNameTheFileAndTheReasonAndKeepTheSet)
{
    Load(SkinPicture(16, 16, 4));
    const qint64 floorKey = board_.Tiles().IMGEmpty.cacheKey();
    // A PNG whose header says 64 x 50 and whose pixels are cut off: refused for its size alone.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    SkinPicture(16, 10, 5).save(&buffer, "PNG");
    folder_.Write("cut.png", png.left(png.size() - 20).toStdString());
    folder_.Write("noise.png", "not a picture at all");
    const struct {
        std::string Path, Reason;
    } refused[] = {
        {Save(SkinPicture(16, 16, 2).copy(0, 0, 66, 66), "odd.png"), "no skin grid fits"},
        {folder_.File("cut.png"), "64 x 50 pixels, which no skin grid fits"},
        {Save(SkinPicture(130, 130, 4), "huge.png"), "130 x 130 pixels, outside the 1 .. 128"},
        {folder_.File("noise.png"), "not a valid picture"},
        {folder_.File("absent.png"), "does not exist"},
        {Save(SkinPicture(16, 16, 4), "skin.jpg"), "a skin is a PNG or BMP picture"},
    };
    for (const auto& r : refused) {
        try {
            LoadSkin(g_, board_.Tiles(), r.Path);
            ADD_FAILURE() << "no error for " << r.Path;
        } catch (const std::runtime_error& e) {
            const std::string error = e.what();
            EXPECT_NE(error.find("\"" + r.Path + "\""), std::string::npos) << error;
            EXPECT_NE(error.find(r.Reason), std::string::npos) << error;
        }
    }
    EXPECT_EQ(board_.Tiles().IMGEmpty.cacheKey(), floorKey);
    EXPECT_EQ(g_.SkinFile, folder_.File("skin.png"));
}

// A compressed bitmap cut short used to load with its lost rows blank; now it is refused like any
// damaged picture, and the whole one loads tile for tile.
TEST_F(SkinTest, RunLengthBitmapLoadsWholeAndIsRefusedCutShort)
{
    Load(SkinPicture(16, 16, 4));
    const qint64 floorKey = board_.Tiles().IMGEmpty.cacheKey();
    const std::string whole = test::RunLengthBitmap(SkinPicture(16, 16, 4));
    folder_.Write("rle.bmp", whole);
    const SkinSheet sheet = ReadSkin(folder_.File("rle.bmp"));
    for (int tile = 0; tile < 16; ++tile) {
        EXPECT_EQ(sheet.Tile(tile).pixel(0, 0), TileColour(tile)) << tile;
        EXPECT_EQ(sheet.Tile(tile).pixel(15, 15), TileColour(tile)) << tile;
    }

    // The top rows come last in the file: cut off, the floor and keeper tiles would be blank.
    folder_.Write("cut.bmp", whole.substr(0, whole.size() - whole.size() / 3));
    try {
        LoadSkin(g_, board_.Tiles(), folder_.File("cut.bmp"));
        ADD_FAILURE() << "a cut bitmap was taken";
    } catch (const std::runtime_error& e) {
        const std::string error = e.what();
        EXPECT_NE(error.find("\"" + folder_.File("cut.bmp") + "\""), std::string::npos) << error;
        EXPECT_NE(error.find("damaged or incomplete"), std::string::npos) << error;
    }
    EXPECT_EQ(board_.Tiles().IMGEmpty.cacheKey(), floorKey);
    EXPECT_EQ(g_.SkinFile, folder_.File("skin.png"));
}

// Each quarter of a wall comes from the tile joined on that quarter's two sides:
// 13 neither, 9 left or right only, 12 up or down only, 8 both. Listed by hand for every mask
// (8 left, 4 up, 2 right, 1 down), quarters up-left, up-right, down-left, down-right.
constexpr int QuarterSources[16][4] = {
    {13, 13, 13, 13}, {13, 13, 12, 12}, {13, 9, 13, 9}, {13, 9, 12, 8}, {12, 12, 13, 13}, {12, 12, 12, 12},
    {12, 8, 13, 9},   {12, 8, 12, 8},   {9, 13, 9, 13}, {9, 13, 8, 12}, {9, 9, 9, 9},     {9, 9, 8, 8},
    {8, 12, 9, 13},   {8, 12, 8, 12},   {8, 8, 9, 9},   {8, 8, 8, 8},
};

TEST_F(SkinTest, SixteenWallsAreComposedQuarterByQuarter)
{
    // Every pixel says its tile and place, so a quarter taken from the wrong spot shows too.
    const PixelRule rule = [](int tile, int x, int y) { return qRgb(tile * 12 + x, y * 8, 77); };
    const SkinSheet sheet = ReadSkin(Save(SkinPicture(16, 16, 4, rule)));
    for (int mask = 0; mask < 16; ++mask) {
        const QImage wall = ComposeSkinWall(sheet, mask);
        ASSERT_EQ(wall.size(), QSize(16, 16));
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                wrong += wall.pixel(x, y) != rule(QuarterSources[mask][(y >= 8) * 2 + (x >= 8)], x, y);
        EXPECT_EQ(wrong, 0) << "mask " << mask;
    }
}

TEST_F(SkinTest, CapCentredWhereFourWallsMeetAndGoneWhenOneLeaves)
{
    // A cap with a see-through border of two pixels: the walls show through it.
    Load(SkinPicture(16, 16, 4, [](int tile, int x, int y) {
        const bool border = x < 2 || y < 2 || x > 13 || y > 13;
        return tile == 10 && border ? qRgba(0, 0, 0, 0) : TileColour(tile);
    }));
    g_ = test::StateFromRows({"## #", "## #", "   #"}, ModeEditor);
    LoadSkin(g_, board_.Tiles(), folder_.File("skin.png"));
    board_.PaintAll(g_);
    // The corner between the four walls is pixel (17, 17); the cap covers 9 .. 24 both ways.
    const QImage& picture = board_.Image();
    EXPECT_EQ(picture.pixel(11, 11), TileColour(10));
    EXPECT_EQ(picture.pixel(22, 22), TileColour(10));
    EXPECT_EQ(picture.pixel(9, 9), TileColour(8)); // the cap's border lets the wall through
    EXPECT_EQ(picture.pixel(7, 7), TileColour(13)); // the block's outer corner
    EXPECT_NE(CellPixel(3, 0, 8, 15), TileColour(10)); // a wall column alone has no cap

    test::SetCell(g_, 1, 1, ' ');
    board_.DrawCell(g_, 1, 1);
    EXPECT_EQ(picture.pixel(11, 11), TileColour(8));
}

TEST_F(SkinTest, OutsideTileWhereTheSkinHasOneAndObjectsStandOnTheFloor)
{
    g_ = test::StateFromRows({"X#", " @"});
    Load(SkinPicture(16, 16, 4, [](int tile, int x, int) {
        return (tile == 1 && x < 4) ? qRgba(0, 0, 0, 0) : TileColour(tile);
    }));
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(0, 0), TileColour(11));
    EXPECT_EQ(CellPixel(1, 1, 1, 1), TileColour(0)); // the keeper's see-through edge shows the floor
    EXPECT_EQ(CellPixel(1, 1, 8, 8), TileColour(1));

    // A see-through background tile means none: the cell shows the key colour.
    Load(SkinPicture(16, 16, 4, [](int tile, int, int) { return tile == 11 ? qRgba(0, 0, 0, 0) : TileColour(tile); }));
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(0, 0), board_.KeyColour());
}

TEST_F(SkinTest, SeeThroughPixelsFollowTheKeyOpaqueOnesNever)
{
    g_ = test::StateFromRows({"  "});
    Load(SkinPicture(16, 16, 4, [](int tile, int x, int) {
        if (tile != 0)
            return TileColour(tile);
        return x < 8 ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255); // half see-through, half black
    }));
    board_.PaintAll(g_);
    const QImage& shown = board_.DisplayImage();
    EXPECT_EQ(qAlpha(shown.pixel(2, 5)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(12, 5)), 255); // black stays visible under a black key

    g_.TransparencyColor = 0x0000FF00;
    BuildNoneTile(g_, board_.Tiles());
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(0, 0, 2, 2), qRgb(0, 255, 0));
}

// Forwards the core's painting to a board picture, as the window does.
class PaintingFrontend : public SilentFrontend {
public:
    PaintingFrontend(GameState& g, BoardPicture& board) : g_(g), board_(board) {}
    void DrawCell(int x, int y) override { board_.DrawCell(g_, x, y); }
    void PaintBoard() override { board_.PaintAll(g_); }

private:
    GameState& g_;
    BoardPicture& board_;
};

TEST_F(SkinTest, KeeperFacesTheWayItLastMovedAlsoOnATarget)
{
    g_ = test::StateFromRows({"#######", "#.    #", "# @$. #", "#  $  #", "#######"});
    g_.KeeperX = 2;
    g_.KeeperY = 2;
    Load(SkinPicture(16, 16, 6));
    PaintingFrontend ui(g_, board_);
    RedrawBoard(g_, ui);
    EXPECT_EQ(CellPixel(2, 2), TileColour(1));

    const struct {
        void (*Move)(GameState&, Frontend&);
        int X, Y, Tile;
    } steps[] = {
        {MoveRight, 3, 2, 19}, // a push
        {MoveLeft, 2, 2, 17},  {MoveUp, 2, 1, 16}, {MoveLeft, 1, 1, 21}, // onto the target
        {MoveDown, 1, 2, 18},  {MoveUp, 1, 1, 20},
    };
    for (const auto& step : steps) {
        step.Move(g_, ui);
        EXPECT_EQ(CellPixel(step.X, step.Y), TileColour(step.Tile)) << step.Tile;
    }
    UndoMove(g_, ui); // back to the position the move down led to
    EXPECT_EQ(CellPixel(1, 2), TileColour(18));
    GoToStart(g_, ui);
    EXPECT_EQ(CellPixel(2, 2), TileColour(1));

    // Without facing tiles the keeper keeps its one picture.
    Load(SkinPicture(16, 16, 4));
    GoToEnd(g_, ui);
    EXPECT_EQ(CellPixel(1, 1), TileColour(5));
}

TEST_F(SkinTest, EightRowsAreGuessedFromTheTilesAndCanBeSwitched)
{
    g_ = test::StateFromRows({"@ $."});
    g_.KeeperX = 0;
    PaintingFrontend ui(g_, board_);
    // Animation strips: the third strip is the box moving, so it looks like the box.
    const auto strips = [](int tile, int, int) { return TileColour(tile >= 24 && tile < 28 ? 2 : tile); };
    Load(SkinPicture(16, 16, 8, strips));
    EXPECT_FALSE(board_.Tiles().Skin->FacingGuess);
    RedrawBoard(g_, ui);
    MoveRight(g_, ui);
    EXPECT_EQ(CellPixel(1, 0), TileColour(1));
    ChooseEightRowSkins(g_, board_.Tiles(), EightRowSkins::FacingKeeper);
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(1, 0), TileColour(19));

    // The keeper in every row: facing.
    g_.SkinEightRows = 0;
    const auto facing = [](int tile, int, int) { return TileColour(tile >= 24 ? 1 : tile); };
    Load(SkinPicture(16, 16, 8, facing));
    EXPECT_TRUE(board_.Tiles().Skin->FacingGuess);
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(1, 0), TileColour(19));
    ChooseEightRowSkins(g_, board_.Tiles(), EightRowSkins::AnimationStrips);
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(1, 0), TileColour(1));
    EXPECT_EQ(g_.SkinEightRows, 1);
}

TEST_F(SkinTest, AnIniSetAfterASkinKeepsItsOwnWallRules)
{
    g_ = test::StateFromRows({"##X", "##@"});
    Load(SkinPicture(16, 16, 6));
    for (const char* name : {"sokoban1", "sokoban2", "box1", "box2", "empty", "target"})
        folder_.SavePicture(std::string(name) + ".bmp", test::SolidImage(16, 16, qRgb(1, 2, 3)));
    for (int mask = 0; mask < 16; ++mask)
        folder_.SavePicture("w" + WallMaskDigits(mask) + ".bmp", test::SolidImage(16, 16, TileColour(30 + mask)));
    folder_.Write("set.ini", "[CONFIG]\nwalls=1\n");
    LoadGraphicsSet(g_, board_.Tiles(), folder_.File("set.ini"));
    EXPECT_TRUE(g_.SkinFile.empty());
    board_.PaintAll(g_);
    EXPECT_EQ(CellPixel(0, 0, 15, 15), TileColour(30 + 0b0011)); // no cap at the block's centre
    EXPECT_EQ(CellPixel(2, 0), board_.KeyColour());              // no outside tile

    // The Levels window's pictures use a skin's walls, cap and outside tile as the board does.
    Load(SkinPicture(16, 16, 4));
    const QImage thumb = ThumbnailPainter(board_.Tiles(), true, QSize(48, 32)).Paint({"##X", "##@"});
    EXPECT_EQ(thumb.pixel(15, 15), TileColour(10));
    EXPECT_EQ(thumb.pixel(40, 8), TileColour(11));
}

} // namespace
} // namespace w4

namespace w4 {
namespace {

TEST(ShippedSkins, EachLoadsWithItsGrid)
{
    const struct {
        const char* File;
        int Rows, Size;
        bool Facing, Outside;
    } skins[] = {{"Quarry32.png", 4, 32, false, true}, {"Harbour64.png", 6, 64, true, false},
                 {"Lantern96.png", 10, 96, true, true}};
    for (const auto& skin : skins) {
        SCOPED_TRACE(skin.File);
        GameState g;
        TileSet tiles;
        LoadSkin(g, tiles, std::string(W4_SOURCE_DIR) + "/graphics/skins/" + skin.File);
        EXPECT_EQ(tiles.Skin->Grid.Rows, skin.Rows);
        EXPECT_EQ(g.TileWidth, skin.Size);
        EXPECT_EQ(g.TileHeight, skin.Size);
        EXPECT_EQ(tiles.IMGSokoban1Facing[FacingLeft].isNull(), !skin.Facing);
        EXPECT_EQ(tiles.IMGOutside.isNull(), !skin.Outside);
        EXPECT_FALSE(tiles.IMGWallsCapped[0b1111 | CornerUpLeft << 4].isNull());
    }
}

} // namespace
} // namespace w4
