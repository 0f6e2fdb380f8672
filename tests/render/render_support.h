#pragma once
// Shared helpers of the render tests: a hand-built game state and pictures in a private folder.

#include "core/uglobal.h"

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace w4::test {

// A state showing one snapshot made of 'rows' (padded with floor); nothing else is loaded.
GameState StateFromRows(const std::vector<std::string>& rows, int mode = ModePlay);

// Sets one cell of the shown snapshot.
void SetCell(GameState& g, int x, int y, char c);

QImage SolidImage(int width, int height, QRgb colour);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    void SavePicture(const std::string& name, const QImage& image, const char* format = "BMP") const;

private:
    std::filesystem::path path_;
};

// A 32-bit bitmap with a BITMAPV5 header that declares an alpha mask, every pixel 'colour' with
// an alpha of zero, as many painting programs write them.
std::string ZeroAlphaBitmap(int width, int height, QRgb colour);

// A bitmap compressed with runs (8 or 4 bits an index, at most 256 or 16 colours), written byte by
// byte: runs of equal pixels, literals of three or more, a row end after each row, the end mark.
std::string RunLengthBitmap(const QImage& image, bool fourBits = false);

// A GIF whose screen is 'width' x 'height' and whose one frame is 'frameWidth' x 'frameHeight'
// (one clear and one end code: the reader fills it).
std::string BareGif(int width, int height, int frameWidth, int frameHeight);

// JPEG bytes of an image, made by libjpeg-turbo at the best quality.
std::string EncodeJpeg(const QImage& image);

} // namespace w4::test
