#pragma once
// What the rooms beside the main window (help at the board, collections) may ask of it. They see
// the window only through this: the game state, the way to the screen, the dialogs, and the few
// window commands they end in. The main window is the one implementation.

#include "core/gamemodel.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace w4 {

class Dialogs;

class WindowSeam {
public:
    virtual GameState& State() = 0;
    // The window as the core's front end: redraws, status, history bar, sounds.
    virtual Frontend& Screen() = 0;
    virtual Dialogs& Dialog() = 0;
    // The window itself (the parent of progress boxes) and its board area (sizes, repaints).
    virtual QWidget* Window() = 0;
    virtual QWidget* BoardArea() = 0;
    // The folder the file choosers open in.
    virtual QString ProgramFolderText() const = 0;
    // The folder a dialog that saves a new file opens in: one the user can write.
    virtual QString SaveFolderText() const = 0;
    // The help's line in the status bar's last panel.
    virtual void ShowHelpMessage(const QString& text) = 0;
    // Runs a command under the window's general error handler.
    virtual void Guarded(const std::function<void()>& command) = 0;
    // Reloads the level in the mode. False when the attempt on the board could not be kept and
    // the player chose to stay with it: then nothing changed.
    virtual bool SetGameMode(int mode) = 0;
    // The film's Play button.
    virtual void PlayFilm() = 0;
    // Shows, in Solution mode, a film that is not the level's stored solution (a solver's, a
    // pasted one): `letters` from the level's start, or from `start` when given, the first `from`
    // of them played at once. The game model owns it (GameModel::ShowFilm); the level's stored
    // solution stays as the file has it and the next load ends the film.
    virtual void ShowOwnFilm(const std::string& letters, std::size_t from,
                             std::optional<FilmStart> start = std::nullopt) = 0;
    // The letters of the film shown by ShowOwnFilm; empty when the stored solution is shown.
    virtual const std::string& OwnFilm() const = 0;

protected:
    ~WindowSeam() = default;
};

// In the editor, with a drawing that differs from the level's file: asks whether to go on and
// drop it, saying what the command does with the level (`what`). True when nothing is drawn
// unsaved or the player says Yes. Every command that would drop the drawing asks this.
bool MayDropUnsavedDrawing(WindowSeam& window, const QString& what);

} // namespace w4
