#include "render/pictureload.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QSysInfo>

#include <turbojpeg.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>
#include <utility>

namespace w4 {
namespace {

// No picture of an acceptable size needs more than this in its file.
constexpr std::uintmax_t MaxPictureFileBytes = 256u * 1024u * 1024u;

[[noreturn]] void Fail(const std::string& name, const std::string& why)
{
    throw PictureError("Cannot load the picture \"" + name + "\": " + why + ".");
}

void CheckSize(int width, int height, const std::string& name)
{
    if (width <= 0 || height <= 0)
        Fail(name, "the picture is empty or its size cannot be read");
    if (width > MaxPictureSide || height > MaxPictureSide)
        Fail(name, "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                       " pixels, larger than " + std::to_string(MaxPictureSide) + " pixels a side");
}

} // namespace

std::string LowerExtension(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) {
        return static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    });
    return ext;
}

std::string ReadPictureFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        Fail(path, "the file does not exist");
    if (!std::filesystem::is_regular_file(path, ec))
        Fail(path, "it is not a file");
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        Fail(path, "the file cannot be read");
    if (size > MaxPictureFileBytes)
        Fail(path, "the file is too large");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail(path, "the file cannot be read");
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        Fail(path, "the file cannot be read");
    return bytes;
}

namespace {

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

constexpr std::uint32_t RunLength8 = 1, RunLength4 = 2;

// Whether the run-length stream from 'offset' reaches its end mark, or the end of the last of its
// 'height' rows, before the file ends. Walked code by code without decoding: a run is two bytes, an
// escape (a zero count) ends a row, ends the picture, jumps (two more bytes) or starts a literal
// of n pixels, their bytes padded to an even count.
bool RunLengthComplete(const std::string& bytes, std::uint64_t offset, std::int64_t width, std::int64_t height,
                       bool fourBits)
{
    std::uint64_t at = offset;
    std::int64_t row = 0, column = 0;
    // A writer may leave out the last row's end and the picture's end mark.
    const auto lastRowFull = [&] { return row == height - 1 && column >= width; };
    const auto byte = [&bytes](std::uint64_t i) { return static_cast<unsigned char>(bytes[i]); };
    while (row < height) {
        if (at + 2 > bytes.size())
            return lastRowFull();
        const unsigned count = byte(at), code = byte(at + 1);
        at += 2;
        if (count > 0) {
            column += count; // a run of 'count' pixels
            continue;
        }
        if (code == 0) {
            ++row; // end of the row
            column = 0;
        } else if (code == 1) {
            return true; // end of the picture
        } else if (code == 2) {
            if (at + 2 > bytes.size())
                return false;
            column += byte(at); // a jump right and down
            row += byte(at + 1);
            at += 2;
        } else {
            const std::uint64_t literal = fourBits ? (code + 1) / 2 : code;
            if (at + literal > bytes.size())
                return false;
            at += literal + (literal & 1);
            column += code;
        }
    }
    return true;
}

// Qt's bitmap reader fills a cut-off file with black rather than failing, so a bitmap is checked
// for all its rows first: an uncompressed one by its length, a run-length one by walking it.
void CheckBitmapComplete(const std::string& bytes, const std::string& name)
{
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M')
        return; // not a plain bitmap file: the reader decides
    const std::uint64_t offset = LittleEndian(bytes, 10, 4);
    const std::uint32_t headerSize = LittleEndian(bytes, 14, 4);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0;
    if (headerSize == 12) {
        width = static_cast<std::int16_t>(LittleEndian(bytes, 18, 2));
        height = static_cast<std::int16_t>(LittleEndian(bytes, 20, 2));
        bits = LittleEndian(bytes, 24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 34) {
        width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
        bits = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
    } else {
        return;
    }
    if (height < 0)
        height = -height; // rows stored top-down
    if (width <= 0 || width > MaxPictureSide || height > MaxPictureSide)
        return; // refused by the size check
    if (compression == RunLength8 || compression == RunLength4) {
        if (!RunLengthComplete(bytes, offset, width, height, compression == RunLength4))
            Fail(name, "the picture data is damaged or incomplete (the file is cut short)");
        return;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || bits == 0 || bits > 32)
        return;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (offset + rowBytes * static_cast<std::uint64_t>(height) > bytes.size())
        Fail(name, "the picture data is damaged or incomplete (the file is cut short)");
}

struct TjHandleCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};

} // namespace

QImage DecodeJpeg(const std::string& bytes, const std::string& name)
{
    if (bytes.empty())
        Fail(name, "the file is empty");
    const std::unique_ptr<void, TjHandleCloser> handle(tjInitDecompress());
    if (!handle)
        Fail(name, "the JPEG decoder cannot start");
    auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());

    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colourspace) != 0)
        Fail(name, std::string("not a valid JPEG picture (") + tjGetErrorStr2(handle.get()) + ")");
    CheckSize(width, height, name);

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        Fail(name, "not enough memory for the picture");
    // RGB32 is 0xffRRGGBB in native byte order.
    const int pixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    // A truncated or damaged file only raises a warning in libjpeg; it is refused all the same,
    // because the picture would be partly grey.
    if (tjDecompress2(handle.get(), data, size, image.bits(), width, static_cast<int>(image.bytesPerLine()), height,
                      pixelFormat, TJFLAG_STOPONWARNING) != 0)
        Fail(name, std::string("the JPEG data is damaged or incomplete (") + tjGetErrorStr2(handle.get()) + ")");
    return image;
}

namespace {

// Only the named format reads the file: left to itself, the reader hands content of another kind
// (a GIF named .ico) to whichever plugin recognises it, past the size checked here.
void OnlyNamedFormat(QImageReader& reader)
{
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
}

} // namespace

QSize PictureHeaderSize(const std::string& bytes, const std::string& ext, const std::string& name)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, ext.c_str());
    OnlyNamedFormat(reader);
    const QSize size = reader.size();
    if (!size.isValid())
        Fail(name, "not a valid picture of its kind");
    CheckSize(size.width(), size.height(), name);
    return size;
}

QImage DecodeWithQt(const std::string& bytes, const char* format, const std::string& name)
{
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    OnlyNamedFormat(reader);
    const QSize size = reader.size();
    if (!size.isValid())
        Fail(name, "not a valid picture of its kind");
    CheckSize(size.width(), size.height(), name);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        Fail(name, "the picture data is damaged or incomplete (" + reader.errorString().toStdString() + ")");
    // The header's size and the decoded one need not agree in every reader.
    CheckSize(image.width(), image.height(), name);
    return image;
}

namespace {

// Bitmaps are opaque here, as they are for the programs that draw them: a 32-bit bitmap whose
// header declares an alpha mask often leaves that channel at zero, which would make the whole
// picture invisible. The colour channels are kept as they are and the alpha is set to full.
QImage Opaque(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool Supported(const std::string& ext)
{
    return ext == "jpg" || ext == "jpeg" || ext == "bmp" || ext == "ico" || ext == "png";
}

} // namespace

QImage DecodePicture(const std::string& bytes, const std::string& ext, const std::string& name)
{
    if (ext == "jpg" || ext == "jpeg")
        return DecodeJpeg(bytes, name);
    if (!Supported(ext))
        Fail(name, "unsupported picture format");
    CheckBitmapComplete(bytes, name);
    QImage image = DecodeWithQt(bytes, ext.c_str(), name);
    if (ext == "bmp" && image.hasAlphaChannel())
        image = Opaque(std::move(image));
    return image;
}

QImage LoadPicture(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    // The format is refused before the file is read.
    if (!Supported(ext))
        Fail(path, "unsupported picture format");
    return DecodePicture(ReadPictureFile(path), ext, path);
}

} // namespace w4
