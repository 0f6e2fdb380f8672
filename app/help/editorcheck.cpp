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

QString ReasonText(solver::InvalidReason reason)
{
    using R = solver::InvalidReason;
    switch (reason) {
    case R::NoKeeper: return Warehaus4::QTr("one keeper needed");
    case R::BoxTargetMismatch: return Warehaus4::QTr("boxes and targets differ");
    case R::Unreachable: return Warehaus4::QTr("a box or target out of reach");
    case R::TooLarge: return Warehaus4::QTr("too large for the solver");
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
        return Warehaus4::QTr("Checking whether it can be solved...");
    const solver::CheckVerdict& v = *verdict_;
    switch (v.state) {
    case solver::CheckState::NotValid:
        return Warehaus4::QTr("Not valid yet: %1").arg(ReasonText(v.invalid));
    case solver::CheckState::Solvable: {
        const QString pushes = v.pushes == 1 ? Warehaus4::QTr("1 push")
                                             : Warehaus4::QTr("%1 pushes").arg(v.pushes);
        const QString moves = v.moves == 1 ? Warehaus4::QTr("1 move")
                                           : Warehaus4::QTr("%1 moves").arg(static_cast<qulonglong>(v.moves));
        return Warehaus4::QTr("Solvable in %1 (%2)").arg(pushes, moves);
    }
    case solver::CheckState::Unsolvable:
        return Warehaus4::QTr("Unsolvable");
    case solver::CheckState::Undecided:
        break;
    }
    return Warehaus4::QTr("Not decided within %1 s").arg(CheckSeconds);
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
