// Nothing the player reached is lost: a command that would leave the attempt keeps it first or,
// when it cannot, lets the player stay with everything as it was; the attempt in progress is
// kept on disk while it is played and comes back after a crash.
#include "core/fileio.h"
#include "core/folders.h"
#include "core/history.h"
#include "core/recovery.h"
#include "core/snapshots.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

namespace fs = std::filesystem;
using test::ManualClock;
using test::RecordingFrontend;
using test::TempFolder;

const char* const Level =
    "######\n"
    "#@ $.#\n"
    "#    #\n"
    "######\n";

// The window's part, as the window does it: keep the attempt; when the write fails, the answer
// scripted in Answers says whether to go on.
struct KeepingFrontend : RecordingFrontend {
    GameState* Game = nullptr;
    int Endings = 0;
    int Failures = 0;
    bool AttemptEnding(bool mayStay) override
    {
        ++Endings;
        try {
            KeepAttempt(*Game);
        } catch (const FileError&) {
            ++Failures;
            return !mayStay || AskQuestion("Go on and lose the attempt ?");
        }
        return true;
    }
};

class AttemptKept : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.Attach(g);
        g.ProgramFolder = folder.Path / "";
        g.Places = PortableFolders(g.ProgramFolder);
        ui.Game = &g;
        first = folder.Write("a.xsb", Level);
        second = folder.Write("b.xsb", Level);
        g.Playlist = {first, second};
        LoadLevel(g, ui);
        RedrawBoard(g, ui);
    }
    void Play(const std::string& letters)
    {
        for (char c : letters)
            MoveByLetter(g, ui, c);
    }
    void LockSnapshots()
    {
        WriteTextLines(SnapshotFilePath(first), {});
        fs::permissions(SnapshotFilePath(first), fs::perms::owner_read | fs::perms::group_read);
    }

    TempFolder folder;
    GameState g;
    KeepingFrontend ui;
    ManualClock clock;
    std::string first, second;
};

// Each playlist command's "No" is checked on the window (tests/app/attempt_kept_test.cpp); here,
// what the commands share: asked once, and open again when no load follows.
TEST_F(AttemptKept, AnUnkeptAttemptIsAskedAboutOnceAndACommandWithoutALoadLeavesItOpen)
{
    LockSnapshots();
    Play("rd");
    ui.Answers = {false};
    LastLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(SolutionLetters(g), "rd");
    EXPECT_FALSE(g.AttemptSettled);   // the next command asks again

    // Settled by a command that then loads nothing (say a cancelled import): open again after,
    // and a command run inside it asks nothing more.
    ui.Answers = {true};
    {
        const AttemptLeave leave(g, ui);
        ASSERT_TRUE(leave);
        EXPECT_TRUE(g.AttemptSettled);
        const AttemptLeave inner(g, ui);
        EXPECT_TRUE(inner);
    }
    EXPECT_FALSE(g.AttemptSettled);
    EXPECT_EQ(ui.Failures, 2);

    // Yes goes on, asked once: the load that follows does not ask again.
    ui.Answers = {true};
    NextLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_EQ(ui.Failures, 3);
    EXPECT_EQ(ui.Questions.size(), 3u);

    // Writable again: kept, no question.
    fs::permissions(SnapshotFilePath(first), fs::perms::owner_write, fs::perm_options::add);
    PriorLevel(g, ui);
    Play("r");
    NextLevel(g, ui);
    EXPECT_EQ(ui.Questions.size(), 3u);
    EXPECT_EQ(ReadSnapshots(g, first).size(), 1u);
}

TEST_F(AttemptKept, TheAttemptInProgressRoundTripsThroughTheRecoveryFileAndBecomesASnapshot)
{
    EXPECT_FALSE(AttemptInProgress(g));   // no move yet
    Play("rdu");
    UndoMove(g, ui);
    const auto record = AttemptInProgress(g);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Level, first);
    WriteRecoveryFile(g, *record);
    EXPECT_EQ(RecoveryFilePath(g), (folder.Path / "boxyard4.attempt.sok").string());
    const auto back = ReadRecoveryFile(g);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Level, first);
    EXPECT_EQ(back->Attempt.Letters, "rdu");
    EXPECT_EQ(back->Attempt.Position, 2);
    EXPECT_TRUE(back->Attempt.Automatic);
    EXPECT_TRUE(ReadSnapshots(g, first).empty());   // writing it adds no snapshot

    // The next start: an automatic snapshot, once, and the file is gone.
    ASSERT_TRUE(KeepRecoveredAttempt(g));
    EXPECT_FALSE(FileExists(RecoveryFilePath(g)));
    WriteRecoveryFile(g, *record);
    ASSERT_TRUE(KeepRecoveredAttempt(g));
    const auto kept = ReadSnapshots(g, first);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].SameAttempt(record->Attempt));
    EXPECT_TRUE(ResumableAttempt(g, first).has_value());

    // A solved attempt, a film, or a file in any other shape is nothing to recover.
    g.AttemptMode = ModeSolution;
    EXPECT_FALSE(AttemptInProgress(g));
    EXPECT_FALSE(ParseRecoveryLines({"Level: " + first, "no moves here"}));
    EXPECT_FALSE(ParseRecoveryLines({"Snapshot (moves 1, pushes 0)", "r*"}));
}

TEST_F(AttemptKept, ARecoveredAttemptThatCannotBeKeptStaysInItsFile)
{
    Play("rd");
    WriteRecoveryFile(g, *AttemptInProgress(g));
    LockSnapshots();
    EXPECT_THROW(KeepRecoveredAttempt(g), FileError);
    EXPECT_TRUE(ReadRecoveryFile(g).has_value());

    // Its level gone: the file goes too.
    fs::remove(first);
    EXPECT_FALSE(KeepRecoveredAttempt(g));
    EXPECT_FALSE(FileExists(RecoveryFilePath(g)));
}

TEST_F(AttemptKept, ALongAttemptIsWrittenAndReadBackWhole)
{
    // Steps down and up: 100 000 moves.
    std::string letters;
    for (int i = 0; i < 100000; ++i)
        letters += i % 2 ? 'u' : 'd';
    AttemptRecord record;
    record.Level = first;
    record.Attempt.Letters = letters;
    record.Attempt.Position = 99999;
    record.Attempt.Automatic = true;
    WriteRecoveryFile(g, record);
    const auto back = ReadRecoveryFile(g);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->Attempt.SameAttempt(record.Attempt));
}

} // namespace
} // namespace w4
