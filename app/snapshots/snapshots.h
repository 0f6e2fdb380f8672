#pragma once
// Snapshots at the window: Tools > Save Snapshot, Snapshots and Resume Attempt, keeping an
// attempt that a load or quitting would otherwise throw away, and keeping the attempt in
// progress on disk while it is played (core/recovery.h). An object of its own over the window's
// state, dialogs and screen; its commands and their keys go into the window's command table.

#include "core/recovery.h"
#include "render/tiles.h"

#include <QString>

#include <memory>
#include <optional>

class QTimer;
class TFRMSnapshots;

namespace w4 {

class CommandTable;
class RecoveryWriter;
class WindowSeam;
struct Snapshot;

class Snapshots {
public:
    explicit Snapshots(WindowSeam& window);
    // Finishes the recovery file's last write.
    ~Snapshots();

    // Tools > Save Snapshot (F5; Shift+F5 takes the proposed name at once), Snapshots (F6) and
    // Resume Attempt (F9). The window's pictures are painted with `tiles`, which outlive the table.
    void AddCommands(CommandTable& table, const TileSet& tiles);

    // Play mode: keeps the shown position, asking for a name (a default proposed) when `askName`.
    void Save(bool askName);
    // The Snapshots window of the level in play, its pictures painted with `tiles`.
    void OpenWindow(const TileSet& tiles);
    // Restores the last automatic snapshot newer than the level's solution, if there is one.
    void ResumeAttempt();
    // Keeps the attempt as an automatic snapshot if it would be lost. When that write fails the
    // error names the file, then `question` is asked (none: the caller goes on regardless).
    // False when the player answers No: the attempt stays on the board, as it was.
    bool KeepAttempt(const QString& question);

    // The attempt on the board changed (a move, undo, redo, a load): it is written to the
    // recovery file once the moves pause, at most once per AutosaveDelay.
    void AttemptChanged();
    // Writes the attempt in progress to the recovery file, if it is not there yet, without
    // waiting for the write; with `wait`, returns once it is on disk (the program is about to end
    // without the quit question: a signal, the desktop's log-out).
    void KeepInProgress(bool wait = false);
    // At start: an attempt a crash or a kill left in the recovery file becomes an automatic
    // snapshot of its level. When that cannot be written, Resume Attempt still finds it.
    void RecoverLeftAttempt();

    // Milliseconds from a change of the attempt to its write.
    static constexpr int AutosaveDelay = 1000;

    // The window, once opened (for the tests).
    TFRMSnapshots* Window() const { return list_; }

private:
    void Restore(const Snapshot& s);
    // The attempt was kept as a snapshot or let go: the recovery file written for it goes.
    void ForgetInProgress();

    WindowSeam& window_;
    TFRMSnapshots* list_ = nullptr;
    QTimer* autosave_ = nullptr;
    std::unique_ptr<RecoveryWriter> writer_;
    std::optional<AttemptRecord> written_;     // what this run last wrote to the recovery file
    std::optional<AttemptRecord> recovered_;   // left by a crash, not yet kept as a snapshot
    bool autosaveFailed_ = false;              // its error is shown once per run
};

} // namespace w4
