#include "render/builtintiles.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

constexpr QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Grey = qRgb(0x80, 0x80, 0x80);
constexpr QRgb Black = qRgb(0, 0, 0);

TEST(BuiltInTiles, WallBevelIsOpenOnEachJoinedSide)
{
    for (const int size : {16, 32}) {
        for (int mask = 0; mask < 16; ++mask) {
            const QImage wall = DrawWallTile(size, mask);
            const int mid = size / 2, last = size - 1;
            SCOPED_TRACE("size " + std::to_string(size) + " mask " + WallMaskDigits(mask));
            EXPECT_EQ(wall.pixel(0, mid), (mask & 8) ? Silver : White);
            EXPECT_EQ(wall.pixel(mid, 0), (mask & 4) ? Silver : White);
            EXPECT_EQ(wall.pixel(last, mid), (mask & 2) ? Silver : Grey);
            EXPECT_EQ(wall.pixel(mid, last), (mask & 1) ? Silver : Grey);
            EXPECT_EQ(wall.pixel(mid, mid), Silver);
        }
    }
}

TEST(BuiltInTiles, FullSetAndTwins)
{
    const TileSet set = BuiltInTileSet();
    std::vector<const QImage*> all = {&set.IMGSokoban1, &set.IMGSokoban2, &set.IMGBox1,
                                      &set.IMGBox2,     &set.IMGEmpty,    &set.IMGTarget};
    for (const auto& wall : set.IMGWalls)
        all.push_back(&wall);
    ASSERT_EQ(all.size(), 22u);
    for (const QImage* tile : all) {
        EXPECT_EQ(tile->size(), QSize(16, 16));
        EXPECT_EQ(tile->format(), QImage::Format_RGB32);
    }

    // Twins share their shape: the same pixels are black (see-through) in both.
    const auto sameShape = [](const QImage& a, const QImage& b) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if ((a.pixel(x, y) == Black) != (b.pixel(x, y) == Black))
                    return false;
        return true;
    };
    EXPECT_TRUE(sameShape(set.IMGSokoban1, set.IMGSokoban2));
    EXPECT_TRUE(sameShape(set.IMGBox1, set.IMGBox2));
    EXPECT_NE(set.IMGSokoban1, set.IMGSokoban2);
    EXPECT_NE(set.IMGBox1, set.IMGBox2);
    EXPECT_GT(qGreen(set.IMGSokoban1.pixel(8, 2)), qRed(set.IMGSokoban1.pixel(8, 2)));
    EXPECT_GT(qRed(set.IMGBox1.pixel(1, 8)), qGreen(set.IMGBox1.pixel(1, 8)));
    // A crate fills its cell; the keeper leaves a see-through rim.
    EXPECT_NE(set.IMGBox1.pixel(0, 0), Black);
    EXPECT_EQ(set.IMGSokoban1.pixel(0, 0), Black);

    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Black);
    EXPECT_EQ(set.IMGEmpty, black);
    // The target: black ground, cyan at the centre of the cross, blue at its tips.
    EXPECT_EQ(set.IMGTarget.pixel(0, 0), Black);
    EXPECT_EQ(set.IMGTarget.pixel(8, 0), Black);
    EXPECT_GT(qGreen(set.IMGTarget.pixel(7, 7)), 200);
    EXPECT_EQ(qBlue(set.IMGTarget.pixel(3, 3)), 255);
    EXPECT_LT(qGreen(set.IMGTarget.pixel(3, 3)), 80);
}

} // namespace
} // namespace w4
