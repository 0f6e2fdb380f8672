#pragma once
// What the player is told of the help's work: the solver's results turned into questions,
// notices and the help's message line, in English and French. The presenter only tells and
// asks; the help acts on the answers.

#include "app/help/assistsearch.h"
#include "solver/solver.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

namespace w4 {

class HelpMessage;
class WindowSeam;
struct DeadlockCheck;
struct GameState;

class HelpPresenter {
public:
    HelpPresenter(WindowSeam& window, HelpMessage& message) : window_(window), message_(message) {}

    static QString InvalidText(solver::InvalidReason reason);
    static QString ProgressText(const GameState& g, const QString& title, double seconds, std::uint64_t positions,
                                int step);
    static QString CancelText(const GameState& g);
    QString SolvingTitle() const;
    QString LastSolvableTitle() const;

    // A walk or push by mouse that cannot be made: a kick and the reason.
    void Refuse(const char* english);
    void SolverBusy();

    // The deadlock marks' line: set when the marks are new (`changed`) or no line shows, cleared
    // when there are none.
    void Deadlocks(const DeadlockCheck& check, bool changed);

    // Solve.
    void AlreadySolved(bool midAttempt);
    // The notice for a search that found nothing; false for a solution (nothing said).
    bool SolveFailed(const solver::Result& result, bool editing, bool midAttempt);
    // Whether the player wants to watch the solution; `dropsDrawing` says the editor's unsaved
    // changes will be lost.
    bool OfferToWatch(const std::string& moves, bool dropsDrawing);
    // In Solution mode with nothing (or nothing that wins) to play: whether to solve the level.
    bool AskToSolve(bool noSolution);

    // Hint.
    void LookingForHint();
    bool LookingForHintShown() const;
    void HintFound();
    bool AskBackToSolvable();
    void NoHint(const solver::Result& result);

    // The last position that can be won: false, with a notice, when there is nothing to go back
    // to; after the way back, the line and, when in doubt, a notice.
    bool GoBack(const LastSolvableResult& result);
    void WentBack(const LastSolvableResult& result);

private:
    WindowSeam& window_;
    HelpMessage& message_;
};

} // namespace w4
