#pragma once
// Help at the board: walking and pushing by mouse, deadlock marks, hints, the solver and the way
// back to the last position that can still be won. It owns the worker thread, the marks drawn
// over the board and the progress box; a solution it found is shown as the game model's film.
// The main window forwards its commands, keys, mouse events and paints here, one line each, and
// the game model's position-changed event to Refresh.

#include <QPoint>
#include <QString>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QWidget;

namespace w4 {

class WindowSeam;
struct AssistParts;
class EditorCheck;
class SolutionOptimizer;
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
    void OptimizeSolution();   // the stored solution shortened (solutionoptimizer.h)
    void ToggleLiveCheck();    // the editor's live solvability check (editorcheck.h)

    // --- Hooks into the window's handlers: true when the event was the help's own ---
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;
    void MouseUp(const QPoint& position, Qt::MouseButton button);
    bool OfferSolve();   // Play on a level without a solution offers to solve it; true on Yes
    // The shown position changed: the deadlock marks and the hint follow it.
    void Refresh();
    // The marks drawn over the board display (never into the board picture).
    void Paint(QPainter& painter) const;

    // --- What it shows ---
    std::vector<std::pair<int, int>> DeadlockMarks() const;
    // Where the message is drawn over the board area: in a margin, never over a cell; empty when
    // no margin can hold it (the status bar still shows it).
    QRect MessageRect() const;
    std::optional<std::array<int, 4>> HintMark() const;   // box x, y, then the cell it goes to
    bool Busy() const;
    QString LiveCheckText() const;   // the editor check's line, empty when none
    std::uint64_t LiveChecksStarted() const;   // boards handed to the editor check, one per change
    bool Walking() const;
    QWidget* Progress() const;

private:
    void FinishWalk();         // the rest of a walk by mouse at once
    void CancelHintSearch();   // a running hint search ends
    void SetUpMenuChecks();    // helpcommands.cpp
    void UpdateMenuChecks();

    WindowSeam& window_;
    GameState& game_;   // the window's own, which outlives the help
    std::unique_ptr<AssistParts> parts_;
    std::unique_ptr<SolutionOptimizer> optimizer_;
    std::unique_ptr<EditorCheck> check_;
};

} // namespace w4
