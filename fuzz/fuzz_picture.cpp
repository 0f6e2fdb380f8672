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
    try {
        const QImage image = w4::DecodePicture(bytes, ext, "fuzz." + ext);
        if (image.isNull() || image.width() > w4::MaxPictureSide || image.height() > w4::MaxPictureSide)
            __builtin_trap();
    } catch (const w4::PictureError&) {
    }
    return 0;
}
