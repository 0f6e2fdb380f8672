#pragma once
// Tools > Associate Extension on a freedesktop desktop: "*.xsb" becomes a file type of its own,
// this program its default handler, with its icon, so a double click on a level file starts it
// with the file as its only argument (and a running window receives it from there).

#include "core/frontend.h"
#include "core/uglobal.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace w4 {

inline constexpr char kLevelMimeType[] = "text/x-sokoban-xsb";
inline constexpr char kDesktopFileName[] = "warehaus4.desktop";


// Where the association goes, after XDG_DATA_HOME and XDG_CONFIG_HOME (or their defaults).
struct AssociationFiles {
    QString MimePackage;    // <data>/mime/packages/warehaus4.xml
    QString DesktopEntry;   // <data>/applications/warehaus4.desktop
    QStringList Icons;      // <data>/icons/hicolor/<n>x<n>/apps/warehaus4.png
    QList<int> IconSizes;   // n for each of Icons
    QString MimeAppsList;   // <config>/mimeapps.list
    QString DataFolder;
};
AssociationFiles AssociationTargets();

// The Exec value: the executable quoted by the desktop-entry rules, then %f.
QString DesktopExecLine(const QString& executable);
QByteArray MimePackageText();
QByteArray DesktopEntryText(const QString& executable);
// The same entry with a ready Exec value: the package's names the program on the PATH.
QByteArray DesktopEntryTextWithExec(const QString& execLine);
inline constexpr char kPackageExecLine[] = "warehaus4 %f";
// mimeapps.list with this program made the default for level files; every other line is kept.
QString UpdatedMimeAppsList(const QString& existing);

// Writes every file of the association (each atomically) and refreshes the desktop's caches.
// Throws FileError naming the file that could not be written; what was written before stays.
void AssociateExtension(const QString& executable = QCoreApplication::applicationFilePath());

// The whole menu command: the question, the work, the notice. Nothing is written on No. An
// installed copy only says that its package associates it, and writes nothing.
void AssociateExtensionCommand(GameState& g, Frontend& ui,
                               const QString& executable = QCoreApplication::applicationFilePath());

} // namespace w4
