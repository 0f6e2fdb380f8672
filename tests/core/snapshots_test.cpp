// Snapshots: kept positions of an attempt, their text form, their file and the collection sections.
#include "core/snapshots.h"
#include "core/collection.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/history.h"
#include "core/levelexport.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

namespace fs = std::filesystem;
using test::LoadText;
using test::ManualClock;
using test::RecordingFrontend;
using test::TempFolder;

// Room to walk and two boxes to push, so an attempt holds steps and pushes.
const char* const Level =
    "########\n"
    "#  .   #\n"
    "#  $ $.#\n"
    "#    @ #\n"
    "########\n";

class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.Attach(g);
        level = LoadText(g, ui, folder, Level);
    }
    void Play(const std::string& letters)
    {
        for (char c : letters)
            MoveByLetter(g, ui, c);
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    ManualClock clock;
    std::string level;
};

TEST_F(SnapshotTest, RestoreGivesBackTheBoardTheHistoryIndexAndTheRedoTail)
{
    Play("llUrdrlulr");   // steps and a push
    UndoMove(g, ui);
    UndoMove(g, ui);
    UndoMove(g, ui);
    ASSERT_EQ(g.HistoryIndex, 7);
    const GameState before = g;
    ASSERT_TRUE(SaveSnapshot(g, "idea"));

    RetryLevel(g, ui);
    Play("ll");
    const std::vector<Snapshot> kept = ReadSnapshots(g, level);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].Name, "idea");
    EXPECT_EQ(kept[0].Moves(), 7);
    EXPECT_EQ(kept[0].Pushes(), 1);
    ui.Clear();
    ASSERT_TRUE(RestoreSnapshot(g, ui, kept[0]));

    EXPECT_EQ(g.HistoryIndex, before.HistoryIndex);
    ASSERT_EQ(g.HistoryLength, before.HistoryLength);
    for (std::size_t i = 0; i < before.SnapshotHistory.size(); ++i) {
        EXPECT_EQ(g.SnapshotHistory[i].Board, before.SnapshotHistory[i].Board) << "record " << i;
        EXPECT_EQ(g.SnapshotHistory[i].Pushes, before.SnapshotHistory[i].Pushes) << "record " << i;
        EXPECT_EQ(g.SnapshotHistory[i].MoveLetter, before.SnapshotHistory[i].MoveLetter) << "record " << i;
    }
    EXPECT_EQ(g.KeeperX, before.KeeperX);
    EXPECT_EQ(g.KeeperY, before.KeeperY);
    EXPECT_EQ(ui.CountOf("BarRange 11,8"), 1);
    EXPECT_EQ(ui.CountOf("PaintBoard"), 1);
    // The list's picture of the snapshot shows the same position.
    const std::vector<std::string> pictured = PositionRows(StartRows(g), kept[0]);
    ASSERT_EQ(pictured.size(), 5u);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(pictured[static_cast<std::size_t>(y)], test::RowAt(g, y));
    // The redo tail plays on as undo left it.
    GoToEnd(g, ui);
    EXPECT_EQ(g.Current().Board, before.SnapshotHistory.back().Board);
    // A fresh move from the position drops the tail, as after undo.
    ScrollHistoryTo(g, ui, 8);
    Play("u");
    EXPECT_EQ(g.HistoryLength, 9);
}

TEST_F(SnapshotTest, RestoreKeepsWhatTheBoardAcceptsAndRefusesAnUnreachablePosition)
{
    Snapshot s;
    s.Letters = "llllllllll";   // the keeper meets a box after three steps
    s.Position = 2;
    EXPECT_TRUE(RestoreSnapshot(g, ui, s));
    EXPECT_EQ(g.HistoryIndex, 2);
    EXPECT_EQ(g.HistoryLength, 5);   // the tail ends at the wall

    s.Position = 8;
    EXPECT_FALSE(RestoreSnapshot(g, ui, s));
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_EQ(g.HistoryIndex, 0);
    EXPECT_EQ(test::RowAt(g, 3), "#    @ #");
}

TEST(SnapshotText, SectionsReadBackWithNamesPositionsDatesAndKinds)
{
    Snapshot named;
    named.Name = "Try (2): left first";
    named.Letters = std::string(100, 'l') + "UUr";
    named.Position = 101;
    ParseSnapshotDate("2026-12-08 06:50:12 UTC", named.Date);
    Snapshot start;                  // at the start, all of it undone
    start.Letters = "rrD";
    start.Position = 0;
    start.Automatic = true;
    Snapshot empty;                  // nothing at all
    empty.Name = "empty";

    const std::vector<Snapshot> back = ParseSnapshotLines(SnapshotFileLines({named, start, empty}));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].Name, named.Name);
    EXPECT_EQ(back[0].Letters, named.Letters);
    EXPECT_EQ(back[0].Position, 101);
    EXPECT_EQ(back[0].Date, named.Date);
    EXPECT_FALSE(back[0].Automatic);
    EXPECT_EQ(back[0].Pushes(), 1);
    EXPECT_TRUE(back[1].Automatic);
    EXPECT_EQ(back[1].Name, "");
    EXPECT_EQ(back[1].Position, 0);
    EXPECT_EQ(back[1].Letters, "rrD");
    EXPECT_EQ(back[2].Name, "empty");
    EXPECT_EQ(back[2].Letters, "");
    EXPECT_EQ(SnapshotSectionLines(start).back(), "*rrD");

    // Another program's headings and run-length moves; no mark means the end.
    const auto foreign = ParseSnapshotLines({"Snapshot 3", "3l2(uR)", "Saved Game", "ll*rr"});
    ASSERT_EQ(foreign.size(), 2u);
    EXPECT_EQ(foreign[0].Name, "Snapshot 3");
    EXPECT_EQ(foreign[0].Letters, "llluRuR");
    EXPECT_EQ(foreign[0].Position, 7);
    EXPECT_EQ(foreign[1].Name, "Saved Game");
    EXPECT_EQ(foreign[1].Position, 2);
}

TEST(SnapshotText, AutomaticSnapshotsAreBoundedAndNamedOnesNeverDropped)
{
    std::vector<Snapshot> list;
    for (int i = 0; i < 12; ++i) {
        Snapshot s;
        s.Letters = std::string(static_cast<std::size_t>(i + 1), 'l');
        s.Position = i + 1;
        s.Automatic = i % 3 != 0;   // named at 0, 3, 6, 9
        s.Name = s.Automatic ? "" : "named " + std::to_string(i);
        AddSnapshot(list, s);
    }
    std::vector<int> lengths;
    int automatic = 0;
    for (const Snapshot& s : list) {
        lengths.push_back(s.Position);
        automatic += s.Automatic;
    }
    EXPECT_EQ(automatic, static_cast<int>(MaxAutomaticSnapshots));
    // Every named one is kept and the oldest automatic ones went.
    EXPECT_EQ(lengths, (std::vector<int>{1, 4, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(SnapshotTest, ADamagedFileIsReadAsFarAsItGoesAndTheLevelStillLoads)
{
    Play("lll");
    ASSERT_TRUE(SaveSnapshot(g, "good"));
    const std::string path = SnapshotFilePath(level);
    const std::string good = test::ReadBytes(path);
    // Garbage first, a section with impossible moves, then a good one cut off in its moves.
    folder.Write(fs::path(path).filename().string(),
                 std::string("\x01\xff garbage\r\nSnapshot: bad\r\nll**rr\r\n") + good +
                     "Snapshot (moves 4, pushes 0): cut\r\nllu");
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    EXPECT_EQ(g.LevelWidth, 8);
    const std::vector<Snapshot> kept = ReadSnapshots(g, level);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].Name, "good");
    EXPECT_EQ(kept[1].Name, "cut");
    EXPECT_EQ(kept[1].Letters, "llu");

    // A file that is not text at all gives no snapshot and no error.
    folder.Write(fs::path(path).filename().string(), std::string("\0\0\xfe", 3));
    EXPECT_TRUE(ReadSnapshots(g, level).empty());
}

TEST_F(SnapshotTest, AnAttemptIsKeptOnlyWhenItWouldBeLost)
{
    EXPECT_FALSE(KeepAttempt(g));   // no move yet
    Play("l");
    UndoMove(g, ui);
    EXPECT_TRUE(KeepAttempt(g));    // undone moves are part of the attempt
    EXPECT_FALSE(KeepAttempt(g));   // already kept: no second copy
    Play("l");
    g.AttemptMode = ModeSolution;   // a film's moves are no attempt of the player's
    EXPECT_FALSE(KeepAttempt(g));
    g.AttemptMode = ModePlay;
    EXPECT_TRUE(KeepAttempt(g));
    const auto kept = ReadSnapshots(g, level);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept[0].Automatic && kept[1].Automatic);
    EXPECT_EQ(kept[0].Position, 0);
    EXPECT_EQ(kept[1].Position, 1);
}

// The window's part: every load offers the attempt it replaces, while it is still there.
struct KeepingFrontend : RecordingFrontend {
    GameState* Game = nullptr;
    int Kept = 0;
    bool AttemptEnding(bool) override
    {
        Kept += KeepAttempt(*Game);
        return true;
    }
};

TEST(SnapshotLoads, EveryLoadThatWouldLoseAnAttemptKeepsItWithItsOwnLevel)
{
    TempFolder folder;
    GameState g;
    KeepingFrontend ui;
    ui.Game = &g;
    const std::string first = folder.Write("a.xsb", Level);
    const std::string second = folder.Write("b.xsb", "#####\n#@$.#\n#####\n");
    g.Playlist = {first, second};
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    NextLevel(g, ui);                  // nothing played: nothing kept
    PriorLevel(g, ui);
    EXPECT_EQ(ui.Kept, 0);

    MoveByLetter(g, ui, 'l');
    NextLevel(g, ui);                  // the position counts for the level it was played on
    EXPECT_EQ(ui.Kept, 1);
    EXPECT_EQ(ReadSnapshots(g, first).size(), 1u);
    EXPECT_TRUE(ReadSnapshots(g, second).empty());

    MoveByLetter(g, ui, 'r');          // solves the second level: its solution was offered instead
    EXPECT_EQ(ui.Kept, 1);

    PriorLevel(g, ui);
    MoveByLetter(g, ui, 'u');
    RetryLevel(g, ui);                 // a reload
    EXPECT_EQ(ui.Kept, 2);
    MoveByLetter(g, ui, 'l');
    MoveByLetter(g, ui, 'l');
    g.GameMode = ModeEditor;           // a mode switch reloads in the new mode
    LoadLevel(g, ui);
    EXPECT_EQ(ui.Kept, 3);
    g.GameMode = ModePlay;
    LoadLevel(g, ui);                  // what was loaded in the editor is no attempt
    RedrawBoard(g, ui);
    EXPECT_EQ(ui.Kept, 3);

    for (int i = 0; i < 3; ++i)
        MoveByLetter(g, ui, 'l');
    const Snapshot earlier = ReadSnapshots(g, first).front();
    EXPECT_TRUE(RestoreSnapshot(g, ui, earlier));   // restoring keeps what it replaces
    EXPECT_EQ(ui.Kept, 4);
    EXPECT_EQ(ReadSnapshots(g, first).back().Letters, "lll");
    EXPECT_EQ(g.HistoryLength, 2);
}

TEST_F(SnapshotTest, TheLastAutomaticSnapshotIsAnAttemptInProgressUntilASolutionIsNewer)
{
    EXPECT_FALSE(ResumableAttempt(g, level));
    clock.Time = std::chrono::system_clock::now();
    Play("ll");
    ASSERT_TRUE(KeepAttempt(g));
    Play("l");
    ASSERT_TRUE(SaveSnapshot(g, "named"));   // a named one after it is not the attempt to resume
    const auto resume = ResumableAttempt(g, level);
    ASSERT_TRUE(resume);
    EXPECT_EQ(resume->Position, 2);

    const std::string solution = folder.Write("level.XHT", "llUrR\r\n");
    fs::last_write_time(solution, std::chrono::file_clock::now() - std::chrono::hours(1));
    EXPECT_TRUE(ResumableAttempt(g, level));
    fs::last_write_time(solution, std::chrono::file_clock::now() + std::chrono::hours(1));
    EXPECT_FALSE(ResumableAttempt(g, level));
}

TEST_F(SnapshotTest, ANewerSolutionFileThatDoesNotSolveTheLevelHidesNoAttempt)
{
    clock.Time = std::chrono::system_clock::now();
    Play("ll");
    ASSERT_TRUE(KeepAttempt(g));
    for (const char* letters : {"lll", "", "llUr"}) {   // another level's, empty, cut off
        const std::string solution = folder.Write("level.XHT", std::string(letters) + "\r\n");
        fs::last_write_time(solution, std::chrono::file_clock::now() + std::chrono::hours(1));
        EXPECT_TRUE(ResumableAttempt(g, level)) << '"' << letters << '"';
    }
}

TEST(SnapshotStore, AnInstalledCopyKeepsSnapshotsOfReadOnlyLevelsInItsDataFolder)
{
    TempFolder tree;
    GameState g;
    RecordingFrontend ui;
    g.Places.Installed = true;
    g.Places.Data = tree.Path / "share" / "";
    g.Places.Settings = tree.Path / "config" / "";
    g.Places.Solutions = tree.Path / "data" / "warehaus4" / "solutions" / "";
    const std::string level = tree.Write("share/levels/0101.xsb", Level);
    g.Playlist = {level};
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    MoveByLetter(g, ui, 'l');

    const fs::path levels = tree.Path / "share" / "levels";
    fs::permissions(levels, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_TRUE(SaveSnapshot(g, "kept"));
    fs::permissions(levels, fs::perms::owner_write, fs::perm_options::add);

    EXPECT_FALSE(FileExists(SnapshotFilePath(level)));
    const std::string stored = FindSnapshotFile(g, level);
    EXPECT_EQ(fs::path(stored).parent_path(), tree.Path / "data" / "warehaus4" / "solutions");
    const auto kept = ReadSnapshots(g, level);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].Name, "kept");
}

TEST_F(SnapshotTest, ExportThenImportKeepsTheNamedSnapshots)
{
    folder.Write("level.XHT", "llUrR\r\n");
    Play("llUrdrlulr");
    UndoMove(g, ui);
    ASSERT_TRUE(SaveSnapshot(g, "first: idea"));
    UndoMove(g, ui);
    ASSERT_TRUE(KeepAttempt(g));   // never leaves this player's files
    RetryLevel(g, ui);
    Play("ll");
    ASSERT_TRUE(SaveSnapshot(g, "second"));
    // A second level after it, so a snapshot line cannot pass as its title.
    const std::string other = folder.Write("other.xsb", "#####\n#@$.#\n#####\n");
    g.Playlist.push_back(other);

    const std::string exported = folder.File("all.sok");
    ASSERT_EQ(ExportPlaylist(g, exported).Written, 2);
    const LevelCollection read = ReadCollectionFile(exported);
    ASSERT_EQ(read.Levels.size(), 2u);
    EXPECT_TRUE(read.Skipped.empty());
    ASSERT_EQ(read.Levels[0].Solutions.size(), 1u);
    EXPECT_EQ(read.Levels[0].SavedGames.size(), 2u);
    EXPECT_TRUE(read.Levels[1].SavedGames.empty());
    EXPECT_EQ(read.Levels[1].Header[Title], "");

    ImportProgress progress;
    const auto plan = PlanImport(read, (folder.Path / "imported").string());
    fs::create_directories(folder.Path / "imported");
    ASSERT_TRUE(WriteImport(read, plan, progress).Error.empty());
    GameState fresh;
    const auto kept = ReadSnapshots(fresh, plan[0].LevelPath);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].Name, "first: idea");
    EXPECT_EQ(kept[0].Letters, "llUrdrlulr");
    EXPECT_EQ(kept[0].Position, 9);
    EXPECT_EQ(kept[1].Name, "second");
    EXPECT_EQ(kept[1].Letters, "ll");
    EXPECT_FALSE(kept[0].Automatic || kept[1].Automatic);
    EXPECT_TRUE(plan[1].SnapshotPath.empty());
}

} // namespace
} // namespace w4
