#include "render/pictureload.h"
#include "render_support.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace w4 {
namespace {

using test::SolidImage;

std::string ErrorOf(const std::string& path)
{
    try {
        LoadPicture(path);
    } catch (const PictureError& e) {
        return e.what();
    }
    return "no error";
}

std::string Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

TEST(LoadPicture, ReadsEachFormatAtItsOwnSize)
{
    test::TempFolder folder;
    const QImage source = SolidImage(7, 5, qRgb(10, 120, 230));
    folder.SavePicture("a.bmp", source, "BMP");
    folder.SavePicture("b.PNG", source, "PNG");
    folder.SavePicture("c.ico", SolidImage(16, 16, qRgb(10, 120, 230)), "ICO");
    folder.Write("d.JPeG", test::EncodeJpeg(source));
    folder.Write("e.jpg", test::EncodeJpeg(source));
    for (const char* name : {"a.bmp", "b.PNG", "c.ico", "d.JPeG", "e.jpg"}) {
        const QImage image = LoadPicture(folder.File(name));
        EXPECT_EQ(image.size(), std::string(name) == "c.ico" ? QSize(16, 16) : QSize(7, 5)) << name;
        const QRgb pixel = image.pixel(3, 2);
        EXPECT_NEAR(qRed(pixel), 10, 3) << name;
        EXPECT_NEAR(qGreen(pixel), 120, 3) << name;
        EXPECT_NEAR(qBlue(pixel), 230, 3) << name;
    }
}

TEST(LoadPicture, ErrorsNameTheFile)
{
    test::TempFolder folder;
    const std::string bmp = Encoded(SolidImage(40, 40, qRgb(1, 2, 3)), "BMP");
    QImage busy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            busy.setPixel(x, y, qRgb(x * 4, (x * y) & 255, y * 4));
    const std::string jpeg = test::EncodeJpeg(busy);
    folder.Write("cut.bmp", bmp.substr(0, bmp.size() / 2));
    folder.Write("cut.jpg", jpeg.substr(0, jpeg.size() * 3 / 4));
    folder.Write("header-only.jpg", jpeg.substr(0, 20));
    folder.Write("noise.jpg", std::string(300, '\x5A'));
    folder.Write("noise.bmp", "BM" + std::string(100, '\x01'));
    folder.Write("noise.ico", std::string(100, '\0'));
    folder.Write("empty.png", "");
    folder.Write("bmp-as.jpg", bmp);
    folder.Write("drawing.wmf", "metafile");
    folder.Write("drawing.EMF", "metafile");
    folder.Write("anim.gif", "GIF89a");
    folder.Write("noextension", bmp);
    const struct {
        const char* name;
        const char* why;
    } cases[] = {
        {"cut.bmp", "damaged"},          {"cut.jpg", "damaged"},
        {"header-only.jpg", ""},         {"noise.jpg", "not a valid JPEG"},
        {"noise.bmp", ""},               {"noise.ico", ""},
        {"empty.png", ""},               {"bmp-as.jpg", "not a valid JPEG"},
        {"drawing.wmf", "unsupported picture format"}, {"drawing.EMF", "unsupported picture format"},
        {"anim.gif", "unsupported picture format"},    {"noextension", "unsupported picture format"},
        {"missing.bmp", "does not exist"},
        {"", "unsupported picture format"}, // a folder is no picture
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf(folder.File(c.name));
        EXPECT_NE(error.find('"' + folder.File(c.name) + '"'), std::string::npos) << c.name << ": " << error;
        EXPECT_NE(error.find(c.why), std::string::npos) << c.name << ": " << error;
    }
}

TEST(LoadPicture, RefusesHugePicturesBeforeDecoding)
{
    test::TempFolder folder;
    // A JPEG whose frame header claims 20000 pixels of width: only the header is read.
    std::string jpeg = test::EncodeJpeg(SolidImage(8, 8, qRgb(0, 0, 0)));
    const auto sof = jpeg.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    jpeg[sof + 7] = static_cast<char>(20000 >> 8);
    jpeg[sof + 8] = static_cast<char>(20000 & 0xFF);
    folder.Write("wide.jpg", jpeg);

    // A bitmap whose header claims 10 x 40000 pixels.
    std::string bmp = Encoded(SolidImage(8, 8, qRgb(0, 0, 0)), "BMP");
    const std::int32_t height = 40000;
    bmp.replace(22, 4, reinterpret_cast<const char*>(&height), 4);
    folder.Write("tall.bmp", bmp);

    for (const char* name : {"wide.jpg", "tall.bmp"}) {
        const std::string error = ErrorOf(folder.File(name));
        EXPECT_NE(error.find("16384"), std::string::npos) << name << ": " << error;
    }
}

// Qt's reader paints a run-length bitmap cut short as far as it goes and leaves the rest blank:
// the stream is walked to its end mark first. Runs, literals of odd length and both pixel sizes.
TEST(LoadPicture, RunLengthBitmapsCutShortAreRefused)
{
    test::TempFolder folder;
    QImage image(37, 9, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int shade = x < 20 ? (x / 3 + y) % 16 : (x * 7 + y) % 16;
            image.setPixel(x, y, qRgb(shade * 16, 255 - shade * 8, 40 + shade));
        }
    for (const bool fourBits : {false, true}) {
        SCOPED_TRACE(fourBits ? "RLE4" : "RLE8");
        const std::string whole = test::RunLengthBitmap(image, fourBits);
        const std::size_t pixels = 14 + 40 + (fourBits ? 16 : 256) * 4;
        folder.Write("whole.bmp", whole);
        // Without the last row's end and the end mark, every row is still there.
        folder.Write("unmarked.bmp", whole.substr(0, whole.size() - 4));
        for (const char* name : {"whole.bmp", "unmarked.bmp"}) {
            const QImage loaded = LoadPicture(folder.File(name));
            ASSERT_EQ(loaded.size(), image.size()) << name;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(loaded.pixel(x, y), image.pixel(x, y)) << name << " at " << x << ", " << y;
        }
        for (const std::size_t length : {pixels, pixels + 1, (pixels + whole.size()) / 2, whole.size() - 7}) {
            folder.Write("cut.bmp", whole.substr(0, length));
            const std::string error = ErrorOf(folder.File("cut.bmp"));
            EXPECT_NE(error.find("damaged or incomplete"), std::string::npos) << length << ": " << error;
            EXPECT_NE(error.find('"' + folder.File("cut.bmp") + '"'), std::string::npos) << error;
        }
        // A header claiming an absurd size is refused by it, whatever the stream holds.
        std::string huge = whole;
        const std::int32_t height = 40000;
        huge.replace(22, 4, reinterpret_cast<const char*>(&height), 4);
        folder.Write("huge.bmp", huge);
        EXPECT_NE(ErrorOf(folder.File("huge.bmp")).find("16384"), std::string::npos) << ErrorOf(folder.File("huge.bmp"));
    }
}

// A picture is decoded only by the format its extension names: content of another kind is
// refused, so no reader that was not asked can hand back a picture past the size check.
TEST(LoadPicture, ContentOfAnotherFormatIsRefused)
{
    test::TempFolder folder;
    // Its screen is small; its one frame is taller than any picture accepted.
    folder.Write("tall-gif.ico", test::BareGif(2, 2, 2, 16973));
    folder.Write("small-gif.ico", test::BareGif(4, 4, 4, 4));
    folder.Write("png.bmp", Encoded(SolidImage(5, 5, qRgb(1, 2, 3)), "PNG"));
    folder.Write("bmp.png", Encoded(SolidImage(5, 5, qRgb(1, 2, 3)), "BMP"));
    for (const char* name : {"tall-gif.ico", "small-gif.ico", "png.bmp", "bmp.png"}) {
        const std::string error = ErrorOf(folder.File(name));
        EXPECT_NE(error.find('"' + folder.File(name) + '"'), std::string::npos) << name << ": " << error;
    }
}

// Bitmaps are opaque: a 32-bit bitmap whose alpha mask leaves every pixel at zero keeps its
// colours; a PNG keeps its transparency.
TEST(LoadPicture, BitmapAlphaIsIgnored)
{
    test::TempFolder folder;
    folder.Write("zero-alpha.bmp", test::ZeroAlphaBitmap(6, 4, qRgb(200, 40, 90)));
    const QImage bitmap = LoadPicture(folder.File("zero-alpha.bmp"));
    ASSERT_EQ(bitmap.size(), QSize(6, 4));
    EXPECT_FALSE(bitmap.hasAlphaChannel());
    EXPECT_EQ(bitmap.pixel(5, 3), qRgb(200, 40, 90));

    QImage clear(3, 3, QImage::Format_ARGB32);
    clear.fill(qRgba(10, 20, 30, 0));
    folder.SavePicture("clear.png", clear, "PNG");
    const QImage png = LoadPicture(folder.File("clear.png"));
    EXPECT_TRUE(png.hasAlphaChannel());
    EXPECT_EQ(qAlpha(png.pixel(1, 1)), 0);
}

} // namespace
} // namespace w4
