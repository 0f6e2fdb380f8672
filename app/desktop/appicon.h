#pragma once
// The program's icon: a red crate with the green warehouse keeper in front of it, drawn in code
// so the window, the desktop entry and the file type all show the same picture at any size.

#include <QIcon>
#include <QImage>
#include <QString>

namespace w4 {

// The icon drawn at size x size pixels, on a see-through background.
QImage DrawAppIcon(int size);

// The window icon, with the usual sizes prepared so the desktop never scales a tiny one up.
QIcon AppIcon();

// The icon as the bytes of a PNG file.
QByteArray AppIconPng(int size);

// Writes the icon as a PNG file, atomically. Throws FileError naming the file.
void WriteAppIconPng(const QString& path, int size);

} // namespace w4
