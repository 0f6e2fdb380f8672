#pragma once
// Help at the board: walking and pushing by mouse, deadlock marks, hints, the solver and the way
// back to the last position that can still be won. The window talks to the help only through
// this facade, one line each: its commands, keys, mouse events, paints and the news that the
// position changed. Behind it each job has files of its own: mousewalk (walks by mouse),
// helpoverlay (what is drawn over the board, from a plain model), solverjobs (the searches and
// their results), helppresenter (what the player is told and asked), helpcommands (its commands
// and keys in the window's command table). A solution it found is shown as the game model's film.

#include <QPoint>
#include <QString>
#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QWidget;

namespace w4 {

class WindowSeam;
class CommandTable;
class EditorCheck;
class SolutionOptimizer;
class HelpMessage;
class HelpPresenter;
class MouseWalk;
class SolverJobs;
struct GameState;
struct OverlayModel;

class BoardHelp {
public:
    // Made once the window's menus and board area exist; the window outlives it.
    explicit BoardHelp(WindowSeam& window);
    ~BoardHelp();   // cancels a running search and waits for it
    BoardHelp(const BoardHelp&) = delete;
    BoardHelp& operator=(const BoardHelp&) = delete;

    // Tools > Solve, Hint (H), Last Solvable Position, Deadlock Warnings, Optimize Solution and
    // Live Solvability Check; and the help's look at every key (KeySeen).
    void AddCommands(CommandTable& table);

    // --- Tools menu ---
    void Solve();
    void Hint();
    void LastSolvable();
    void ToggleDeadlockWarnings();
    void OptimizeSolution();   // the stored solution shortened (solutionoptimizer.h)
    void ToggleLiveCheck();    // the editor's live solvability check (editorcheck.h)

    // --- Hooks into the window's handlers: true when the event was the help's own ---
    // A key reached the board: a walk by mouse ends at once, and a key other than the hint's
    // (`hintKey`) stops a hint search.
    void KeySeen(int key, bool hintKey);
    bool MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;
    void MouseUp(const QPoint& position, Qt::MouseButton button);
    bool OfferSolve();   // Play on a level without a solution offers to solve it; true on Yes
    // The shown position, mode or level changed: the deadlock marks, the hint, the editor's live
    // check and the message's language follow it. The one way in for that news, sent by the
    // window on the game model's position-changed event.
    void PositionChanged();
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
    struct Marks;

    void FinishWalk();         // the rest of a walk by mouse at once
    void CancelHintSearch();   // a running hint search ends
    // True when a command needing the solver must not run now (put off after a hint, or busy).
    bool SolverTaken(std::function<void()> command);
    OverlayModel Overlay() const;

    WindowSeam& window_;
    GameState& game_;   // the window's own, which outlives the help
    std::unique_ptr<HelpMessage> message_;
    std::unique_ptr<HelpPresenter> presenter_;
    std::unique_ptr<Marks> marks_;
    std::unique_ptr<MouseWalk> walk_;
    std::unique_ptr<SolutionOptimizer> optimizer_;
    std::unique_ptr<EditorCheck> check_;
    std::unique_ptr<SolverJobs> jobs_;   // last: its search ends before anything it reports to
};

} // namespace w4
