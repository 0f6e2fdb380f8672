#include "app/help/solverjobs.h"

#include "app/help/assistworker.h"
#include "app/help/helppresenter.h"
#include "app/help/progressbox.h"
#include "app/window/windowseam.h"
#include "core/pathing.h"
#include "core/reverse.h"
#include "core/uglobal.h"

#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

namespace w4 {

namespace {

solver::Options SolverOptions(AssistWorker& worker, double seconds, std::uint64_t base)
{
    solver::Options options;
    options.timeLimitSeconds = seconds;
    options.memoryBudgetBytes = SolveMemory;
    // A second core lets the feature searches run beside the others instead of taking turns
    // with them: stronger hints and checks on hard levels, in the same time and memory.
    options.threads = solver::DefaultThreads();
    options.cancel = &worker.CancelFlag();
    options.progress = [&worker, base](const solver::Progress& p) { worker.Positions = base + p.positions; };
    return options;
}

} // namespace

const BoardGrid* WorkedBoard(const GameState& g)
{
    if (g.HistoryLength <= 0 || g.SnapshotHistory.empty())
        return nullptr;
    if (g.GameMode == ModePlay)
        return &g.Current().Board;
    return &g.SnapshotHistory.front().Board;
}

HelpPosition PositionOf(const GameState& g)
{
    HelpPosition p;
    p.Mode = g.GameMode;
    p.LevelIndex = g.LevelIndex;
    if (g.LevelIndex >= 0 && static_cast<std::size_t>(g.LevelIndex) < g.Playlist.size())
        p.File = g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
    p.Width = g.LevelWidth;
    p.Height = g.LevelHeight;
    if (const BoardGrid* board = WorkedBoard(g))
        p.Board = *board;
    return p;
}

DeadlockCheck CheckDeadlocks(const GameState& g, const HelpPosition& shown)
{
    DeadlockCheck check;
    check.Reverse = g.Reverse && g.OtherAttempt.Present;
    if (g.GameMode == ModePlay && g.DeadlockWarnings && g.LevelWidth > 0 && g.LevelHeight > 0)
        check.Boxes = check.Reverse
                          ? ReverseDeadlockedBoxes(g.OtherAttempt.History[0].Board, shown.Board, shown.Width, shown.Height)
                          : solver::DeadlockedBoxes(BoardRows(shown.Board, shown.Width, shown.Height));
    return check;
}

SolverJobs::SolverJobs(WindowSeam& window)
    : window_(window), worker_(std::make_unique<AssistWorker>(window.Window()))
{
    progressTimer_ = new QTimer(window_.Window());
    progressTimer_->setInterval(200);
    QObject::connect(progressTimer_, &QTimer::timeout, window_.Window(), [this] { UpdateProgress(); });
}

SolverJobs::~SolverJobs() = default;

bool SolverJobs::Busy() const { return worker_->Busy(); }

void SolverJobs::CancelHint()
{
    if (running_ == HelpJob::Hint)
        worker_->Cancel();
}

SolverJobs::Taken SolverJobs::Take(std::function<void()> command)
{
    if (!worker_->Busy())
        return Taken::Free;
    if (running_ != HelpJob::Hint)
        return Taken::Busy;
    worker_->Cancel();
    putOff_ = std::move(command);
    return Taken::PutOff;
}

bool SolverJobs::RunPutOff()
{
    if (!putOff_)
        return false;
    const std::function<void()> next = std::move(putOff_);
    putOff_ = nullptr;
    window_.Guarded(next);
    return true;
}

void SolverJobs::Solve(std::vector<std::string> rows, const QString& title,
                       std::function<void(const solver::Result&)> done)
{
    auto result = std::make_shared<solver::Result>();
    running_ = HelpJob::Solve;
    worker_->Start(
        [rows = std::move(rows), result](AssistWorker& worker) {
            *result = solver::Solve(rows, SolverOptions(worker, SolveSeconds, 0));
        },
        [this, result, done = std::move(done)] {
            running_ = HelpJob::None;
            CloseProgress();
            done(*result);
        });
    OpenProgress(title);
}

void SolverJobs::Hint(std::vector<std::string> rows, std::function<void(const solver::Result&)> done)
{
    auto result = std::make_shared<solver::Result>();
    running_ = HelpJob::Hint;
    worker_->Start(
        [rows = std::move(rows), result](AssistWorker& worker) {
            *result = solver::Solve(rows, SolverOptions(worker, HintSeconds, 0));
        },
        [this, result, done = std::move(done)] {
            running_ = HelpJob::None;
            done(*result);
        });
}

void SolverJobs::LastSolvable(std::vector<std::string> startRows, std::string letters, int shown,
                              const QString& title, std::function<void(const LastSolvableResult&)> done)
{
    auto result = std::make_shared<LastSolvableResult>();
    running_ = HelpJob::LastSolvable;
    worker_->Start(
        [startRows = std::move(startRows), letters = std::move(letters), shown, result](AssistWorker& worker) {
            std::uint64_t explored = 0;
            *result = FindLastSolvable(startRows, letters, shown, [&](const std::vector<std::string>& rows) {
                ++worker.Step;
                Solvability verdict = Solvability::Unknown;
                if (!solver::DeadlockedBoxes(rows).empty()) {
                    verdict = Solvability::Unsolvable;
                } else {
                    const solver::Result r = solver::Solve(rows, SolverOptions(worker, CheckSeconds, explored));
                    explored += r.positions;
                    worker.Positions = explored;
                    switch (r.outcome) {
                    case solver::Outcome::Solved: verdict = Solvability::Solvable; break;
                    case solver::Outcome::Unsolvable: verdict = Solvability::Unsolvable; break;
                    case solver::Outcome::Cancelled: verdict = Solvability::Cancelled; break;
                    default: break;
                    }
                }
                return verdict;
            });
        },
        [this, result, done = std::move(done)] {
            running_ = HelpJob::None;
            CloseProgress();
            done(*result);
        });
    OpenProgress(title);
}

QWidget* SolverJobs::Progress() const { return progress_ ? progress_.data() : nullptr; }

void SolverJobs::OpenProgress(const QString& title)
{
    progressTitle_ = title;
    progress_ = OpenSearchProgress(window_.Window(), "DLGAssistProgress", title,
                                   HelpPresenter::CancelText(window_.State()), 360, [this] { worker_->Cancel(); });
    progressTimer_->start();
    UpdateProgress();
}

void SolverJobs::CloseProgress()
{
    progressTimer_->stop();
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
    }
    progress_ = nullptr;
}

void SolverJobs::UpdateProgress()
{
    if (!progress_)
        return;
    const int step = running_ == HelpJob::LastSolvable ? worker_->Step.load() : 0;
    progress_->setLabelText(HelpPresenter::ProgressText(window_.State(), progressTitle_, worker_->Seconds(),
                                                        worker_->Positions.load(), step));
}

} // namespace w4
