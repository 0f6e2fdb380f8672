// Nothing the player kept is lost by a write of ours: a snapshot file keeps what the reader cannot
// take, byte for byte; what the writer writes is read back; a file too large to read is refused
// whole and never written; Import never deletes a snapshot.
#include "core/collection.h"
#include "core/fileio.h"
#include "core/levelexport.h"
#include "core/snapshots.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace w4 {
namespace {

namespace fs = std::filesystem;
using test::LoadText;
using test::ReadBytes;
using test::RecordingFrontend;
using test::TempFolder;

const char* const Level =
    "########\n"
    "#  .   #\n"
    "#  $ $.#\n"
    "#    @ #\n"
    "########\n";

// A file written by hand and by other programs, with every kind of damage the reader passes over.
const std::string Note = ":: Snapshots kept by Warehaus4; '*' marks the position among the moves\r\n";
const std::string First = "\r\nSnapshot (moves 2, pushes 0, 2026-12-08 06:50:12 UTC, automatic)\r\nll*l\r\n";
const std::string WithNul = "\r\nSnapshot (moves 1, pushes 0): nul\r\nl" + std::string(1, '\0') + "l*\r\n";
const std::string Cut = "\r\nSnapshot (moves 3, pushes 0): cut\r\nlll*\r\n";
const std::string StrayLines = "not a move line\r\nrrr\r\n";
const std::string Stray = Cut + StrayLines;
const std::string Unknown = "\nTitle: something else\n; a note of another program\n";
const std::string After = "\r\nSaved Game: after the damage\r\n2l*r\r\n";

class SnapshotFileSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        level = LoadText(g, ui, folder, Level);
        path = SnapshotFilePath(level);
    }
    std::vector<Snapshot> Kept() { return ReadSnapshots(g, level); }
    const Snapshot* Named(const std::vector<Snapshot>& list, const std::string& name)
    {
        for (const Snapshot& s : list)
            if (s.Name == name)
                return &s;
        return nullptr;
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    std::string level;
    std::string path;
};

TEST_F(SnapshotFileSafety, WhatTheReaderCannotTakeSurvivesSaveRenameAndDeleteByteForByte)
{
    const std::string damaged = Note + First + WithNul + Stray + Unknown + After;
    folder.Write(fs::path(path).filename().string(), damaged);
    // The sections after a NUL and a stray line are read too.
    std::vector<Snapshot> kept = Kept();
    ASSERT_NE(Named(kept, "after the damage"), nullptr);
    EXPECT_EQ(Named(kept, "after the damage")->Letters, "llr");
    ASSERT_NE(Named(kept, "cut"), nullptr);
    EXPECT_EQ(Named(kept, "nul"), nullptr);

    // A save adds its section at the end and leaves every byte before it.
    MoveByLetter(g, ui, 'l');
    ASSERT_TRUE(SaveSnapshot(g, "new"));
    const std::string saved = ReadBytes(path);
    ASSERT_EQ(saved.compare(0, damaged.size(), damaged), 0);
    EXPECT_EQ(saved.substr(damaged.size(), 21), "\r\nSnapshot (moves 1, ");
    kept = Kept();
    EXPECT_NE(Named(kept, "new"), nullptr);
    EXPECT_NE(Named(kept, "after the damage"), nullptr);

    // Renaming the first changes its heading only, as the Snapshots window does it.
    for (Snapshot& s : kept)
        if (s.Automatic) {
            s.Name = "renamed";
            s.Automatic = false;
        }
    WriteSnapshots(g, level, kept);
    const std::string renamed = ReadBytes(path);
    const std::string heading = "Snapshot (moves 2, pushes 0, 2026-12-08 06:50:12 UTC): renamed";
    EXPECT_EQ(renamed, Note + "\r\n" + heading + "\r\nll*l\r\n" + saved.substr(Note.size() + First.size()));
    kept = Kept();
    ASSERT_NE(Named(kept, "renamed"), nullptr);
    EXPECT_EQ(Named(kept, "renamed")->Position, 2);

    // Deleting two of them takes their sections and nothing else.
    std::erase_if(kept, [](const Snapshot& s) { return s.Name == "renamed" || s.Name == "new"; });
    WriteSnapshots(g, level, kept);
    EXPECT_EQ(ReadBytes(path), Note + WithNul + Stray + Unknown + After);

    // With no snapshot left the damaged bytes still stay; only the note alone is a file to drop.
    WriteSnapshots(g, level, {});
    EXPECT_EQ(ReadBytes(path), Note + WithNul + StrayLines + Unknown);
    folder.Write(fs::path(path).filename().string(), Note + First);
    WriteSnapshots(g, level, {});
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SnapshotFileSafety, ASectionCutByAStrayLineIsNeverWrittenBackCut)
{
    folder.Write(fs::path(path).filename().string(), Note + Stray);
    MoveByLetter(g, ui, 'l');
    ASSERT_TRUE(KeepAttempt(g));
    EXPECT_EQ(ReadBytes(path).compare(0, Note.size() + Stray.size(), Note + Stray), 0);
    // A file cut inside its last line gets a line end before the next section, not a joined line.
    folder.Write(fs::path(path).filename().string(), Note + "Snapshot: half\r\nll");
    ASSERT_TRUE(SaveSnapshot(g, "whole"));
    const std::string mended = Note + "Snapshot: half\r\nll\r\n\r\nSnapshot (moves 1";
    EXPECT_EQ(ReadBytes(path).compare(0, mended.size(), mended), 0);
    const std::vector<Snapshot> kept = Kept();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].Letters, "ll");
    EXPECT_EQ(kept[1].Name, "whole");
}

TEST_F(SnapshotFileSafety, WhatTheWriterWritesTheReaderReadsBackWhateverItsLength)
{
    Snapshot longest;
    longest.Letters = std::string(1'000'001, 'l');
    longest.Position = 1'000'000;
    longest.Name = "long";
    WriteSnapshots(g, level, {longest});
    std::vector<Snapshot> kept = Kept();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].Letters.size(), 1'000'001u);
    EXPECT_EQ(kept[0].Position, 1'000'000);

    // Beyond what a snapshot may hold: refused with a message, and the file stays as it was.
    const std::string before = ReadBytes(path);
    Snapshot tooLong = longest;
    tooLong.Letters.assign(MaxSnapshotMoves + 1, 'r');
    tooLong.Name = "too long";
    kept.push_back(tooLong);
    try {
        WriteSnapshots(g, level, kept);
        ADD_FAILURE() << "an attempt past the bound was written";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), before);

    // A file that would grow past what the reader takes is refused the same way.
    Snapshot large = longest;
    large.Letters.assign(MaxSnapshotMoves, 'r');
    kept = {longest, large, large};
    large.Name = "another";
    kept.back() = large;
    EXPECT_THROW(WriteSnapshots(g, level, kept), FileError);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(SnapshotFileSafety, ASnapshotFilePastTheLimitIsRefusedWholeAndNeverWritten)
{
    folder.Write(fs::path(path).filename().string(), Note + After);
    fs::resize_file(path, MaxTextFileBytes + 1);
    EXPECT_TRUE(Kept().empty());
    const std::string problem = SnapshotFileProblem(g, level);
    EXPECT_NE(problem.find(path), std::string::npos) << problem;
    EXPECT_NE(problem.find("16.0 MiB"), std::string::npos) << problem;

    MoveByLetter(g, ui, 'l');
    EXPECT_THROW(SaveSnapshot(g, "lost?"), FileError);
    try {
        KeepAttempt(g);
        ADD_FAILURE() << "the attempt was kept in a file never read";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(fs::file_size(path), MaxTextFileBytes + 1);
    EXPECT_EQ(ReadBytes(path).compare(0, Note.size() + After.size(), Note + After), 0);
}

TEST(TextFileLimit, PlaylistsAndSolutionsPastTheLimitAreRefusedWholeNamingThem)
{
    TempFolder folder;
    GameState g;
    g.Places.Settings = folder.Path / "";
    const std::string first = folder.Write("a.xsb", Level);
    const std::string playlist = folder.Write("boxyard4.lev", first + "\r\n");
    fs::resize_file(playlist, MaxTextFileBytes + 1);
    ReadPlaylistFile(g);
    EXPECT_TRUE(g.Playlist.empty());   // not its first entries
    const std::string refused = RefusedPlaylistText(g);
    EXPECT_NE(refused.find(playlist), std::string::npos) << refused;
    // Quitting does not replace the list it never read.
    FillDefaultPlaylist(g);
    g.Playlist.push_back(first);
    EXPECT_THROW(WritePlaylistFile(g), FileError);
    EXPECT_EQ(fs::file_size(playlist), MaxTextFileBytes + 1);

    const std::string solution = folder.Write("a.XHT", "llUrR\r\n");
    fs::resize_file(solution, MaxTextFileBytes + 1);
    RecordingFrontend ui;
    g.Playlist = {first};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    EXPECT_EQ(g.LevelWidth, 8);        // the level itself loads
    EXPECT_TRUE(g.StoredSolution.empty());
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_NE(ui.Notices[0].find(solution), std::string::npos) << ui.Notices[0];
}

// --- Import -------------------------------------------------------------------------------------

class ImportKeepsSnapshots : public ::testing::Test {
protected:
    std::vector<ImportTarget> Import(const std::string& text)
    {
        collection = ReadCollection(text);
        const auto plan = PlanImport(collection, target);
        ImportProgress progress;
        result = WriteImport(collection, plan, progress);
        EXPECT_EQ(result.Error, "");
        return plan;
    }

    TempFolder folder;
    std::string target = folder.File("out");
    LevelCollection collection;
    ImportResult result;
};

TEST_F(ImportKeepsSnapshots, AnUnchangedBoardKeepsItsSnapshotsAndTheCollectionsJoinThem)
{
    const std::string mine = Note + "\r\nSnapshot (moves 1, pushes 0): mine\r\nl*\r\n" + Unknown;
    folder.Write("out/001 One.xsb", "######\r\n#@ $.#\r\n######\r\nTitle: Old title\r\n");
    const std::string kept = folder.Write("out/001 One.snapshots.sok", mine);
    const auto plan = Import("One\n######\n#@ $.#\n######\nSnapshot: theirs\nr*R\n");
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].OldSnapshots, kept);
    EXPECT_EQ(plan[0].SnapshotsAside, "");
    EXPECT_TRUE(result.SnapshotsKeptAside.empty());
    const std::string after = ReadBytes(kept);
    EXPECT_EQ(after.compare(0, mine.size(), mine), 0);
    const std::vector<Snapshot> read = ParseSnapshotFile(after).Snapshots();
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Name, "mine");
    EXPECT_EQ(read[1].Name, "theirs");

    // Imported again: nothing twice.
    Import("One\n######\n#@ $.#\n######\nSnapshot: theirs\nr*R\n");
    EXPECT_EQ(ReadBytes(kept), after);
}

TEST_F(ImportKeepsSnapshots, AChangedBoardKeepsItsSnapshotsAsideUnderANameTheGameDoesNotRead)
{
    const std::string mine = Note + "\r\nSnapshot (moves 1, pushes 0): mine\r\nl*\r\n";
    folder.Write("out/001 One.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    const std::string old = folder.Write("out/001 One.snapshots.sok", mine);
    folder.Write("out/002 Two.snapshots.sok", mine);   // no level: a board nobody knows
    GameState g;
    g.Now = [] { return std::chrono::system_clock::from_time_t(1'797'000'000); };
    collection = ReadCollection("One\n######\n#@ $.#\n######\nSnapshot: theirs\nr*R\n\nTwo\n####\n#@*#\n####\n");
    const auto plan = PlanImport(collection, target, g);
    ASSERT_EQ(plan.size(), 2u);
    for (const ImportTarget& t : plan) {
        EXPECT_EQ(t.OldSnapshots, SnapshotFilePath(t.LevelPath));
        EXPECT_NE(t.SnapshotsAside.find(".snapshots (replaced level 20"), std::string::npos) << t.SnapshotsAside;
        EXPECT_NE(t.SnapshotsAside, SnapshotFilePath(t.LevelPath));
    }
    // The question names them with the files replaced.
    const std::vector<std::string> existing = ExistingTargets(plan);
    EXPECT_NE(std::find(existing.begin(), existing.end(), old), existing.end());

    ImportProgress progress;
    result = WriteImport(collection, plan, progress);
    ASSERT_EQ(result.Error, "");
    ASSERT_EQ(result.SnapshotsKeptAside, (std::vector<std::string>{plan[0].SnapshotsAside, plan[1].SnapshotsAside}));
    EXPECT_EQ(ReadBytes(plan[0].SnapshotsAside), mine);
    EXPECT_EQ(ReadBytes(plan[1].SnapshotsAside), mine);
    // The new board gets only the snapshots that came with it.
    GameState fresh;
    const std::vector<Snapshot> now = ReadSnapshots(fresh, plan[0].LevelPath);
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0].Name, "theirs");
    EXPECT_TRUE(ReadSnapshots(fresh, plan[1].LevelPath).empty());

    // Once more on the same day: the first ones kept aside are not replaced either.
    folder.Write("out/002 Two.snapshots.sok", mine + "\r\nSnapshot: second\r\nl\r\n");
    collection = ReadCollection("One\n######\n#@ $.#\n######\n\nTwo\n#####\n#@$.#\n#####\n");
    const auto again = PlanImport(collection, target, g);
    ImportProgress progress2;
    result = WriteImport(collection, again, progress2);
    ASSERT_EQ(result.SnapshotsKeptAside.size(), 1u);
    EXPECT_NE(result.SnapshotsKeptAside[0], plan[1].SnapshotsAside);
    EXPECT_EQ(ReadBytes(plan[1].SnapshotsAside), mine);
    EXPECT_EQ(ReadBytes(result.SnapshotsKeptAside[0]), mine + "\r\nSnapshot: second\r\nl\r\n");
}

} // namespace
} // namespace w4
