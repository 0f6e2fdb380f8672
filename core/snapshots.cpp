#include "core/snapshots.h"

#include "core/collection.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/loading.h"
#include "core/reverse.h"
#include "core/text.h"
#include "core/usokoban.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <span>
#include <string_view>

namespace w4 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MovesPerLine = 70;
constexpr char SnapshotExtension[] = ".snapshots.sok";
constexpr char AutomaticWord[] = "automatic";
// Reverse attempts are written as comment lines, so other programs pass them over.
constexpr char CommentMark[] = "::";
constexpr char ReverseWord[] = "reverse ";

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
    return ParseMarkedLetters(text, letters, position, MaxSnapshotMoves);
}

bool ParseMarkedLetters(const std::string& text, std::string& letters, std::int32_t& position, std::size_t maxLetters)
{
    letters.clear();
    maxLetters = std::min(maxLetters, MaxSnapshotMoves);
    const std::size_t mark = text.find('*');
    if (mark != std::string::npos && text.find('*', mark + 1) != std::string::npos)
        return false;
    std::string before, after;
    if (!ExpandMoves(text.substr(0, mark), before, maxLetters, nullptr))
        return false;
    if (mark != std::string::npos && !ExpandMoves(text.substr(mark + 1), after, maxLetters - before.size(), nullptr))
        return false;
    if (before.size() + after.size() > maxLetters)
        return false;
    position = static_cast<std::int32_t>(before.size());
    letters = std::move(before) + after;
    return true;
}

std::vector<std::string> SnapshotSectionLines(const Snapshot& s)
{
    std::string heading = s.Reverse ? ":: Reverse Snapshot (keeper " + std::to_string(s.KeeperX) + " " +
                                          std::to_string(s.KeeperY) + ", moves " + std::to_string(s.Moves()) +
                                          ", pulls " + std::to_string(s.Pushes())
                                    : "Snapshot (moves " + std::to_string(s.Moves()) + ", pushes " + std::to_string(s.Pushes());
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
        lines.push_back((s.Reverse ? ":: " : "") + marked.substr(i, MovesPerLine));
    return lines;
}

bool IsSnapshotHeading(const std::string& line)
{
    return HeadingWordLength(TrimControl(line)) > 0;
}

namespace {
std::optional<Snapshot> ParseBoundedSection(const std::string& heading, const std::string& moves, std::size_t maxLetters);
} // namespace

std::optional<Snapshot> ParseSnapshotSection(const std::string& heading, const std::string& moves)
{
    return ParseBoundedSection(heading, moves, MaxSnapshotMoves);
}

namespace {

std::optional<Snapshot> ParseBoundedSection(const std::string& heading, const std::string& moves, std::size_t maxLetters)
{
    const std::string trimmed = TrimControl(heading);
    const std::size_t word = HeadingWordLength(trimmed);
    if (word == 0)
        return std::nullopt;
    Snapshot s;
    if (!ParseMarkedLetters(moves, s.Letters, s.Position, maxLetters))
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
                int x = 0, y = 0, used = 0;
                if (LowerText(note) == AutomaticWord)
                    s.Automatic = true;
                else if (std::sscanf(note.c_str(), "keeper %d %d%n", &x, &y, &used) == 2 &&
                         static_cast<std::size_t>(used) == note.size() && x >= 0 && y >= 0 && x < MaxLevelSize &&
                         y < MaxLevelSize) {
                    s.KeeperX = x;
                    s.KeeperY = y;
                }
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

// One line of a file as it lies there: its text, and the bytes that end it (none at the end).
struct RawLine {
    std::size_t Begin = 0, End = 0, Next = 0;   // text [Begin, End), line end [End, Next)
};

std::vector<RawLine> RawLines(const std::string& bytes)
{
    std::vector<RawLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        RawLine line;
        line.Begin = start;
        line.End = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        line.Next = line.End;
        if (line.Next < bytes.size())
            line.Next += bytes[line.Next] == '\r' && line.Next + 1 < bytes.size() && bytes[line.Next + 1] == '\n' ? 2 : 1;
        lines.push_back(line);
        start = line.Next;
    }
    return lines;
}

bool IsBlankLine(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool SameSnapshot(const Snapshot& a, const Snapshot& b)
{
    return a.SameAttempt(b) && a.Date == b.Date && a.Name == b.Name && a.Automatic == b.Automatic;
}

constexpr char NoteLine[] = ":: Snapshots kept by Warehaus4; '*' marks the position among the moves";

} // namespace

std::vector<Snapshot> ParseSnapshotLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += '\n';
    }
    return ParseSnapshotFile(bytes).Snapshots();
}

std::vector<std::string> SnapshotFileLines(const std::vector<Snapshot>& snapshots)
{
    std::vector<std::string> lines{NoteLine};
    for (const Snapshot& s : snapshots) {
        lines.emplace_back();
        for (std::string& line : SnapshotSectionLines(s))
            lines.push_back(std::move(line));
    }
    return lines;
}

// --- The file as it lies on disk ---------------------------------------------------------------

std::vector<Snapshot> SnapshotFile::Snapshots() const
{
    std::vector<Snapshot> snapshots;
    for (const SnapshotFileItem& item : Items)
        if (item.Taken)
            snapshots.push_back(*item.Taken);
    return snapshots;
}

std::string SnapshotFile::Bytes() const
{
    std::string bytes;
    for (const SnapshotFileItem& item : Items)
        bytes += item.Bytes;
    return bytes;
}

SnapshotFile ParseSnapshotFile(const std::string& bytes)
{
    SnapshotFile file;
    const std::vector<RawLine> lines = RawLines(bytes);
    // A byte-order mark stays in the bytes of the first item, but is not part of its first line.
    const std::size_t bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    auto text = [&](std::size_t n) {
        const RawLine& line = lines[n];
        const std::size_t begin = n == 0 ? std::min(line.Begin + bom, line.End) : line.Begin;
        return std::string_view(bytes).substr(begin, line.End - begin);
    };
    // A NUL never belongs to text the game wrote: such a line is kept, never read.
    auto heading = [&](std::size_t n) {
        const std::string_view t = text(n);
        return t.find('\0') == std::string_view::npos && IsSnapshotHeading(std::string(t));
    };
    auto movesLine = [&](std::size_t n) {
        const std::string_view t = text(n);
        return t.find('\0') == std::string_view::npos && IsMarkedMovesLine(TrimControl(std::string(t)));
    };
    // A reverse attempt is written in "::" comment lines: the text after the mark, else nothing.
    auto comment = [&](std::size_t n) {
        const std::string_view t = text(n);
        const std::string trimmed = t.find('\0') == std::string_view::npos ? TrimControl(std::string(t)) : std::string();
        return trimmed.compare(0, 2, CommentMark) == 0 ? TrimControl(trimmed.substr(2)) : std::string();
    };
    auto reverseHeading = [&](std::size_t n) {
        const std::string c = comment(n);
        return LowerText(c).compare(0, std::strlen(ReverseWord), ReverseWord) == 0 &&
               IsSnapshotHeading(c.substr(std::strlen(ReverseWord)));
    };

    std::size_t pending = 0;            // the first line not yet in an item
    std::size_t budget = MaxTextFileBytes;
    auto keepRaw = [&](std::size_t end) {
        if (end <= pending)
            return;
        SnapshotFileItem item;
        item.Bytes = bytes.substr(lines[pending].Begin, lines[end - 1].Next - lines[pending].Begin);
        file.Items.push_back(std::move(item));
        pending = end;
    };
    std::size_t i = 0;
    while (i < lines.size()) {
        const bool reverse = reverseHeading(i);
        if (!reverse && !heading(i)) {
            ++i;
            continue;
        }
        const std::size_t at = i++;
        std::string moves;
        if (reverse)
            while (i < lines.size() && IsMarkedMovesLine(comment(i)))
                moves += comment(i++);
        else
            while (i < lines.size() && movesLine(i))
                moves += TrimControl(std::string(text(i++)));
        // A heading without a line of moves under it is no snapshot (the game writes at least
        // the position mark): its lines stay with the bytes around them, as a damaged one's do.
        const std::string headingText = reverse ? comment(at).substr(std::strlen(ReverseWord)) : std::string(text(at));
        std::optional<Snapshot> s = i > at + 1 ? ParseBoundedSection(headingText, moves, budget) : std::nullopt;
        // Without its keeper's cell a reverse attempt cannot be played back: its lines stay bytes.
        if (s && reverse && s->KeeperX < 0)
            s.reset();
        if (s && reverse)
            s->Reverse = true;
        if (!s)
            continue;
        budget -= s->Letters.size();
        // The blank lines just before the heading separate it from what comes before: they go
        // with the snapshot.
        std::size_t lead = at;
        while (lead > pending && IsBlankLine(text(lead - 1)))
            --lead;
        keepRaw(lead);
        SnapshotFileItem item;
        const std::size_t begin = lines[lead].Begin;
        item.Bytes = bytes.substr(begin, lines[i - 1].Next - begin);
        item.HeadingBegin = (at == 0 ? std::min(lines[0].Begin + bom, lines[0].End) : lines[at].Begin) - begin;
        item.HeadingEnd = lines[at].End - begin;
        item.Taken = std::move(s);
        file.Items.push_back(std::move(item));
        pending = i;
    }
    keepRaw(lines.size());
    return file;
}

void UpdateSnapshotFile(SnapshotFile& file, const std::vector<Snapshot>& snapshots)
{
    std::vector<bool> used(snapshots.size(), false);
    std::vector<bool> stays(file.Items.size(), false);
    auto claim = [&](auto&& same) {
        for (std::size_t n = 0; n < file.Items.size(); ++n) {
            const SnapshotFileItem& item = file.Items[n];
            if (!item.Taken || stays[n])
                continue;
            for (std::size_t k = 0; k < snapshots.size(); ++k)
                if (!used[k] && same(*item.Taken, snapshots[k])) {
                    used[k] = true;
                    stays[n] = true;
                    if (!SameSnapshot(*item.Taken, snapshots[k])) {
                        // Renamed, or named and so kept for good: a new heading over the same moves.
                        SnapshotFileItem& changed = file.Items[n];
                        const std::string heading = SnapshotSectionLines(snapshots[k]).front();
                        changed.Bytes.replace(changed.HeadingBegin, changed.HeadingEnd - changed.HeadingBegin, heading);
                        changed.HeadingEnd = changed.HeadingBegin + heading.size();
                        changed.Taken->Name = snapshots[k].Name;
                        changed.Taken->Automatic = snapshots[k].Automatic;
                    }
                    break;
                }
        }
    };
    claim(SameSnapshot);
    claim([](const Snapshot& a, const Snapshot& b) { return a.SameAttempt(b) && a.Date == b.Date; });

    std::vector<SnapshotFileItem> items;
    for (std::size_t n = 0; n < file.Items.size(); ++n)
        if (!file.Items[n].Taken || stays[n])
            items.push_back(std::move(file.Items[n]));
    file.Items = std::move(items);

    for (std::size_t k = 0; k < snapshots.size(); ++k) {
        if (used[k])
            continue;
        if (file.Items.empty()) {
            SnapshotFileItem note;
            note.Bytes = std::string(NoteLine) + "\r\n";
            file.Items.push_back(std::move(note));
        }
        // A file that ends inside a line (cut off, or written by hand) first gets its line end.
        std::string& last = file.Items.back().Bytes;
        if (!last.empty() && last.back() != '\n' && last.back() != '\r')
            last += "\r\n";
        SnapshotFileItem item;
        item.Bytes = "\r\n";
        const std::vector<std::string> section = SnapshotSectionLines(snapshots[k]);
        item.HeadingBegin = item.Bytes.size();
        item.HeadingEnd = item.HeadingBegin + section.front().size();
        for (const std::string& line : section)
            item.Bytes += line + "\r\n";
        item.Taken = snapshots[k];
        file.Items.push_back(std::move(item));
    }
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
    if (s.Reverse)
        return ReversePositionRows(start, s.KeeperX, s.KeeperY, s.Letters, s.Position);
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

namespace {

// A snapshot file read whole, or why it cannot be: refused as too large, or unreadable.
struct ReadFile {
    SnapshotFile File;
    std::string Problem;   // naming the file; empty when it was read or is not there
};

ReadFile ReadSnapshotFileAt(const std::string& path)
{
    ReadFile read;
    if (path.empty())
        return read;
    const TextFileBytes file = ReadWholeTextFile(path);
    switch (file.State) {
    case TextFileBytes::Outcome::Read: read.File = ParseSnapshotFile(file.Bytes); break;
    case TextFileBytes::Outcome::Missing: break;
    case TextFileBytes::Outcome::TooLarge:
        read.Problem = RefusedTextFileText(
            Warehaus4::Tr("The file %1 is %2, more than a snapshot file may hold (%3): it was not read."), path, file.Size);
        break;
    case TextFileBytes::Outcome::Unreadable:
        read.Problem = FillText(Warehaus4::Tr("Cannot read file \"%1\": %2"), {path, file.Error});
        break;
    }
    return read;
}

// The file read for writing: one that cannot be read is never replaced by what little we know.
SnapshotFile ReadForWriting(const std::string& path)
{
    ReadFile read = ReadSnapshotFileAt(path);
    if (!read.Problem.empty())
        throw FileError(FillText(Warehaus4::Tr("%1 Nothing was written to it."), {read.Problem}));
    return std::move(read.File);
}

// Whether a file holds anything but the note and blank lines, so that it must stay.
bool HoldsAnything(const SnapshotFile& file)
{
    for (const SnapshotFileItem& item : file.Items) {
        if (item.Taken)
            return true;
        for (const RawLine& line : RawLines(item.Bytes)) {
            const std::string_view text = std::string_view(item.Bytes).substr(line.Begin, line.End - line.Begin);
            if (!IsBlankLine(text) && text != NoteLine)
                return true;
        }
    }
    return false;
}

// Writes the file, refusing what the reader would not read back whole.
void StoreSnapshotFile(const std::string& path, const SnapshotFile& file)
{
    for (const SnapshotFileItem& item : file.Items)
        if (item.Taken && item.Taken->Letters.size() > MaxSnapshotMoves)
            throw FileError(FillText(
                Warehaus4::Tr("The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3."),
                {std::to_string(item.Taken->Letters.size()), std::to_string(MaxSnapshotMoves), path}));
    const std::string bytes = file.Bytes();
    if (bytes.size() > MaxTextFileBytes)
        throw FileError(RefusedTextFileText(
            Warehaus4::Tr("The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept."), path,
            bytes.size()));
    WriteFileAtomically(path, bytes);
}

} // namespace

std::vector<Snapshot> ReadSnapshots(const GameState& g, const std::string& levelPath)
{
    if (!KeepsSnapshots(levelPath))
        return {};
    return ReadSnapshotFileAt(FindSnapshotFile(g, levelPath)).File.Snapshots();
}

std::string SnapshotFileProblem(const GameState& g, const std::string& levelPath)
{
    if (!KeepsSnapshots(levelPath))
        return {};
    return ReadSnapshotFileAt(FindSnapshotFile(g, levelPath)).Problem;
}

void WriteSnapshots(const GameState& g, const std::string& levelPath, const std::vector<Snapshot>& snapshots)
{
    if (!KeepsSnapshots(levelPath))
        return;
    const std::string path = SnapshotFilePathFor(g, levelPath);
    // The file read is the one the snapshots were read from (the one written, when it is there);
    // one in another place stays as it is, and the new file starts from its contents.
    SnapshotFile file = ReadForWriting(FindSnapshotFile(g, levelPath));
    UpdateSnapshotFile(file, snapshots);
    if (!HoldsAnything(file)) {
        RemoveFile(path);
        // A file left in another place would be read again: it is overwritten by an empty one.
        if (FindSnapshotFile(g, levelPath).empty())
            return;
    }
    MakeFolderFor(g, path);
    StoreSnapshotFile(path, file);
}

std::size_t JoinSnapshotFile(const std::string& path, const std::vector<Snapshot>& snapshots)
{
    SnapshotFile file = ReadForWriting(path);
    std::vector<Snapshot> all = file.Snapshots();
    const std::size_t before = all.size();
    for (const Snapshot& s : snapshots)
        if (std::none_of(all.begin(), all.end(), [&](const Snapshot& x) { return x.SameAttempt(s) && x.Name == s.Name; }))
            all.push_back(s);
    if (all.size() == before)
        return 0;
    UpdateSnapshotFile(file, all);
    StoreSnapshotFile(path, file);
    return all.size() - before;
}

std::string SnapshotLevelPath(const GameState& g)
{
    const std::string& level = g.AttemptLevel;
    return KeepsSnapshots(level) && FileExists(level) ? level : std::string();
}

// --- Operations --------------------------------------------------------------------------------

namespace {

Snapshot SnapshotOfHistory(const GameState& g, const SnapshotList& history, std::int32_t index, std::int32_t length,
                           bool reverse, const std::string& name, bool automatic)
{
    Snapshot s;
    s.Name = OneLine(name);
    if (length > 1)
        s.Letters = history.MoveLetters(static_cast<std::size_t>(length - 1));
    s.Position = std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(s.Letters.size()));
    s.Date = std::chrono::time_point_cast<std::chrono::seconds>(g.Now());
    s.Automatic = automatic;
    if (reverse) {
        s.Reverse = true;
        int x = -1, y = -1;
        if (ReverseKeeperCell(history, g.LevelWidth, g.LevelHeight, x, y)) {
            s.KeeperX = x;
            s.KeeperY = y;
        }
    }
    return s;
}

// What a load would throw away: the attempt waiting in the other direction, then the one shown.
std::vector<Snapshot> AttemptsInPlay(const GameState& g)
{
    std::vector<Snapshot> attempts;
    if (g.AttemptMode != ModePlay || g.LevelSolved)
        return attempts;
    const AttemptStash& other = g.OtherAttempt;
    if (other.Present && other.HistoryLength > 1 && !other.LevelSolved &&
        other.History.size() >= static_cast<std::size_t>(other.HistoryLength))
        attempts.push_back(SnapshotOfHistory(g, other.History, other.HistoryIndex, other.HistoryLength, !g.Reverse, {}, true));
    if (g.HistoryLength > 1 && g.SnapshotHistory.size() >= static_cast<std::size_t>(g.HistoryLength))
        attempts.push_back(SnapshotOfHistory(g, g.SnapshotHistory, g.HistoryIndex, g.HistoryLength, g.Reverse, {}, true));
    return attempts;
}

bool HeldBy(const std::vector<Snapshot>& kept, const Snapshot& attempt)
{
    return std::any_of(kept.begin(), kept.end(), [&](const Snapshot& s) { return s.SameAttempt(attempt); });
}

} // namespace

Snapshot TakeSnapshot(const GameState& g, const std::string& name, bool automatic)
{
    return SnapshotOfHistory(g, g.SnapshotHistory, g.HistoryIndex, g.HistoryLength, g.Reverse, name, automatic);
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

std::string DefaultSnapshotName(const GameState& /*g*/, const std::vector<Snapshot>& snapshots)
{
    const std::string proposed = Warehaus4::Tr("Snapshot %1");
    auto named = static_cast<int>(std::count_if(snapshots.begin(), snapshots.end(), [](const Snapshot& s) { return !s.Automatic; }));
    for (int n = named + 1;; ++n) {
        const std::string name = FillText(proposed, {std::to_string(n)});
        if (std::none_of(snapshots.begin(), snapshots.end(), [&](const Snapshot& s) { return s.Name == name; }))
            return name;
    }
}

bool SaveSnapshot(GameState& g, const std::string& name)
{
    const std::string level = SnapshotLevelPath(g);
    // A reverse start without its keeper is no position yet: nothing could bring it back.
    if (level.empty() || g.HistoryLength <= 0 || ReverseNeedsKeeper(g))
        return false;
    std::vector<Snapshot> snapshots = ReadSnapshots(g, level);
    AddSnapshot(snapshots, TakeSnapshot(g, name, false));
    WriteSnapshots(g, level, snapshots);
    return true;
}

bool AttemptWouldBeLost(const GameState& g)
{
    const std::vector<Snapshot> attempts = AttemptsInPlay(g);
    if (attempts.empty())
        return false;
    const std::string level = SnapshotLevelPath(g);
    if (level.empty())
        return false;
    const std::vector<Snapshot> kept = ReadSnapshots(g, level);
    return std::any_of(attempts.begin(), attempts.end(), [&](const Snapshot& a) { return !HeldBy(kept, a); });
}

bool KeepAttempt(GameState& g)
{
    if (!AttemptWouldBeLost(g))
        return false;
    const std::string level = SnapshotLevelPath(g);
    std::vector<Snapshot> snapshots = ReadSnapshots(g, level);
    for (Snapshot& attempt : AttemptsInPlay(g))
        if (!HeldBy(snapshots, attempt))
            AddSnapshot(snapshots, std::move(attempt));
    WriteSnapshots(g, level, snapshots);
    return true;
}

bool RestoreSnapshot(GameState& g, Frontend& ui, const Snapshot& s)
{
    // A command that may still stay settles the attempt first (AttemptLeave); the load keeps it
    // otherwise.
    LoadLevel(g, ui);
    if (s.Reverse)
        return RestoreReverseAttempt(g, ui, s.KeeperX, s.KeeperY, s.Letters, s.Position);
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
