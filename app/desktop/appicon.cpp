#include "app/desktop/appicon.h"

#include "core/fileio.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace w4 {

namespace {

constexpr int MaxIconSize = 1024;

const QColor CrateDark(0x7a, 0x12, 0x12);
const QColor CrateRed(0xd3, 0x2f, 0x2f);
const QColor CrateLight(0xef, 0x53, 0x50);
const QColor KeeperDark(0x1b, 0x4d, 0x20);
const QColor KeeperGreen(0x2e, 0x9d, 0x3c);
const QColor KeeperLight(0x66, 0xbb, 0x6a);
const QColor Skin(0xf3, 0xc9, 0x9f);

void DrawCrate(QPainter& p)
{
    const QRectF outer(36, 8, 58, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(CrateDark);
    p.drawRoundedRect(outer, 5, 5);
    const QRectF inner = outer.adjusted(8, 8, -8, -8);
    p.setBrush(CrateRed);
    p.drawRect(inner);
    // The planks and the brace that make a box read as a crate even at 16 pixels.
    p.setPen(QPen(CrateLight, 2.5));
    for (int i = 1; i < 3; ++i) {
        const double y = inner.top() + inner.height() * i / 3.0;
        p.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
    }
    p.setPen(QPen(CrateDark, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(inner.bottomLeft(), inner.topRight());
}

void DrawKeeper(QPainter& p)
{
    const QPen outline(KeeperDark, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Legs, body and the arm pushing against the crate.
    p.setPen(QPen(KeeperDark, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 80), QPointF(15, 94));
    p.drawLine(QPointF(32, 80), QPointF(38, 94));
    p.setPen(QPen(KeeperGreen, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 58), QPointF(44, 54));

    p.setPen(outline);
    p.setBrush(KeeperGreen);
    p.drawRoundedRect(QRectF(10, 50, 28, 34), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(KeeperLight);
    p.drawRoundedRect(QRectF(14, 54, 8, 24), 4, 4);

    // Head with a green cap.
    p.setPen(outline);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(24, 38), 11, 11);
    QPainterPath cap;
    cap.moveTo(12.5, 36);
    cap.arcTo(QRectF(13, 24, 22, 22), 180, -180);
    cap.lineTo(40, 36);
    cap.closeSubpath();
    p.setBrush(KeeperGreen);
    p.drawPath(cap);
}

} // namespace

QImage DrawAppIcon(int size)
{
    size = std::clamp(size, 1, MaxIconSize);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    DrawCrate(p);
    DrawKeeper(p);
    p.end();
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

QByteArray AppIconPng(int size)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    DrawAppIcon(size).save(&buffer, "PNG");
    return png;
}

void WriteAppIconPng(const QString& path, int size)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw FileError("Cannot write file \"" + path.toStdString() + "\": cannot create the folder \""
                        + folder.toStdString() + "\"");
    const QByteArray png = AppIconPng(size);
    WriteFileAtomically(QFile::encodeName(path).toStdString(), png.toStdString());
}

} // namespace w4
