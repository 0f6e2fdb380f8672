#include "render_support.h"

#include <QGuiApplication>

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace w4::test {
namespace {

// Image plug-ins (icons) are found through the application object.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tests_render";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const Environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

GameState StateFromRows(const std::vector<std::string>& rows, int mode)
{
    GameState g;
    BoardSnapshot snapshot;
    for (auto& column : snapshot.Board)
        column.fill(' ');
    int width = 0;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        width = std::max(width, static_cast<int>(rows[y].size()));
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            snapshot.Board[x][y] = rows[y][x];
    }
    g.SnapshotHistory = {snapshot};
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    g.LevelWidth = width;
    g.LevelHeight = static_cast<int>(rows.size());
    g.GameMode = mode;
    return g;
}

void SetCell(GameState& g, int x, int y, char c)
{
    g.Current().Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = c;
}

QImage SolidImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("w4-render-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::File(const std::string& name) const
{
    return (path_ / name).string();
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
}

void TempFolder::SavePicture(const std::string& name, const QImage& image, const char* format) const
{
    std::filesystem::create_directories((path_ / name).parent_path());
    if (!image.save(QString::fromStdString(File(name)), format))
        throw std::runtime_error("test picture not written: " + name);
}

std::string EncodeJpeg(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status = tjCompress2(handle, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                                   rgb.height(), TJPF_RGB, &jpeg, &size, TJSAMP_444, 100, 0);
    std::string bytes;
    if (status == 0)
        bytes.assign(reinterpret_cast<const char*>(jpeg), size);
    tjFree(jpeg);
    tjDestroy(handle);
    if (bytes.empty())
        throw std::runtime_error("test JPEG not encoded");
    return bytes;
}

namespace {

void PutLittle(std::string& bytes, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string ZeroAlphaBitmap(int width, int height, QRgb colour)
{
    const std::uint32_t header = 124; // BITMAPV5HEADER
    const std::uint32_t offset = 14 + header;
    const std::uint32_t pixels = static_cast<std::uint32_t>(width * height * 4);
    std::string bytes = "BM";
    PutLittle(bytes, offset + pixels, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, offset, 4);
    PutLittle(bytes, header, 4);
    PutLittle(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittle(bytes, static_cast<std::uint32_t>(height), 4);
    PutLittle(bytes, 1, 2);            // planes
    PutLittle(bytes, 32, 2);           // bits per pixel
    PutLittle(bytes, 3, 4);            // BI_BITFIELDS
    PutLittle(bytes, pixels, 4);
    PutLittle(bytes, 2835, 4);
    PutLittle(bytes, 2835, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, 0x00FF0000, 4);   // red mask
    PutLittle(bytes, 0x0000FF00, 4);   // green mask
    PutLittle(bytes, 0x000000FF, 4);   // blue mask
    PutLittle(bytes, 0xFF000000, 4);   // alpha mask
    PutLittle(bytes, 0x73524742, 4);   // 'sRGB'
    bytes.append(124 - 60, '\0');      // end points, gamma, intent, profile
    for (int i = 0; i < width * height; ++i)
        PutLittle(bytes, colour & 0x00FFFFFF, 4);
    return bytes;
}

std::string RunLengthBitmap(const QImage& image, bool fourBits)
{
    std::vector<QRgb> palette;
    const auto index = [&palette](QRgb colour) {
        const auto it = std::find(palette.begin(), palette.end(), colour);
        if (it != palette.end())
            return static_cast<int>(it - palette.begin());
        palette.push_back(colour);
        return static_cast<int>(palette.size()) - 1;
    };
    std::string data;
    for (int y = image.height() - 1; y >= 0; --y) { // bottom row first
        std::vector<int> row;
        for (int x = 0; x < image.width(); ++x)
            row.push_back(index(image.pixel(x, y) & 0x00FFFFFF));
        std::size_t x = 0;
        while (x < row.size()) {
            std::size_t same = 1;
            while (x + same < row.size() && same < 255 && row[x + same] == row[x])
                ++same;
            std::size_t distinct = 1;
            while (x + distinct < row.size() && distinct < 254 && row[x + distinct] != row[x + distinct - 1])
                ++distinct;
            if (same >= 2 || distinct < 3) {
                data.push_back(static_cast<char>(same));
                data.push_back(static_cast<char>(fourBits ? row[x] * 17 : row[x]));
                x += same;
                continue;
            }
            data.push_back('\0');
            data.push_back(static_cast<char>(distinct));
            std::string literal;
            for (std::size_t i = 0; i < distinct; ++i) {
                if (!fourBits)
                    literal.push_back(static_cast<char>(row[x + i]));
                else if (i % 2 == 0)
                    literal.push_back(static_cast<char>(row[x + i] << 4));
                else
                    literal.back() = static_cast<char>(literal.back() | row[x + i]);
            }
            if (literal.size() % 2 != 0)
                literal.push_back('\0');
            data += literal;
            x += distinct;
        }
        data += std::string("\0\0", 2); // end of the row
    }
    data += std::string("\0\1", 2); // end of the picture
    if (palette.size() > (fourBits ? 16u : 256u))
        throw std::runtime_error("too many colours for a run-length test bitmap");

    const std::uint32_t colours = fourBits ? 16 : 256;
    const std::uint32_t offset = 14 + 40 + colours * 4;
    std::string bytes = "BM";
    PutLittle(bytes, offset + static_cast<std::uint32_t>(data.size()), 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, offset, 4);
    PutLittle(bytes, 40, 4);                                    // BITMAPINFOHEADER
    PutLittle(bytes, static_cast<std::uint32_t>(image.width()), 4);
    PutLittle(bytes, static_cast<std::uint32_t>(image.height()), 4);
    PutLittle(bytes, 1, 2);                                     // planes
    PutLittle(bytes, fourBits ? 4 : 8, 2);                      // bits per pixel
    PutLittle(bytes, fourBits ? 2 : 1, 4);                      // BI_RLE4 / BI_RLE8
    PutLittle(bytes, static_cast<std::uint32_t>(data.size()), 4);
    PutLittle(bytes, 2835, 4);
    PutLittle(bytes, 2835, 4);
    PutLittle(bytes, colours, 4);
    PutLittle(bytes, 0, 4);
    for (std::uint32_t i = 0; i < colours; ++i)
        PutLittle(bytes, i < palette.size() ? palette[i] & 0x00FFFFFF : 0, 4); // blue, green, red, 0
    return bytes + data;
}

std::string BareGif(int width, int height, int frameWidth, int frameHeight)
{
    std::string bytes = "GIF89a";
    PutLittle(bytes, static_cast<std::uint32_t>(width), 2);
    PutLittle(bytes, static_cast<std::uint32_t>(height), 2);
    bytes += std::string("\x80\x00\x00" "\x00\x00\x00" "\xFF\xFF\xFF", 9); // two-colour table
    bytes.push_back(',');
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, static_cast<std::uint32_t>(frameWidth), 2);
    PutLittle(bytes, static_cast<std::uint32_t>(frameHeight), 2);
    bytes += std::string("\x00\x02\x01\x2C\x00;", 6); // code size 2: clear, end
    return bytes;
}

} // namespace w4::test
