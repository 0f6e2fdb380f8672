// Feeds arbitrary bytes to the picture decoders of graphics sets and backgrounds: the first byte
// picks the format, the rest is the file. Every refusal must be a PictureError.
#include "render/pictureload.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const char* const formats[] = {"jpg", "bmp", "ico", "png"};
    const std::string ext = formats[data[0] % 4];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // A skin's size is read from the header alone, before anything is decoded.
    if (ext != "jpg") {
        try {
            const QSize header = w4::PictureHeaderSize(bytes, ext, "fuzz." + ext);
            if (header.width() <= 0 || header.height() <= 0 || header.width() > w4::MaxPictureSide ||
                header.height() > w4::MaxPictureSide)
                __builtin_trap();
        } catch (const w4::PictureError&) {
        }
    }
    try {
        const QImage image = w4::DecodePicture(bytes, ext, "fuzz." + ext);
        if (image.isNull() || image.width() > w4::MaxPictureSide || image.height() > w4::MaxPictureSide)
            __builtin_trap();
    } catch (const w4::PictureError&) {
    }
    return 0;
}
