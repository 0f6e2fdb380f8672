#pragma once
// Help at the board: walking and pushing by mouse, deadlock marks, hints, the solver and the way
// back to the last position that can still be won. It owns the worker thread, the marks drawn
// over the board, the film of a solution it found and the progress box; the main window forwards
// its commands, keys, mouse events, status refreshes and paints here, one line each.

#include <QPoint>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QWidget;

namespace w4 {

class WindowSeam;
struct AssistParts;
struct GameState;

class BoardHelp {
public:
    // Made once the window's menus and board area exist; the window outlives it.
    explicit BoardHelp(WindowSeam& window);
    ~BoardHelp();   // cancels a running search and waits for it
    BoardHelp(const BoardHelp&) = delete;
    BoardHelp& operator=(const BoardHelp&) = delete;

    // --- Tools menu ---
    void Solve();
    void Hint();
    void LastSolvable();
    void ToggleDeadlockWarnings();

    // --- Hooks into the window's handlers: true when the event was the help's own ---
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;
    void MouseUp(const QPoint& position, Qt::MouseButton button);
    bool FilmRewind();   // the film of a solver's solution rewinds to its own start
    bool OfferSolve();   // Play on a level without a solution offers to solve it; true on Yes
    // After every status refresh: the deadlock marks and the hint follow the shown position.
    void Refresh();
    // The marks drawn over the board display (never into the board picture).
    void Paint(QPainter& painter) const;

    // --- What it shows ---
    std::vector<std::pair<int, int>> DeadlockMarks() const;
    std::optional<std::array<int, 4>> HintMark() const;   // box x, y, then the cell it goes to
    bool Busy() const;
    bool Walking() const;
    QWidget* Progress() const;

private:
    WindowSeam& window_;
    GameState& game_;   // the window's own, which outlives the help
    std::unique_ptr<AssistParts> parts_;
};

} // namespace w4
