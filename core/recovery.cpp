#include "core/recovery.h"

#include "core/fileio.h"
#include "core/folders.h"
#include "core/usokoban.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace w4 {

namespace {

constexpr char LevelPrefix[] = "Level: ";

} // namespace

std::string RecoveryFilePath(const GameState& g)
{
    return (SettingsFolder(g) / "boxyard4.attempt.sok").string();
}

std::optional<AttemptRecord> AttemptInProgress(const GameState& g)
{
    if (g.AttemptMode != ModePlay || g.HistoryLength <= 1 || g.LevelSolved ||
        g.SnapshotHistory.size() < static_cast<std::size_t>(g.HistoryLength))
        return std::nullopt;
    AttemptRecord record;
    record.Level = SnapshotLevelPath(g);
    // A path with a line end in it could not be read back from its line.
    if (record.Level.empty() || record.Level.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    record.Attempt = TakeSnapshot(g, {}, true);
    return record;
}

std::vector<std::string> RecoveryFileLines(const AttemptRecord& record)
{
    std::vector<std::string> lines = {
        ":: Warehaus4: the attempt in progress, until it is kept as a snapshot of its level",
        LevelPrefix + record.Level};
    const std::vector<std::string> section = SnapshotSectionLines(record.Attempt);
    lines.insert(lines.end(), section.begin(), section.end());
    return lines;
}

std::optional<AttemptRecord> ParseRecoveryLines(const std::vector<std::string>& lines)
{
    const auto level = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.rfind(LevelPrefix, 0) == 0; });
    if (level == lines.end() || level->size() == sizeof LevelPrefix - 1)
        return std::nullopt;
    const std::vector<Snapshot> sections = ParseSnapshotLines(std::vector<std::string>(level + 1, lines.end()));
    if (sections.empty())
        return std::nullopt;
    AttemptRecord record;
    record.Level = level->substr(sizeof LevelPrefix - 1);
    record.Attempt = sections.front();
    record.Attempt.Automatic = true;
    return record;
}

void WriteRecoveryFile(const GameState& g, const AttemptRecord& record)
{
    const std::string path = RecoveryFilePath(g);
    MakeFolderFor(g, path);
    WriteTextLines(path, RecoveryFileLines(record));
}

std::optional<AttemptRecord> ReadRecoveryFile(const GameState& g)
{
    const std::string path = RecoveryFilePath(g);
    if (!FileExists(path))
        return std::nullopt;
    return ParseRecoveryLines(ReadTextLines(path));
}

void RemoveRecoveryFile(const GameState& g)
{
    std::error_code ec;
    std::filesystem::remove(RecoveryFilePath(g), ec);
}

std::optional<AttemptRecord> KeepRecoveredAttempt(const GameState& g)
{
    const std::optional<AttemptRecord> record = ReadRecoveryFile(g);
    if (!record || !FileExists(record->Level) || !KeepsSolutionFile(record->Level)) {
        RemoveRecoveryFile(g);
        return std::nullopt;
    }
    std::vector<Snapshot> snapshots = ReadSnapshots(g, record->Level);
    if (std::none_of(snapshots.begin(), snapshots.end(),
                     [&](const Snapshot& s) { return s.SameAttempt(record->Attempt); })) {
        AddSnapshot(snapshots, record->Attempt);
        WriteSnapshots(g, record->Level, snapshots);
    }
    RemoveRecoveryFile(g);
    return record;
}

} // namespace w4
