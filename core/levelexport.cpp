#include "core/levelexport.h"

#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/text.h"
#include "core/headertext.h"
#include "core/usokoban.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace w4 {

namespace {

// Long solutions are cut into lines of this many letters, as the other programs write them.
constexpr std::size_t MovesPerLine = 70;

std::string TrimRightBlanks(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

void DropBlankOuterRows(std::vector<std::string>& rows)
{
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    const auto first = std::find_if(rows.begin(), rows.end(), [](const std::string& r) { return !r.empty(); });
    rows.erase(rows.begin(), first);
}

} // namespace

GameState LevelState(const std::vector<std::string>& rows, const LevelHeaderFields& header)
{
    GameState g;
    g.SnapshotHistory.resize(1);
    g.HistoryLength = 1;
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    std::vector<std::string> lines = rows;
    // An empty row inside a board is a row of floor; the level reader needs a character to see it.
    for (std::string& line : lines)
        if (line.empty())
            line.assign(1, ' ');
    ApplyLevelLines(g, lines);
    g.LevelHeader = header;
    return g;
}

std::vector<std::string> SnapshotRows(const BoardSnapshot& snapshot, int width, int height)
{
    width = std::clamp(width, 0, MaxLevelSize);
    height = std::clamp(height, 0, MaxLevelSize);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row(static_cast<std::size_t>(width), ' ');
        for (int x = 0; x < width; ++x) {
            const char c = snapshot.Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            row[static_cast<std::size_t>(x)] = std::strchr("#$*+.@", c) != nullptr && c != '\0' ? c : ' ';
        }
        rows.push_back(TrimRightBlanks(std::move(row)));
    }
    DropBlankOuterRows(rows);
    return rows;
}

std::vector<std::string> LevelTextLines(const std::vector<std::string>& rows, const LevelHeaderFields& header,
                                        const std::string& solution)
{
    std::vector<std::string> lines = rows;
    const std::vector<std::string> headerLines = HeaderLines(header);
    lines.insert(lines.end(), headerLines.begin(), headerLines.end());
    if (!solution.empty()) {
        lines.emplace_back("Solution");
        for (std::size_t i = 0; i < solution.size(); i += MovesPerLine)
            lines.push_back(solution.substr(i, MovesPerLine));
    }
    return lines;
}

std::string LevelClipboardText(const GameState& g)
{
    if (g.SnapshotHistory.empty() || g.HistoryIndex < 0 || g.LevelWidth <= 0 || g.LevelHeight <= 0)
        return {};
    const std::vector<std::string> rows = SnapshotRows(g.Current(), g.LevelWidth, g.LevelHeight);
    if (rows.empty())
        return {};
    // The clipboard carries UTF-8: older Windows-1252 values are shown as the window shows them.
    LevelHeaderFields header;
    for (std::size_t f = 0; f < HeaderFieldCount; ++f)
        header[f] = DecodeHeaderValue(g.LevelHeader[f]);
    std::string text;
    for (const std::string& line : LevelTextLines(rows, header, {}))
        text += line + "\n";
    return text;
}

PastedSolution CheckPastedSolution(const GameState& g, const std::string& text)
{
    PastedSolution result;
    std::string letters;
    if (!ExpandMoves(text, letters) || letters.empty()) {
        // The text may carry a heading line, as copied from a collection.
        const std::size_t end = text.find_first_of("\r\n");
        std::string first = end == std::string::npos ? text : text.substr(0, end);
        for (char& c : first)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (end == std::string::npos || TrimControl(first).rfind("solution", 0) != 0 ||
            !ExpandMoves(text.substr(end), letters) || letters.empty()) {
            result.NotMoves = true;
            return result;
        }
    }
    if (g.SnapshotHistory.empty()) {
        result.FailedMove = 1;
        return result;
    }
    const ReplayResult replay = ReplayMoves(SnapshotRows(g.SnapshotHistory[0], g.LevelWidth, g.LevelHeight), letters);
    result.Solves = replay.Solved;
    result.Letters = replay.Letters;
    result.FailedMove = replay.FailedMove;
    return result;
}

std::string SafeLevelFileName(int number, int digits, const std::string& title)
{
    std::string name = std::to_string(std::max(number, 0));
    if (static_cast<int>(name.size()) < digits)
        name.insert(0, static_cast<std::size_t>(digits - static_cast<int>(name.size())), '0');

    // File names on this desktop are UTF-8; older titles are Windows-1252.
    const std::string utf8 = IsValidUtf8(title) ? title : Windows1252ToUtf8(title);
    std::string safe;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127 || std::strchr("/\\:*?\"<>|", c) != nullptr)
            c = ' ';
        if (c == ' ' && (safe.empty() || safe.back() == ' '))
            continue;
        safe += c;
    }
    constexpr std::size_t MaxTitleBytes = 60;
    if (safe.size() > MaxTitleBytes) {
        std::size_t cut = MaxTitleBytes;
        // Never cut inside a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xC0) == 0x80)
            --cut;
        safe.resize(cut);
    }
    while (!safe.empty() && (safe.back() == ' ' || safe.back() == '.'))
        safe.pop_back();
    // A title that is only the level's number again adds nothing.
    if (!safe.empty() && safe != std::to_string(number) && safe != name)
        name += " " + safe;
    return name + ".xsb";
}

namespace {

// "NNN Title.snapshots (replaced level 2026-12-11).sok", or with ", 2" and on when that exists.
std::string AsideName(const std::string& snapshotPath, DateTime today, const std::string& replacedLevel, int number)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(today);
    std::tm local{};
    char date[16] = "";
    if (localtime_r(&t, &local) != nullptr)
        std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::string note = FillText(replacedLevel, {date});
    if (number > 1)
        note += ", " + std::to_string(number);
    const std::string sok = ".sok";
    const std::size_t stem = snapshotPath.size() >= sok.size() ? snapshotPath.size() - sok.size() : 0;
    return snapshotPath.substr(0, stem) + " (" + note + ")" + sok;
}

bool PathTaken(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec) || std::filesystem::is_symlink(path, ec);
}

} // namespace

bool SameBoardInFile(const std::string& levelPath, const std::vector<std::string>& rows)
{
    const TextFileBytes file = ReadWholeTextFile(levelPath);
    if (file.State != TextFileBytes::Outcome::Read)
        return false;
    GameState old = LevelState({}, {});
    ApplyLevelLines(old, SplitTextLines(file.Bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? file.Bytes.substr(3) : file.Bytes));
    const GameState fresh = LevelState(rows, {});
    const std::vector<std::string> before = SnapshotRows(old.SnapshotHistory[0], old.LevelWidth, old.LevelHeight);
    return !before.empty() && before == SnapshotRows(fresh.SnapshotHistory[0], fresh.LevelWidth, fresh.LevelHeight);
}

std::vector<ImportTarget> PlanImport(const LevelCollection& collection, const std::string& folder)
{
    return PlanImport(collection, folder, GameState{});
}

std::vector<ImportTarget> PlanImport(const LevelCollection& collection, const std::string& folder, const GameState& g)
{
    int last = 0;
    for (const CollectionLevel& level : collection.Levels)
        last = std::max(last, level.Number);
    const int digits = std::max(3, static_cast<int>(std::to_string(last).size()));
    std::string base = folder;
    if (!base.empty() && base.back() != '/')
        base += '/';
    std::vector<ImportTarget> plan;
    for (std::size_t i = 0; i < collection.Levels.size(); ++i) {
        const CollectionLevel& level = collection.Levels[i];
        ImportTarget target;
        target.Level = i;
        target.LevelPath = base + SafeLevelFileName(level.Number, digits, level.Header[Title]);
        if (!level.Solutions.empty())
            target.SolutionPath = SolutionFilePath(target.LevelPath);
        if (!ImportedSnapshots(level).empty())
            target.SnapshotPath = SnapshotFilePath(target.LevelPath);
        target.ReplacedLevel = Warehaus4::Tr("replaced level %1");
        if (const std::string old = SnapshotFilePath(target.LevelPath); PathTaken(old)) {
            target.OldSnapshots = old;
            if (!SameBoardInFile(target.LevelPath, level.Rows)) {
                int number = 1;
                do
                    target.SnapshotsAside = AsideName(old, g.Now(), target.ReplacedLevel, number++);
                while (PathTaken(target.SnapshotsAside));
            }
        }
        plan.push_back(std::move(target));
    }
    return plan;
}

std::vector<std::string> ExistingTargets(const std::vector<ImportTarget>& plan)
{
    std::vector<std::string> existing;
    std::error_code ec;
    for (const ImportTarget& target : plan) {
        // The solution file beside a level is replaced, or removed when the new level brings none,
        // so it is counted whether or not the plan writes it; the snapshot file stays or is kept
        // aside, and is counted to be named in the question.
        for (const std::string& path :
             {target.LevelPath, SolutionFilePath(target.LevelPath), SnapshotFilePath(target.LevelPath)})
            if (std::filesystem::exists(path, ec) || std::filesystem::is_symlink(path, ec))
                existing.push_back(path);
    }
    return existing;
}

std::vector<Snapshot> ImportedSnapshots(const CollectionLevel& level)
{
    std::vector<Snapshot> snapshots;
    for (const SavedGameText& saved : level.SavedGames) {
        std::optional<Snapshot> s = ParseSnapshotSection(saved.Heading, saved.Moves);
        if (!s || !FitSnapshot(level.Rows, *s))
            continue;
        // What another player named is a named snapshot here too.
        s->Automatic = false;
        snapshots.push_back(std::move(*s));
    }
    return snapshots;
}

ImportResult WriteImport(const LevelCollection& collection, const std::vector<ImportTarget>& plan,
                         ImportProgress& progress)
{
    ImportResult result;
    for (const ImportTarget& target : plan) {
        if (progress.Cancel.load()) {
            result.Cancelled = true;
            break;
        }
        const CollectionLevel& level = collection.Levels.at(target.Level);
        try {
            // The snapshots of a board that changes go aside before the board does; decided again
            // here, as the files may have changed since the plan was made.
            const std::string old = SnapshotFilePath(target.LevelPath);
            if (FileExists(old) && !SameBoardInFile(target.LevelPath, level.Rows)) {
                std::string aside = target.SnapshotsAside.empty() ? AsideName(old, std::chrono::system_clock::now(), target.ReplacedLevel, 1)
                                                                  : target.SnapshotsAside;
                for (int number = 2; !RenameWithoutReplacing(old, aside); ++number)
                    aside = AsideName(old, std::chrono::system_clock::now(), target.ReplacedLevel, number);
                result.SnapshotsKeptAside.push_back(aside);
            }
            WriteLevelFile(LevelState(level.Rows, level.Header), target.LevelPath);
            result.Written.push_back(target.LevelPath);
            if (!target.SolutionPath.empty()) {
                WriteSolutionFile(target.SolutionPath, level.BestSolution());
                ++result.WithSolutions;
            } else {
                // A solution left from the level this one replaces would be loaded for it.
                RemoveFile(SolutionFilePath(target.LevelPath));
            }
            // Saved games that came with the level join its snapshots: those of the board replaced
            // when it is the same board, else a new file beside the ones kept aside.
            if (!target.SnapshotPath.empty())
                JoinSnapshotFile(target.SnapshotPath, ImportedSnapshots(level));
        } catch (const std::exception& e) {
            result.Error = e.what();
            result.StoppedAtLevel = level.Number;
            break;
        }
        progress.Done.fetch_add(1);
    }
    return result;
}

ExportResult ExportPlaylist(const GameState& from, const std::string& path)
{
    ExportResult result;
    std::vector<std::string> lines;
    for (const std::string& entry : from.Playlist) {
        if (entry.empty() || !FileExists(entry)) {
            result.Missing.push_back(entry);
            continue;
        }
        // Read as the loader reads it: the same rows, header and stored solution.
        GameState g = LevelState({}, {});
        g.ProgramFolder = from.ProgramFolder;
        g.Places = from.Places;   // solutions of read-only levels live in the store
        ApplyLevelLines(g, ReadTextLines(entry));
        ReadSolutionFile(g, entry);
        const std::vector<std::string> rows = SnapshotRows(g.SnapshotHistory[0], g.LevelWidth, g.LevelHeight);
        if (rows.empty()) {
            result.Missing.push_back(entry);
            continue;
        }
        for (std::string& line : LevelTextLines(rows, g.LevelHeader, g.StoredSolution))
            lines.push_back(std::move(line));
        // Named snapshots travel with the level; automatic ones are this player's own business.
        for (const Snapshot& s : ReadSnapshots(g, entry)) {
            if (s.Automatic)
                continue;
            lines.emplace_back();
            for (std::string& line : SnapshotSectionLines(s))
                lines.push_back(std::move(line));
        }
        lines.emplace_back();
        ++result.Written;
    }
    WriteTextLines(path, lines);
    return result;
}

} // namespace w4
