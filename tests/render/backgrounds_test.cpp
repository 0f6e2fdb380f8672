#include "render/backgrounds.h"
#include "render_support.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace w4 {
namespace {

TEST(Background, GradientRowsFollowTheFormula)
{
    const QImage gradient = PaintGradient(QSize(3, 4), 255, 65535); // red to yellow
    ASSERT_EQ(gradient.size(), QSize(3, 4));
    const QRgb rows[] = {qRgb(255, 0, 0), qRgb(255, 63, 0), qRgb(255, 127, 0), qRgb(255, 191, 0)};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(gradient.pixel(x, y), rows[y]) << x << "," << y;

    // Falling channels truncate too, and blue comes from the third byte.
    const QImage down = PaintGradient(QSize(1, 3), 0x00FF0000, 0x00000000);
    EXPECT_EQ(down.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(down.pixel(0, 1), qRgb(0, 0, 170));
    EXPECT_EQ(down.pixel(0, 2), qRgb(0, 0, 85));
    EXPECT_TRUE(PaintGradient(QSize(10, 0), 255, 65535).isNull());
}

TEST(Background, MosaicStartsAtTheTopLeftCorner)
{
    QImage texture(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            texture.setPixel(x, y, qRgb(x * 8, y * 12, 77));
    const QImage mosaic = PaintMosaic(QSize(100, 50), texture);
    ASSERT_EQ(mosaic.size(), QSize(100, 50));
    // 4 x 3 copies at multiples of the texture size; the last ones start at (90, 40).
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(mosaic.pixel(x, y), texture.pixel(x % 30, y % 20)) << x << "," << y;

    const QImage single = PaintMosaic(QSize(10, 10), texture);
    EXPECT_EQ(single, texture.copy(0, 0, 10, 10));
}

TEST(Background, ModeIsClampedAndStored)
{
    test::TempFolder folder;
    folder.SavePicture("sky.bmp", test::SolidImage(3, 2, qRgb(5, 6, 7)));
    GameState g;
    g.PictureFile = folder.File("sky.bmp");
    g.BackgroundMode = 7;
    auto layer = PaintBackground(g, QSize(40, 30));
    EXPECT_EQ(g.BackgroundMode, 3);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->kind, BackgroundLayer::Kind::Picture);
    EXPECT_EQ(layer->image.size(), QSize(3, 2)); // stretched only when drawn

    g.BackgroundMode = -4;
    g.BackgroundColor = 0x00030201;
    layer = PaintBackground(g, QSize(40, 30));
    EXPECT_EQ(g.BackgroundMode, 0);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->kind, BackgroundLayer::Kind::Plain);
    EXPECT_EQ(layer->colour, QColor(1, 2, 3));

    g.BackgroundMode = 1;
    layer = PaintBackground(g, QSize(40, 30));
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->image.size(), QSize(40, 30));
}

TEST(Background, MissingOrUnreadableFilesLeaveTheScreenAsItWas)
{
    test::TempFolder folder;
    folder.Write("junk.bmp", "not a bitmap");
    folder.Write("tile.jpg", test::EncodeJpeg(test::SolidImage(8, 8, qRgb(0, 200, 0))));
    GameState g;
    g.BackgroundMode = 2;
    for (const std::string& file : {std::string(), folder.File("gone.bmp"), folder.File("junk.bmp")}) {
        g.TextureFile = file;
        EXPECT_FALSE(PaintBackground(g, QSize(20, 20))) << file;
        EXPECT_EQ(g.BackgroundMode, 2); // still saved as texture
    }
    g.BackgroundMode = 3;
    g.PictureFile = folder.File("junk.bmp");
    EXPECT_FALSE(PaintBackground(g, QSize(20, 20)));

    // Textures in any readable format are tiled.
    g.BackgroundMode = 2;
    g.TextureFile = folder.File("tile.jpg");
    const auto layer = PaintBackground(g, QSize(20, 20));
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->kind, BackgroundLayer::Kind::Texture);
    EXPECT_NEAR(qGreen(layer->image.pixel(19, 19)), 200, 3);
}

TEST(Background, DrawFillsTheWholeArea)
{
    QImage target(60, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    BackgroundLayer picture{BackgroundLayer::Kind::Picture, Qt::black, test::SolidImage(2, 2, qRgb(0, 0, 200))};
    {
        QPainter painter(&target);
        DrawBackground(painter, QRect(10, 5, 40, 30), picture);
    }
    EXPECT_EQ(target.pixel(10, 5), qRgb(0, 0, 200));
    EXPECT_EQ(target.pixel(49, 34), qRgb(0, 0, 200));
    EXPECT_EQ(target.pixel(9, 5), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(50, 35), qRgb(255, 255, 255));
}

// A bitmap with an all-zero alpha channel is a visible texture and picture, not an empty one.
TEST(Background, ZeroAlphaBitmapIsDrawnOpaque)
{
    test::TempFolder folder;
    folder.Write("zero-alpha.bmp", test::ZeroAlphaBitmap(8, 8, qRgb(30, 160, 220)));
    GameState g;
    g.TextureFile = g.PictureFile = folder.File("zero-alpha.bmp");
    for (int mode : {2, 3}) {
        g.BackgroundMode = mode;
        const auto layer = PaintBackground(g, QSize(20, 20));
        ASSERT_TRUE(layer) << mode;
        QImage shown(20, 20, QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        DrawBackground(painter, shown.rect(), *layer);
        painter.end();
        EXPECT_EQ(shown.pixel(19, 19), qRgb(30, 160, 220)) << mode;
    }
}

} // namespace
} // namespace w4
