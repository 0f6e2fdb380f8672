#pragma once
// Pictures for graphics sets and backgrounds, chosen by the file's extension: bmp, ico and png
// through Qt's readers, jpg/jpeg through libjpeg-turbo. Sizes are checked before any pixel is
// decoded; every failure is a PictureError whose text names the file.

#include <QImage>

#include <stdexcept>
#include <string>

namespace w4 {

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest picture side accepted, in pixels.
constexpr int MaxPictureSide = 16384;

// Loads the picture at its own size. Throws PictureError for a missing or unreadable file, an
// unsupported format (wmf, emf, anything unknown), a corrupt or truncated picture, or a side
// above MaxPictureSide.
QImage LoadPicture(const std::string& path);

// The picture in 'bytes', decoded by the lower-case extension 'ext' as LoadPicture chooses it;
// 'name' only labels the errors.
QImage DecodePicture(const std::string& bytes, const std::string& ext, const std::string& name);

// The bytes of a picture file, with the checks LoadPicture makes before reading it (the file
// exists, is a file, is not absurdly large).
std::string ReadPictureFile(const std::string& path);
// The file name's extension without its dot, in lower case: what picks the decoder.
std::string LowerExtension(const std::string& path);

// The size the header of a PNG, BMP or ICO picture in 'bytes' gives, found without decoding a
// pixel; throws PictureError as DecodePicture would for a header it cannot read or a side above
// MaxPictureSide.
QSize PictureHeaderSize(const std::string& bytes, const std::string& ext, const std::string& name);

// Decoders on bytes already read; 'name' only labels the errors.
QImage DecodeJpeg(const std::string& bytes, const std::string& name);
QImage DecodeWithQt(const std::string& bytes, const char* format, const std::string& name);

} // namespace w4
