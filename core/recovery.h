#pragma once
// The attempt in progress, kept on disk while it is played, so that a crash, a kill or a power
// cut does not lose it: one small file in the settings folder, replaced atomically at each
// write, that holds the level's path and the attempt as a snapshot section. It is removed once
// the attempt is kept as a snapshot or let go; the next start turns a file left behind into an
// automatic snapshot of its level, where Resume Attempt finds it. No Qt here.

#include "core/snapshots.h"
#include "core/uglobal.h"

#include <optional>
#include <string>
#include <vector>

namespace w4 {

struct AttemptRecord {
    std::string Level;    // the level file, as the playlist names it
    Snapshot Attempt;     // automatic, dated when taken
};

// The settings folder + "boxyard4.attempt.sok".
std::string RecoveryFilePath(const GameState& g);

// The attempt shown when it is worth recovering: played in Play mode, at least one move, not
// solved, on a level that keeps snapshots. Does not look at the snapshot file.
std::optional<AttemptRecord> AttemptInProgress(const GameState& g);

std::vector<std::string> RecoveryFileLines(const AttemptRecord& record);
// Nothing for lines that hold no level or no readable attempt.
std::optional<AttemptRecord> ParseRecoveryLines(const std::vector<std::string>& lines);

// Replaces the recovery file (atomically). Throws FileError.
void WriteRecoveryFile(const GameState& g, const AttemptRecord& record);
std::optional<AttemptRecord> ReadRecoveryFile(const GameState& g);
// Removes it when it is there; a failure is left for the next write to report.
void RemoveRecoveryFile(const GameState& g);

// Turns a recovery file left behind into an automatic snapshot of its level (unless a snapshot
// holds that very attempt already), then removes it. Returns the attempt it held; nothing when
// there was none or its level is gone. Throws FileError when the snapshot cannot be written: the
// recovery file then stays.
std::optional<AttemptRecord> KeepRecoveredAttempt(const GameState& g);

} // namespace w4
