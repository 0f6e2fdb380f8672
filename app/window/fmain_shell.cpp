// Files from outside the window, the file association and the help links.
#include "app/window/fmain.h"

#include "app/desktop/association.h"
#include "app/desktop/handover.h"
#include "app/desktop/links.h"
#include "app/desktop/singleinstance.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <deque>
#include <string>

// The hand-over channel itself has to exist before the window does (a later start must never find
// no one while this window is being built), so main() owns it. An argument that arrives while one
// of the window's dialogs is open joins the playlist at once, so a quit answered Yes meanwhile
// still saves it; only its loading waits, because a command waiting for an answer about the level
// on show must find that level still there when the answer comes.
struct ShellParts {
    std::deque<std::string> Pending;
    QTimer Retry;
};

void ShellPartsDeleter::operator()(ShellParts* parts) const { delete parts; }

namespace {

constexpr int PendingRetryMs = 100;

// Loads and draws the held arguments in the order they came, once no dialog is open.
void ApplyPending(TFRMMain& window, ShellParts& shell)
{
    if (QApplication::activeModalWidget() != nullptr) {
        shell.Retry.start();
        return;
    }
    shell.Retry.stop();
    while (!shell.Pending.empty()) {
        const std::string path = std::move(shell.Pending.front());
        shell.Pending.pop_front();
        window.Guarded([&window, &path] { w4::ShowHeldBackFile(window.State(), window, path); });
    }
}

} // namespace

// The window takes files dropped from the desktop; the hand-over channel is main()'s.
void TFRMMain::StartShell()
{
    Shell.reset(new ShellParts);
    Shell->Retry.setInterval(PendingRetryMs);
    connect(&Shell->Retry, &QTimer::timeout, this, [this] { ApplyPending(*this, *Shell); });
    setAcceptDrops(true);
}

// Start-up: level files named on the command line join the playlist; the current level stays.
void TFRMMain::AddCommandLineFiles(const QByteArrayList& arguments)
{
    w4::ReceiveCommandLineFiles(Game, *this, w4::PlaylistPaths(arguments));
}

// Files dropped on the window: the level files join the playlist and the first of them shows.
void TFRMMain::FormDropFiles(const QByteArrayList& paths)
{
    w4::BringToFront(this);
    w4::ReceiveDroppedFiles(Game, *this, w4::PlaylistPaths(paths));
}

// One argument of a later start: appended to the playlist and shown (the showing held while a
// dialog is open). Any failure is reported here, so the later start always gets its answer and
// goes on.
void TFRMMain::ReceiveHandedOverArgument(const QByteArray& argument)
{
    std::string path = w4::PlaylistPath(argument);
    Game.Playlist.push_back(path);
    Shell->Pending.push_back(std::move(path));
    ApplyPending(*this, *Shell);
}

void TFRMMain::dragEnterEvent(QDragEnterEvent* event)
{
    // Only a drag that carries files from this machine can give the playlist anything.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void TFRMMain::dropEvent(QDropEvent* event)
{
    QByteArrayList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (const QByteArray bytes = w4::LocalFileBytes(url); !bytes.isEmpty())
            paths << bytes;
    event->acceptProposedAction();
    Guarded([this, &paths] { FormDropFiles(paths); });
}

// Registers the program as the handler of .xsb files, after a question.
void TFRMMain::MNUToolsAssociateExtensionClick() { w4::AssociateExtensionCommand(Game, *this); }
// Opens the maintainer's mail address in the mail program.
void TFRMMain::MNUHelpSendMailClick() { w4::SendMail(); }
// Opens the project's web page in the browser.
void TFRMMain::MNUHelpWebSiteClick() { w4::OpenWebSite(); }
