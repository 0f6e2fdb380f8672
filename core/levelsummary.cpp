#include "core/levelsummary.h"

#include "core/bestscore.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/snapshots.h"
#include "core/ualgo.h"
#include "core/uglobal.h"
#include "core/usokoban.h"

#include <fstream>
#include <system_error>

namespace w4 {

namespace {

std::int64_t ModificationTime(const std::string& path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    return error ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
}

} // namespace

GameState FileRulesOf(const GameState& g)
{
    GameState rules;
    rules.ProgramFolder = g.ProgramFolder;
    rules.Places = g.Places;
    return rules;
}

LevelSummary ReadLevelSummary(const std::string& path, const GameState& rules)
{
    LevelSummary summary;
    if (path.empty() || !FileExists(path))
        return summary;   // Missing

    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > MaxTextFileBytes || !std::ifstream(path, std::ios::binary)) {
        summary.State = LevelFileState::Unreadable;
        return summary;
    }

    // A private state loaded as the game loads a level, so the list shows what playing would show.
    GameState g = FileRulesOf(rules);
    SnapshotList(1).swap(g.SnapshotHistory);
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    ApplyLevelLines(g, ReadTextLines(path));
    FillReachableArea(g);
    ReadSolutionFile(g, path);

    summary.State = g.LevelHeight > 0 && g.LevelWidth > 0 ? LevelFileState::Ok : LevelFileState::NoBoard;
    summary.Title = g.LevelHeader[Title];
    summary.Width = g.LevelWidth;
    summary.Height = g.LevelHeight;
    const BoardGrid& board = g.SnapshotHistory[0].Board;
    summary.Rows.reserve(static_cast<std::size_t>(g.LevelHeight));
    for (int y = 0; y < g.LevelHeight; ++y) {
        std::string row(static_cast<std::size_t>(g.LevelWidth), ' ');
        for (int x = 0; x < g.LevelWidth; ++x) {
            const char c = board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            row[static_cast<std::size_t>(x)] = c;
            if (c == '$' || c == '*')
                ++summary.Boxes;
        }
        summary.Rows.push_back(std::move(row));
    }

    // Only a solution that solves this level counts: an empty file, or one left from another
    // level or an older version of this one, is no solution. Its moves and pushes are those the
    // best-score rule judges by.
    const SolutionReading kept = ReadStoredSolution(g);
    summary.Solved = kept.Solves;
    summary.AttemptInProgress = ResumableAttempt(g, path).has_value();
    summary.SolutionMoves = static_cast<std::int32_t>(kept.Score.Moves);
    summary.SolutionPushes = static_cast<std::int32_t>(kept.Score.Pushes);
    return summary;
}

LevelFileStamp StampLevelFiles(const std::string& path, const GameState& rules)
{
    LevelFileStamp stamp;
    if (path.empty())
        return stamp;
    stamp.LevelTime = ModificationTime(path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    stamp.LevelSize = error ? -1 : static_cast<std::int64_t>(size);
    // The file loading would read; a solution appearing in another of its places changes nothing
    // here until the one found changes, which is what the list shows anyway.
    const std::string solution = FindSolutionFile(rules, path);
    if (!solution.empty()) {
        stamp.SolutionTime = ModificationTime(solution);
        const auto solutionSize = std::filesystem::file_size(solution, error);
        stamp.SolutionSize = error ? -1 : static_cast<std::int64_t>(solutionSize);
    }
    const std::string snapshots = FindSnapshotFile(rules, path);
    if (!snapshots.empty()) {
        stamp.SnapshotTime = ModificationTime(snapshots);
        const auto snapshotSize = std::filesystem::file_size(snapshots, error);
        stamp.SnapshotSize = error ? -1 : static_cast<std::int64_t>(snapshotSize);
    }
    return stamp;
}

} // namespace w4
