// Collections and the clipboard: File > Import Collection, Export Playlist, and copying and
// pasting levels and solutions as text.
#include "app/collections/collections.h"

#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"

#include "core/bestscore.h"
#include "core/collection.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/frontend.h"
#include "core/levelexport.h"
#include "core/loading.h"
#include "core/usokoban.h"

#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString LevelFilter = QStringLiteral("Sokoban XSB Levels (*.xsb)");
const QString CollectionFilter =
    QStringLiteral("Sokoban collections (*.sok *.txt *.xsb *.SOK *.TXT *.XSB);;All files (*)");

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The reasons a summary lists, one a line; a long list ends with how many more there were.
QString SkippedLines(const w4::LevelCollection& collection)
{
    constexpr std::size_t Shown = 15;
    QString text;
    for (std::size_t i = 0; i < collection.Skipped.size() && i < Shown; ++i)
        text += QStringLiteral("\r\n") + QString::fromStdString(w4::SkippedItemText(collection.Skipped[i]));
    if (collection.Skipped.size() > Shown) {
        const QString more = QString::number(collection.Skipped.size() - Shown);
        text += QStringLiteral("\r\n") +
                Warehaus4::QTr("… and %1 more").arg(more);
    }
    return text;
}

int SkippedLevels(const w4::LevelCollection& collection)
{
    int count = 0;
    for (const w4::SkippedItem& item : collection.Skipped)
        if (item.Reason == w4::SkipReason::NoKeeper || item.Reason == w4::SkipReason::SeveralKeepers ||
            item.Reason == w4::SkipReason::TooLarge)
            ++count;
    return count;
}

// Runs 'work' on a worker thread while a modal progress box shows how far it got (asked of
// 'update' every 50 ms); the window keeps repainting. Cancel calls 'cancel'.
void RunWithProgress(QWidget* parent, const QString& caption, const QString& cancelText, int maximum,
                     std::function<void()> work, std::function<void()> cancel,
                     std::function<void(QProgressDialog&)> update)
{
    QThread* worker = QThread::create(std::move(work));
    QProgressDialog box(caption, cancelText, 0, maximum, parent);
    box.setWindowModality(Qt::WindowModal);
    box.setMinimumDuration(300);
    box.setAutoReset(false);
    QObject::connect(&box, &QProgressDialog::canceled, std::move(cancel));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&box, &update] { update(box); });
    QEventLoop loop;
    // Queued to this thread, so a worker that ends at once still ends the loop once it runs.
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    poll.start(50);
    loop.exec();
    worker->wait();
    delete worker;
    box.reset();
}

// Writes the planned files on a worker thread with progress and Cancel. The worker gets its own
// copies.
w4::ImportResult RunImport(QWidget* parent, const QString& caption, const QString& cancel,
                           const w4::LevelCollection& collection, const std::vector<w4::ImportTarget>& plan)
{
    auto progress = std::make_shared<w4::ImportProgress>();
    auto result = std::make_shared<w4::ImportResult>();
    RunWithProgress(
        parent, caption, cancel, static_cast<int>(plan.size()),
        [progress, result, collection, plan] { *result = w4::WriteImport(collection, plan, *progress); },
        [progress] { progress->Cancel = true; }, [progress](QProgressDialog& box) { box.setValue(progress->Done.load()); });
    return *result;
}

// Reads and checks a collection on a worker thread (a large one with long solutions takes a
// while), with the same progress box and Cancel as the writing. Cancelled: an empty collection
// marked so.
w4::LevelCollection RunRead(QWidget* parent, const QString& caption, const QString& cancel, const std::string& path)
{
    auto progress = std::make_shared<w4::CollectionProgress>();
    auto result = std::make_shared<w4::LevelCollection>();
    RunWithProgress(
        parent, caption, cancel, 0,
        [progress, result, path] { *result = w4::ReadCollectionFile(path, w4::MaxCollectionBytes, progress.get()); },
        [progress] { progress->Cancel = true; },
        [progress](QProgressDialog& box) {
            // Until the text is split the box only shows it is busy.
            if (const int total = progress->Total.load(); total > 0 && box.maximum() != total)
                box.setMaximum(total);
            box.setValue(progress->Checked.load());
        });
    if (progress->Cancel.load()) {
        w4::LevelCollection cancelled;
        cancelled.Cancelled = true;
        return cancelled;
    }
    return *result;
}

} // namespace

void w4::Collections::AddCommands(CommandTable& table)
{
    const auto add = [this, &table](const char* id, const char* english, void (Collections::*run)(),
                                    std::vector<KeyBinding> keys) {
        table.Add({id, {english}, [this, run] { (this->*run)(); }, std::move(keys), {}, {}});
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    add("FileImportCollection", QT_TRANSLATE_NOOP("Warehaus4", "Import Collection"), &Collections::Import, {});
    add("FileExportPlaylist", QT_TRANSLATE_NOOP("Warehaus4", "Export Playlist"), &Collections::ExportPlaylist, {});
    add("FileCopyLevel", QT_TRANSLATE_NOOP("Warehaus4", "Copy Level"), &Collections::CopyLevel, {Press(Qt::Key_C, InEveryMode, ctrl)});
    add("FilePasteLevel", QT_TRANSLATE_NOOP("Warehaus4", "Paste Level"), &Collections::PasteLevel, {Press(Qt::Key_V, InEveryMode, ctrl)});
    add("FileCopySolution", QT_TRANSLATE_NOOP("Warehaus4", "Copy Solution"), &Collections::CopySolution,
        {Press(Qt::Key_C, InEveryMode, ctrlShift)});
    add("FilePasteSolution", QT_TRANSLATE_NOOP("Warehaus4", "Paste Solution"), &Collections::PasteSolution,
        {Press(Qt::Key_V, InEveryMode, ctrlShift)});
}

void w4::Collections::Import()
{
    w4::GameState& g = window_.State();
    const QString file = window_.Dialog().OpenFile(window_.ProgramFolderText(), CollectionFilter);
    if (file.isEmpty())
        return;
    const w4::LevelCollection collection =
        RunRead(window_.Window(), Warehaus4::QTr("Reading the collection…"),
                Warehaus4::QTr("Cancel"), PathBytes(file));
    if (collection.Cancelled)
        return;
    if (collection.RefusedBytes > 0) {
        window_.Dialog().Notice(QString::fromStdString(w4::RefusedCollectionText(PathBytes(file), collection.RefusedBytes)));
        return;
    }
    if (collection.Levels.empty()) {
        window_.Dialog().Notice(w4::WithPath(Warehaus4::QTr("No level could be read from this file."),
                                    file) +
                       SkippedLines(collection));
        return;
    }

    // The proposed folder is a new one named after the collection, beside it. It is made so the
    // chooser can open on it, and taken away again when it is not used.
    const QFileInfo info(file);
    const QString proposed = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const bool made = !QFileInfo::exists(proposed) && QDir().mkpath(proposed);
    const QString folder = window_.Dialog().Folder(proposed);
    if (made && QDir(folder).absolutePath() != QDir(proposed).absolutePath())
        QDir().rmdir(proposed);
    if (folder.isEmpty())
        return;

    const std::vector<w4::ImportTarget> plan = w4::PlanImport(collection, PathBytes(QDir(folder).absolutePath()), g);
    const std::vector<std::string> existing = w4::ExistingTargets(plan);
    if (!existing.empty()) {
        const auto name = [](const std::string& path) { return QFileInfo(PathText(path)).fileName(); };
        // Snapshot files are never replaced: they are named apart, with what becomes of them.
        QStringList replaced, solutions, staying, aside;
        for (const w4::ImportTarget& target : plan) {
            if (target.OldSnapshots.empty())
                continue;
            if (target.SnapshotsAside.empty())
                staying << name(target.OldSnapshots);
            else
                aside << name(target.OldSnapshots) + QStringLiteral(" → ") + name(target.SnapshotsAside);
        }
        for (const std::string& path : existing) {
            const bool snapshots = std::any_of(plan.begin(), plan.end(), [&](const w4::ImportTarget& t) { return t.OldSnapshots == path; });
            if (!snapshots)
                replaced << name(path);
            // An old solution file would be loaded for the new level: say that it goes too.
            if (path.size() > 4 && path.compare(path.size() - 4, 4, ".XHT") == 0)
                solutions << name(path);
        }
        QString question;
        if (!replaced.isEmpty())
            question = Warehaus4::QTr("%1 files exist already in this folder (the first: %2).")
                           .arg(replaced.size())
                           .arg(replaced.front());
        if (!solutions.isEmpty())
            question += Warehaus4::QTr("\r\nAmong them %1 solution files, replaced or removed with their levels: %2.")
                            .arg(solutions.size())
                            .arg(solutions.join(QStringLiteral(", ")));
        if (!staying.isEmpty())
            question += Warehaus4::QTr("\r\n%1 snapshot files stay as they are, as their boards are unchanged: %2.")
                            .arg(staying.size())
                            .arg(staying.join(QStringLiteral(", ")));
        if (!aside.isEmpty())
            question += Warehaus4::QTr("\r\n%1 snapshot files of changed boards are kept aside, renamed: %2.")
                            .arg(aside.size())
                            .arg(aside.join(QStringLiteral(", ")));
        question = question.trimmed();
        question += replaced.isEmpty() ? Warehaus4::QTr(" Do you want to go on ?")
                                       : Warehaus4::QTr(" Do you want to replace them ?");
        if (!window_.Dialog().Question(w4::WithPath(question, folder)))
            return;
    }

    // The attempt on the board is kept (or let go) before anything is written.
    const w4::AttemptLeave leave(g, window_.Screen());
    if (!leave)
        return;
    const w4::ImportResult result =
        RunImport(window_.Window(), Warehaus4::QTr("Importing the levels…"),
                  Warehaus4::QTr("Cancel"), collection, plan);

    // Whatever was written joins the playlist, also when the import stopped part-way.
    if (!result.Written.empty()) {
        g.LevelIndex = static_cast<std::int32_t>(g.Playlist.size());
        for (const std::string& path : result.Written)
            g.Playlist.push_back(path);
        w4::LoadLevel(g, window_.Screen());
        w4::RedrawBoard(g, window_.Screen());
        g.LastOpenTime = g.Now();
    }

    const int written = static_cast<int>(result.Written.size());
    QString asideText;
    if (!result.SnapshotsKeptAside.empty()) {
        QStringList names;
        for (const std::string& path : result.SnapshotsKeptAside)
            names << QFileInfo(PathText(path)).fileName();
        asideText = QStringLiteral("\r\n") + Warehaus4::QTr("Snapshots of changed levels kept aside:") +
                    QStringLiteral(" ") + names.join(QStringLiteral(", "));
    }
    if (!result.Error.empty()) {
        window_.Dialog().Error(Warehaus4::QTr("The import stopped at level %1: %2\r\nThe %3 levels written before it are in "
                                            "the playlist.")
                          .arg(result.StoppedAtLevel)
                          .arg(QString::fromStdString(result.Error))
                          .arg(written) +
                      asideText);
        return;
    }
    QString summary = Warehaus4::QTr("%1 levels imported, %2 with solutions, %3 skipped")
                          .arg(written)
                          .arg(result.WithSolutions)
                          .arg(SkippedLevels(collection));
    summary += asideText;
    if (result.Cancelled)
        summary += QStringLiteral("\r\n") + Warehaus4::QTr("The import was cancelled; the levels written before stay.");
    window_.Dialog().Notice(w4::WithPath(summary, folder) + SkippedLines(collection));
}

void w4::Collections::ExportPlaylist()
{
    w4::GameState& g = window_.State();
    if (g.Playlist.empty())
        return;
    const QString path = window_.Dialog().SaveFile(window_.SaveFolderText(), CollectionFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    const w4::ExportResult result = w4::ExportPlaylist(g, PathBytes(path));
    QString text = Warehaus4::QTr("%1 levels exported")
                       .arg(result.Written);
    text = w4::WithPath(text, path);
    if (!result.Missing.empty()) {
        text += QStringLiteral("\r\n") + Warehaus4::QTr("Left out (no such file, or no board):");
        for (const std::string& missing : result.Missing)
            text += QStringLiteral("\r\n") + PathText(missing);
    }
    window_.Dialog().Notice(text);
}

void w4::Collections::CopyLevel()
{
    w4::GameState& g = window_.State();
    const std::string text = w4::LevelClipboardText(g);
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

// The pasted level goes the way of File > New: a file chosen in the save dialog, a new playlist
// entry, the editor. Cancelling the dialog leaves everything as it was.
void w4::Collections::PasteLevel()
{
    w4::GameState& g = window_.State();
    const QString pasted = QGuiApplication::clipboard()->text();
    const w4::LevelCollection collection = w4::ReadCollection(pasted.toStdString());
    if (collection.Levels.empty()) {
        window_.Dialog().Notice(Warehaus4::QTr("The clipboard holds no level.") +
                       SkippedLines(collection));
        return;
    }
    const QString path = window_.Dialog().SaveFile(window_.SaveFolderText(), LevelFilter, QStringLiteral("xsb"));
    if (path.isEmpty())
        return;
    const w4::AttemptLeave leave(g, window_.Screen());
    if (!leave)
        return;
    const w4::CollectionLevel& level = collection.Levels.front();
    const std::string file = PathBytes(path);
    w4::WriteLevelFile(w4::LevelState(level.Rows, level.Header), file);
    if (!level.Solutions.empty()) {
        const std::string solution = w4::SolutionFilePathFor(g, file);
        w4::MakeFolderFor(g, solution);
        w4::WriteSolutionFile(solution, level.BestSolution());
    }
    g.LevelIndex = static_cast<std::int32_t>(g.Playlist.size());
    g.Playlist.push_back(file);
    g.LastOpenTime = g.Now();
    window_.SetGameMode(w4::ModeEditor);
}

void w4::Collections::CopySolution()
{
    w4::GameState& g = window_.State();
    const std::string letters = !g.StoredSolution.empty() ? g.StoredSolution : w4::SolutionLetters(g);
    if (!letters.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(letters));
}

void w4::Collections::PasteSolution()
{
    w4::GameState& g = window_.State();
    if (g.Playlist.empty() || g.LevelWidth <= 0 || g.LevelHeight <= 0)
        return;
    // A solution is kept for the level its file holds, whatever is shown (a film, the editor's
    // unsaved drawing): the letters are checked against that.
    if (!w4::MayDropUnsavedDrawing(
            window_, Warehaus4::QTr("The solution is checked against the saved level, and showing it in Solution mode "
                                   "drops the changes.")))
        return;
    w4::GameState saved = w4::LevelAsSaved(g);
    const w4::PastedSolution pasted = w4::CheckPastedSolution(saved, QGuiApplication::clipboard()->text().toStdString());
    if (pasted.NotMoves) {
        window_.Dialog().Notice(Warehaus4::QTr("The clipboard holds no moves."));
        return;
    }
    if (pasted.FailedMove > 0) {
        window_.Dialog().Notice(Warehaus4::QTr("The solution fails at move %1.")
                           .arg(pasted.FailedMove));
        return;
    }
    if (!pasted.Solves) {
        window_.Dialog().Notice(Warehaus4::QTr("After its %1 moves the level is not solved.")
                           .arg(pasted.Letters.size()));
        return;
    }
    const w4::AttemptLeave leave(g, window_.Screen());
    if (!leave)
        return;
    w4::OfferToKeepSolution(saved, window_.Screen(), pasted.Letters);
    // Shown in Solution mode; the reload reads the stored solution, which is the pasted one only
    // when it was kept. Otherwise the pasted one is a film of its own.
    window_.SetGameMode(w4::ModeSolution);
    if (g.StoredSolution != pasted.Letters)
        window_.ShowOwnFilm(pasted.Letters, 0);
}
