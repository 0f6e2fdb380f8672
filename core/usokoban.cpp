#include "core/usokoban.h"

#include "core/bestscore.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/reverse.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace w4 {

// --- Level files ---------------------------------------------------------------------------

namespace {

struct HeaderKey {
    const char* Matched;   // upper case, compared on exactly its own length
    const char* Written;
};

// In LevelHeader order.
constexpr std::array<HeaderKey, HeaderFieldCount> HeaderKeys{{
    {"TITLE:", "Title: "},
    {"COLLECTION:", "Collection: "},
    {"DATE:", "Date: "},
    {"AUTHOR:", "Author: "},
    {"AUTHORMAIL:", "AuthorMail: "},
    {"AUTHORPAGE:", "AuthorPage: "},
}};

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithKey(const std::string& line, const char* key)
{
    const std::size_t length = std::strlen(key);
    if (line.size() < length)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (AsciiUpper(line[i]) != key[i])
            return false;
    return true;
}

// A value that carried a line end would be read back as a separate line (maybe a board row).
std::string OneLine(const std::string& value)
{
    std::string line = value;
    for (char& c : line)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return line;
}

} // namespace

bool IsBoardRow(const std::string& line)
{
    return !line.empty() && std::strchr(" #$*+-.@_", line[0]) != nullptr && line[0] != '\0';
}

std::string TrimControl(const std::string& s)
{
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) <= 32)
        --last;
    return s.substr(first, last - first);
}

void ApplyLevelLines(GameState& g, const std::vector<std::string>& lines)
{
    if (g.SnapshotHistory.empty())
        return;
    BoardGrid& board = g.SnapshotHistory[0].Board;
    for (const std::string& line : lines) {
        // Rows and columns past the 50th are dropped, and the size stops growing with them.
        if (IsBoardRow(line) && g.LevelHeight < MaxLevelSize) {
            const std::size_t row = static_cast<std::size_t>(g.LevelHeight);
            ++g.LevelHeight;
            const std::size_t stored = std::min(line.size(), static_cast<std::size_t>(MaxLevelSize));
            if (static_cast<std::int32_t>(stored) > g.LevelWidth)
                g.LevelWidth = static_cast<std::int32_t>(stored);
            for (std::size_t i = 0; i < stored; ++i)
                board[i][row] = line[i];
        }

        const std::string trimmed = TrimControl(line);
        for (std::size_t field = 0; field < HeaderKeys.size(); ++field) {
            if (StartsWithKey(trimmed, HeaderKeys[field].Matched)) {
                g.LevelHeader[field] = TrimControl(trimmed.substr(std::strlen(HeaderKeys[field].Matched)));
                break;
            }
        }
    }
}

void WriteLevelFile(const GameState& g, const std::string& path)
{
    std::vector<std::string> lines;
    if (!g.SnapshotHistory.empty()) {
        const BoardGrid& board = g.SnapshotHistory[0].Board;
        const int width = std::clamp(g.LevelWidth, 0, MaxLevelSize);
        const int height = std::clamp(g.LevelHeight, 0, MaxLevelSize);
        for (int y = 0; y < height; ++y) {
            std::string row(static_cast<std::size_t>(width), ' ');
            for (int x = 0; x < width; ++x) {
                const char c = board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                // The outside mark is the fill's own; plain XSB has blank floor there.
                row[static_cast<std::size_t>(x)] = c == 'X' ? ' ' : c;
            }
            lines.push_back(std::move(row));
        }
    }
    const std::vector<std::string> header = HeaderLines(g.LevelHeader);
    lines.insert(lines.end(), header.begin(), header.end());
    WriteTextLines(path, lines);
}

std::vector<std::string> HeaderLines(const LevelHeaderFields& header)
{
    std::vector<std::string> lines;
    for (std::size_t field = 0; field < HeaderKeys.size(); ++field)
        if (!header[field].empty())
            lines.push_back(HeaderKeys[field].Written + OneLine(header[field]));
    return lines;
}

std::string SolutionFilePath(const std::string& levelPath)
{
    const std::size_t keep = levelPath.size() >= 4 ? levelPath.size() - 4 : 0;
    return levelPath.substr(0, keep) + ".XHT";
}

bool KeepsSolutionFile(const std::string& levelPath)
{
    const std::size_t dot = levelPath.rfind('.');
    if (dot == std::string::npos || levelPath.find('/', dot) != std::string::npos)
        return false;
    std::string extension = levelPath.substr(dot);
    for (char& c : extension)
        c = AsciiUpper(c);
    return extension == ".XSB";
}

void ReadSolutionFile(GameState& g, const std::string& levelPath)
{
    if (!FileExists(levelPath) || !KeepsSolutionFile(levelPath))
        return;
    const std::string solutionPath = FindSolutionFile(g, levelPath);
    if (solutionPath.empty())
        return;
    // Read as every check of a kept solution reads it: a solution wrapped over lines, or written
    // with blanks or run-length counts, becomes the plain letters the film plays.
    g.StoredSolution = StoredSolutionText(ReadTextLines(solutionPath));
}

std::string RefusedSolutionText(const GameState& g, const std::string& levelPath)
{
    if (!KeepsSolutionFile(levelPath))
        return {};
    const std::string solutionPath = FindSolutionFile(g, levelPath);
    std::uintmax_t bytes = 0;
    if (solutionPath.empty() || !LargerThanTextCap(solutionPath, bytes))
        return {};
    return RefusedTextFileText(Warehaus4::Tr("The file %1 is %2, more than a solution file may hold (%3): it was not read."),
                               solutionPath, bytes);
}

void WriteSolutionFile(const std::string& path, const std::string& letters)
{
    WriteTextLines(path, {letters});
}

// --- Moves ---------------------------------------------------------------------------------

namespace {

constexpr char Any = '\0';    // matches every character in a pattern column
constexpr char Same = '\0';   // leaves the cell as it is in a result column

struct MoveRule {
    char Keeper, Next, Beyond;          // pattern; Any matches all
    char NewKeeper, NewNext, NewBeyond; // Same keeps the cell
    MoveOutcome Outcome;
};

// The case table, read top to bottom; the first matching rule decides. A box can move only into
// floor or an empty target, and the keeper only onto them or onto a box that can move.
constexpr MoveRule MoveRules[] = {
    {'@', ' ', Any, ' ', '@', Same, MoveOutcome::Step},
    {'@', '.', Any, ' ', '+', Same, MoveOutcome::Step},
    {'@', '$', ' ', ' ', '@', '$', MoveOutcome::Push},
    {'@', '$', '.', ' ', '@', '*', MoveOutcome::Push},
    {'@', '*', ' ', ' ', '+', '$', MoveOutcome::Push},
    {'@', '*', '.', ' ', '+', '*', MoveOutcome::Push},
    {'@', Any, Any, Same, Same, Same, MoveOutcome::Refused},
    {'+', ' ', Any, '.', '@', Same, MoveOutcome::Step},
    {'+', '.', Any, '.', '+', Same, MoveOutcome::Step},
    {'+', '$', ' ', '.', '@', '$', MoveOutcome::Push},
    {'+', '$', '.', '.', '@', '*', MoveOutcome::Push},
    {'+', '*', ' ', '.', '+', '$', MoveOutcome::Push},
    {'+', '*', '.', '.', '+', '*', MoveOutcome::Push},
    {'+', Any, Any, Same, Same, Same, MoveOutcome::Refused},
    {Any, Any, Any, Same, Same, Same, MoveOutcome::NoMove},
};

bool Matches(char pattern, char c)
{
    return pattern == Any || pattern == c;
}

char Apply(char result, char old)
{
    return result == Same ? old : result;
}

char UpperLetter(char letter)
{
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

} // namespace

MoveDecision ClassifyMove(char keeper, char next, char beyond)
{
    for (const MoveRule& rule : MoveRules) {
        if (Matches(rule.Keeper, keeper) && Matches(rule.Next, next) && Matches(rule.Beyond, beyond))
            return {rule.Outcome, Apply(rule.NewKeeper, keeper), Apply(rule.NewNext, next),
                    Apply(rule.NewBeyond, beyond)};
    }
    return {MoveOutcome::NoMove, keeper, next, beyond};
}

void MoveKeeper(GameState& g, Frontend& ui, int kx, int ky, int nx, int ny, int bx, int by, char letter)
{
    if (g.Reverse) {
        PullKeeper(g, ui, kx, ky, nx, ny, letter);
        return;
    }
    const char keeper = CellAt(g, kx, ky);
    const char next = CellAt(g, nx, ny);
    const char beyond = CellAt(g, bx, by);
    const MoveDecision move = ClassifyMove(keeper, next, beyond);
    const bool moved = move.Outcome == MoveOutcome::Step || move.Outcome == MoveOutcome::Push;

    if (moved) {
        ui.PlaySample(Sample::Move);
        g.Current().MoveLetter = move.Outcome == MoveOutcome::Push ? UpperLetter(letter) : letter;
        // A move from an undone position drops the undone positions: one line of history, never a tree.
        ++g.HistoryIndex;
        g.HistoryLength = g.HistoryIndex + 1;
        g.SnapshotHistory.resize(static_cast<std::size_t>(g.HistoryLength));
        ui.SetHistoryBarRange(g.HistoryLength, g.HistoryLength);
        const BoardSnapshot& previous = g.SnapshotHistory[static_cast<std::size_t>(g.HistoryIndex - 1)];
        BoardSnapshot& current = g.Current();
        current.Board = previous.Board;
        current.Pushes = previous.Pushes;
        current.MoveLetter = ' ';
        if (!g.ClockStarted) {
            g.ClockStarted = true;
            g.StartTime = g.Now();
        }
    }
    if (move.Outcome == MoveOutcome::Push) {
        ui.PlaySample(Sample::Push);
        ++g.Current().Pushes;
    }

    const struct {
        int X, Y;
        char Old, New;
    } writes[] = {{kx, ky, keeper, move.NewKeeper}, {nx, ny, next, move.NewNext}, {bx, by, beyond, move.NewBeyond}};
    for (const auto& cell : writes) {
        if (cell.Old == 'Z')
            continue;   // off the board: never written, never drawn
        g.Current().Board[static_cast<std::size_t>(cell.X)][static_cast<std::size_t>(cell.Y)] = cell.New;
        ui.DrawCell(cell.X, cell.Y);
    }
    // The keeper position is kept here, not by the painting: after a step or push it is the cell
    // just entered. Full redraws set it again through LocateKeeper.
    if (moved) {
        g.KeeperX = nx;
        g.KeeperY = ny;
    }

    if (move.Outcome == MoveOutcome::Refused)
        ui.PlaySample(Sample::Kick);

    CountBoxesAndTargets(g);
    ui.RefreshStatus();
    CheckCompletion(g, ui);
    if (move.Outcome == MoveOutcome::Push)
        CheckMeeting(g, ui);
}

void MoveLeft(GameState& g, Frontend& ui)
{
    MoveKeeper(g, ui, g.KeeperX, g.KeeperY, g.KeeperX - 1, g.KeeperY, g.KeeperX - 2, g.KeeperY, 'l');
}

void MoveUp(GameState& g, Frontend& ui)
{
    MoveKeeper(g, ui, g.KeeperX, g.KeeperY, g.KeeperX, g.KeeperY - 1, g.KeeperX, g.KeeperY - 2, 'u');
}

void MoveRight(GameState& g, Frontend& ui)
{
    MoveKeeper(g, ui, g.KeeperX, g.KeeperY, g.KeeperX + 1, g.KeeperY, g.KeeperX + 2, g.KeeperY, 'r');
}

void MoveDown(GameState& g, Frontend& ui)
{
    MoveKeeper(g, ui, g.KeeperX, g.KeeperY, g.KeeperX, g.KeeperY + 1, g.KeeperX, g.KeeperY + 2, 'd');
}

bool MoveByLetter(GameState& g, Frontend& ui, char letter)
{
    switch (letter) {
    case 'l': case 'L': MoveLeft(g, ui); return true;
    case 'u': case 'U': MoveUp(g, ui); return true;
    case 'r': case 'R': MoveRight(g, ui); return true;
    case 'd': case 'D': MoveDown(g, ui); return true;
    default: return false;
    }
}

} // namespace w4
