// Thumbnails of boards: the cell size that fits, the tiles used, the outside left clear.
#include "render/thumbnail.h"

#include "render/builtintiles.h"

#include <gtest/gtest.h>

namespace {

TEST(Thumbnail, TheCellSizeFitsTheBoxAndStaysBetweenOneAndTheLimit)
{
    EXPECT_EQ(w4::ThumbnailCellSize(6, 7, QSize(88, 60), 16), 8);
    EXPECT_EQ(w4::ThumbnailCellSize(2, 2, QSize(88, 60), 16), 16);
    EXPECT_EQ(w4::ThumbnailCellSize(50, 50, QSize(88, 60), 16), 1);
    EXPECT_EQ(w4::ThumbnailCellSize(0, 5, QSize(88, 60), 16), 1);
}

TEST(Thumbnail, EveryCellShowsItsTileAndTheOutsideStaysClear)
{
    w4::TileSet tiles;
    const auto plain = [](QColor colour) {
        QImage tile(16, 16, QImage::Format_RGB32);
        tile.fill(colour);
        return tile;
    };
    for (std::size_t mask = 0; mask < tiles.IMGWalls.size(); ++mask)
        tiles.IMGWalls[mask] = plain(QColor(static_cast<int>(mask) * 10, 0, 0));
    tiles.IMGEmpty = plain(Qt::black);
    tiles.IMGTarget = plain(Qt::blue);
    tiles.IMGBox1 = plain(Qt::yellow);
    tiles.IMGBox2 = plain(Qt::cyan);
    tiles.IMGSokoban1 = plain(Qt::green);
    tiles.IMGSokoban2 = plain(Qt::magenta);

    // Rows of different lengths, an outside cell and every character.
    const std::vector<std::string> rows = {"#####", "#@$.#", "#*+ #", "####X"};
    w4::ThumbnailPainter painter(tiles, true, QSize(40, 40), 16);
    QImage image = painter.Paint(rows);
    ASSERT_EQ(image.size(), QSize(40, 32));   // cells of 8
    const auto at = [&](int x, int y) { return image.pixelColor(x * 8 + 4, y * 8 + 4); };
    EXPECT_EQ(at(0, 0), QColor(30, 0, 0));    // right and down: 2 + 1
    EXPECT_EQ(at(4, 1), QColor(50, 0, 0));    // up and down: 4 + 1
    EXPECT_EQ(at(3, 3), QColor(80, 0, 0));    // only left: the 'X' beside it is open
    EXPECT_EQ(at(1, 1), QColor(Qt::green));
    EXPECT_EQ(at(2, 1), QColor(Qt::yellow));
    EXPECT_EQ(at(3, 1), QColor(Qt::blue));
    EXPECT_EQ(at(1, 2), QColor(Qt::cyan));
    EXPECT_EQ(at(2, 2), QColor(Qt::magenta));
    EXPECT_EQ(at(3, 2), QColor(Qt::black));
    EXPECT_EQ(at(4, 3).alpha(), 0);

    // Without wall variants every wall is the lone one.
    w4::ThumbnailPainter lone(tiles, false, QSize(40, 40), 16);
    image = lone.Paint(rows);
    EXPECT_EQ(at(0, 0), QColor(0, 0, 0));
    EXPECT_TRUE(lone.Paint({}).isNull());
}

} // namespace
