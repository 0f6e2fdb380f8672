#pragma once
// Colours are stored as 0x00BBGGRR (red in the lowest byte), as the settings file keeps them;
// Qt wants 0xAARRGGBB. These are the only places the two meet.

#include "core/uglobal.h"

#include <QColor>
#include <QRgb>

namespace w4 {

inline QRgb ToQRgb(Colour c)
{
    return qRgb(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu), static_cast<int>((c >> 16) & 0xFFu));
}

inline Colour FromQRgb(QRgb rgb)
{
    return static_cast<Colour>(qRed(rgb)) | (static_cast<Colour>(qGreen(rgb)) << 8) |
           (static_cast<Colour>(qBlue(rgb)) << 16);
}

inline QColor ToQColor(Colour c) { return QColor(ToQRgb(c)); }
inline Colour FromQColor(const QColor& c) { return FromQRgb(c.rgb()); }

} // namespace w4
