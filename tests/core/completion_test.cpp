#include "support/catalogue.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

using test::LoadText;
using test::ManualClock;
using test::ReadBytes;
using test::RecordingFrontend;
using test::TempFolder;

// One step, then a push onto the only target.
const char* const TwoMoveLevel = "######\r\n#@ $.#\r\n######\r\n";

TEST(CongratulationText, EnglishAndFrench)
{
    GameState g;
    g.SnapshotHistory.resize(13);
    g.HistoryLength = 13;
    g.HistoryIndex = 12;
    g.Current().Pushes = 3;
    EXPECT_EQ(CongratulationText(g, 75), "CONGRATULATIONS !!!\r\n\r\nMOVE = 12\r\nPUSH = 3\r\nTIME = 01:15");
    const w4::testing::CatalogueInForce french("fr");
    EXPECT_EQ(CongratulationText(g, 75), "FELICITATIONS !!!\r\n\r\nBOUGE = 12\r\nPOUSSE = 3\r\nTEMPS = 01:15");
}

TEST(FormatElapsed, MinutesAreNotWrappedIntoHours)
{
    const struct {
        std::int64_t Seconds;
        const char* Text;
    } cases[] = {{0, "00:00"}, {9, "00:09"}, {75, "01:15"}, {3599, "59:59"}, {6000, "100:00"}, {6059, "100:59"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatElapsed(c.Seconds), c.Text) << c.Seconds;
}

TEST(Census, CountsTheShownSnapshotInsideTheLevel)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder, "#########\r\n#@$.*$+.#\r\n#########\r\n");
    EXPECT_EQ(g.BoxesOnTargets, 1);
    EXPECT_EQ(g.BoxesOffTargets, 2);
    EXPECT_EQ(g.TargetCount, 4);
    EXPECT_FALSE(IsSolved(g));
}

class CompletionTest : public ::testing::Test {
protected:
    void SetUp() override { clock.Attach(g); }

    // Plays the two moves of TwoMoveLevel with `seconds` between them.
    void SolveTwoMoveLevel(int seconds)
    {
        MoveRight(g, ui);
        clock.Advance(std::chrono::seconds(seconds));
        ui.Clear();
        MoveRight(g, ui);
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    ManualClock clock;
};

TEST_F(CompletionTest, SolvingOffersTheSolutionAndGoesToTheNextLevel)
{
    const std::string first = folder.Write("levels/0101.xsb", TwoMoveLevel);
    const std::string second = folder.Write("levels/0102.xsb", "#@#\r\n");
    g.Playlist = {first, second};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    ui.AnswerWhenEmpty = true;

    SolveTwoMoveLevel(75);

    const std::vector<std::string> expected = {
        "Play Move", "BarRange 3,3", "Play Push", "DrawCell 2,1", "DrawCell 3,1", "DrawCell 4,1", "RefreshStatus",
        "Play Win", "BarDisabled", "Notice", "Ask",
        // NextLevel: load and redraw of the second entry
        "StopReplay", "BarRange 1,1", "BarEnabled", "PaintBoard", "RefreshStatus"};
    EXPECT_EQ(ui.Calls, expected);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_EQ(ui.Notices[0], "CONGRATULATIONS !!!\r\n\r\nMOVE = 2\r\nPUSH = 1\r\nTIME = 01:15");
    const std::string solution = folder.File("levels/0101.XHT");
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "BEST SCORE !!!\r\n\r\nDo you want to save the solution ?\r\n(" + solution + ")");
    EXPECT_EQ(ReadBytes(solution), "rR\r\n");

    // The next level is a fresh attempt with moves accepted again.
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_FALSE(g.LevelSolved);
    EXPECT_EQ(g.HistoryLength, 1);
}

TEST_F(CompletionTest, FrenchQuestionAndLongTime)
{
    const w4::testing::CatalogueInForce french("fr");
    const std::string path = LoadText(g, ui, folder, TwoMoveLevel);
    SolveTwoMoveLevel(6000);
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_EQ(ui.Notices[0], "FELICITATIONS !!!\r\n\r\nBOUGE = 2\r\nPOUSSE = 1\r\nTEMPS = 100:00");
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "MEILLEUR SCORE !!!\r\n\r\nVoulez-vous enregistrer la solution ?\r\n(" +
                                   SolutionFilePath(path) + ")");
}

TEST_F(CompletionTest, AnsweringNoWritesNothing)
{
    const std::string path = LoadText(g, ui, folder, TwoMoveLevel);
    SolveTwoMoveLevel(1);
    EXPECT_EQ(ui.CountOf("Ask"), 1);
    EXPECT_FALSE(FileExists(SolutionFilePath(path)));
}

TEST_F(CompletionTest, LastLevelStaysSolvedWithMovesBlocked)
{
    ui.AnswerWhenEmpty = true;
    LoadText(g, ui, folder, TwoMoveLevel);
    SolveTwoMoveLevel(3);
    EXPECT_FALSE(g.LevelInPlay);
    EXPECT_TRUE(g.LevelSolved);
    EXPECT_EQ(g.FinishTime, clock.Time);
    clock.Advance(std::chrono::seconds(50));
    EXPECT_EQ(ElapsedSeconds(g), 3);   // the clock stopped at the solution
    EXPECT_EQ(ui.Calls.back(), "Ask");
}

TEST_F(CompletionTest, OnlyABetterAttemptIsOffered)
{
    folder.Write("level.XHT", "rR\r\n");   // as good as the attempt
    LoadText(g, ui, folder, TwoMoveLevel);
    SolveTwoMoveLevel(1);
    EXPECT_EQ(ui.CountOf("Notice"), 1);
    EXPECT_EQ(ui.CountOf("Ask"), 0);

    folder.Write("level.XHT", "rlrR\r\n");
    LoadText(g, ui, folder, TwoMoveLevel);
    SolveTwoMoveLevel(1);
    EXPECT_EQ(ui.CountOf("Ask"), 1);
}

// A short solution file that does not solve the level (from another level, or an older version of
// this one) must not keep a real, longer solution from being kept.
TEST_F(CompletionTest, AStoredSolutionThatDoesNotSolveTheLevelBlocksNothing)
{
    folder.Write("level.XHT", "R\r\n");
    ui.AnswerWhenEmpty = true;
    const std::string path = LoadText(g, ui, folder, TwoMoveLevel);
    EXPECT_FALSE(StoredSolutionSolves(g));
    SolveTwoMoveLevel(1);
    EXPECT_EQ(ui.CountOf("Ask"), 1);
    EXPECT_EQ(ReadBytes(SolutionFilePath(path)), "rR\r\n");
}

TEST(SolutionSolves, PlaysTheLettersAsTheFilmDoes)
{
    const std::vector<std::string> rows = {"######", "#@ $.#", "######"};
    EXPECT_TRUE(SolutionSolves(rows, "rR"));
    EXPECT_TRUE(SolutionSolves(rows, "Rr")) << "the case of a letter does not change the move";
    EXPECT_TRUE(SolutionSolves(rows, "r R\t")) << "other characters move nothing";
    EXPECT_FALSE(SolutionSolves(rows, "lrR")) << "a refused move";
    EXPECT_FALSE(SolutionSolves(rows, "r")) << "the level left unsolved";
    EXPECT_FALSE(SolutionSolves(rows, ""));
    EXPECT_FALSE(SolutionSolves({}, "rR"));
}

TEST_F(CompletionTest, FailedSolutionWriteStopsBeforeTheNextLevel)
{
    const std::string first = folder.Write("level.xsb", TwoMoveLevel);
    const std::string second = folder.Write("other.xsb", "#@#\r\n");
    // A folder where the solution file should go: the rename over it fails, even for root.
    std::filesystem::create_directory(folder.File("level.XHT"));
    g.Playlist = {first, second};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    ui.AnswerWhenEmpty = true;
    MoveRight(g, ui);
    try {
        MoveRight(g, ui);
        FAIL() << "the failed write was not reported";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(folder.File("level.XHT")), std::string::npos) << e.what();
    }
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_TRUE(g.LevelSolved);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("level.XHT")));
}

TEST_F(CompletionTest, NoBoxesNoTargetsIsSolvedByABumpIntoTheWall)
{
    ui.AnswerWhenEmpty = true;
    LoadText(g, ui, folder, "#####\r\n#@  #\r\n#####\r\n");
    ui.Clear();
    MoveUp(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"DrawCell 1,1", "DrawCell 1,0", "Play Kick", "RefreshStatus",
                                                  "Play Win", "BarDisabled", "Notice"}));
    EXPECT_EQ(ui.Notices[0], "CONGRATULATIONS !!!\r\n\r\nMOVE = 0\r\nPUSH = 0\r\nTIME = 00:00");
}

TEST_F(CompletionTest, EmptyLevelIsSolvedAndNothingIsOffered)
{
    ui.AnswerWhenEmpty = true;
    for (const std::vector<std::string>& playlist : {std::vector<std::string>{}, {folder.File("gone.xsb")}}) {
        GameState fresh;
        g = fresh;
        clock.Attach(g);
        g.Playlist = playlist;
        LoadLevel(g, ui);
        RedrawBoard(g, ui);
        ui.Clear();
        MoveRight(g, ui);
        ASSERT_EQ(ui.Notices.size(), 1u);
        EXPECT_NE(ui.Notices[0].find("MOVE = 0"), std::string::npos);
        EXPECT_TRUE(ui.Questions.empty());
        EXPECT_FALSE(g.LevelInPlay);
    }
}

TEST_F(CompletionTest, SolutionModeOnlyPlaysTheWinAndStops)
{
    g.GameMode = ModeSolution;
    const std::string first = folder.Write("a.xsb", TwoMoveLevel);
    g.Playlist = {first, folder.Write("b.xsb", "#@#\r\n")};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    SolveTwoMoveLevel(1);
    EXPECT_EQ(ui.CountOf("Play Win"), 1);
    EXPECT_TRUE(ui.Notices.empty());
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_TRUE(g.LevelSolved);
}

TEST_F(CompletionTest, UnsolvedMoveChangesNothing)
{
    LoadText(g, ui, folder, TwoMoveLevel);
    MoveRight(g, ui);
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_FALSE(g.LevelSolved);
    EXPECT_EQ(ui.CountOf("Play Win"), 0);
}

} // namespace
} // namespace w4
