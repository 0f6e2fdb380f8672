#include "core/completion.h"

#include "core/text.h"
#include "core/ulevel.h"
#include "core/usokoban.h"

#include <algorithm>

namespace w4 {

namespace {

// Calls `visit` with every cell of the level rectangle of the shown snapshot. Read straight from
// the grid: both checks run after every move, so they skip CellAt's per-cell bounds test.
template <class Visit>
void ForEachLevelCell(const GameState& g, Visit visit)
{
    const BoardGrid& board = g.Current().Board;
    const auto width = static_cast<std::size_t>(std::clamp(g.LevelWidth, 0, MaxLevelSize));
    const auto height = static_cast<std::size_t>(std::clamp(g.LevelHeight, 0, MaxLevelSize));
    for (std::size_t x = 0; x < width; ++x)
        for (std::size_t y = 0; y < height; ++y)
            visit(board[x][y]);
}

} // namespace

void CountBoxesAndTargets(GameState& g)
{
    std::int32_t onTargets = 0, offTargets = 0, targets = 0;
    if (g.HistoryLength > 0) {
        ForEachLevelCell(g, [&](char c) {
            switch (c) {
            case '*': ++onTargets; ++targets; break;
            case '$': ++offTargets; break;
            case '.': case '+': ++targets; break;
            default: break;
            }
        });
    }
    g.BoxesOnTargets = onTargets;
    g.BoxesOffTargets = offTargets;
    g.TargetCount = targets;
}

bool IsSolved(const GameState& g)
{
    if (g.HistoryLength <= 0)
        return false;   // nothing loaded yet: nothing to solve
    bool solved = true;
    ForEachLevelCell(g, [&solved](char c) { solved = solved && c != '$' && c != '+' && c != '.'; });
    return solved;
}

std::vector<std::string> StartRows(const GameState& g)
{
    std::vector<std::string> rows;
    if (g.SnapshotHistory.empty())
        return rows;
    const BoardGrid& board = g.SnapshotHistory[0].Board;
    const auto width = static_cast<std::size_t>(std::clamp(g.LevelWidth, 0, MaxLevelSize));
    const auto height = static_cast<std::size_t>(std::clamp(g.LevelHeight, 0, MaxLevelSize));
    for (std::size_t y = 0; y < height; ++y) {
        std::string row(width, ' ');
        for (std::size_t x = 0; x < width; ++x)
            row[x] = board[x][y];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string CongratulationText(const GameState& g, std::int64_t elapsedSeconds)
{
    const std::int32_t pushes = g.HistoryLength > 0 ? g.Current().Pushes : 0;
    return Warehaus4::Tr("CONGRATULATIONS !!!") + "\r\n\r\n" +
           Warehaus4::Tr("MOVE = ") + std::to_string(g.HistoryIndex) + "\r\n" +
           Warehaus4::Tr("PUSH = ") + std::to_string(pushes) + "\r\n" +
           Warehaus4::Tr("TIME = ") + FormatElapsed(elapsedSeconds);
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

    // A failed write propagates to the window's error handler and the level stays.
    OfferToKeepSolution(g, ui, SolutionLetters(g));

    NextLevel(g, ui);
}

} // namespace w4
