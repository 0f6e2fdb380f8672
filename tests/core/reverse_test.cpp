#include "core/bestscore.h"
#include "core/completion.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/snapshots.h"
#include "core/reverse.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::LoadText;
using test::ManualClock;
using test::ReadBytes;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

// --- The pull rule -----------------------------------------------------------------------------

struct PullCase {
    const char* Cells;     // behind, keeper, next
    const char* Expected;  // the same three after the step
    MoveOutcome Outcome;
};

TEST(ReversePull, ClassifierPullsOnlyAStraightStepAwayIntoAFreeCell)
{
    const PullCase cases[] = {
        {"$@ ", " $@", MoveOutcome::Push},   // the box follows the keeper
        {"*+.", ".*+", MoveOutcome::Push},   // target to target, keeper on targets
        {"$+ ", " *@", MoveOutcome::Push},   // pulled onto the target the keeper leaves
        {"#@ ", "# @", MoveOutcome::Step},   // nothing behind: a walk
        {" +.", " .+", MoveOutcome::Step},
        {"$@#", "$@#", MoveOutcome::Refused},   // a pull into a wall is no step at all
        {"$@$", "$@$", MoveOutcome::Refused},   // nor into a box
        {"$@*", "$@*", MoveOutcome::Refused},
        {" @#", " @#", MoveOutcome::Refused},
        {"$@Z", "$@Z", MoveOutcome::Refused},   // the board's edge
        {"$@X", "$@X", MoveOutcome::Refused},   // outside the level
        {"$ .", "$ .", MoveOutcome::NoMove},    // no keeper
    };
    for (const PullCase& c : cases) {
        const MoveDecision d = ClassifyPull(c.Cells[0], c.Cells[1], c.Cells[2]);
        EXPECT_EQ(d.Outcome, c.Outcome) << c.Cells;
        EXPECT_EQ(std::string({d.NewBeyond, d.NewKeeper, d.NewNext}), c.Expected) << c.Cells;
    }
}

TEST(ReversePull, ForwardLettersTurnTheAttemptRound)
{
    EXPECT_EQ(ForwardLetters("lLuUrRdD"), "UuLlDdRr");
    EXPECT_EQ(ForwardLetters(""), "");
    EXPECT_EQ(ForwardLetters(ForwardLetters("dlUrrrdL")), "dlUrrrdL");
}

class ReverseTest : public ::testing::Test {
protected:
    void SetUp() override { clock.Attach(g); }

    std::string Load(const std::string& text) { return LoadText(g, ui, folder, text); }
    void Play(const std::string& letters)
    {
        for (const char c : letters)
            MoveByLetter(g, ui, c);
    }

    GameState g;
    RecordingFrontend ui;
    ManualClock clock;
    TempFolder folder;
};

// A room where a pulled box has room to go anywhere but home.
const char* const Room = "#########\n"
                         "#       #\n"
                         "# .  $ @#\n"
                         "#       #\n"
                         "#########\n";

TEST_F(ReverseTest, StartsSolvedWithoutKeeperAndTheClickPlacesIt)
{
    Load(Room);
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_TRUE(g.Reverse);
    EXPECT_EQ(RowAt(g, 2), "# *     #");
    EXPECT_TRUE(ReverseNeedsKeeper(g));
    // Arrows do nothing until the keeper stands somewhere.
    MoveLeft(g, ui);
    EXPECT_EQ(g.HistoryLength, 1);
    // A wall, a box or the outside is no place for it.
    EXPECT_FALSE(PlaceReverseKeeper(g, ui, 0, 0));
    EXPECT_FALSE(PlaceReverseKeeper(g, ui, 2, 2));
    EXPECT_TRUE(PlaceReverseKeeper(g, ui, 3, 2));
    EXPECT_EQ(RowAt(g, 2), "# *@    #");
    EXPECT_FALSE(ReverseNeedsKeeper(g));
    EXPECT_FALSE(PlaceReverseKeeper(g, ui, 5, 1));   // chosen once
    EXPECT_EQ(g.HistoryLength, 1);
}

TEST_F(ReverseTest, StraightStepAwayPullsSideStepWalksWallRefuses)
{
    Load(Room);
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 3, 2));

    MoveDown(g, ui);   // to the side of the box: a walk
    EXPECT_EQ(RowAt(g, 2), "# *     #");
    EXPECT_EQ(RowAt(g, 3), "#  @    #");
    MoveUp(g, ui);
    ui.Clear();
    MoveRight(g, ui);   // straight away from it: the box comes along
    EXPECT_EQ(RowAt(g, 2), "# .$@   #");
    EXPECT_EQ(g.Current().Pushes, 1);
    EXPECT_EQ(ui.CountOf("Play Push"), 1);
    MoveUp(g, ui);
    ui.Clear();
    MoveUp(g, ui);   // into the wall
    EXPECT_EQ(ui.CountOf("Play Kick"), 1);
    EXPECT_EQ(g.HistoryLength, 5);
    EXPECT_EQ(SolutionLetters(g), "duRu");

    // Undo and redo walk the reverse attempt like a forward one.
    UndoMove(g, ui);
    UndoMove(g, ui);
    EXPECT_EQ(RowAt(g, 2), "# *@    #");
    RedoMove(g, ui);
    EXPECT_EQ(RowAt(g, 2), "# .$@   #");
    // A reverse move never runs the forward completion test, though the start is solved.
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_TRUE(ui.Notices.empty());
}

TEST_F(ReverseTest, PullIntoABoxIsRefused)
{
    Load("#######\n"
         "#@$$..#\n"
         "#######\n");
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_EQ(RowAt(g, 1), "#   **#");
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 3, 1));
    MoveRight(g, ui);   // a box ahead: no step, no pull
    EXPECT_EQ(RowAt(g, 1), "#  @**#");
    EXPECT_EQ(g.HistoryLength, 1);
    MoveLeft(g, ui);   // away from the boxes: the first comes along
    EXPECT_EQ(RowAt(g, 1), "# @$.*#");
}

TEST_F(ReverseTest, SwitchingDirectionKeepsEachAttempt)
{
    Load(Room);
    Play("lu");
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 3, 2));
    Play("rR");
    UndoMove(g, ui);
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_FALSE(g.Reverse);
    EXPECT_EQ(g.HistoryIndex, 2);
    EXPECT_EQ(SolutionLetters(g), "lu");
    EXPECT_EQ(RowAt(g, 1), "#     @ #");
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_EQ(g.HistoryIndex, 1);
    EXPECT_EQ(g.HistoryLength, 3);
    EXPECT_EQ(RowAt(g, 2), "# .$@   #");
    // A load ends reverse play and drops the waiting attempt.
    RetryLevel(g, ui);   // in reverse: a fresh reverse attempt
    EXPECT_TRUE(g.Reverse);
    EXPECT_TRUE(ReverseNeedsKeeper(g));
    LoadLevel(g, ui);
    EXPECT_FALSE(g.Reverse);
    EXPECT_FALSE(g.OtherAttempt.Present);
}

TEST_F(ReverseTest, LevelWithoutMatchingBoxesAndTargetsIsRefused)
{
    Load("######\n"
         "#@$$.#\n"
         "######\n");
    EXPECT_FALSE(ToggleReverse(g, ui));
    EXPECT_FALSE(g.Reverse);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_NE(ui.Notices[0].find("reverse"), std::string::npos);
}

// Microban 1, pulled back from its solved position by the pulls of a known solution.
TEST_F(ReverseTest, KnownLevelSolvedInReverseGivesAForwardSolutionTheReplayAccepts)
{
    const std::string level = Load("####\n"
                                   "# .#\n"
                                   "#  ###\n"
                                   "#*@  #\n"
                                   "#  $ #\n"
                                   "#  ###\n"
                                   "####\n");
    const std::vector<std::string> start = StartRows(g);
    ui.AnswerWhenEmpty = true;
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 2, 2));
    // Pulls by the arrows' rule; the plain steps walk without pulling (one of them steps away
    // from a box, which an arrow would pull).
    const std::string attempt = "DDruRdlluulUrddLdrDluurrdRulllD";
    for (std::size_t i = 0; i < attempt.size(); ++i) {
        ASSERT_TRUE(g.LevelInPlay) << "solved early, before letter " << i;
        if (attempt[i] >= 'A' && attempt[i] <= 'Z')
            MoveByLetter(g, ui, attempt[i]);
        else
            ReverseStep(g, ui, attempt[i]);
    }
    EXPECT_EQ(SolutionLetters(g), attempt);
    EXPECT_FALSE(g.LevelInPlay);
    EXPECT_TRUE(g.LevelSolved);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_EQ(ui.Notices[0].rfind("SOLVED IN REVERSE !!!", 0), 0u) << ui.Notices[0];
    EXPECT_NE(ui.Notices[0].find("MOVE = 33\r\nPUSH = 8"), std::string::npos) << ui.Notices[0];
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0].rfind("BEST SCORE !!!", 0), 0u);

    const std::string written = ReadBytes(SolutionFilePath(level));
    ASSERT_GE(written.size(), 2u);
    const std::string letters = written.substr(0, written.size() - 2);
    EXPECT_EQ(letters.size(), 33u);
    EXPECT_TRUE(SolutionSolves(start, letters)) << letters;
}

// One box in a corridor: forward pushes it two cells, reverse pulls it back two; they meet where
// the box cells agree, not a move before.
const char* const Corridor = "#########\n"
                             "#@ $   .#\n"
                             "#########\n";

TEST_F(ReverseTest, MeetingFoundByThePullThatMatchesNotOneEarlier)
{
    const std::string level = Load(Corridor);
    ui.AnswerWhenEmpty = true;
    Play("rRR");   // box on 5, keeper on 4
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 6, 1));
    MoveLeft(g, ui);   // box on 6: not yet
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_TRUE(ui.Notices.empty());
    MoveLeft(g, ui);   // box on 5: the two meet
    EXPECT_FALSE(g.LevelInPlay);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_EQ(ui.Notices[0].rfind("THE TWO ATTEMPTS MEET !!!", 0), 0u) << ui.Notices[0];
    EXPECT_EQ(ReadBytes(SolutionFilePath(level)), "rRRRR\r\n");
}

TEST_F(ReverseTest, MeetingFoundByAForwardPushWhileTheReverseAttemptWaits)
{
    const std::string level = Load(Corridor);
    ui.AnswerWhenEmpty = true;
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 6, 1));
    Play("LL");
    ReverseStep(g, ui, 'l');   // box on 5, the reverse keeper walks on to 3 without pulling
    EXPECT_EQ(RowAt(g, 1), "#  @ $ .#");
    ASSERT_TRUE(ToggleReverse(g, ui));
    Play("rR");   // box on 4
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_TRUE(ui.Notices.empty());
    MoveRight(g, ui);   // box on 5: the forward keeper on 4 walks to 3 and the pulls follow
    EXPECT_FALSE(g.LevelInPlay);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_EQ(ui.Notices[0].rfind("THE TWO ATTEMPTS MEET !!!", 0), 0u) << ui.Notices[0];
    EXPECT_EQ(ReadBytes(SolutionFilePath(level)), "rRRlrRR\r\n");
}

TEST_F(ReverseTest, WalkByMouseNeverPulls)
{
    Load(Room);
    ASSERT_TRUE(ToggleReverse(g, ui));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 3, 2));
    EXPECT_TRUE(WalkReverseKeeper(g, ui, 6, 2));   // straight away from the box, three steps
    EXPECT_EQ(RowAt(g, 2), "# *   @ #");
    EXPECT_EQ(SolutionLetters(g), "rrr");
    EXPECT_FALSE(WalkReverseKeeper(g, ui, 2, 2));   // onto the box
    EXPECT_EQ(g.HistoryLength, 4);
}

TEST_F(ReverseTest, NoJoinWhenTheReverseKeeperIsOutOfReachOrTheBoxesDiffer)
{
    Load(Corridor);
    Play("rRR");   // box on 5, keeper on 4
    SnapshotList reverse(1);
    reverse[0].Board = g.Current().Board;
    reverse[0].Board[4][1] = ' ';
    reverse[0].Board[6][1] = '@';   // the same box, the keeper beyond it
    EXPECT_FALSE(JoinedSolution(g.SnapshotHistory, 3, reverse, 0, g.LevelWidth, g.LevelHeight));
    reverse[0].Board[6][1] = ' ';
    reverse[0].Board[4][1] = '@';
    reverse[0].Board[5][1] = ' ';
    reverse[0].Board[6][1] = '$';   // keeper within reach, box one cell on
    EXPECT_FALSE(JoinedSolution(g.SnapshotHistory, 3, reverse, 0, g.LevelWidth, g.LevelHeight));
}

// --- Deadlock warnings in reverse ---------------------------------------------------------------

TEST_F(ReverseTest, BoxPulledWhereItCanNeverGoHomeIsMarked)
{
    // The box starting in the corner never moves; pulled out of it, it can never be pulled back,
    // and the other start cell is below a wall it cannot be pulled across.
    Load("#######\n"
         "#*  @ #\n"
         "# $  .#\n"
         "#######\n");
    ASSERT_TRUE(ToggleReverse(g, ui));
    const BoardGrid start = g.OtherAttempt.History[0].Board;
    EXPECT_TRUE(ReverseDeadlockedBoxes(start, g.Current().Board, g.LevelWidth, g.LevelHeight).empty());
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 2, 1));
    MoveRight(g, ui);
    EXPECT_EQ(RowAt(g, 1), "#.$@  #");
    const auto dead = ReverseDeadlockedBoxes(start, g.Current().Board, g.LevelWidth, g.LevelHeight);
    ASSERT_EQ(dead.size(), 1u);
    EXPECT_EQ(dead[0], std::make_pair(2, 1));
    // The box on the lower row can still go home.
    UndoMove(g, ui);
    Play("drrL");
    EXPECT_EQ(RowAt(g, 2), "#  @$.#");
    EXPECT_TRUE(ReverseDeadlockedBoxes(start, g.Current().Board, g.LevelWidth, g.LevelHeight).empty());
}

} // namespace
} // namespace w4

// --- Kept attempts ----------------------------------------------------------------------------

namespace w4 {
namespace {

TEST_F(ReverseTest, BothAttemptsKeptAsSnapshotsAndTheReverseOneRestoredIntoReversePlay)
{
    const std::string level = Load(Corridor);
    g.AttemptMode = ModePlay;
    Play("r");
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_FALSE(SaveSnapshot(g, "no keeper yet"));
    ASSERT_TRUE(PlaceReverseKeeper(g, ui, 6, 1));
    Play("LL");
    UndoMove(g, ui);   // one pull shown, one to redo
    ASSERT_TRUE(AttemptWouldBeLost(g));
    ASSERT_TRUE(KeepAttempt(g));
    EXPECT_FALSE(AttemptWouldBeLost(g));

    const std::string text = ReadBytes(SnapshotFilePath(level));
    // Other programs pass "::" lines over: every line of the reverse attempt is one.
    const std::size_t heading = text.find(":: Reverse Snapshot (keeper 6 1, moves 1, pulls 1, ");
    ASSERT_NE(heading, std::string::npos) << text;
    EXPECT_NE(text.find("automatic)\r\n:: L*L\r\n", heading), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nSnapshot (moves 1, pushes 0, "), std::string::npos) << text;

    const std::vector<Snapshot> kept = ReadSnapshots(g, level);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_FALSE(kept[0].Reverse);   // the waiting forward attempt first, the one shown last
    EXPECT_EQ(kept[0].Letters, "r");
    ASSERT_TRUE(kept[1].Reverse);
    EXPECT_EQ(kept[1].Letters, "LL");
    EXPECT_EQ(kept[1].Position, 1);
    EXPECT_EQ(std::make_pair(kept[1].KeeperX, kept[1].KeeperY), std::make_pair(6, 1));
    EXPECT_EQ(PositionRows(StartRows(LevelAsSaved(g)), kept[1])[1], "#    @$.#");

    LoadLevel(g, ui);   // another load: forward, nothing waiting
    ASSERT_FALSE(g.Reverse);
    ASSERT_TRUE(RestoreSnapshot(g, ui, kept[1]));
    EXPECT_TRUE(g.Reverse);
    EXPECT_EQ(g.HistoryIndex, 1);
    EXPECT_EQ(g.HistoryLength, 3);
    EXPECT_EQ(RowAt(g, 1), "#    @$.#");
    RedoMove(g, ui);
    EXPECT_EQ(RowAt(g, 1), "#   @$ .#");
    // The forward attempt waiting beside it is the level's start, as the load left it.
    ASSERT_TRUE(ToggleReverse(g, ui));
    EXPECT_EQ(RowAt(g, 1), "#@ $   .#");
}

TEST(ReverseSnapshotText, ReverseSectionWithoutItsKeeperIsPassedOver)
{
    const std::vector<std::string> lines = {
        ":: Snapshots kept by Warehaus4",
        "",
        ":: Reverse Snapshot (moves 1, pulls 1): lost",
        ":: L*",
        "",
        ":: Reverse Snapshot (keeper 3 4, moves 1, pulls 1): kept",
        ":: L*R",
        "Snapshot (moves 1, pushes 0)",
        "r*",
    };
    const std::vector<Snapshot> read = ParseSnapshotLines(lines);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(read[0].Reverse);
    EXPECT_EQ(read[0].Name, "kept");
    EXPECT_EQ(read[0].Letters, "LR");
    EXPECT_FALSE(read[1].Reverse);
    EXPECT_EQ(read[1].Letters, "r");
    // Written back as it was read.
    const std::vector<std::string> again = SnapshotSectionLines(read[0]);
    EXPECT_EQ(again.front(), ":: Reverse Snapshot (keeper 3 4, moves 1, pulls 1): kept");
    EXPECT_EQ(again.back(), ":: L*R");

    // Renamed in the file: only its heading changes, the keeperless section stays as it was.
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    SnapshotFile file = ParseSnapshotFile(bytes);
    EXPECT_EQ(file.Bytes(), bytes);
    std::vector<Snapshot> renamed = file.Snapshots();
    ASSERT_EQ(renamed.size(), 2u);
    renamed[0].Name = "again";
    UpdateSnapshotFile(file, renamed);
    std::string expected = bytes;
    const std::string old = ":: Reverse Snapshot (keeper 3 4, moves 1, pulls 1): kept";
    expected.replace(expected.find(old), old.size(), ":: Reverse Snapshot (keeper 3 4, moves 1, pulls 1): again");
    EXPECT_EQ(file.Bytes(), expected);
}

} // namespace
} // namespace w4
