#include "core/history.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::LoadText;
using test::ManualClock;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

// --- The case table -----------------------------------------------------------------------

struct MoveCase {
    const char* Cells;     // keeper, next, beyond as they read; 'Z' is off the board
    const char* Expected;  // the three cells after the move ('Z' stays off the board)
    MoveOutcome Outcome;
};

std::ostream& operator<<(std::ostream& out, const MoveCase& c)
{
    return out << '"' << c.Cells << "\" -> \"" << c.Expected << '"';
}

class MoveTableTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveTableTest, ClassifierGivesTheTableRow)
{
    const MoveCase& c = GetParam();
    const MoveDecision d = ClassifyMove(c.Cells[0], c.Cells[1], c.Cells[2]);
    EXPECT_EQ(d.Outcome, c.Outcome);
    EXPECT_EQ(std::string({d.NewKeeper, d.NewNext, d.NewBeyond}), c.Expected);
}

// The same row played on a real board of one row, moving right: the cells, the letter left in
// the snapshot and the history length follow the outcome, and no 'Z' cell is ever written.
TEST_P(MoveTableTest, MoveRightOnABoardAppliesTheRow)
{
    const MoveCase& c = GetParam();
    GameState g;
    RecordingFrontend ui;
    g.GameMode = ModeSolution;   // keeps completion quiet
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill('#');
    g.HistoryLength = 1;
    g.LevelHeight = 1;
    g.LevelWidth = 0;
    for (int i = 0; i < 3 && c.Cells[i] != 'Z'; ++i) {
        g.SnapshotHistory[0].Board[static_cast<std::size_t>(i)][0] = c.Cells[i];
        g.LevelWidth = i + 1;
    }
    g.KeeperX = 0;
    g.KeeperY = 0;

    MoveRight(g, ui);

    const bool moved = c.Outcome == MoveOutcome::Step || c.Outcome == MoveOutcome::Push;
    EXPECT_EQ(g.HistoryLength, moved ? 2 : 1);
    EXPECT_EQ(g.HistoryIndex, moved ? 1 : 0);
    std::string after;
    for (int i = 0; i < 3; ++i)
        after += CellAt(g, i, 0);
    EXPECT_EQ(after, c.Expected);
    EXPECT_EQ(g.SnapshotHistory[0].Board[static_cast<std::size_t>(g.LevelWidth)][0], '#') << "wrote off the board";
    if (moved) {
        EXPECT_EQ(g.SnapshotHistory[0].MoveLetter, c.Outcome == MoveOutcome::Push ? 'R' : 'r');
        EXPECT_EQ(g.Current().Pushes, c.Outcome == MoveOutcome::Push ? 1 : 0);
        EXPECT_EQ(g.KeeperX, 1);
    } else {
        EXPECT_EQ(g.KeeperX, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CaseTable, MoveTableTest,
    ::testing::Values(
        // Keeper on floor.
        MoveCase{"@ $", " @$", MoveOutcome::Step}, MoveCase{"@ Z", " @Z", MoveOutcome::Step},
        MoveCase{"@.#", " +#", MoveOutcome::Step},
        MoveCase{"@$ ", " @$", MoveOutcome::Push}, MoveCase{"@$.", " @*", MoveOutcome::Push},
        MoveCase{"@* ", " +$", MoveOutcome::Push}, MoveCase{"@*.", " +*", MoveOutcome::Push},
        MoveCase{"@$$", "@$$", MoveOutcome::Refused}, MoveCase{"@$#", "@$#", MoveOutcome::Refused},
        MoveCase{"@*$", "@*$", MoveOutcome::Refused}, MoveCase{"@$*", "@$*", MoveOutcome::Refused},
        MoveCase{"@$X", "@$X", MoveOutcome::Refused}, MoveCase{"@$Z", "@$Z", MoveOutcome::Refused},
        MoveCase{"@$@", "@$@", MoveOutcome::Refused}, MoveCase{"@$-", "@$-", MoveOutcome::Refused},
        MoveCase{"@# ", "@# ", MoveOutcome::Refused}, MoveCase{"@X ", "@X ", MoveOutcome::Refused},
        MoveCase{"@@ ", "@@ ", MoveOutcome::Refused}, MoveCase{"@+ ", "@+ ", MoveOutcome::Refused},
        MoveCase{"@_ ", "@_ ", MoveOutcome::Refused}, MoveCase{"@ZZ", "@ZZ", MoveOutcome::Refused},
        // Keeper on a target.
        MoveCase{"+ $", ".@$", MoveOutcome::Step}, MoveCase{"+. ", ".+ ", MoveOutcome::Step},
        MoveCase{"+$ ", ".@$", MoveOutcome::Push}, MoveCase{"+$.", ".@*", MoveOutcome::Push},
        MoveCase{"+* ", ".+$", MoveOutcome::Push}, MoveCase{"+*.", ".+*", MoveOutcome::Push},
        MoveCase{"+$$", "+$$", MoveOutcome::Refused}, MoveCase{"+*Z", "+*Z", MoveOutcome::Refused},
        MoveCase{"+# ", "+# ", MoveOutcome::Refused}, MoveCase{"+X.", "+X.", MoveOutcome::Refused},
        MoveCase{"+ZZ", "+ZZ", MoveOutcome::Refused},
        // No keeper under the keeper position.
        MoveCase{"  $", "  $", MoveOutcome::NoMove}, MoveCase{".$ ", ".$ ", MoveOutcome::NoMove},
        MoveCase{"$ .", "$ .", MoveOutcome::NoMove}, MoveCase{"X$ ", "X$ ", MoveOutcome::NoMove},
        MoveCase{"#  ", "#  ", MoveOutcome::NoMove}));

// --- Order of effects ---------------------------------------------------------------------

class MoveEffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.Attach(g);
        // Keeper at (1,1); a box at (3,1) can go right, the wall stops the way down.
        LoadText(g, ui, folder,
                 "#######\r\n"
                 "#@ $ .#\r\n"
                 "#######\r\n");
        ui.Clear();
    }
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    ManualClock clock;
};

TEST_F(MoveEffectsTest, StepEffectsInOrder)
{
    MoveRight(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"Play Move", "BarRange 2,2", "DrawCell 1,1", "DrawCell 2,1",
                                                  "DrawCell 3,1", "RefreshStatus"}));
    EXPECT_EQ(g.KeeperX, 2);
}

TEST_F(MoveEffectsTest, PushEffectsInOrder)
{
    MoveRight(g, ui);
    ui.Clear();
    MoveRight(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"Play Move", "BarRange 3,3", "Play Push", "DrawCell 2,1",
                                                  "DrawCell 3,1", "DrawCell 4,1", "RefreshStatus"}));
    EXPECT_EQ(g.Current().Pushes, 1);
    EXPECT_EQ(g.SnapshotHistory[1].Pushes, 0);
    EXPECT_EQ(SolutionLetters(g), "rR");
    EXPECT_EQ(RowAt(g, 1), "#  @$.#");
    EXPECT_EQ(g.BoxesOffTargets, 1);
}

TEST_F(MoveEffectsTest, RefusedMoveOnlyKicks)
{
    MoveUp(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"DrawCell 1,1", "DrawCell 1,0", "Play Kick", "RefreshStatus"}));
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_FALSE(g.ClockStarted);
}

TEST_F(MoveEffectsTest, NoMoveIsSilentButStillRefreshes)
{
    g.KeeperX = 2;   // floor, no keeper there
    MoveRight(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"DrawCell 2,1", "DrawCell 3,1", "DrawCell 4,1", "RefreshStatus"}));
    EXPECT_EQ(g.HistoryLength, 1);
}

TEST_F(MoveEffectsTest, KeeperAtTheBorderCannotLeaveTheBoard)
{
    TempFolder other;
    LoadText(g, ui, other, "@$\r\n");
    ui.Clear();
    MoveLeft(g, ui);
    MoveUp(g, ui);
    MoveRight(g, ui);   // the box would leave the board
    EXPECT_EQ(ui.CountOf("Play Kick"), 3);
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_EQ(RowAt(g, 0), "@$");
    EXPECT_EQ(g.SnapshotHistory[0].Board[2][0], ' ');   // leaked floor, no box written there
}

TEST_F(MoveEffectsTest, ClockStartsWithTheFirstRealMove)
{
    clock.Advance(std::chrono::seconds(10));
    MoveUp(g, ui);
    EXPECT_FALSE(g.ClockStarted);
    const DateTime first = clock.Time;
    MoveRight(g, ui);
    EXPECT_TRUE(g.ClockStarted);
    EXPECT_EQ(g.StartTime, first);
    clock.Advance(std::chrono::seconds(5));
    MoveLeft(g, ui);
    EXPECT_EQ(g.StartTime, first);
    EXPECT_EQ(ElapsedSeconds(g), 5);
}

TEST_F(MoveEffectsTest, MoveByLetterDispatchesBothCases)
{
    EXPECT_TRUE(MoveByLetter(g, ui, 'r'));
    EXPECT_TRUE(MoveByLetter(g, ui, 'R'));
    EXPECT_FALSE(MoveByLetter(g, ui, 'x'));
    EXPECT_EQ(SolutionLetters(g), "rR");
}

// --- History ------------------------------------------------------------------------------

TEST_F(MoveEffectsTest, MoveAfterUndosCutsTheRedoPart)
{
    MoveRight(g, ui);
    MoveLeft(g, ui);
    MoveRight(g, ui);
    UndoMove(g, ui);
    UndoMove(g, ui);
    ui.Clear();
    MoveRight(g, ui);   // from snapshot 1 the box is pushed
    EXPECT_EQ(g.HistoryLength, 3);
    EXPECT_EQ(g.HistoryIndex, 2);
    EXPECT_EQ(g.SnapshotHistory.size(), 3u);
    EXPECT_EQ(ui.Calls[1], "BarRange 3,3");
    EXPECT_EQ(SolutionLetters(g), "rR");
    ui.Clear();
    RedoMove(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(MoveEffectsTest, UndoAtStartAndRedoAtEndDoNothing)
{
    UndoMove(g, ui);
    RedoMove(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
    MoveRight(g, ui);
    ui.Clear();
    RedoMove(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(MoveEffectsTest, UndoRedoShowTheSnapshotAndMoveTheKeeper)
{
    MoveRight(g, ui);
    MoveRight(g, ui);
    ui.Clear();
    UndoMove(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"BarPosition 2", "PaintBoard", "RefreshStatus"}));
    EXPECT_EQ(g.HistoryIndex, 1);
    EXPECT_EQ(g.KeeperX, 2);
    EXPECT_EQ(g.BoxesOffTargets, 1);
    UndoMove(g, ui);
    EXPECT_EQ(g.KeeperX, 1);
    RedoMove(g, ui);
    RedoMove(g, ui);
    EXPECT_EQ(g.HistoryIndex, 2);
    EXPECT_EQ(g.KeeperX, 3);
    EXPECT_EQ(g.Current().Pushes, 1);
}

TEST_F(MoveEffectsTest, GoToStartAndEndAlwaysRedraw)
{
    GoToStart(g, ui);
    GoToEnd(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"BarPosition 1", "PaintBoard", "RefreshStatus", "BarPosition 1",
                                                  "PaintBoard", "RefreshStatus"}));
    MoveRight(g, ui);
    MoveRight(g, ui);
    GoToStart(g, ui);
    EXPECT_EQ(g.HistoryIndex, 0);
    EXPECT_EQ(g.KeeperX, 1);
    GoToEnd(g, ui);
    EXPECT_EQ(g.HistoryIndex, 2);
    EXPECT_EQ(g.KeeperX, 3);
}

TEST_F(MoveEffectsTest, ScrollSetsTheIndexAndKeepsItInRange)
{
    MoveRight(g, ui);
    MoveRight(g, ui);
    ui.Clear();
    ScrollHistoryTo(g, ui, 2);
    EXPECT_EQ(g.HistoryIndex, 1);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"PaintBoard", "RefreshStatus"}));
    ScrollHistoryTo(g, ui, 99);
    EXPECT_EQ(g.HistoryIndex, 2);
    ScrollHistoryTo(g, ui, -4);
    EXPECT_EQ(g.HistoryIndex, 0);
}

TEST_F(MoveEffectsTest, RetryStartsAgainAndRereadsTheSolution)
{
    MoveRight(g, ui);
    MoveRight(g, ui);
    folder.Write("level.XHT", "rrr\r\n");
    RetryLevel(g, ui);
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_EQ(g.Current().Pushes, 0);
    EXPECT_FALSE(g.ClockStarted);
    EXPECT_EQ(g.KeeperX, 1);
    EXPECT_EQ(g.StoredSolution, "rrr");
}

TEST(Moves, NothingHappensBeforeTheFirstLoad)
{
    GameState g;
    RecordingFrontend ui;
    MoveRight(g, ui);
    UndoMove(g, ui);
    RedoMove(g, ui);
    GoToStart(g, ui);
    GoToEnd(g, ui);
    ScrollHistoryTo(g, ui, 3);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"RefreshStatus"}));
    EXPECT_EQ(g.HistoryLength, 0);
}

} // namespace
} // namespace w4
