#pragma once
// The solver's jobs for the help: a solution, a hint, the last position that can still be won,
// and the deadlock check. The searches run on the worker thread with copies of the positions,
// one at a time, with a progress box for the long ones; each hands back a plain result on the
// window's thread, and the presenter (helppresenter.h) tells the player what it means.

#include "app/help/assistsearch.h"
#include "core/movehistory.h"
#include "solver/solver.h"

#include <QPointer>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QProgressDialog;
class QTimer;
class QWidget;

namespace w4 {

class AssistWorker;
class WindowSeam;
struct GameState;

constexpr double SolveSeconds = 60;   // Solve: a level a player may wait a minute for
constexpr double HintSeconds = 8;     // a hint is wanted at once
constexpr double CheckSeconds = 10;   // each position the last-solvable search checks
constexpr std::size_t SolveMemory = std::size_t(1) << 30;

// A position the help worked on: a result applies only while the same position is shown.
struct HelpPosition {
    int Mode = 0;
    int LevelIndex = -1;
    std::string File;
    int Width = 0, Height = 0;
    BoardGrid Board{};

    bool operator==(const HelpPosition&) const = default;
};

// The board the help works on in each mode: the shown position in Play mode, the edited board
// in Editor mode, the level's start in Solution mode. Null before any level.
const BoardGrid* WorkedBoard(const GameState& g);
HelpPosition PositionOf(const GameState& g);

// The boxes of a position that can no longer be finished: in reverse play the ones no pulls can
// take back to a cell where a box starts. None unless the warnings are on in Play mode.
struct DeadlockCheck {
    bool Reverse = false;
    std::vector<std::pair<int, int>> Boxes;
};
DeadlockCheck CheckDeadlocks(const GameState& g, const HelpPosition& shown);

enum class HelpJob { None, Solve, Hint, LastSolvable };

class SolverJobs {
public:
    explicit SolverJobs(WindowSeam& window);
    ~SolverJobs();   // cancels a running search and waits for it
    SolverJobs(const SolverJobs&) = delete;
    SolverJobs& operator=(const SolverJobs&) = delete;

    bool Busy() const;
    HelpJob Running() const { return running_; }
    void CancelHint();   // a running hint search ends; any other job goes on

    // A command that needs the solver never waits on a hint: the hint search is cancelled and the
    // command runs once its thread has ended (a cancel is answered within 100 ms), the window
    // answering meanwhile. Another job running is Taken::Busy.
    enum class Taken { Free, PutOff, Busy };
    Taken Take(std::function<void()> command);
    // Runs the command put off by Take; false when there was none.
    bool RunPutOff();

    // Each `done` runs on the window's thread once the job ended, the progress box closed.
    void Solve(std::vector<std::string> rows, const QString& title, std::function<void(const solver::Result&)> done);
    void Hint(std::vector<std::string> rows, std::function<void(const solver::Result&)> done);
    void LastSolvable(std::vector<std::string> startRows, std::string letters, int shown, const QString& title,
                      std::function<void(const LastSolvableResult&)> done);

    QWidget* Progress() const;

private:
    void OpenProgress(const QString& title);
    void CloseProgress();
    void UpdateProgress();

    WindowSeam& window_;
    HelpJob running_ = HelpJob::None;
    std::function<void()> putOff_;
    QPointer<QProgressDialog> progress_;
    QTimer* progressTimer_ = nullptr;
    QString progressTitle_;
    std::unique_ptr<AssistWorker> worker_;
};

} // namespace w4
