// The best-score rule: a stored solution read one way everywhere (blanks, lines, run-length,
// either case), and a new solution kept only when it solves the level and beats the stored one
// by moves, then pushes, or the stored one solves nothing.
#include "support/catalogue.h"
#include "core/bestscore.h"
#include "core/collection.h"
#include "core/completion.h"
#include "core/levelsummary.h"
#include "core/replay.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

using test::LoadText;
using test::ReadBytes;
using test::RecordingFrontend;
using test::TempFolder;

// Solved by "drU" (3 moves, 1 push), "drrrllU" (7 moves, 1 push), "RdrUruL" (7 moves, 3 pushes).
const char* const Room = "#######\r\n"
                         "#  .  #\r\n"
                         "# @$  #\r\n"
                         "#     #\r\n"
                         "#######\r\n";

TEST(BestScoreRule, StoredFormsAgainstNewSolutions)
{
    // Fewer moves; as many moves, fewer pushes; the stored one's score; longer; not solving; none.
    const std::vector<std::string> offered = {"drU", "drrrllU", "RdrUruL", "lrdrrrllU", "dr", ""};
    const struct {
        const char* File;       // the solution file's bytes
        const char* Letters;    // what loading keeps as StoredSolution
        bool Solves;
        int Moves, Pushes;
        const char* Replaced;   // per offered solution: Y when it replaces the stored one
    } cases[] = {
        {"RdrUruL\r\n", "RdrUruL", true, 7, 3, "YYnnnn"},
        {"Rdr UruL\r\n", "RdrUruL", true, 7, 3, "YYnnnn"},                     // spaced groups
        {"rdrurul\r\n", "rdrurul", true, 7, 3, "YYnnnn"},                      // pushes in lower case
        {"d3r2lU\r\n", "drrrllU", true, 7, 1, "Ynnnnn"},                       // run-length
        {"drr\r\nr 2(l)\r\nU\r\n", "drrrllU", true, 7, 1, "Ynnnnn"},            // wrapped, CR LF
        {"drrr\nllU\nby someone\nlurd\n", "drrrllU", true, 7, 1, "Ynnnnn"},     // a note ends it
        {"d r U\r\n", "drU", true, 3, 1, "nnnnnn"},
        {"drUlr\r\n", "drUlr", true, 5, 1, "Ynnnnn"},                         // moves after solving count
        {"drl\r\n", "drl", false, 0, 0, "YYYYnn"},                             // leaves it unsolved
        {"UUUU\r\n", "UUUU", false, 0, 0, "YYYYnn"},                           // a refused move
        {"solved it!\r\n", "solved it!", false, 0, 0, "YYYYnn"},               // not moves at all
        {"", "", false, 0, 0, "YYYYnn"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        folder.Write("level.XHT", c.File);
        GameState g;
        RecordingFrontend ui;
        LoadText(g, ui, folder, Room);
        EXPECT_EQ(g.StoredSolution, c.Letters);
        const SolutionReading stored = ReadStoredSolution(g);
        EXPECT_EQ(stored.Solves, c.Solves);
        EXPECT_EQ(stored.Score.Moves, c.Moves);
        EXPECT_EQ(stored.Score.Pushes, c.Pushes);
        for (std::size_t i = 0; i < offered.size(); ++i)
            EXPECT_EQ(JudgeSolution(StartRows(g), g.StoredSolution, offered[i]).Replaces, c.Replaced[i] == 'Y')
                << "offered " << offered[i];
    }
}

// The film plays what the rule judged: a run-length solution is played spelt out.
TEST(BestScoreRule, TheFilmPlaysAStoredSolutionAsItIsRead)
{
    TempFolder folder;
    folder.Write("level.XHT", "d3r\r\n2l U\r\n");
    GameState g;
    RecordingFrontend ui;
    g.GameMode = ModeSolution;
    LoadText(g, ui, folder, Room);
    while (FilmStep(g, ui) > 0) {
    }
    EXPECT_TRUE(IsSolved(g));
    EXPECT_EQ(g.HistoryIndex, 7);
}

// The Levels window's mark and counts come from the same reading.
TEST(BestScoreRule, TheLevelListCountsTheSolutionAsTheRuleDoes)
{
    TempFolder folder;
    const std::string level = folder.Write("level.xsb", Room);
    GameState g;
    g.ProgramFolder = folder.Path;
    folder.Write("level.XHT", "rdr\r\nurul\r\n");
    LevelSummary s = ReadLevelSummary(level, FileRulesOf(g));
    EXPECT_TRUE(s.Solved);
    EXPECT_EQ(s.SolutionMoves, 7);
    EXPECT_EQ(s.SolutionPushes, 3) << "lower-case pushes are pushes all the same";
    folder.Write("level.XHT", "d3r2lU\r\n");
    s = ReadLevelSummary(level, FileRulesOf(g));
    EXPECT_TRUE(s.Solved);
    EXPECT_EQ(s.SolutionMoves, 7);
    EXPECT_EQ(s.SolutionPushes, 1);
}

TEST(BestScoreRule, ACollectionKeepsItsBestSolutionByMovesThenPushes)
{
    const LevelCollection c = ReadCollection("#######\n#  .  #\n# @$  #\n#     #\n#######\n"
                                             "Solution\nRdrUruL\nSolution\ndrrrllU\nSolution\nlrdrrrllU\n");
    ASSERT_EQ(c.Levels.size(), 1u);
    ASSERT_EQ(c.Levels[0].Solutions.size(), 3u);
    EXPECT_EQ(c.Levels[0].BestSolution(), "drrrllU");
}

class KeepSolutionTest : public ::testing::Test {
protected:
    // Level 0105 of the default levels, with `stored` as its solution file.
    void LoadMicroban5(const std::string& stored)
    {
        const std::string text = ReadBytes(std::string(W4_SOURCE_DIR) + "/levels/0105.xsb");
        ASSERT_FALSE(text.empty());
        folder.Write("level.XHT", stored);
        path = LoadText(g, ui, folder, text);
        ui.Clear();
    }
    void Play(const std::string& letters)
    {
        for (const char letter : letters)
            MoveByLetter(g, ui, letter);
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    std::string path;
};

// 27 moves stored as players write them; the attempt takes 29 (a box pushed aside and walked
// round at the start), fewer letters than the stored text holds.
const char* const Stored27 = "LulD uurr rdLr rddl Ulld Rldl luR";
const char* const Attempt29 = "lrLulDuurrrdLrrddlUlldRldlluR";

TEST_F(KeepSolutionTest, ASolvedAttemptIsNotOfferedAgainstAShorterStoredSolutionInAnyForm)
{
    for (const std::string& stored : {std::string(Stored27) + "\r\n", std::string("LulDuurrrdLr\r\nrddlUlldRldlluR\r\n"),
                                     std::string("LulD2u3rdL2r2dlU2ldRld2luR\r\n")}) {
        SCOPED_TRACE(stored);
        ui.AnswerWhenEmpty = true;
        LoadMicroban5(stored);
        Play(Attempt29);
        EXPECT_EQ(ui.CountOf("Notice"), 1) << "the level was solved";
        EXPECT_EQ(ui.CountOf("Ask"), 0);
        EXPECT_EQ(ReadBytes(folder.File("level.XHT")), stored);
    }
    // Against a broken one the same attempt is offered and kept.
    LoadMicroban5("LulD uurr\r\n");
    ui.AnswerWhenEmpty = true;
    Play(Attempt29);
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "BEST SCORE !!!\r\n\r\nDo you want to save the solution ?\r\n(" +
                                   SolutionFilePath(path) + ")");
    EXPECT_EQ(ReadBytes(SolutionFilePath(path)), "LrlulDuurrrdLrrddlUlldRldlluR\r\n");
}

// Paste Solution's offer: the same rule and the same question.
TEST_F(KeepSolutionTest, AnOfferedSolutionIsAskedAboutOnlyWhenItBeatsTheStoredOne)
{
    folder.Write("level.XHT", "d3r2lU\r\n");
    path = LoadText(g, ui, folder, Room);
    ui.AnswerWhenEmpty = true;
    EXPECT_FALSE(OfferToKeepSolution(g, ui, "RdrUruL")) << "more pushes";
    EXPECT_FALSE(OfferToKeepSolution(g, ui, "drrrllU")) << "as good";
    EXPECT_EQ(ui.CountOf("Ask"), 0);
    const w4::testing::CatalogueInForce french("fr");
    EXPECT_TRUE(OfferToKeepSolution(g, ui, "drU"));
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "MEILLEUR SCORE !!!\r\n\r\nVoulez-vous enregistrer la solution ?\r\n(" +
                                   SolutionFilePath(path) + ")");
    EXPECT_EQ(ReadBytes(SolutionFilePath(path)), "drU\r\n");

    // Equal moves and fewer pushes beat a stored solution; No leaves it as it was.
    folder.Write("level.XHT", "Rdr UruL\r\n");
    LoadLevel(g, ui);
    ui.Answers = {false};
    EXPECT_FALSE(OfferToKeepSolution(g, ui, "drrrllU"));
    EXPECT_EQ(ui.CountOf("Ask"), 2);
    EXPECT_EQ(ReadBytes(SolutionFilePath(path)), "Rdr UruL\r\n");
}

} // namespace
} // namespace w4
