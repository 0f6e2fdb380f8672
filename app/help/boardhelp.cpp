// The help's facade: it holds the jobs side by side and passes the window's events to them.
// The searches run on a worker thread with copies of the positions; everything they find is
// applied here, on the window's thread, and every move they lead to goes through the ordinary
// move commands.
#include "app/help/boardhelp.h"

#include "app/help/editorcheck.h"
#include "app/help/helpoverlay.h"
#include "app/help/helppresenter.h"
#include "app/help/mousewalk.h"
#include "app/help/solutionoptimizer.h"
#include "app/help/solverjobs.h"
#include "app/window/captions.h"
#include "app/window/windowseam.h"
#include "core/bestscore.h"
#include "core/completion.h"
#include "core/frontend.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/pathing.h"
#include "core/uglobal.h"
#include "core/usokoban.h"

#include <QWidget>

namespace w4 {

// The marks worked out for the position last shown, and the hint found for a position.
struct BoardHelp::Marks {
    bool Seen = false;
    HelpPosition Shown;
    std::vector<std::pair<int, int>> Deadlocked;

    bool HasHint = false;
    HelpPosition HintPosition;
    PushMark Hint;
};

BoardHelp::BoardHelp(WindowSeam& window)
    : window_(window)
    , game_(window.State())
    , message_(std::make_unique<HelpMessage>(window))
    , presenter_(std::make_unique<HelpPresenter>(window, *message_))
    , marks_(std::make_unique<Marks>())
    , walk_(std::make_unique<MouseWalk>(window, [this](const char* english) {
        presenter_->Refuse(english);
    }))
    , jobs_(std::make_unique<SolverJobs>(window))
{
    // An optimized solution's film plays from the level's start as its file holds it, like a
    // solution the solver found.
    optimizer_ = std::make_unique<SolutionOptimizer>(window_, [this](const std::string& letters) {
        if (!MayDropUnsavedDrawing(window_, Warehaus4::QTr("Showing the solution in Solution mode drops the changes.")))
            return;
        const GameState file = LevelAsSaved(game_);
        if (file.SnapshotHistory.empty())
            return;
        const FilmStart start{file.LevelWidth, file.LevelHeight, file.SnapshotHistory.front().Board};
        if (!window_.SetGameMode(ModeSolution))
            return;
        window_.ShowOwnFilm(letters, 0, start);
        window_.PlayFilm();
    });
    check_ = std::make_unique<EditorCheck>(window_);
}

BoardHelp::~BoardHelp() = default;

void BoardHelp::FinishWalk() { walk_->Finish(); }
void BoardHelp::CancelHintSearch() { jobs_->CancelHint(); }

bool BoardHelp::SolverTaken(std::function<void()> command)
{
    switch (jobs_->Take(std::move(command))) {
    case SolverJobs::Taken::Free: return false;
    case SolverJobs::Taken::PutOff: return true;
    case SolverJobs::Taken::Busy: break;
    }
    presenter_->SolverBusy();
    return true;
}

// --- Walks by mouse ------------------------------------------------------------------------

bool BoardHelp::MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    walk_->Finish();
    jobs_->CancelHint();
    return walk_->MouseDown(position, buttons, modifiers);
}

bool BoardHelp::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const
{
    return walk_->MouseMove(buttons, modifiers);
}

void BoardHelp::MouseUp(const QPoint& position, Qt::MouseButton button) { walk_->MouseUp(position, button); }

bool BoardHelp::Walking() const { return walk_->Walking(); }

// --- The position changed, and the marks over the board ---------------------------------------

void BoardHelp::PositionChanged()
{
    check_->Refresh();
    message_->FollowLanguage();

    Marks& m = *marks_;
    const HelpPosition now = PositionOf(game_);
    if (m.Seen && now == m.Shown)
        return;
    const bool sameLevel = m.Seen && now.Mode == m.Shown.Mode && now.LevelIndex == m.Shown.LevelIndex;
    // A hint is for the level and mode it was asked in: another one ends its search.
    if (!sameLevel)
        jobs_->CancelHint();
    m.Seen = true;
    m.Shown = now;
    if (m.HasHint && !(m.HintPosition == now))
        m.HasHint = false;
    const std::size_t before = m.Deadlocked.size();
    const DeadlockCheck check = CheckDeadlocks(game_, now);
    m.Deadlocked = check.Boxes;
    presenter_->Deadlocks(check, !sameLevel || m.Deadlocked.size() != before);
    window_.BoardArea()->update();
}

OverlayModel BoardHelp::Overlay() const
{
    return OverlayFor(game_.GameMode, message_->Text(), check_->Text(), marks_->Deadlocked, HintMark(),
                      game_.LevelWidth, game_.LevelHeight);
}

void BoardHelp::Paint(QPainter& painter) const
{
    const OverlayModel model = Overlay();
    const BoardHit board = BoardHitAt(window_, 0, 0);
    const QWidget* area = window_.BoardArea();
    PaintOverlay(painter, model, w4::MessageRect(model, area->font(), area->rect(), board), board);
}

QRect BoardHelp::MessageRect() const
{
    const OverlayModel model = Overlay();
    if (model.Message.isEmpty())
        return {};
    const QWidget* area = window_.BoardArea();
    return w4::MessageRect(model, area->font(), area->rect(), BoardHitAt(window_, 0, 0));
}

std::vector<std::pair<int, int>> BoardHelp::DeadlockMarks() const { return marks_->Deadlocked; }

std::optional<std::array<int, 4>> BoardHelp::HintMark() const
{
    if (!marks_->HasHint)
        return std::nullopt;
    const PushMark& m = marks_->Hint;
    return std::array<int, 4>{m.BoxX, m.BoxY, m.ToX, m.ToY};
}

void BoardHelp::ToggleDeadlockWarnings()
{
    game_.DeadlockWarnings = !game_.DeadlockWarnings;
    marks_->Seen = false;   // work the marks out again, or drop them
    window_.Screen().RefreshStatus();
}

// --- The solver's jobs -------------------------------------------------------------------------

bool BoardHelp::Busy() const { return jobs_->Busy() || optimizer_->Busy(); }
QWidget* BoardHelp::Progress() const { return jobs_->Progress() ? jobs_->Progress() : optimizer_->Progress(); }

void BoardHelp::Solve()
{
    if (SolverTaken([this] { Solve(); }))
        return;
    walk_->Finish();
    const BoardGrid* board = WorkedBoard(game_);
    if (board == nullptr || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 || game_.Playlist.empty())
        return;
    // Nothing to find on a board that is solved already.
    if (IsSolved(game_) && (game_.GameMode == ModePlay || game_.HistoryIndex == 0)) {
        presenter_->AlreadySolved(game_.GameMode == ModePlay && game_.HistoryIndex > 0);
        return;
    }
    const HelpPosition start = PositionOf(game_);
    const BoardGrid attemptStart = game_.SnapshotHistory.front().Board;
    // A solution from a position in the middle of an attempt is kept as the attempt's moves so far
    // followed by the solver's: a solution from the level's start, as every solution file holds.
    const std::string before = game_.GameMode == ModePlay
                                   ? SolutionLetters(game_).substr(0, static_cast<std::size_t>(game_.HistoryIndex))
                                   : std::string();
    jobs_->Solve(BoardRows(*board, game_.LevelWidth, game_.LevelHeight), presenter_->SolvingTitle(),
                 [this, start, attemptStart, before](const solver::Result& r) {
        // The window may have moved on meanwhile (the dialog does not stop every command).
        if (!(PositionOf(game_) == start))
            return;
        window_.Guarded([this, &start, &attemptStart, &before, &r] {
            const bool editing = start.Mode == ModeEditor;
            if (presenter_->SolveFailed(r, editing, start.Mode == ModePlay && !before.empty()))
                return;
            // Keeping it: only a solution from the level's start as its file holds it, and only
            // by the best-score rule.
            const std::string full = before + r.moves;
            const GameState file = LevelAsSaved(game_);
            const bool fromFileStart = file.LevelWidth == start.Width && file.LevelHeight == start.Height &&
                                       !file.SnapshotHistory.empty() &&
                                       file.SnapshotHistory.front().Board == attemptStart;
            const bool watch = presenter_->OfferToWatch(r.moves, editing && !fromFileStart);
            if (fromFileStart)
                OfferToKeepSolution(file, window_.Screen(), full);
            if (!watch || !window_.SetGameMode(ModeSolution))
                return;
            // A film of its own, never the level's start or stored solution: from the file's
            // start through the attempt so far when it began there, else on the drawn board.
            if (fromFileStart && game_.SnapshotHistory.front().Board == attemptStart)
                window_.ShowOwnFilm(full, before.size());
            else
                window_.ShowOwnFilm(r.moves, 0, FilmStart{start.Width, start.Height, start.Board});
            window_.PlayFilm();
        });
    });
}

// A level with no stored solution has nothing to play: offer to solve it instead. A stored
// solution that does not solve the level (left from an older version of it, say) is not played.
bool BoardHelp::OfferSolve()
{
    if (game_.GameMode != ModeSolution || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 || game_.Playlist.empty())
        return false;
    const bool none = game_.StoredSolution.empty();
    if (!none && StoredSolutionSolves(game_))
        return false;
    if (SolverTaken([this] { OfferSolve(); }))
        return true;
    // On No the film runs as ever when there is nothing to play: it stops at its first tick.
    if (!presenter_->AskToSolve(none))
        return !none;
    Solve();
    return true;
}

void BoardHelp::Hint()
{
    if (game_.GameMode != ModePlay || !game_.LevelInPlay)
        return;
    walk_->Finish();
    Marks& m = *marks_;
    const HelpPosition now = PositionOf(game_);
    if (m.HasHint && m.HintPosition == now) {
        // Second press: the keeper walks to the box by a shortest way and pushes it.
        const PushMark hint = m.Hint;
        const int dx = hint.ToX - hint.BoxX, dy = hint.ToY - hint.BoxY;
        const auto walk = WalkPath(ShownBoard(game_), game_.KeeperX, game_.KeeperY, hint.BoxX - dx, hint.BoxY - dy);
        const char push = dx < 0 ? 'L' : dx > 0 ? 'R' : dy < 0 ? 'U' : 'D';
        m.HasHint = false;
        walk_->Start(walk ? *walk + push : hint.Letters);
        return;
    }
    if (jobs_->Busy() || IsSolved(game_))
        return;
    const std::vector<std::string> rows = BoardRows(now.Board, now.Width, now.Height);
    presenter_->LookingForHint();
    jobs_->Hint(rows, [this, now, rows](const solver::Result& r) {
        if (presenter_->LookingForHintShown())
            message_->Clear();
        if (jobs_->RunPutOff() || !(PositionOf(game_) == now) || r.outcome == solver::Outcome::Cancelled)
            return;
        window_.Guarded([this, &now, &rows, &r] {
            if (r.outcome == solver::Outcome::Solved) {
                if (const auto mark = FirstPush(rows, r.moves)) {
                    marks_->Hint = *mark;
                    marks_->HintPosition = now;
                    marks_->HasHint = true;
                    presenter_->HintFound();
                    window_.BoardArea()->update();
                }
            } else if (r.outcome == solver::Outcome::Unsolvable) {
                if (presenter_->AskBackToSolvable())
                    LastSolvable();
            } else {
                presenter_->NoHint(r);
            }
        });
    });
}

void BoardHelp::LastSolvable()
{
    if (game_.GameMode != ModePlay || game_.HistoryLength <= 0 || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 ||
        SolverTaken([this] { LastSolvable(); }))
        return;
    walk_->Finish();
    const HelpPosition now = PositionOf(game_);
    const int length = game_.HistoryLength;
    jobs_->LastSolvable(BoardRows(game_.SnapshotHistory.front().Board, game_.LevelWidth, game_.LevelHeight),
                        SolutionLetters(game_), game_.HistoryIndex, presenter_->LastSolvableTitle(),
                        [this, now, length](const LastSolvableResult& r) {
        if (!(PositionOf(game_) == now) || game_.HistoryLength != length || r.Cancelled)
            return;
        window_.Guarded([this, &r] {
            if (!presenter_->GoBack(r))
                return;
            // Shown as undo shows it: the later positions stay there for redo.
            ScrollHistoryTo(game_, window_.Screen(), r.Index + 1);
            window_.Screen().SetHistoryBarPosition(game_.HistoryIndex + 1);
            presenter_->WentBack(r);
        });
    });
}

// --- Optimizing, and the editor's live check ----------------------------------------------

void BoardHelp::OptimizeSolution()
{
    if (Busy())
        return;
    walk_->Finish();
    optimizer_->Start();
}

void BoardHelp::ToggleLiveCheck() { check_->Toggle(); }

QString BoardHelp::LiveCheckText() const { return check_->Text(); }

std::uint64_t BoardHelp::LiveChecksStarted() const { return check_->Submitted(); }

} // namespace w4
