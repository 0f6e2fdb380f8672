#include "core/uglobal.h"

#include <cstdio>

namespace w4 {

GameState::GameState()
    : Now([] { return std::chrono::system_clock::now(); })
{
    LastOpenTime = Now();
}

char CellAt(const GameState& g, int x, int y)
{
    if (x < 0 || y < 0 || x >= g.LevelWidth || y >= g.LevelHeight || g.HistoryLength <= 0)
        return 'Z';
    return g.Current().Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

std::int64_t ElapsedSeconds(const GameState& g)
{
    if (!g.ClockStarted)
        return 0;
    const DateTime end = g.LevelSolved ? g.FinishTime : g.Now();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(end - g.StartTime).count();
    // A wall clock set back during the attempt shows no time rather than a clock running backwards.
    return seconds < 0 ? 0 : seconds;
}

std::string FormatElapsed(std::int64_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

std::string SolutionLetters(const GameState& g)
{
    if (g.HistoryLength <= 1)
        return {};
    // Read from the records: asking for each position would rebuild its board.
    return g.SnapshotHistory.MoveLetters(static_cast<std::size_t>(g.HistoryLength - 1));
}

} // namespace w4
