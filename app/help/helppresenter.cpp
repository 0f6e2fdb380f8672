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

QString HelpPresenter::InvalidText(const GameState& g, solver::InvalidReason reason)
{
    using R = solver::InvalidReason;
    switch (reason) {
    case R::NoKeeper: return Choose(g, "it needs exactly one keeper", "il faut exactement un gardien");
    case R::BoxTargetMismatch:
        return Choose(g, "it needs as many boxes as targets, at least one",
                      "il faut autant de caisses que de cibles, au moins une");
    case R::Unreachable:
        return Choose(g, "a box or a target lies where the keeper can never go",
                      "une caisse ou une cible est hors de portée du gardien");
    case R::TooLarge: return Choose(g, "it is larger than the solver takes", "il est trop grand pour le solveur");
    case R::None: break;
    }
    return {};
}

QString HelpPresenter::ProgressText(const GameState& g, const QString& title, double seconds,
                                    std::uint64_t positions, int step)
{
    QString text = title + QStringLiteral("\n\n")
        + Choose(g, "Time: %1 s    Positions explored: %2", "Temps : %1 s    Positions explorées : %2")
              .arg(static_cast<int>(seconds))
              .arg(QLocale().toString(static_cast<qulonglong>(positions)));
    if (step > 0)
        text += QStringLiteral("\n") + Choose(g, "Positions checked: %1", "Positions vérifiées : %1").arg(step);
    return text;
}

QString HelpPresenter::CancelText(const GameState& g) { return Choose(g, "Cancel", "Annuler"); }

QString HelpPresenter::SolvingTitle() const
{
    return Choose(window_.State(), "Solving the level...", "Résolution du niveau...");
}

QString HelpPresenter::LastSolvableTitle() const
{
    return Choose(window_.State(), "Looking for the last position that can be solved...",
                  "Recherche de la dernière position soluble...");
}

void HelpPresenter::Refuse(const char* english, const char* french)
{
    window_.Screen().PlaySample(Sample::Kick);
    message_.Set([&g = window_.State(), english, french] { return Choose(g, english, french); });
}

void HelpPresenter::SolverBusy()
{
    message_.Set([&g = window_.State()] {
        return Choose(g, "The solver is busy: cancel its search first.", "Le solveur est occupé : annulez d'abord sa recherche.");
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
            return count == 1 ? Choose(g, "Deadlock: a box can no longer be pulled back to a start cell.",
                                       "Blocage : une caisse ne peut plus être ramenée sur une case de départ.")
                              : Choose(g, "Deadlock: %1 boxes can no longer be pulled back to a start cell.",
                                       "Blocage : %1 caisses ne peuvent plus être ramenées sur une case de départ.")
                                    .arg(count);
        return count == 1 ? Choose(g, "Deadlock: a box can no longer reach a target.",
                                   "Blocage : une caisse ne peut plus atteindre de cible.")
                          : Choose(g, "Deadlock: %1 boxes can no longer reach a target.",
                                   "Blocage : %1 caisses ne peuvent plus atteindre de cible.")
                                .arg(count);
    });
}

void HelpPresenter::AlreadySolved(bool midAttempt)
{
    const GameState& g = window_.State();
    window_.Dialog().Notice(midAttempt ? Choose(g, "This position is solved already.", "Cette position est déjà résolue.")
                                       : Choose(g, "This level is solved already.", "Ce niveau est déjà résolu."));
}

bool HelpPresenter::SolveFailed(const solver::Result& r, bool editing, bool midAttempt)
{
    const GameState& g = window_.State();
    switch (r.outcome) {
    case solver::Outcome::Cancelled:
        return true;
    case solver::Outcome::Unsolvable:
        window_.Dialog().Notice(editing ? Choose(g, "The level as drawn cannot be solved.",
                                                 "Le niveau tel qu'il est dessiné n'a pas de solution.")
                                : midAttempt ? Choose(g, "This position cannot be solved any more.",
                                                      "Cette position n'a plus de solution.")
                                             : Choose(g, "This level cannot be solved.", "Ce niveau n'a pas de solution."));
        return true;
    case solver::Outcome::OutOfTime:
        window_.Dialog().Notice(Choose(g, "No solution found within the time limit of %1 seconds.",
                                       "Aucune solution trouvée dans la limite de %1 secondes.")
                                    .arg(static_cast<int>(SolveSeconds)));
        return true;
    case solver::Outcome::OutOfMemory:
        window_.Dialog().Notice(Choose(g, "No solution found within the memory limit of %1 MiB.",
                                       "Aucune solution trouvée dans la limite de mémoire de %1 Mio.")
                                    .arg(static_cast<qulonglong>(SolveMemory >> 20)));
        return true;
    case solver::Outcome::Invalid:
        window_.Dialog().Notice(Choose(g, "This level cannot be solved as it is: %1.",
                                       "Ce niveau ne peut pas être résolu tel quel : %1.")
                                    .arg(InvalidText(g, r.invalid)));
        return true;
    case solver::Outcome::Solved:
        break;
    }
    return false;
}

bool HelpPresenter::OfferToWatch(const std::string& moves, bool dropsDrawing)
{
    const GameState& g = window_.State();
    int pushes = 0;
    for (const char c : moves)
        pushes += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    QString offer = Choose(g, "Solution found: %1 moves, %2 pushes.\r\n\r\nDo you want to watch it ?",
                           "Solution trouvée : %1 mouvements, %2 poussées.\r\n\r\nVoulez-vous la regarder ?")
                        .arg(moves.size())
                        .arg(pushes);
    // Solution mode shows the level from its file: the author must know what the switch costs.
    if (dropsDrawing)
        offer += Choose(g, "\r\n(The level's unsaved changes will be lost.)",
                        "\r\n(Les modifications non enregistrées du niveau seront perdues.)");
    return window_.Dialog().Question(offer);
}

bool HelpPresenter::AskToSolve(bool noSolution)
{
    const GameState& g = window_.State();
    const QString problem = noSolution ? Choose(g, "This level has no solution yet.", "Ce niveau n'a pas encore de solution.")
                                       : Choose(g, "The stored solution does not solve this level.",
                                                "La solution enregistrée ne résout pas ce niveau.");
    return window_.Dialog().Question(problem + Choose(g, "\r\n\r\nDo you want to solve it now ?",
                                                      "\r\n\r\nVoulez-vous le résoudre maintenant ?"));
}

void HelpPresenter::LookingForHint()
{
    message_.Set([&g = window_.State()] { return Choose(g, "Looking for a hint...", "Recherche d'un indice..."); });
}

bool HelpPresenter::LookingForHintShown() const
{
    return message_.Text() == Choose(window_.State(), "Looking for a hint...", "Recherche d'un indice...");
}

void HelpPresenter::HintFound()
{
    message_.Set([&g = window_.State()] {
        return Choose(g, "Hint: push the marked box (H does it).", "Indice : poussez la caisse marquée (H le fait).");
    });
}

bool HelpPresenter::AskBackToSolvable()
{
    return window_.Dialog().Question(Choose(
        window_.State(),
        "This position cannot be solved any more.\r\n\r\nDo you want to go back to the last "
        "position from which it can ?",
        "Cette position n'a plus de solution.\r\n\r\nVoulez-vous revenir à la dernière position "
        "qui en a une ?"));
}

void HelpPresenter::NoHint(const solver::Result& r)
{
    if (r.outcome == solver::Outcome::Invalid) {
        message_.Set([&g = window_.State(), why = r.invalid] {
            return Choose(g, "No hint: %1.", "Pas d'indice : %1.").arg(InvalidText(g, why));
        });
        return;
    }
    message_.Set([&g = window_.State()] {
        return Choose(g, "No hint found within %1 seconds.", "Aucun indice trouvé en %1 secondes.")
            .arg(static_cast<int>(HintSeconds));
    });
}

bool HelpPresenter::GoBack(const LastSolvableResult& r)
{
    const GameState& g = window_.State();
    if (r.StartUnsolvable) {
        window_.Dialog().Notice(Choose(g, "This level cannot be solved, not even from its start.",
                                       "Ce niveau n'a pas de solution, même depuis le début."));
        return false;
    }
    if (r.ShownSolvable) {
        window_.Dialog().Notice(Choose(g, "The level can still be solved from the shown position.",
                                       "Le niveau a encore une solution depuis la position affichée."));
        return false;
    }
    return true;
}

void HelpPresenter::WentBack(const LastSolvableResult& r)
{
    const GameState& g = window_.State();
    message_.Set([&g, uncertain = r.Uncertain, index = r.Index] {
        return uncertain ? Choose(g, "Back to move %1 (later ones not proven lost).",
                                  "Retour au mouvement %1 (les suivants non prouvés perdus).")
                               .arg(index)
                         : Choose(g, "Back to move %1: the last winnable position.",
                                  "Retour au mouvement %1 : la dernière position gagnable.")
                               .arg(index);
    });
    if (r.Uncertain && r.Proven)
        window_.Dialog().Notice(Choose(g,
                                       "The level can be solved from move %1. Some later positions could not "
                                       "be checked in time, so one of them may also be winnable.",
                                       "Le niveau a une solution depuis le mouvement %1. Certaines positions "
                                       "suivantes n'ont pas pu être vérifiées à temps ; l'une d'elles peut "
                                       "aussi être gagnable.")
                                    .arg(r.Index));
    else if (r.Uncertain)
        window_.Dialog().Notice(Choose(g,
                                       "The positions could not be checked in time. Shown: move %1, the last "
                                       "one before the first push in doubt; it is not proven winnable.",
                                       "Les positions n'ont pas pu être vérifiées à temps. Affiché : le "
                                       "mouvement %1, le dernier avant la première poussée douteuse ; il "
                                       "n'est pas prouvé gagnable.")
                                    .arg(r.Index));
}

} // namespace w4
