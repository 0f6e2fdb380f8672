#include "core/completion.h"

#include "core/fileio.h"
#include "core/ufunction.h"
#include "core/ulevel.h"
#include "core/usokoban.h"

namespace w4 {

void CountBoxesAndTargets(GameState& g)
{
    g.BoxesOnTargets = 0;
    g.BoxesOffTargets = 0;
    g.TargetCount = 0;
    if (g.HistoryLength <= 0)
        return;
    for (int x = 0; x < g.LevelWidth; ++x) {
        for (int y = 0; y < g.LevelHeight; ++y) {
            switch (CellAt(g, x, y)) {
            case '*': ++g.BoxesOnTargets; ++g.TargetCount; break;
            case '$': ++g.BoxesOffTargets; break;
            case '.': case '+': ++g.TargetCount; break;
            default: break;
            }
        }
    }
}

bool IsSolved(const GameState& g)
{
    if (g.HistoryLength <= 0)
        return false;   // nothing loaded yet: nothing to solve
    for (int x = 0; x < g.LevelWidth; ++x) {
        for (int y = 0; y < g.LevelHeight; ++y) {
            const char c = CellAt(g, x, y);
            if (c == '$' || c == '+' || c == '.')
                return false;
        }
    }
    return true;
}

bool IsBestScore(const std::string& attempt, const std::string& stored)
{
    return !attempt.empty() && (stored.empty() || attempt.size() < stored.size());
}

std::string CongratulationText(const GameState& g, std::int64_t elapsedSeconds)
{
    const std::int32_t pushes = g.HistoryLength > 0 ? g.Current().Pushes : 0;
    return ChooseText(g, "CONGRATULATIONS !!!", "FELICITATIONS !!!") + "\r\n\r\n" +
           ChooseText(g, "MOVE = ", "BOUGE = ") + std::to_string(g.HistoryIndex) + "\r\n" +
           ChooseText(g, "PUSH = ", "POUSSE = ") + std::to_string(pushes) + "\r\n" +
           ChooseText(g, "TIME = ", "TEMPS = ") + FormatElapsed(elapsedSeconds);
}

void CheckCompletion(GameState& g, Frontend& ui)
{
    // The time shown is the one before this check stops the clock.
    const std::int64_t elapsed = ElapsedSeconds(g);
    if (!IsSolved(g))
        return;

    ui.PlaySample(Sample::Win);
    g.LevelInPlay = false;
    ui.EnableHistoryBar(false);
    g.LevelSolved = true;
    g.FinishTime = g.Now();
    if (g.GameMode != ModePlay)
        return;

    ui.ShowNotice(CongratulationText(g, elapsed));

    const std::string letters = SolutionLetters(g);
    const auto count = static_cast<std::int32_t>(g.Playlist.size());
    if (IsBestScore(letters, g.StoredSolution) && g.LevelIndex >= 0 && g.LevelIndex < count) {
        const std::string& level = g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
        if (FileExists(level)) {
            const std::string solution = SolutionFilePath(level);
            const std::string question = ChooseText(g, "BEST SCORE !!!", "MEILLEUR SCORE !!!") + "\r\n\r\n" +
                                         ChooseText(g, "Do you want to save the solution ?",
                                                    "Voulez-vous enregistrer la solution ?") +
                                         "\r\n(" + solution + ")";
            // A failed write propagates to the window's error handler and the level stays.
            if (ui.AskQuestion(question))
                WriteSolutionFile(solution, letters);
        }
    }

    NextLevel(g, ui);
}

} // namespace w4
