#include "app/help/helppresenter.h"

#include "app/help/helpoverlay.h"
#include "app/help/solverjobs.h"
#include "app/window/captions.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/frontend.h"
#include "core/uglobal.h"

#include <QLocale>

#include <cctype>

namespace w4 {

QString HelpPresenter::InvalidText(solver::InvalidReason reason)
{
    using R = solver::InvalidReason;
    switch (reason) {
    case R::NoKeeper: return Warehaus4::QTr("it needs exactly one keeper");
    case R::BoxTargetMismatch:
        return Warehaus4::QTr("it needs as many boxes as targets, at least one");
    case R::Unreachable:
        return Warehaus4::QTr("a box or a target lies where the keeper can never go");
    case R::TooLarge: return Warehaus4::QTr("it is larger than the solver takes");
    case R::None: break;
    }
    return {};
}

QString HelpPresenter::ProgressText(const GameState& /*g*/, const QString& title, double seconds,
                                    std::uint64_t positions, int step)
{
    QString text = title + QStringLiteral("\n\n")
        + Warehaus4::QTr("Time: %1 s    Positions explored: %2")
              .arg(static_cast<int>(seconds))
              .arg(QLocale().toString(static_cast<qulonglong>(positions)));
    if (step > 0)
        text += QStringLiteral("\n") + Warehaus4::QTr("Positions checked: %1").arg(step);
    return text;
}

QString HelpPresenter::CancelText(const GameState& /*g*/) { return Warehaus4::QTr("Cancel"); }

QString HelpPresenter::SolvingTitle() const
{
    return Warehaus4::QTr("Solving the level...");
}

QString HelpPresenter::LastSolvableTitle() const
{
    return Warehaus4::QTr("Looking for the last position that can be solved...");
}

void HelpPresenter::Refuse(const char* english)
{
    window_.Screen().PlaySample(Sample::Kick);
    message_.Set([english] { return Warehaus4::QTr(english); });
}

void HelpPresenter::SolverBusy()
{
    message_.Set([&g = window_.State()] {
        return Warehaus4::QTr("The solver is busy: cancel its search first.");
    });
}

void HelpPresenter::Deadlocks(const DeadlockCheck& check, bool changed)
{
    if (check.Boxes.empty()) {
        if (!message_.Text().isEmpty())
            message_.Clear();
        return;
    }
    if (!changed && !message_.Text().isEmpty())
        return;
    message_.Set([&g = window_.State(), reverse = check.Reverse, count = check.Boxes.size()] {
        if (reverse)
            return count == 1 ? Warehaus4::QTr("Deadlock: a box can no longer be pulled back to a start cell.")
                              : Warehaus4::QTr("Deadlock: %1 boxes can no longer be pulled back to a start cell.")
                                    .arg(count);
        return count == 1 ? Warehaus4::QTr("Deadlock: a box can no longer reach a target.")
                          : Warehaus4::QTr("Deadlock: %1 boxes can no longer reach a target.")
                                .arg(count);
    });
}

void HelpPresenter::AlreadySolved(bool midAttempt)
{
    window_.Dialog().Notice(midAttempt ? Warehaus4::QTr("This position is solved already.")
                                       : Warehaus4::QTr("This level is solved already."));
}

bool HelpPresenter::SolveFailed(const solver::Result& r, bool editing, bool midAttempt)
{
    switch (r.outcome) {
    case solver::Outcome::Cancelled:
        return true;
    case solver::Outcome::Unsolvable:
        window_.Dialog().Notice(editing ? Warehaus4::QTr("The level as drawn cannot be solved.")
                                : midAttempt ? Warehaus4::QTr("This position cannot be solved any more.")
                                             : Warehaus4::QTr("This level cannot be solved."));
        return true;
    case solver::Outcome::OutOfTime:
        window_.Dialog().Notice(Warehaus4::QTr("No solution found within the time limit of %1 seconds.")
                                    .arg(static_cast<int>(SolveSeconds)));
        return true;
    case solver::Outcome::OutOfMemory:
        window_.Dialog().Notice(Warehaus4::QTr("No solution found within the memory limit of %1 MiB.")
                                    .arg(static_cast<qulonglong>(SolveMemory >> 20)));
        return true;
    case solver::Outcome::Invalid:
        window_.Dialog().Notice(Warehaus4::QTr("This level cannot be solved as it is: %1.")
                                    .arg(InvalidText(r.invalid)));
        return true;
    case solver::Outcome::Solved:
        break;
    }
    return false;
}

bool HelpPresenter::OfferToWatch(const std::string& moves, bool dropsDrawing)
{
    int pushes = 0;
    for (const char c : moves)
        pushes += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    QString offer = Warehaus4::QTr("Solution found: %1 moves, %2 pushes.\r\n\r\nDo you want to watch it ?")
                        .arg(moves.size())
                        .arg(pushes);
    // Solution mode shows the level from its file: the author must know what the switch costs.
    if (dropsDrawing)
        offer += Warehaus4::QTr("\r\n(The level's unsaved changes will be lost.)");
    return window_.Dialog().Question(offer);
}

bool HelpPresenter::AskToSolve(bool noSolution)
{
    const QString problem = noSolution ? Warehaus4::QTr("This level has no solution yet.")
                                       : Warehaus4::QTr("The stored solution does not solve this level.");
    return window_.Dialog().Question(problem + Warehaus4::QTr("\r\n\r\nDo you want to solve it now ?"));
}

void HelpPresenter::LookingForHint()
{
    message_.Set([&g = window_.State()] { return Warehaus4::QTr("Looking for a hint..."); });
}

bool HelpPresenter::LookingForHintShown() const
{
    return message_.Text() == Warehaus4::QTr("Looking for a hint...");
}

void HelpPresenter::HintFound()
{
    message_.Set([&g = window_.State()] {
        return Warehaus4::QTr("Hint: push the marked box (H does it).");
    });
}

bool HelpPresenter::AskBackToSolvable()
{
    return window_.Dialog().Question(Warehaus4::QTr("This position cannot be solved any more.\r\n\r\nDo you want to go back to the last "
        "position from which it can ?"));
}

void HelpPresenter::NoHint(const solver::Result& r)
{
    if (r.outcome == solver::Outcome::Invalid) {
        message_.Set([&g = window_.State(), why = r.invalid] {
            return Warehaus4::QTr("No hint: %1.").arg(InvalidText(why));
        });
        return;
    }
    message_.Set([&g = window_.State()] {
        return Warehaus4::QTr("No hint found within %1 seconds.")
            .arg(static_cast<int>(HintSeconds));
    });
}

bool HelpPresenter::GoBack(const LastSolvableResult& r)
{
    if (r.StartUnsolvable) {
        window_.Dialog().Notice(Warehaus4::QTr("This level cannot be solved, not even from its start."));
        return false;
    }
    if (r.ShownSolvable) {
        window_.Dialog().Notice(Warehaus4::QTr("The level can still be solved from the shown position."));
        return false;
    }
    return true;
}

void HelpPresenter::WentBack(const LastSolvableResult& r)
{
    const GameState& g = window_.State();
    message_.Set([&g, uncertain = r.Uncertain, index = r.Index] {
        return uncertain ? Warehaus4::QTr("Back to move %1 (later ones not proven lost).")
                               .arg(index)
                         : Warehaus4::QTr("Back to move %1: the last winnable position.")
                               .arg(index);
    });
    if (r.Uncertain && r.Proven)
        window_.Dialog().Notice(Warehaus4::QTr("The level can be solved from move %1. Some later positions could not "
                                       "be checked in time, so one of them may also be winnable.")
                                    .arg(r.Index));
    else if (r.Uncertain)
        window_.Dialog().Notice(Warehaus4::QTr("The positions could not be checked in time. Shown: move %1, the last "
                                       "one before the first push in doubt; it is not proven winnable.")
                                    .arg(r.Index));
}

} // namespace w4
