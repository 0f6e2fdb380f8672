#include "app/snapshots/snapshots.h"

#include "app/snapshots/fsnapshots.h"
#include "app/window/captions.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/snapshots.h"

namespace w4 {

void Snapshots::Save(bool askName)
{
    GameState& g = window_.State();
    Dialogs& dialogs = window_.Dialog();
    if (g.GameMode != ModePlay) {
        dialogs.Notice(Choose(g, "Snapshots are taken in Play mode.", "Les instantanés se prennent en mode Jeu."));
        return;
    }
    const std::string level = SnapshotLevelPath(g);
    if (level.empty()) {
        dialogs.Notice(Choose(g, "This level keeps no snapshots: only .xsb level files do.",
                              "Ce niveau ne garde pas d'instantanés : seuls les fichiers .xsb en gardent."));
        return;
    }
    const QString proposed = QString::fromStdString(DefaultSnapshotName(g, ReadSnapshots(g, level)));
    QString name = proposed;
    if (askName) {
        const std::optional<QString> typed =
            dialogs.Text(Choose(g, "Name of the snapshot:", "Nom de l'instantané :"), proposed);
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
    const std::optional<Snapshot> attempt = level.empty() ? std::nullopt : ResumableAttempt(g, level);
    if (!attempt) {
        if (const std::string problem = level.empty() ? std::string() : SnapshotFileProblem(g, level); !problem.empty()) {
            window_.Dialog().Notice(QString::fromStdString(problem));
            return;
        }
        window_.Dialog().Notice(Choose(g, "No attempt in progress on this level.", "Aucune partie en cours sur ce niveau."));
        return;
    }
    Restore(*attempt);
}

void Snapshots::KeepAttempt(bool reportErrors)
{
    if (!reportErrors) {
        w4::KeepAttempt(window_.State());
        return;
    }
    try {
        w4::KeepAttempt(window_.State());
    } catch (const std::exception& e) {
        window_.Dialog().Error(QString::fromUtf8(e.what()));
    }
}

void Snapshots::Restore(const Snapshot& s)
{
    GameState& g = window_.State();
    // The mode switch reloads the level; restoring then offers the attempt it replaces.
    if (g.GameMode != ModePlay)
        window_.SetGameMode(ModePlay);
    if (!RestoreSnapshot(g, window_.Screen(), s))
        window_.Dialog().Notice(Choose(g, "This snapshot does not fit the level any more: the level has changed since.",
                                       "Cet instantané ne correspond plus au niveau : le niveau a changé depuis."));
}

} // namespace w4
