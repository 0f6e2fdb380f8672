// Collections and the clipboard: File > Import Collection, Export Playlist, and copying and
// pasting levels and solutions as text.
#include "app/captions.h"
#include "app/fmain.h"

#include "core/collection.h"
#include "core/fileio.h"
#include "core/folders.h"
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

#include <memory>

namespace {

const QString LevelFilter = QStringLiteral("Sokoban XSB Levels (*.xsb)");
const QString CollectionFilter =
    QStringLiteral("Sokoban collections (*.sok *.txt *.xsb *.SOK *.TXT *.XSB);;All files (*)");

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The reasons a summary lists, one a line; a long list ends with how many more there were.
QString SkippedLines(const w4::LevelCollection& collection, int language)
{
    constexpr std::size_t Shown = 15;
    QString text;
    for (std::size_t i = 0; i < collection.Skipped.size() && i < Shown; ++i)
        text += QStringLiteral("\r\n") + QString::fromStdString(w4::SkippedItemText(collection.Skipped[i], language));
    if (collection.Skipped.size() > Shown) {
        const QString more = QString::number(collection.Skipped.size() - Shown);
        text += QStringLiteral("\r\n") +
                (language == w4::LanguageFrench ? QStringLiteral("… et %1 de plus") : QStringLiteral("… and %1 more")).arg(more);
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

// Writes the planned files on a worker thread while a progress box with Cancel shows how far it
// got; the window keeps repainting. The worker gets its own copies.
w4::ImportResult RunImport(QWidget* parent, const QString& caption, const QString& cancel,
                           const w4::LevelCollection& collection, const std::vector<w4::ImportTarget>& plan)
{
    auto progress = std::make_shared<w4::ImportProgress>();
    auto result = std::make_shared<w4::ImportResult>();
    QThread* worker = QThread::create([progress, result, collection, plan] {
        *result = w4::WriteImport(collection, plan, *progress);
    });
    QProgressDialog box(caption, cancel, 0, static_cast<int>(plan.size()), parent);
    box.setWindowModality(Qt::WindowModal);
    box.setMinimumDuration(300);
    box.setAutoReset(false);
    QObject::connect(&box, &QProgressDialog::canceled, [progress] { progress->Cancel = true; });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&box, progress] { box.setValue(progress->Done.load()); });
    QEventLoop loop;
    // Queued to this thread, so a worker that ends at once still ends the loop once it runs.
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    poll.start(50);
    loop.exec();
    worker->wait();
    delete worker;
    box.reset();
    return *result;
}

} // namespace

void TFRMMain::MNUFileImportCollectionClick()
{
    const int language = Game.LanguageNumber;
    const QString file = dialogs.OpenFile(ProgramFolderText(), CollectionFilter);
    if (file.isEmpty())
        return;
    const w4::LevelCollection collection = w4::ReadCollectionFile(PathBytes(file));
    if (collection.Levels.empty()) {
        dialogs.Notice(w4::WithPath(w4::Choose(Game, "No level could be read from this file.",
                                               "Aucun niveau n'a pu être lu dans ce fichier."),
                                    file) +
                       SkippedLines(collection, language));
        return;
    }

    // The proposed folder is a new one named after the collection, beside it. It is made so the
    // chooser can open on it, and taken away again when it is not used.
    const QFileInfo info(file);
    const QString proposed = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    const bool made = !QFileInfo::exists(proposed) && QDir().mkpath(proposed);
    const QString folder = dialogs.Folder(proposed);
    if (made && QDir(folder).absolutePath() != QDir(proposed).absolutePath())
        QDir().rmdir(proposed);
    if (folder.isEmpty())
        return;

    const std::vector<w4::ImportTarget> plan = w4::PlanImport(collection, PathBytes(QDir(folder).absolutePath()));
    const std::vector<std::string> existing = w4::ExistingTargets(plan);
    if (!existing.empty()) {
        const QString question =
            (language == w4::LanguageFrench
                 ? QStringLiteral("%1 fichiers existent déjà dans ce dossier (le premier : %2). Voulez-vous les remplacer ?")
                 : QStringLiteral("%1 files exist already in this folder (the first: %2). Do you want to replace them ?"))
                .arg(existing.size())
                .arg(QFileInfo(PathText(existing.front())).fileName());
        if (!dialogs.Question(w4::WithPath(question, folder)))
            return;
    }

    const w4::ImportResult result =
        RunImport(this, w4::Choose(Game, "Importing the levels…", "Importation des niveaux…"),
                  w4::Choose(Game, "Cancel", "Annuler"), collection, plan);

    // Whatever was written joins the playlist, also when the import stopped part-way.
    if (!result.Written.empty()) {
        Game.LevelIndex = static_cast<std::int32_t>(Game.Playlist.size());
        for (const std::string& path : result.Written)
            Game.Playlist.push_back(path);
        w4::LoadLevel(Game, *this);
        w4::RedrawBoard(Game, *this);
        Game.LastOpenTime = Game.Now();
    }

    const int written = static_cast<int>(result.Written.size());
    if (!result.Error.empty()) {
        dialogs.Error((language == w4::LanguageFrench
                           ? QStringLiteral("L'importation s'est arrêtée au niveau %1 : %2\r\nLes %3 niveaux écrits avant "
                                            "sont dans la liste.")
                           : QStringLiteral("The import stopped at level %1: %2\r\nThe %3 levels written before it are in "
                                            "the playlist."))
                          .arg(result.StoppedAtLevel)
                          .arg(QString::fromStdString(result.Error))
                          .arg(written));
        return;
    }
    QString summary = (language == w4::LanguageFrench
                           ? QStringLiteral("%1 niveaux importés, %2 avec solution, %3 écartés")
                           : QStringLiteral("%1 levels imported, %2 with solutions, %3 skipped"))
                          .arg(written)
                          .arg(result.WithSolutions)
                          .arg(SkippedLevels(collection));
    if (result.Cancelled)
        summary += QStringLiteral("\r\n") + w4::Choose(Game, "The import was cancelled; the levels written before stay.",
                                                       "L'importation a été annulée ; les niveaux déjà écrits restent.");
    dialogs.Notice(w4::WithPath(summary, folder) + SkippedLines(collection, language));
}

void TFRMMain::MNUFileExportPlaylistClick()
{
    if (Game.Playlist.empty())
        return;
    const QString path = dialogs.SaveFile(ProgramFolderText(), CollectionFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    const w4::ExportResult result = w4::ExportPlaylist(Game, PathBytes(path));
    QString text = (Game.LanguageNumber == w4::LanguageFrench ? QStringLiteral("%1 niveaux exportés")
                                                               : QStringLiteral("%1 levels exported"))
                       .arg(result.Written);
    text = w4::WithPath(text, path);
    if (!result.Missing.empty()) {
        text += QStringLiteral("\r\n") + w4::Choose(Game, "Left out (no such file, or no board):",
                                                    "Ecartés (fichier absent ou sans plateau) :");
        for (const std::string& missing : result.Missing)
            text += QStringLiteral("\r\n") + PathText(missing);
    }
    dialogs.Notice(text);
}

void TFRMMain::MNUFileCopyLevelClick()
{
    const std::string text = w4::LevelClipboardText(Game);
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

// The pasted level goes the way of File > New: a file chosen in the save dialog, a new playlist
// entry, the editor. Cancelling the dialog leaves everything as it was.
void TFRMMain::MNUFilePasteLevelClick()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    const w4::LevelCollection collection = w4::ReadCollection(pasted.toStdString());
    if (collection.Levels.empty()) {
        dialogs.Notice(w4::Choose(Game, "The clipboard holds no level.", "Le presse-papiers ne contient aucun niveau.") +
                       SkippedLines(collection, Game.LanguageNumber));
        return;
    }
    const QString path = dialogs.SaveFile(ProgramFolderText(), LevelFilter, QStringLiteral("xsb"));
    if (path.isEmpty())
        return;
    const w4::CollectionLevel& level = collection.Levels.front();
    const std::string file = PathBytes(path);
    w4::WriteLevelFile(w4::LevelState(level.Rows, level.Header), file);
    if (!level.Solutions.empty()) {
        const std::string solution = w4::SolutionFilePathFor(Game, file);
        w4::MakeFolderFor(Game, solution);
        w4::WriteSolutionFile(solution, level.BestSolution());
    }
    Game.LevelIndex = static_cast<std::int32_t>(Game.Playlist.size());
    Game.Playlist.push_back(file);
    Game.LastOpenTime = Game.Now();
    SetGameMode(w4::ModeEditor);
}

void TFRMMain::MNUFileCopySolutionClick()
{
    const std::string letters = !Game.StoredSolution.empty() ? Game.StoredSolution : w4::SolutionLetters(Game);
    if (!letters.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(letters));
}

void TFRMMain::MNUFilePasteSolutionClick()
{
    if (Game.Playlist.empty() || Game.LevelWidth <= 0 || Game.LevelHeight <= 0)
        return;
    const w4::PastedSolution pasted = w4::CheckPastedSolution(Game, QGuiApplication::clipboard()->text().toStdString());
    const bool french = Game.LanguageNumber == w4::LanguageFrench;
    if (pasted.NotMoves) {
        dialogs.Notice(w4::Choose(Game, "The clipboard holds no moves.", "Le presse-papiers ne contient aucun mouvement."));
        return;
    }
    if (pasted.FailedMove > 0) {
        dialogs.Notice((french ? QStringLiteral("La solution échoue au mouvement %1.")
                               : QStringLiteral("The solution fails at move %1."))
                           .arg(pasted.FailedMove));
        return;
    }
    if (!pasted.Solves) {
        dialogs.Notice((french ? QStringLiteral("Après ses %1 mouvements, le niveau n'est pas résolu.")
                               : QStringLiteral("After its %1 moves the level is not solved."))
                           .arg(pasted.Letters.size()));
        return;
    }
    w4::OfferToKeepSolution(Game, *this, pasted.Letters);
    // Shown in solution mode: the reload reads the stored solution, then the pasted one takes
    // its place for the film.
    SetGameMode(w4::ModeSolution);
    Game.StoredSolution = pasted.Letters;
    Game.FilmPosition = 0;
}
