#include "app/help/editorcheck.h"

#include "app/window/captions.h"
#include "app/window/windowseam.h"
#include "core/pathing.h"

#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace w4 {

namespace {

// Short enough for the author to wait for while drawing; measured to decide nearly every shipped
// level (bench/bench_optimizer.cpp, EditorCheck).
constexpr double CheckSeconds = 1;
constexpr std::size_t CheckMemory = std::size_t(256) << 20;

QString ReasonText(const GameState& g, solver::InvalidReason reason)
{
    using R = solver::InvalidReason;
    switch (reason) {
    case R::NoKeeper: return Choose(g, "one keeper needed", "il faut un gardien, et un seul");
    case R::BoxTargetMismatch: return Choose(g, "boxes and targets differ", "pas autant de caisses que de cibles");
    case R::Unreachable: return Choose(g, "a box or target out of reach", "une caisse ou une cible hors d'atteinte");
    case R::TooLarge: return Choose(g, "too large for the solver", "trop grand pour le solveur");
    case R::None: break;
    }
    return {};
}

} // namespace

EditorCheck::EditorCheck(WindowSeam& window) : window_(window), game_(window.State()), receiver_(std::make_unique<QObject>())
{
    QObject* receiver = receiver_.get();
    check_ = std::make_unique<solver::LiveCheck>(CheckSeconds, CheckMemory, [this, receiver](const solver::CheckVerdict& v) {
        QMetaObject::invokeMethod(receiver, [this, v] { Apply(v); }, Qt::QueuedConnection);
    });
}

EditorCheck::~EditorCheck()
{
    check_.reset();   // joins the thread before the receiver goes
}

void EditorCheck::Show(const QString& text)
{
    // Written even when unchanged: the help's own messages share the line.
    window_.ShowHelpMessage(text);
    if (text == text_)
        return;
    text_ = text;
    window_.BoardArea()->update();
}

void EditorCheck::Refresh()
{
    const bool editing = game_.LiveSolvabilityCheck && game_.GameMode == ModeEditor && game_.HistoryLength > 0 &&
                         !game_.SnapshotHistory.empty() && game_.LevelWidth > 0 && game_.LevelHeight > 0;
    if (!editing) {
        if (following_) {
            check_->Stop();
            following_ = false;
            verdict_.reset();
            Show(QString());
        }
        return;
    }
    const BoardGrid& board = game_.SnapshotHistory.front().Board;
    if (following_ && width_ == game_.LevelWidth && height_ == game_.LevelHeight && board_ == board) {
        // The same board: shown again, in the language chosen now.
        Show(Line());
        return;
    }
    following_ = true;
    width_ = game_.LevelWidth;
    height_ = game_.LevelHeight;
    board_ = board;
    ++submitted_;
    verdict_.reset();
    check_->Submit(BoardRows(board, width_, height_));
    Show(Line());
}

QString EditorCheck::Line() const
{
    if (!verdict_)
        return Choose(game_, "Checking whether it can be solved...", "Recherche d'une solution...");
    const solver::CheckVerdict& v = *verdict_;
    switch (v.state) {
    case solver::CheckState::NotValid:
        return Choose(game_, "Not valid yet: %1", "Pas encore valide : %1").arg(ReasonText(game_, v.invalid));
    case solver::CheckState::Solvable: {
        const QString pushes = v.pushes == 1 ? Choose(game_, "1 push", "1 poussée")
                                             : Choose(game_, "%1 pushes", "%1 poussées").arg(v.pushes);
        const QString moves = v.moves == 1 ? Choose(game_, "1 move", "1 mouvement")
                                           : Choose(game_, "%1 moves", "%1 mouvements").arg(static_cast<qulonglong>(v.moves));
        return Choose(game_, "Solvable in %1 (%2)", "Soluble en %1 (%2)").arg(pushes, moves);
    }
    case solver::CheckState::Unsolvable:
        return Choose(game_, "Unsolvable", "Insoluble");
    case solver::CheckState::Undecided:
        break;
    }
    return Choose(game_, "Not decided within %1 s", "Pas de verdict en %1 s").arg(CheckSeconds);
}

void EditorCheck::Apply(const solver::CheckVerdict& v)
{
    // The board may have changed again since the check began, or the check been turned off.
    if (!following_ || !check_->IsCurrent(v.generation))
        return;
    verdict_ = v;
    Show(Line());
}

void EditorCheck::Toggle()
{
    game_.LiveSolvabilityCheck = !game_.LiveSolvabilityCheck;
    Refresh();
}

} // namespace w4
