// Files from outside the window, the file association and the help links.
#include "app/fmain.h"

#include "core/loading.h"

#include <QFile>
#include <QFileInfo>

// Whatever the hand-over channel and the drop target need between start and quit.
struct ShellParts {};

void ShellPartsDeleter::operator()(ShellParts* parts) const { delete parts; }

// Opens the channel later starts hand their files over through, and accepts dropped files.
void TFRMMain::StartShell() {}

// Start-up: level files named on the command line join the playlist; the current level stays.
void TFRMMain::AddCommandLineFiles(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    for (const QString& argument : arguments) {
        if (QFileInfo(argument).suffix().compare(QStringLiteral("xsb"), Qt::CaseInsensitive) == 0)
            Game.Playlist.push_back(QFile::encodeName(argument).toStdString());
    }
    LoadAndRedraw();
}

// Files dropped on the window: the level files join the playlist and the first of them shows.
void TFRMMain::FormDropFiles(const QStringList&) {}
// One argument of a later start: appended to the playlist and shown.
void TFRMMain::ReceiveHandedOverArgument(const QString&) {}
void TFRMMain::dragEnterEvent(QDragEnterEvent*) {}
void TFRMMain::dropEvent(QDropEvent*) {}

// Registers the program as the handler of .xsb files, after a question.
void TFRMMain::MNUToolsAssociateExtensionClick() {}
// Opens the maintainer's mail address in the mail program.
void TFRMMain::MNUHelpSendMailClick() {}
// Opens the project's web page in the browser.
void TFRMMain::MNUHelpWebSiteClick() {}
