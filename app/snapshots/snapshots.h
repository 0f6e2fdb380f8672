#pragma once
// Snapshots at the window: Tools > Save Snapshot, Snapshots and Resume Attempt, and keeping an
// attempt that a load or quitting would otherwise throw away. An object of its own over the
// window's state, dialogs and screen; the window forwards each command here in one line.

#include "render/tiles.h"

class TFRMSnapshots;

namespace w4 {

class WindowSeam;
struct Snapshot;

class Snapshots {
public:
    explicit Snapshots(WindowSeam& window) : window_(window) {}

    // Play mode: keeps the shown position, asking for a name (a default proposed) when `askName`.
    void Save(bool askName);
    // The Snapshots window of the level in play, its pictures painted with `tiles`.
    void OpenWindow(const TileSet& tiles);
    // Restores the last automatic snapshot newer than the level's solution, if there is one.
    void ResumeAttempt();
    // Keeps the attempt as an automatic snapshot if it would be lost. A failed write throws when
    // `reportErrors` is false, else it is shown and the caller goes on.
    void KeepAttempt(bool reportErrors);

    // The window, once opened (for the tests).
    TFRMSnapshots* Window() const { return list_; }

private:
    void Restore(const Snapshot& s);

    WindowSeam& window_;
    TFRMSnapshots* list_ = nullptr;
};

} // namespace w4
