#pragma once
// The editor's live solvability check: while the author draws, the board is checked by the
// solver with a short limit on a thread of its own, started again on every change and cancelled
// when the board changes again; the verdict shows in the help's status line, in the language
// chosen at the time it is read (a switch rewrites it). The window's thread only hands the board
// over and shows what comes back, so painting never waits for it.

#include "core/uglobal.h"
#include "solver/livecheck.h"

#include <QString>

#include <memory>
#include <optional>

class QObject;

namespace w4 {

class WindowSeam;

class EditorCheck {
public:
    explicit EditorCheck(WindowSeam& window);
    ~EditorCheck();   // cancels the check running and waits for its thread
    EditorCheck(const EditorCheck&) = delete;
    EditorCheck& operator=(const EditorCheck&) = delete;

    // After every status refresh: in Editor mode with the check on, a board not checked yet is
    // handed over; elsewhere the check stops and its line goes.
    void Refresh();
    // Tools > Live Solvability Check.
    void Toggle();
    // The line shown now, empty when none.
    QString Text() const { return text_; }
    // Boards handed to the solver so far (one per change), for the tests.
    std::uint64_t Submitted() const { return submitted_; }

private:
    // The line for the verdict kept (none: still checking) in the current language.
    QString Line() const;
    void Show(const QString& text);
    void Apply(const solver::CheckVerdict& verdict);

    WindowSeam& window_;
    GameState& game_;
    // Verdicts are posted to this object on the window's thread: destroyed with the check, it
    // takes any verdict still on its way with it.
    std::unique_ptr<QObject> receiver_;
    std::unique_ptr<solver::LiveCheck> check_;
    bool following_ = false;   // a board has been handed over and the line belongs to it
    int width_ = 0, height_ = 0;
    BoardGrid board_{};
    std::uint64_t submitted_ = 0;
    std::optional<solver::CheckVerdict> verdict_;   // for the board followed; none while checking
    QString text_;
};

} // namespace w4
