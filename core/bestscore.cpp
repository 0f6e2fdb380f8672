#include "core/bestscore.h"

#include "core/collection.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/text.h"
#include "core/usokoban.h"

#include <algorithm>
#include <cstring>

namespace w4 {

namespace {

bool IsMoveLetter(char c) { return c != '\0' && std::strchr("lurdLURD", c) != nullptr; }

// Move letters, counts, groups and blanks, with at least one letter: a line of a wrapped solution.
bool IsMovesLine(const std::string& line)
{
    bool letter = false;
    for (const char c : line) {
        if (IsMoveLetter(c))
            letter = true;
        else if (!(c >= '0' && c <= '9') && c != '(' && c != ')' && c != ' ' && c != '\t')
            return false;
    }
    return letter;
}

} // namespace

bool IsBetterScore(const SolutionScore& candidate, const SolutionScore& kept)
{
    return candidate.Moves < kept.Moves || (candidate.Moves == kept.Moves && candidate.Pushes < kept.Pushes);
}

std::string StoredSolutionText(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return {};
    if (!IsMovesLine(lines.front()))
        return lines.front();
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size() && IsMovesLine(lines[i]); ++i)
        text += '\n' + lines[i];
    std::string letters;
    return ExpandMoves(text, letters) ? letters : lines.front();
}

std::string SolutionTextMoves(const std::string& text)
{
    std::string letters;
    if (ExpandMoves(text, letters))
        return letters;
    letters.clear();
    for (const char c : text)
        if (IsMoveLetter(c))
            letters += c;
    return letters;
}

SolutionReading ReadSolution(const std::vector<std::string>& rows, const std::string& text)
{
    SolutionReading reading;
    const std::string moves = SolutionTextMoves(text);
    if (moves.empty() || rows.empty())
        return reading;
    ReplayResult replay = ReplayMoves(rows, moves);
    if (!replay.Solved)
        return reading;
    // Moves after the solved position still count: the film plays them, and a solution padded
    // with them is the longer one. Their pushes are taken as written, as none is played out.
    const auto capitals = [](auto from, auto to) {
        return std::count_if(from, to, [](char c) { return c >= 'A' && c <= 'Z'; });
    };
    reading.Solves = true;
    reading.Letters = std::move(replay.Letters);
    reading.Score.Moves = static_cast<std::int64_t>(moves.size());
    reading.Score.Pushes = capitals(reading.Letters.begin(), reading.Letters.end()) +
                           capitals(moves.begin() + static_cast<std::ptrdiff_t>(reading.Letters.size()), moves.end());
    return reading;
}

bool SolutionSolves(const std::vector<std::string>& rows, const std::string& text)
{
    return ReadSolution(rows, text).Solves;
}

SolutionReading ReadStoredSolution(const GameState& g)
{
    if (g.StoredSolution.empty())
        return {};
    return ReadSolution(StartRows(g), g.StoredSolution);
}

bool StoredSolutionSolves(const GameState& g) { return ReadStoredSolution(g).Solves; }

BestScoreVerdict JudgeSolution(const std::vector<std::string>& rows, const std::string& stored,
                               const std::string& offered)
{
    BestScoreVerdict verdict;
    verdict.Stored = ReadSolution(rows, stored);
    verdict.Offered = ReadSolution(rows, offered);
    verdict.Replaces = verdict.Offered.Solves &&
                       (!verdict.Stored.Solves || IsBetterScore(verdict.Offered.Score, verdict.Stored.Score));
    return verdict;
}

bool OfferToKeepSolution(const GameState& level, Frontend& ui, const std::string& letters)
{
    const auto count = static_cast<std::int32_t>(level.Playlist.size());
    if (level.LevelIndex < 0 || level.LevelIndex >= count)
        return false;
    if (!JudgeSolution(StartRows(level), level.StoredSolution, letters).Replaces)
        return false;
    const std::string& path = level.Playlist[static_cast<std::size_t>(level.LevelIndex)];
    if (!FileExists(path))
        return false;
    const std::string solution = SolutionFilePathFor(level, path);
    const std::string question = Warehaus4::Tr("BEST SCORE !!!") + "\r\n\r\n" +
                                 Warehaus4::Tr("Do you want to save the solution ?") +
                                 "\r\n(" + solution + ")";
    if (!ui.AskQuestion(question))
        return false;
    MakeFolderFor(level, solution);
    WriteSolutionFile(solution, letters);
    return true;
}

} // namespace w4
