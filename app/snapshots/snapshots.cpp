#include "app/snapshots/snapshots.h"

#include "app/snapshots/fsnapshots.h"
#include "app/snapshots/recoverywriter.h"
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/folders.h"
#include "core/loading.h"
#include "core/snapshots.h"

#include <QTimer>
#include <QWidget>

namespace w4 {

Snapshots::Snapshots(WindowSeam& window)
    : window_(window)
    , writer_(std::make_unique<RecoveryWriter>())
{
}

Snapshots::~Snapshots() = default;

void Snapshots::AddCommands(CommandTable& table, const TileSet& tiles)
{
    table.Add({"ToolsSaveSnapshot", {QT_TRANSLATE_NOOP("Warehaus4", "Save Snapshot")}, [this] { Save(true); },
               {Press(Qt::Key_F5, InPlay)}, {}, {}});
    table.Add({"SaveSnapshotAtOnce",
               {QT_TRANSLATE_NOOP("Warehaus4", "Save Snapshot under the proposed name")},
               [this] { Save(false); }, {Press(Qt::Key_F5, InPlay, Qt::ShiftModifier)}, {}, {}});
    // The window of the level in play, from every mode: a restore goes to Play mode.
    table.Add({"ToolsSnapshots", {QT_TRANSLATE_NOOP("Warehaus4", "Snapshots")}, [this, &tiles] { OpenWindow(tiles); },
               {Press(Qt::Key_F6, InEveryMode)}, {}, {}});
    table.Add({"ToolsResumeAttempt", {QT_TRANSLATE_NOOP("Warehaus4", "Resume Attempt")}, [this] { ResumeAttempt(); },
               {Press(Qt::Key_F9, InPlay)}, {}, {}});
}

void Snapshots::Save(bool askName)
{
    GameState& g = window_.State();
    Dialogs& dialogs = window_.Dialog();
    if (g.GameMode != ModePlay) {
        dialogs.Notice(Warehaus4::QTr("Snapshots are taken in Play mode."));
        return;
    }
    const std::string level = SnapshotLevelPath(g);
    if (level.empty()) {
        dialogs.Notice(Warehaus4::QTr("This level keeps no snapshots: only .xsb level files do."));
        return;
    }
    const QString proposed = QString::fromStdString(DefaultSnapshotName(g, ReadSnapshots(g, level)));
    QString name = proposed;
    if (askName) {
        const std::optional<QString> typed =
            dialogs.Text(Warehaus4::QTr("Name of the snapshot:"), proposed);
        if (!typed)
            return;
        if (!typed->trimmed().isEmpty())
            name = typed->trimmed();
    }
    SaveSnapshot(g, name.toStdString());
}

void Snapshots::OpenWindow(const TileSet& tiles)
{
    if (list_ == nullptr) {
        list_ = new TFRMSnapshots(window_.Dialog(), window_.Window());
        QObject::connect(list_, &TFRMSnapshots::RestoreChosen, list_, [this](const Snapshot& s) {
            const Snapshot chosen = s;
            window_.Guarded([this, chosen] { Restore(chosen); });
        });
    }
    list_->Open(window_.State(), tiles);
}

void Snapshots::ResumeAttempt()
{
    GameState& g = window_.State();
    const std::string level = SnapshotLevelPath(g);
    std::optional<Snapshot> attempt = level.empty() ? std::nullopt : ResumableAttempt(g, level);
    // An attempt recovered at start that could not be kept as a snapshot is still this run's.
    if (recovered_ && !level.empty() && recovered_->Level == level && (!attempt || attempt->Date <= recovered_->Attempt.Date))
        attempt = recovered_->Attempt;
    if (!attempt) {
        if (const std::string problem = level.empty() ? std::string() : SnapshotFileProblem(g, level); !problem.empty()) {
            window_.Dialog().Notice(QString::fromStdString(problem));
            return;
        }
        window_.Dialog().Notice(Warehaus4::QTr("No attempt in progress on this level."));
        return;
    }
    Restore(*attempt);
}

bool Snapshots::KeepAttempt(const QString& question)
{
    try {
        w4::KeepAttempt(window_.State());
    } catch (const std::exception& e) {
        window_.Dialog().Error(QString::fromUtf8(e.what()));
        if (question.isEmpty())
            return true;   // lost all the same; the recovery file still holds it
        if (!window_.Dialog().Question(question))
            return false;
    }
    ForgetInProgress();
    return true;
}

void Snapshots::Restore(const Snapshot& s)
{
    GameState& g = window_.State();
    if (!MayDropUnsavedDrawing(window_, Warehaus4::QTr("Restoring the position plays the level as its file holds it and drops the changes.")))
        return;
    const AttemptLeave leave(g, window_.Screen());
    if (!leave)
        return;
    // The mode switch reloads the level first.
    if (g.GameMode != ModePlay && !window_.SetGameMode(ModePlay))
        return;
    if (!RestoreSnapshot(g, window_.Screen(), s))
        window_.Dialog().Notice(Warehaus4::QTr("This snapshot does not fit the level any more: the level has changed since."));
}

// --- The attempt in progress on disk ------------------------------------------------------------

void Snapshots::AttemptChanged()
{
    if (autosave_ == nullptr) {
        autosave_ = new QTimer(window_.Window());
        autosave_->setSingleShot(true);
        autosave_->setInterval(AutosaveDelay);
        QObject::connect(autosave_, &QTimer::timeout, window_.Window(), [this] { KeepInProgress(); });
    }
    // Not restarted by later changes: a player who never pauses is still written once a delay.
    if (!autosave_->isActive())
        autosave_->start();
}

void Snapshots::KeepInProgress(bool wait)
{
    GameState& g = window_.State();
    const std::string failed = writer_->TakeError();
    if (!failed.empty()) {
        written_.reset();   // tried again at the next change
        // Shown once: a kept snapshot does not depend on it.
        if (!autosaveFailed_) {
            autosaveFailed_ = true;
            window_.Dialog().Error(QString::fromUtf8(failed) +
                                   Warehaus4::QTr("\r\nThe attempt in progress is not kept on disk until it is left."));
        }
    }
    if (g.AttemptSettled)
        return;   // a command is leaving it and has dealt with it
    std::optional<AttemptRecord> now = AttemptInProgress(g);
    if (!now) {
        ForgetInProgress();
    } else if (!written_ || written_->Level != now->Level || !written_->Attempt.SameAttempt(now->Attempt)) {
        const std::string path = RecoveryFilePath(g);
        MakeFolderFor(g, path);
        writer_->Write(path, RecoveryFileLines(*now));
        written_ = std::move(now);
    }
    if (wait)
        writer_->Wait();
}

void Snapshots::ForgetInProgress()
{
    // Only a file of this run: one a crash left and that could not be kept stays for the next.
    if (!written_)
        return;
    writer_->Remove(RecoveryFilePath(window_.State()));
    written_.reset();
}

void Snapshots::RecoverLeftAttempt()
{
    GameState& g = window_.State();
    try {
        KeepRecoveredAttempt(g);
    } catch (const std::exception& e) {
        recovered_ = ReadRecoveryFile(g);
        window_.Dialog().Error(QString::fromUtf8(e.what()) +
                               Warehaus4::QTr("\r\nUntil you quit, Resume Attempt (F9) on its level still brings back the attempt "
                                         "the last run left."));
    }
}

} // namespace w4
