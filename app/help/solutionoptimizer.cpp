#include "app/help/solutionoptimizer.h"

#include "app/help/progressbox.h"
#include "app/window/captions.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/bestscore.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/frontend.h"
#include "core/loading.h"
#include "core/pathing.h"
#include "core/usokoban.h"
#include "solver/board.h"
#include "solver/optimizer.h"
#include "solver/solution.h"
#include "solver/solver.h"

#include <QLocale>
#include <QProgressDialog>
#include <QTimer>

#include <memory>

namespace w4 {

namespace {

constexpr double SolveSeconds = 60;      // as Tools > Solve: a level without a solution is solved first
constexpr double OptimizeSeconds = 60;   // Cancel ends it sooner and keeps the best found so far
constexpr std::size_t Memory = std::size_t(1) << 30;

// What the worker found: the solver's outcome when it had to solve first, then the optimizer's.
struct Found {
    bool solvedFirst = false;
    solver::Result solve;
    solver::OptimizeResult optimized;
};

} // namespace

SolutionOptimizer::SolutionOptimizer(WindowSeam& window, std::function<void(const std::string&)> showFilm)
    : window_(window), game_(window.State()), showFilm_(std::move(showFilm)), worker_(window.Window())
{
    progressTimer_ = new QTimer(window_.Window());
    progressTimer_->setInterval(200);
    QObject::connect(progressTimer_, &QTimer::timeout, window_.Window(), [this] { UpdateProgress(); });
}

SolutionOptimizer::~SolutionOptimizer()
{
    progressTimer_->stop();
    if (progress_)
        progress_->deleteLater();
}

QWidget* SolutionOptimizer::Progress() const { return progress_.data(); }

void SolutionOptimizer::UpdateProgress()
{
    if (!progress_)
        return;
    QString text = (solving_ ? Warehaus4::QTr("Solving the level first...")
                             : Warehaus4::QTr("Optimizing the solution..."))
        + QStringLiteral("\n\n")
        + Warehaus4::QTr("Time: %1 s    Positions explored: %2")
              .arg(static_cast<int>(worker_.Seconds()))
              .arg(QLocale().toString(static_cast<qulonglong>(worker_.Positions.load())));
    if (!solving_ && bestMoves_ > 0)
        text += QStringLiteral("\n")
            + Warehaus4::QTr("Best so far: %1 moves, %2 pushes")
                  .arg(static_cast<qulonglong>(bestMoves_.load()))
                  .arg(static_cast<qulonglong>(bestPushes_.load()));
    progress_->setLabelText(text);
}

void SolutionOptimizer::Start()
{
    if (worker_.Busy() || game_.Playlist.empty() || game_.LevelIndex < 0 ||
        static_cast<std::size_t>(game_.LevelIndex) >= game_.Playlist.size())
        return;
    // The stored solution belongs to the level as its file holds it, so that is what is optimized,
    // whatever the editor shows meanwhile.
    const GameState file = LevelAsSaved(game_);
    if (file.LevelWidth <= 0 || file.LevelHeight <= 0 || file.SnapshotHistory.empty()) {
        window_.Dialog().Notice(Warehaus4::QTr("This level cannot be read from its file."));
        return;
    }
    const std::vector<std::string> rows = BoardRows(file.SnapshotHistory.front().Board, file.LevelWidth, file.LevelHeight);
    // The stored solution as every check reads it (blanks, lines, run-length, lower-case pushes);
    // one that does not solve the level is no start, and the player is told it was broken.
    const SolutionReading kept = ReadStoredSolution(file);
    const std::string stored = kept.Letters;
    const bool broken = !file.StoredSolution.empty() && !kept.Solves;
    const std::string path = game_.Playlist[static_cast<std::size_t>(game_.LevelIndex)];
    const int levelIndex = game_.LevelIndex;
    const int threads = w4::solver::DefaultThreads();
    auto found = std::make_shared<Found>();
    bestMoves_ = 0;
    bestPushes_ = 0;
    solving_ = false;
    worker_.Start(
        [this, rows, stored, threads, found](AssistWorker& worker) {
            std::string start = stored;
            const solver::Board board = solver::BoardForSolving(rows);
            // A stored solution that does not solve the level as its file holds it is no start.
            if (start.empty() || board.invalid != solver::InvalidReason::None ||
                !solver::ReplaysToSolved(board.grid, start)) {
                solving_ = true;
                found->solvedFirst = true;
                solver::Options options;
                options.timeLimitSeconds = SolveSeconds;
                options.memoryBudgetBytes = Memory;
                options.threads = threads;
                options.cancel = &worker.CancelFlag();
                options.progress = [&worker](const solver::Progress& p) { worker.Positions = p.positions; };
                found->solve = solver::Solve(rows, options);
                solving_ = false;
                if (found->solve.outcome != solver::Outcome::Solved)
                    return;
                start = found->solve.moves;
            }
            solver::OptimizeOptions options;
            // The best-score rule counts moves: that is the measure a kept solution is judged by.
            options.measure = solver::Measure::MovesThenPushes;
            options.timeLimitSeconds = OptimizeSeconds;
            options.memoryBudgetBytes = Memory;
            options.cancel = &worker.CancelFlag();
            options.progress = [this, &worker](const solver::OptimizeProgress& p) {
                worker.Positions = p.positions;
                bestMoves_ = p.moves;
                bestPushes_ = static_cast<std::uint64_t>(p.pushes);
            };
            found->optimized = solver::Optimize(rows, start, options);
        },
        [this, path, levelIndex, rows, broken, found] {
            progressTimer_->stop();
            if (progress_) {
                progress_->hide();
                progress_->deleteLater();
            }
            progress_ = nullptr;
            // The window may have moved to another level meanwhile.
            if (game_.LevelIndex != levelIndex || game_.Playlist.empty() ||
                game_.Playlist[static_cast<std::size_t>(levelIndex)] != path)
                return;
            window_.Guarded([this, &rows, broken, &found] {
                Dialogs& dialogs = window_.Dialog();
                if (found->solvedFirst && found->solve.outcome != solver::Outcome::Solved) {
                    if (found->solve.outcome != solver::Outcome::Cancelled)
                        dialogs.Notice((broken ? Warehaus4::QTr("This level has no solution to optimize: the stored one "
                                                               "does not solve it, and the solver found none (%1).")
                                               : Warehaus4::QTr("This level has no solution to optimize: none is stored, "
                                                               "and the solver found none (%1)."))
                                           .arg(QString::fromUtf8(solver::OutcomeName(found->solve.outcome))));
                    return;
                }
                const solver::OptimizeResult& r = found->optimized;
                if (r.moves.empty()) {
                    dialogs.Notice(Warehaus4::QTr("The solution could not be optimized (%1).")
                                       .arg(QString::fromUtf8(solver::OptimizeOutcomeName(r.outcome))));
                    return;
                }
                QString text =
                    r.Improved()
                        ? Warehaus4::QTr("Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).")
                        : Warehaus4::QTr("No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).");
                text = text.arg(r.moves.size()).arg(r.pushes).arg(r.movesBefore).arg(r.pushesBefore);
                if (found->solvedFirst && broken)
                    text += Warehaus4::QTr("\r\nThe stored solution does not solve the level: the solver's was the start.");
                else if (found->solvedFirst)
                    text += Warehaus4::QTr("\r\nThe level had no stored solution: the solver's was the start.");
                if (r.outcome == solver::OptimizeOutcome::Exhausted)
                    text += Warehaus4::QTr("\r\nEvery position was searched: none is shorter.");
                const bool watch = dialogs.Question(
                    text + Warehaus4::QTr("\r\n\r\nDo you want to watch it ?"));
                // Kept by the best-score rule, judged against the solution stored now.
                const GameState now = LevelAsSaved(game_);
                const bool sameLevel = !now.SnapshotHistory.empty() &&
                    BoardRows(now.SnapshotHistory.front().Board, now.LevelWidth, now.LevelHeight) == rows;
                if (sameLevel)
                    OfferToKeepSolution(now, window_.Screen(), r.moves);
                if (watch)
                    showFilm_(r.moves);
            });
        });
    progress_ = OpenSearchProgress(window_.Window(), "DLGOptimizeProgress", QString(), Warehaus4::QTr("Cancel"),
                                   380, [this] { worker_.Cancel(); });
    progressTimer_->start();
    UpdateProgress();
}

} // namespace w4
