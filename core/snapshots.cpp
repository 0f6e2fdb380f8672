#include "core/snapshots.h"

#include "core/collection.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/loading.h"
#include "core/ufunction.h"
#include "core/usokoban.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <span>

namespace w4 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MovesPerLine = 70;
constexpr char SnapshotExtension[] = ".snapshots.sok";
constexpr char AutomaticWord[] = "automatic";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string LowerText(std::string s)
{
    for (char& c : s)
        c = Lower(c);
    return s;
}

// The keyword a saved-game heading starts with, as a whole word; 0 when there is none.
std::size_t HeadingWordLength(const std::string& trimmed)
{
    const std::string lower = LowerText(trimmed);
    for (const char* word : {"snapshot", "saved game", "saved", "save"}) {
        const std::size_t n = std::strlen(word);
        if (lower.compare(0, n, word) == 0 && (lower.size() == n || !IsLetter(lower[n])))
            return n;
    }
    return 0;
}

// Move text of a saved game: move letters, counts, groups, blanks and the position mark.
bool IsMarkedMovesLine(const std::string& trimmed)
{
    if (trimmed.empty())
        return false;
    for (char c : trimmed)
        if (std::strchr("lurdLURD0123456789()* \t", c) == nullptr || c == '\0')
            return false;
    return true;
}

std::string OneLine(std::string s)
{
    for (char& c : s)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return TrimControl(s);
}

// The level's snapshot file, if it keeps one at all.
bool KeepsSnapshots(const std::string& levelPath)
{
    return !levelPath.empty() && KeepsSolutionFile(levelPath);
}

std::string StorePath(const GameState& g, const std::string& levelPath)
{
    if (g.Places.Solutions.empty())
        return {};
    // The store name of the solution file, with this file's ending in place of its ".XHT".
    std::string name = SolutionStoreName(levelPath);
    name.resize(name.size() >= 4 ? name.size() - 4 : 0);
    return (g.Places.Solutions / (name + SnapshotExtension)).string();
}

// Cells that keep a level unsolved: a box off target, an empty target, the keeper on one.
int OpenCell(char c) { return c == '$' || c == '.' || c == '+' ? 1 : 0; }

// Whether the level's solution file solves the level as its file holds it now, read on a scratch
// state as loading reads them.
bool KeptSolutionSolves(const GameState& g, const std::string& levelPath)
{
    GameState rules;
    rules.ProgramFolder = g.ProgramFolder;
    rules.Places = g.Places;
    rules.Playlist = {levelPath};
    rules.LevelIndex = 0;
    return StoredSolutionSolves(LevelAsSaved(rules));
}

} // namespace

std::int32_t Snapshot::Pushes() const
{
    const auto end = Letters.begin() + std::clamp<std::ptrdiff_t>(Position, 0, static_cast<std::ptrdiff_t>(Letters.size()));
    return static_cast<std::int32_t>(std::count_if(Letters.begin(), end, [](char c) { return c >= 'A' && c <= 'Z'; }));
}

// --- Text ------------------------------------------------------------------------------------

std::string FormatSnapshotDate(DateTime date)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(date);
    std::tm utc{};
    if (gmtime_r(&t, &utc) == nullptr)
        return {};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

bool ParseSnapshotDate(const std::string& text, DateTime& date)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char zone[4] = {};
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d %3s%n", &year, &month, &day, &hour, &minute, &second, zone,
                    &used) != 7 ||
        static_cast<std::size_t>(used) != text.size() || std::strcmp(zone, "UTC") != 0)
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60 || year < 1970)
        return false;
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = hour;
    utc.tm_min = minute;
    utc.tm_sec = second;
    const std::time_t t = timegm(&utc);
    if (t == static_cast<std::time_t>(-1))
        return false;
    date = std::chrono::system_clock::from_time_t(t);
    return true;
}

std::string MarkedLetters(const Snapshot& s)
{
    const std::size_t at = static_cast<std::size_t>(std::clamp<std::int32_t>(s.Position, 0, static_cast<std::int32_t>(s.Letters.size())));
    std::string text;
    text.reserve(s.Letters.size() + 1);
    text.append(s.Letters, 0, at);
    text += '*';
    text.append(s.Letters, at);
    return text;
}

bool ParseMarkedLetters(const std::string& text, std::string& letters, std::int32_t& position)
{
    letters.clear();
    const std::size_t mark = text.find('*');
    if (mark != std::string::npos && text.find('*', mark + 1) != std::string::npos)
        return false;
    std::string before, after;
    if (!ExpandMoves(text.substr(0, mark), before))
        return false;
    if (mark != std::string::npos && !ExpandMoves(text.substr(mark + 1), after))
        return false;
    if (before.size() + after.size() > MaxSolutionLength)
        return false;
    position = static_cast<std::int32_t>(before.size());
    letters = std::move(before) + after;
    return true;
}

std::vector<std::string> SnapshotSectionLines(const Snapshot& s)
{
    std::string heading = "Snapshot (moves " + std::to_string(s.Moves()) + ", pushes " + std::to_string(s.Pushes());
    if (s.Date != DateTime{})
        heading += ", " + FormatSnapshotDate(s.Date);
    if (s.Automatic)
        heading += std::string(", ") + AutomaticWord;
    heading += ")";
    const std::string name = OneLine(s.Name);
    if (!name.empty())
        heading += ": " + name;
    std::vector<std::string> lines{heading};
    const std::string marked = MarkedLetters(s);
    for (std::size_t i = 0; i < marked.size(); i += MovesPerLine)
        lines.push_back(marked.substr(i, MovesPerLine));
    return lines;
}

bool IsSnapshotHeading(const std::string& line)
{
    return HeadingWordLength(TrimControl(line)) > 0;
}

std::optional<Snapshot> ParseSnapshotSection(const std::string& heading, const std::string& moves)
{
    const std::string trimmed = TrimControl(heading);
    const std::size_t word = HeadingWordLength(trimmed);
    if (word == 0)
        return std::nullopt;
    Snapshot s;
    if (!ParseMarkedLetters(moves, s.Letters, s.Position))
        return std::nullopt;

    std::string rest = TrimControl(trimmed.substr(word));
    bool ours = false;
    if (!rest.empty() && rest[0] == '(') {
        if (const std::size_t close = rest.find(')'); close != std::string::npos) {
            ours = true;
            // The notes in brackets: counts (recomputed from the letters), a date, "automatic".
            std::string notes = rest.substr(1, close - 1);
            rest = TrimControl(rest.substr(close + 1));
            std::size_t begin = 0;
            while (begin <= notes.size()) {
                std::size_t end = notes.find(',', begin);
                if (end == std::string::npos)
                    end = notes.size();
                const std::string note = TrimControl(notes.substr(begin, end - begin));
                DateTime date;
                if (LowerText(note) == AutomaticWord)
                    s.Automatic = true;
                else if (ParseSnapshotDate(note, date))
                    s.Date = date;
                begin = end + 1;
            }
        }
    }
    if (!rest.empty() && rest[0] == ':')
        s.Name = TrimControl(rest.substr(1));
    else if (ours)
        s.Name = rest;
    else
        s.Name = trimmed;   // another program's heading ("Snapshot 3", "Saved Game") names it
    return s;
}

std::vector<Snapshot> ParseSnapshotLines(const std::vector<std::string>& lines)
{
    std::vector<Snapshot> snapshots;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (!IsSnapshotHeading(lines[i])) {
            ++i;
            continue;
        }
        const std::string& heading = lines[i++];
        std::string moves;
        while (i < lines.size() && IsMarkedMovesLine(TrimControl(lines[i])))
            moves += TrimControl(lines[i++]);
        if (std::optional<Snapshot> s = ParseSnapshotSection(heading, moves))
            snapshots.push_back(std::move(*s));
    }
    return snapshots;
}

std::vector<std::string> SnapshotFileLines(const std::vector<Snapshot>& snapshots)
{
    std::vector<std::string> lines{":: Snapshots kept by Warehaus4; '*' marks the position among the moves"};
    for (const Snapshot& s : snapshots) {
        lines.emplace_back();
        for (std::string& line : SnapshotSectionLines(s))
            lines.push_back(std::move(line));
    }
    return lines;
}

bool FitSnapshot(const std::vector<std::string>& rows, Snapshot& s)
{
    const ReplayResult replay = ReplayMoves(rows, s.Letters);
    // ReplayMoves stops at a refused move and at the solved position, keeping what was played.
    if (replay.Letters.size() < static_cast<std::size_t>(std::max(s.Position, 0)))
        return false;
    s.Letters = replay.Letters;
    return true;
}

std::vector<std::string> PositionRows(const std::vector<std::string>& start, const Snapshot& s)
{
    std::vector<std::string> rows = start;
    int kx = -1, ky = -1;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '@' || rows[y][x] == '+') {
                kx = static_cast<int>(x);
                ky = static_cast<int>(y);
            }
    auto cell = [&rows](int x, int y) -> char* {
        if (y < 0 || x < 0 || static_cast<std::size_t>(y) >= rows.size() || static_cast<std::size_t>(x) >= rows[static_cast<std::size_t>(y)].size())
            return nullptr;
        return &rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    const std::size_t end = std::min(s.Letters.size(), static_cast<std::size_t>(std::max(s.Position, 0)));
    for (std::size_t i = 0; i < end && kx >= 0; ++i) {
        int dx = 0, dy = 0;
        switch (Lower(s.Letters[i])) {
        case 'l': dx = -1; break;
        case 'r': dx = 1; break;
        case 'u': dy = -1; break;
        case 'd': dy = 1; break;
        default: break;
        }
        char* cells[3] = {cell(kx, ky), cell(kx + dx, ky + dy), cell(kx + 2 * dx, ky + 2 * dy)};
        if ((dx == 0 && dy == 0) || cells[1] == nullptr)
            break;
        const MoveDecision move = ClassifyMove(*cells[0], *cells[1], cells[2] != nullptr ? *cells[2] : 'Z');
        if (move.Outcome != MoveOutcome::Step && move.Outcome != MoveOutcome::Push)
            break;
        *cells[0] = move.NewKeeper;
        *cells[1] = move.NewNext;
        if (cells[2] != nullptr)
            *cells[2] = move.NewBeyond;
        kx += dx;
        ky += dy;
    }
    return rows;
}

// --- Store -----------------------------------------------------------------------------------

std::string SnapshotFilePath(const std::string& levelPath)
{
    const std::size_t keep = levelPath.size() >= 4 ? levelPath.size() - 4 : 0;
    return levelPath.substr(0, keep) + SnapshotExtension;
}

std::string SnapshotFilePathFor(const GameState& g, const std::string& levelPath)
{
    // Beside the level exactly when its solution file is.
    return SolutionFilePathFor(g, levelPath) == SolutionFilePath(levelPath) ? SnapshotFilePath(levelPath)
                                                                            : StorePath(g, levelPath);
}

std::string FindSnapshotFile(const GameState& g, const std::string& levelPath)
{
    const std::string candidates[] = {SnapshotFilePathFor(g, levelPath), SnapshotFilePath(levelPath),
                                      StorePath(g, levelPath)};
    for (const std::string& path : candidates)
        if (!path.empty() && FileExists(path))
            return path;
    return {};
}

std::vector<Snapshot> ReadSnapshots(const GameState& g, const std::string& levelPath)
{
    if (!KeepsSnapshots(levelPath))
        return {};
    const std::string path = FindSnapshotFile(g, levelPath);
    if (path.empty())
        return {};
    return ParseSnapshotLines(ReadTextLines(path));
}

void WriteSnapshots(const GameState& g, const std::string& levelPath, const std::vector<Snapshot>& snapshots)
{
    if (!KeepsSnapshots(levelPath))
        return;
    const std::string path = SnapshotFilePathFor(g, levelPath);
    if (snapshots.empty()) {
        std::error_code ec;
        fs::remove(path, ec);
        // A file left in another place would be read again: it is overwritten by an empty one.
        if (FindSnapshotFile(g, levelPath).empty())
            return;
    }
    MakeFolderFor(g, path);
    WriteTextLines(path, SnapshotFileLines(snapshots));
}

std::string SnapshotLevelPath(const GameState& g)
{
    const std::string& level = g.AttemptLevel;
    return KeepsSnapshots(level) && FileExists(level) ? level : std::string();
}

// --- Operations --------------------------------------------------------------------------------

Snapshot TakeSnapshot(const GameState& g, const std::string& name, bool automatic)
{
    Snapshot s;
    s.Name = OneLine(name);
    s.Letters = SolutionLetters(g);
    s.Position = std::clamp<std::int32_t>(g.HistoryIndex, 0, static_cast<std::int32_t>(s.Letters.size()));
    s.Date = std::chrono::time_point_cast<std::chrono::seconds>(g.Now());
    s.Automatic = automatic;
    return s;
}

void AddSnapshot(std::vector<Snapshot>& snapshots, Snapshot s)
{
    snapshots.push_back(std::move(s));
    auto automatic = static_cast<std::size_t>(
        std::count_if(snapshots.begin(), snapshots.end(), [](const Snapshot& x) { return x.Automatic; }));
    // The list is oldest first, so the first automatic ones found are the ones to drop.
    for (auto it = snapshots.begin(); automatic > MaxAutomaticSnapshots && it != snapshots.end();) {
        if (it->Automatic) {
            it = snapshots.erase(it);
            --automatic;
        } else {
            ++it;
        }
    }
}

std::string DefaultSnapshotName(const GameState& g, const std::vector<Snapshot>& snapshots)
{
    const std::string word = ChooseText(g, "Snapshot", "Instantané");
    auto named = static_cast<int>(std::count_if(snapshots.begin(), snapshots.end(), [](const Snapshot& s) { return !s.Automatic; }));
    for (int n = named + 1;; ++n) {
        const std::string name = word + " " + std::to_string(n);
        if (std::none_of(snapshots.begin(), snapshots.end(), [&](const Snapshot& s) { return s.Name == name; }))
            return name;
    }
}

bool SaveSnapshot(GameState& g, const std::string& name)
{
    const std::string level = SnapshotLevelPath(g);
    if (level.empty() || g.HistoryLength <= 0)
        return false;
    std::vector<Snapshot> snapshots = ReadSnapshots(g, level);
    AddSnapshot(snapshots, TakeSnapshot(g, name, false));
    WriteSnapshots(g, level, snapshots);
    return true;
}

bool AttemptWouldBeLost(const GameState& g)
{
    if (g.AttemptMode != ModePlay || g.HistoryLength <= 1 || g.LevelSolved ||
        g.SnapshotHistory.size() < static_cast<std::size_t>(g.HistoryLength))
        return false;
    const std::string level = SnapshotLevelPath(g);
    if (level.empty())
        return false;
    const Snapshot attempt = TakeSnapshot(g, {}, true);
    const std::vector<Snapshot> kept = ReadSnapshots(g, level);
    return std::none_of(kept.begin(), kept.end(), [&](const Snapshot& s) { return s.SameAttempt(attempt); });
}

bool KeepAttempt(GameState& g)
{
    if (!AttemptWouldBeLost(g))
        return false;
    const std::string level = SnapshotLevelPath(g);
    std::vector<Snapshot> snapshots = ReadSnapshots(g, level);
    AddSnapshot(snapshots, TakeSnapshot(g, {}, true));
    WriteSnapshots(g, level, snapshots);
    return true;
}

bool RestoreSnapshot(GameState& g, Frontend& ui, const Snapshot& s)
{
    ui.AttemptEnding();
    // Offered above: the load has nothing left to keep.
    SnapshotList().swap(g.SnapshotHistory);
    g.HistoryLength = 0;
    LoadLevel(g, ui);
    SnapshotList& history = g.SnapshotHistory;
    history.reserve(s.Letters.size() + 1);

    BoardGrid board = history[0].Board;
    const int width = g.LevelWidth;
    const int height = g.LevelHeight;
    int open = 0;
    int kx = -1, ky = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            open += OpenCell(c);
            if (c == '@' || c == '+') {
                kx = x;
                ky = y;
            }
        }

    // The moves are replayed on one board, without drawing, sounds or the census, and the
    // history keeps only the cells each move changed: a long attempt comes back in one go and
    // the board is drawn once.
    for (const char letter : s.Letters) {
        if (kx < 0 || open == 0)
            break;   // no keeper, or solved: the game takes no move from here
        int dx = 0, dy = 0;
        switch (Lower(letter)) {
        case 'l': dx = -1; break;
        case 'r': dx = 1; break;
        case 'u': dy = -1; break;
        case 'd': dy = 1; break;
        default: break;
        }
        const int xs[3] = {kx, kx + dx, kx + 2 * dx};
        const int ys[3] = {ky, ky + dy, ky + 2 * dy};
        char cells[3];
        for (int n = 0; n < 3; ++n)
            cells[n] = xs[n] < 0 || ys[n] < 0 || xs[n] >= width || ys[n] >= height
                           ? 'Z'
                           : board[static_cast<std::size_t>(xs[n])][static_cast<std::size_t>(ys[n])];
        const MoveDecision move = dx == 0 && dy == 0 ? MoveDecision{MoveOutcome::NoMove, 0, 0, 0}
                                                     : ClassifyMove(cells[0], cells[1], cells[2]);
        if (move.Outcome != MoveOutcome::Step && move.Outcome != MoveOutcome::Push)
            break;
        const bool push = move.Outcome == MoveOutcome::Push;
        const char written[3] = {move.NewKeeper, move.NewNext, move.NewBeyond};
        CellChange changes[3];
        std::size_t changed = 0;
        for (int n = 0; n < 3; ++n) {
            if (cells[n] == 'Z' || written[n] == cells[n])
                continue;
            open += OpenCell(written[n]) - OpenCell(cells[n]);
            board[static_cast<std::size_t>(xs[n])][static_cast<std::size_t>(ys[n])] = written[n];
            changes[changed++] = {static_cast<std::uint8_t>(xs[n]), static_cast<std::uint8_t>(ys[n]), cells[n], written[n]};
        }
        history.AppendMove(push ? Upper(letter) : Lower(letter), push, std::span(changes, changed), board);
        kx = xs[1];
        ky = ys[1];
    }

    const auto played = static_cast<std::int32_t>(history.size()) - 1;
    const bool reached = s.Position >= 0 && s.Position <= played;
    if (!reached) {
        SnapshotList(1, history.front()).swap(history);
        history.front().MoveLetter = ' ';
    }
    g.HistoryLength = static_cast<std::int32_t>(history.size());
    g.HistoryIndex = reached ? s.Position : 0;
    ui.SetHistoryBarRange(g.HistoryLength, g.HistoryIndex + 1);
    RedrawBoard(g, ui);
    return reached;
}

std::optional<Snapshot> ResumableAttempt(const GameState& g, const std::string& levelPath)
{
    const std::vector<Snapshot> snapshots = ReadSnapshots(g, levelPath);
    const auto last = std::find_if(snapshots.rbegin(), snapshots.rend(), [](const Snapshot& s) { return s.Automatic; });
    if (last == snapshots.rend())
        return std::nullopt;
    const std::string solution = FindSolutionFile(g, levelPath);
    if (!solution.empty()) {
        std::error_code ec;
        const fs::file_time_type written = fs::last_write_time(solution, ec);
        if (!ec) {
            const auto solved = std::chrono::time_point_cast<std::chrono::seconds>(
                std::chrono::file_clock::to_sys(written));
            // A file that does not solve the level (stale, damaged, another level's) is no
            // solution: it must not hide the attempt.
            if (last->Date <= solved && KeptSolutionSolves(g, levelPath))
                return std::nullopt;
        }
    }
    return *last;
}

} // namespace w4
