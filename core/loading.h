#pragma once
#include "core/frontend.h"
#include "core/uglobal.h"

namespace w4 {

// Turns the playlist entry at LevelIndex into a fresh attempt. Draws nothing. Unless a command
// settled it already (AttemptLeave), tells the frontend first (AttemptEnding, with no way to
// stay), while the attempt it replaces is still there.
void LoadLevel(GameState& g, Frontend& ui);

// Held by a command that would leave the attempt on the board (a level change, a reload, a mode
// switch, a restore, an import, Close, Empty or Default Playlist) before it changes anything: the
// frontend keeps the attempt, or, when it cannot, the player may choose to stay; false then, and
// the command changes nothing. The loads the command runs do not ask again; a command that ends
// without one (cancelled, failed) leaves the attempt open as it was.
class AttemptLeave {
public:
    AttemptLeave(GameState& g, Frontend& ui);
    ~AttemptLeave();
    AttemptLeave(const AttemptLeave&) = delete;
    AttemptLeave& operator=(const AttemptLeave&) = delete;
    explicit operator bool() const { return going_; }

private:
    GameState& g_;
    bool going_ = true;
    bool settled_ = false;   // settled here, not by a command this one runs inside
};

// The last keeper cell in drawing order (rows top to bottom, each left to right) of the shown
// snapshot becomes KeeperX/KeeperY; with no keeper the old position stays.
void LocateKeeper(GameState& g);

// Full redraw: keeper position, the picture, then census and status.
void RedrawBoard(GameState& g, Frontend& ui);

// The current playlist entry as its files hold it now (start position, header, stored solution),
// loaded as Play mode loads it on a scratch state: what a solution file is kept for.
GameState LevelAsSaved(const GameState& g);

} // namespace w4
