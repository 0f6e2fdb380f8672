// The one question before a command drops the editor's unsaved drawing.
#include "app/window/captions.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/loading.h"

namespace {

// Whether the shown level (the editor's drawing) is the one its file holds.
bool SameLevel(const w4::GameState& shown, const w4::GameState& saved)
{
    return shown.LevelWidth == saved.LevelWidth && shown.LevelHeight == saved.LevelHeight &&
           shown.LevelHeader == saved.LevelHeader && !shown.SnapshotHistory.empty() &&
           !saved.SnapshotHistory.empty() &&
           shown.SnapshotHistory.front().Board == saved.SnapshotHistory.front().Board;
}

} // namespace

bool w4::MayDropUnsavedDrawing(WindowSeam& window, const QString& what)
{
    const GameState& g = window.State();
    if (g.GameMode != ModeEditor || g.Playlist.empty() || SameLevel(g, LevelAsSaved(g)))
        return true;
    return window.Dialog().Question(Warehaus4::QTr("The level has unsaved changes. ") +
                                    what + Warehaus4::QTr("\r\n\r\nDo you want to go on ?"));
}
