#pragma once
// What the rooms beside the main window (help at the board, collections) may ask of it. They see
// the window only through this: the game state, the way to the screen, the dialogs, and the few
// window commands they end in. The main window is the one implementation.

#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace w4 {

struct GameState;
class Dialogs;
class Frontend;

class WindowSeam {
public:
    virtual GameState& State() = 0;
    // The window as the core's front end: redraws, status, history bar, sounds.
    virtual Frontend& Screen() = 0;
    virtual Dialogs& Dialog() = 0;
    // The window itself (the parent of progress boxes) and its board area (sizes, repaints).
    virtual QWidget* Window() = 0;
    virtual QWidget* BoardArea() = 0;
    // A menu item by its name ("MNUToolsHint", "POPToolsHint"), null when there is none.
    virtual QAction* MenuItem(const QString& name) const = 0;
    // The folder the file choosers open in.
    virtual QString ProgramFolderText() const = 0;
    // The help's line in the status bar's last panel.
    virtual void ShowHelpMessage(const QString& text) = 0;
    // Runs a command under the window's general error handler.
    virtual void Guarded(const std::function<void()>& command) = 0;
    virtual void SetGameMode(int mode) = 0;
    // The film's Play button.
    virtual void PlayFilm() = 0;

protected:
    ~WindowSeam() = default;
};

} // namespace w4
