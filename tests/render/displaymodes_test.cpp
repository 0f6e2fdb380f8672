#include "render/displaymodes.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace w4 {
namespace {

TEST(BoardDisplayRect, ModesAndWorkedExamples)
{
    struct Case {
        QSize picture, area;
        bool stretch, proportional;
        QRect expected;
    };
    const Case cases[] = {
        // 10 x 8 cells of 16 pixels in 640 x 400: Standard, Proportional, Stretched.
        {{162, 130}, {640, 400}, false, true, {239, 135, 162, 130}},
        {{162, 130}, {640, 400}, true, true, {71, 0, 498, 400}},
        {{162, 130}, {640, 400}, true, false, {0, 0, 640, 400}},
        {{162, 130}, {640, 400}, false, false, {239, 135, 162, 130}},
        // 50 x 20 cells in 400 x 300: larger than the area.
        {{802, 322}, {400, 300}, false, true, {0, 70, 400, 160}},
        {{802, 322}, {400, 300}, true, true, {0, 70, 400, 160}},
        {{802, 322}, {400, 300}, true, false, {0, 0, 400, 300}},
        {{802, 322}, {400, 300}, false, false, {-201, -11, 802, 322}},
        // Higher than wide: the height decides, unless the width would then overflow.
        {{130, 162}, {640, 400}, true, true, {160, 0, 320, 400}},
        {{100, 120}, {50, 400}, true, true, {0, 170, 50, 60}},
        {{200, 100}, {400, 150}, true, true, {50, 0, 300, 150}},
        // An empty picture is stretched over the area rather than divided by zero.
        {{0, 2}, {300, 200}, true, true, {0, 0, 300, 200}},
        {{2, 2}, {0, 0}, true, true, {0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoardDisplayRect(c.picture, c.area, c.stretch, c.proportional), c.expected)
            << c.picture.width() << "x" << c.picture.height() << " in " << c.area.width() << "x" << c.area.height()
            << " stretch " << c.stretch << " proportional " << c.proportional;
}

TEST(DrawBoardPicture, WholePixelsAndKeyedPixelsLeftOut)
{
    QImage board(2, 1, QImage::Format_ARGB32_Premultiplied);
    board.setPixel(0, 0, qRgb(250, 10, 10));
    board.setPixel(1, 0, 0); // a key pixel of the shown picture
    QImage screen(30, 10, QImage::Format_RGB32);
    screen.fill(qRgb(0, 0, 90));
    {
        QPainter painter(&screen);
        DrawBoardPicture(painter, QRect(5, 0, 20, 10), board, true, false);
    }
    for (int x = 0; x < 30; ++x) {
        const QRgb expected = (x >= 5 && x < 15) ? qRgb(250, 10, 10) : qRgb(0, 0, 90);
        EXPECT_EQ(screen.pixel(x, 4), expected) << x;
    }
}

TEST(DrawBoardPicture, AboveAPixelRatioOfOneEachPicturePixelIsOneScreenPixel)
{
    EXPECT_EQ(BoardShownRect({130, 130}, {200, 200}, false, true, 2.0), QRectF(67.5, 67.5, 65, 65));
    EXPECT_EQ(BoardShownRect({130, 130}, {200, 200}, false, true, 1.0), QRectF(35, 35, 130, 130));

    QImage board(4, 2, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 8; ++i)
        board.setPixel(i % 4, i / 4, qRgb(30 * i, 200, 40));
    QImage screen(40, 20, QImage::Format_RGB32); // 20 x 10 logical pixels
    screen.setDevicePixelRatio(2.0);
    screen.fill(qRgb(0, 0, 90));
    {
        QPainter painter(&screen);
        DrawBoardPicture(painter, QRect(0, 0, 20, 10), board, false, false, 2.0);
    }
    // Centred on the 40 x 20 screen pixels: from (18, 9), one screen pixel per picture pixel.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(screen.pixel(18 + i % 4, 9 + i / 4), board.pixel(i % 4, i / 4)) << i;
    EXPECT_EQ(screen.pixel(17, 9), qRgb(0, 0, 90));
    EXPECT_EQ(screen.pixel(22, 10), qRgb(0, 0, 90));
}

} // namespace
} // namespace w4
