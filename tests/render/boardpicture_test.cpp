#include "render/boardpicture.h"
#include "render/colours.h"
#include "render/ugraphics.h"
#include "render_support.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::SetCell;
using test::SolidImage;
using test::StateFromRows;

constexpr QRgb White = qRgb(255, 255, 255);

// Tiles of one flat colour each, so every painted pixel tells which tile it came from.
QRgb WallColour(int mask) { return qRgb(10 + mask, 200, 100); }

TileSet FlatTiles(int size = 16)
{
    TileSet t;
    t.IMGSokoban1 = SolidImage(size, size, qRgb(0, 255, 0));
    t.IMGSokoban2 = SolidImage(size, size, qRgb(255, 0, 255));
    t.IMGBox1 = SolidImage(size, size, qRgb(255, 0, 0));
    t.IMGBox2 = SolidImage(size, size, qRgb(255, 255, 0));
    t.IMGEmpty = SolidImage(size, size, qRgb(0, 0, 0));
    t.IMGTarget = SolidImage(size, size, qRgb(0, 0, 255));
    for (int mask = 0; mask < 16; ++mask)
        t.IMGWalls[static_cast<std::size_t>(mask)] = SolidImage(size, size, WallColour(mask));
    return t;
}

// Paints 'g' with flat tiles and the see-through tile of its transparency colour.
BoardPicture Painted(const GameState& g, TileSet tiles = FlatTiles())
{
    BoardPicture board;
    board.Tiles() = std::move(tiles);
    BuildNoneTile(g, board.Tiles());
    board.PaintAll(g);
    return board;
}

QRgb CellPixel(const BoardPicture& b, int x, int y, int dx = 5, int dy = 5)
{
    return b.Image().pixel(x * 16 + 1 + dx, y * 16 + 1 + dy);
}

TEST(BoardPicture, SizeAndFrame)
{
    GameState g = StateFromRows(std::vector<std::string>(8, "##########"));
    g.TransparencyColor = 0x00FF00FF; // magenta, so the frame is told apart from black tiles
    const BoardPicture board = Painted(g);
    const QImage& image = board.Image();
    ASSERT_EQ(image.size(), QSize(162, 130));
    for (int x = 0; x < 162; ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(255, 0, 255));
        EXPECT_EQ(image.pixel(x, 129), qRgb(255, 0, 255));
    }
    for (int y = 0; y < 130; ++y) {
        EXPECT_EQ(image.pixel(0, y), qRgb(255, 0, 255));
        EXPECT_EQ(image.pixel(161, y), qRgb(255, 0, 255));
    }
    EXPECT_EQ(board.KeyColour(), qRgb(255, 0, 255));
    EXPECT_EQ(image.pixel(1, 1), WallColour(0b0011)); // top-left cell joins right and down

    // An empty level is the frame alone, and nothing of it is shown.
    GameState empty;
    const BoardPicture none = Painted(empty);
    ASSERT_EQ(none.Image().size(), QSize(2, 2));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(qAlpha(none.DisplayImage().pixel(i % 2, i / 2)), 0);
    GameState tall = StateFromRows({"", "", ""});
    EXPECT_EQ(Painted(tall).Image().size(), QSize(2, 50));
}

TEST(BoardPicture, EachCharacterPaintsItsTile)
{
    GameState g = StateFromRows({" .$*@+X?"});
    g.TransparencyColor = 0x00123456;
    const TileSet tiles = FlatTiles();
    const BoardPicture board = Painted(g, tiles);
    const struct {
        int x;
        QRgb colour;
    } cells[] = {
        {0, tiles.IMGEmpty.pixel(0, 0)},   {1, tiles.IMGTarget.pixel(0, 0)},   {2, tiles.IMGBox1.pixel(0, 0)},
        {3, tiles.IMGBox2.pixel(0, 0)},    {4, tiles.IMGSokoban1.pixel(0, 0)}, {5, tiles.IMGSokoban2.pixel(0, 0)},
        {6, ToQRgb(g.TransparencyColor)}, {7, White}, // a character outside the table paints nothing
    };
    for (const auto& c : cells) {
        // The cell's top-left pixel and its bottom-right pixel both come from the tile.
        EXPECT_EQ(CellPixel(board, c.x, 0, 0, 0), c.colour) << "cell " << c.x;
        EXPECT_EQ(CellPixel(board, c.x, 0, 15, 15), c.colour) << "cell " << c.x;
    }
    EXPECT_EQ(board.Image().pixel(6 * 16 + 1, 1), qRgb(0x56, 0x34, 0x12)); // 0x00BBGGRR
}

TEST(BoardPicture, WallTileFollowsTheNeighbourMask)
{
    // Only '#' joins; every other neighbour, and the outside, counts as open.
    const GameState g = StateFromRows({
        "#  @  ",
        "##$#X#",
        "#  #  ",
        " .### ",
    });
    const BoardPicture board = Painted(g);
    const struct {
        int x, y, mask;
    } walls[] = {
        {0, 0, 0b0001}, {0, 1, 0b0111}, {0, 2, 0b0100}, {3, 1, 0b0001},
        {5, 1, 0b0000}, {3, 2, 0b0101}, {2, 3, 0b0010}, {3, 3, 0b1110}, {4, 3, 0b1000},
    };
    for (const auto& w : walls)
        EXPECT_EQ(CellPixel(board, w.x, w.y), WallColour(w.mask)) << "wall at " << w.x << "," << w.y;
    EXPECT_EQ(WallMask(g, 0, 1), 0b0111);

    GameState single = g;
    single.WallVariants = false;
    const BoardPicture plain = Painted(single);
    for (const auto& w : walls)
        EXPECT_EQ(CellPixel(plain, w.x, w.y), WallColour(0)) << "wall at " << w.x << "," << w.y;
}

TEST(BoardPicture, EditorOutlinesEveryCellInGridColour)
{
    GameState g = StateFromRows({"# ", " $"}, ModeEditor);
    g.GridColor = 0x00332211;
    const QRgb grid = qRgb(0x11, 0x22, 0x33);
    const BoardPicture editor = Painted(g);
    for (int cy = 0; cy < 2; ++cy) {
        for (int cx = 0; cx < 2; ++cx) {
            for (int i = 0; i < 16; ++i) {
                EXPECT_EQ(CellPixel(editor, cx, cy, i, 0), grid);
                EXPECT_EQ(CellPixel(editor, cx, cy, i, 15), grid);
                EXPECT_EQ(CellPixel(editor, cx, cy, 0, i), grid);
                EXPECT_EQ(CellPixel(editor, cx, cy, 15, i), grid);
            }
            EXPECT_NE(CellPixel(editor, cx, cy, 1, 1), grid); // inside the outline: the tile
        }
    }
    EXPECT_EQ(editor.Image().pixel(0, 0), ToQRgb(g.TransparencyColor)); // the frame stays

    g.GameMode = ModePlay;
    const BoardPicture play = Painted(g);
    for (int y = 0; y < play.Image().height(); ++y)
        for (int x = 0; x < play.Image().width(); ++x)
            ASSERT_NE(play.Image().pixel(x, y), grid) << x << "," << y;
}

TEST(BoardPicture, EditedCellRepaintsNeighbourWallsInTheEditorOnly)
{
    for (const int mode : {ModePlay, ModeEditor}) {
        GameState g = StateFromRows({"# #", "   "}, mode);
        BoardPicture board = Painted(g);
        SetCell(g, 1, 0, '#');
        board.DrawCell(g, 1, 0);
        const bool editor = mode == ModeEditor;
        EXPECT_EQ(CellPixel(board, 1, 0), WallColour(0b1010));
        EXPECT_EQ(CellPixel(board, 0, 0), WallColour(editor ? 0b0010 : 0)) << "mode " << mode;
        EXPECT_EQ(CellPixel(board, 2, 0), WallColour(editor ? 0b1000 : 0)) << "mode " << mode;
    }
}

TEST(BoardPicture, TileSizeDiffersFromCellSize)
{
    // 32-pixel boxes on 16-pixel cells run into the cells right and below until those are
    // painted; a smaller floor tile leaves the rest of its cell white.
    GameState g = StateFromRows({"$ ", "  ", "  "});
    TileSet tiles = FlatTiles();
    tiles.IMGBox1 = SolidImage(32, 32, qRgb(255, 0, 0));
    tiles.IMGEmpty = SolidImage(8, 8, qRgb(0, 0, 0));
    BoardPicture board = Painted(g, tiles);
    EXPECT_EQ(CellPixel(board, 0, 0, 15, 15), qRgb(255, 0, 0));
    EXPECT_EQ(CellPixel(board, 1, 0, 2, 2), qRgb(0, 0, 0));  // covered by the later floor
    EXPECT_EQ(CellPixel(board, 1, 0, 10, 10), qRgb(255, 0, 0)); // overlap left where the floor is small
    EXPECT_EQ(CellPixel(board, 1, 2, 12, 12), White);

    board.DrawCell(g, 0, 0); // repainting alone overlaps the neighbours again
    EXPECT_EQ(CellPixel(board, 1, 0, 2, 2), qRgb(255, 0, 0));

    SetCell(g, 1, 2, '$'); // in the last row and column the tile is cut at the picture's edge
    board.DrawCell(g, 1, 2);
    EXPECT_EQ(board.Image().pixel(board.Image().width() - 1, board.Image().height() - 1), qRgb(255, 0, 0));
    EXPECT_EQ(board.KeyColour(), qRgb(0, 0, 0));
}

TEST(BoardPicture, CellsOutsideTheLevelAreIgnored)
{
    GameState g = StateFromRows({"$$", "$$"});
    BoardPicture board = Painted(g);
    const QImage before = board.Image();
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {50, 50}, {-100000, 7}}) {
        board.DrawCell(g, x, y);
        board.DrawWall(g, x, y);
        board.DrawCellOutline(g, x, y);
    }
    EXPECT_EQ(board.Image(), before);
}

TEST(BoardPicture, DisplayImageKeysOutTheFrameColour)
{
    GameState g = StateFromRows({" $X"});
    BoardPicture board = Painted(g);
    const auto alpha = [&](int x, int y) { return qAlpha(board.DisplayImage().pixel(x, y)); };
    EXPECT_EQ(alpha(0, 0), 0);            // frame
    EXPECT_EQ(alpha(1 + 5, 1 + 5), 0);    // black floor with the default black key
    EXPECT_EQ(alpha(33 + 5, 1 + 5), 0);   // outside cell
    EXPECT_EQ(alpha(17 + 5, 1 + 5), 255); // box

    // A move repaints a cell; the shown picture follows it.
    SetCell(g, 0, 0, '$');
    board.DrawCell(g, 0, 0);
    EXPECT_EQ(board.DisplayImage().pixel(1 + 5, 1 + 5), qRgb(255, 0, 0));

    // A new key colour: black tiles become visible, the see-through tile stays see-through.
    g.TransparencyColor = 0x00808080;
    BuildNoneTile(g, board.Tiles());
    SetCell(g, 0, 0, ' ');
    board.PaintAll(g);
    EXPECT_EQ(board.DisplayImage().pixel(1 + 5, 1 + 5), qRgb(0, 0, 0));
    EXPECT_EQ(alpha(33 + 5, 1 + 5), 0);
    EXPECT_EQ(alpha(0, 0), 0);
}

} // namespace
} // namespace w4
