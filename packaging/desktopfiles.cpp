// Writes the files an install puts into the desktop's folders, from the same code that Tools >
// Associate Extension uses for a portable copy, so the two never show different things:
//   <out>/icons/<n>x<n>/warehaus4.png, <out>/warehaus4.desktop, <out>/warehaus4.xml
// Usage: w4desktopfiles <out folder> <size>...
#include "app/desktop/appicon.h"
#include "app/desktop/association.h"
#include "core/fileio.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "Usage: %s <out folder> <icon size>...\n", argv[0]);
        return 2;
    }
    const QString out = QFile::decodeName(argv[1]);
    try {
        for (int i = 2; i < argc; ++i) {
            const int size = std::atoi(argv[i]);
            w4::WriteAppIconPng(QStringLiteral("%1/icons/%2x%2/warehaus4.png").arg(out).arg(size), size);
        }
        w4::WriteFileAtomically(QFile::encodeName(out + QStringLiteral("/warehaus4.desktop")).toStdString(),
                                w4::DesktopEntryTextWithExec(QLatin1String(w4::kPackageExecLine)).toStdString());
        w4::WriteFileAtomically(QFile::encodeName(out + QStringLiteral("/warehaus4.xml")).toStdString(),
                                w4::MimePackageText().toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
