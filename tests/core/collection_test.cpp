// Collections: splitting a text of many levels, its damaged parts, run-length text, and the
// level files, solution files and collection files made from them.
#include "support/catalogue.h"
#include "core/collection.h"
#include "core/fileio.h"
#include "core/levelexport.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

using test::ReadBytes;
using test::TempFolder;

using Rows = std::vector<std::string>;

// Keeper, box and target in a row: one push right solves it.
const Rows Tiny = {"#####", "#@$.#", "#####"};

TEST(CollectionRead, SplitsLevelsWithTheirTitlesCommentsAndSolutions)
{
    // Four habits in one file: a title line above the board, fields after it, a run-length board
    // with its title field before it, comments after a board, a solution over two lines under a
    // heading with counts, CR LF and LF and a lone CR mixed, runs of blank lines, floor as '-'.
    const std::string text =
        "Collection: Mixed\r\n"
        "Author: Someone\r\n"
        "\r\n"
        "\r\n"
        "First\r\n"
        "######\r\n"
        "#@ $.#\r\n"
        "######\r\n"
        "Author: Ann\r\n"
        "\n"
        "Solution (moves 2, pushes 1)\n"
        "r\n"
        "R\n"
        "\n\n\n"
        "Title: Second\r"
        "3#|#@#|#$#|#.#|3#\r"
        "\r"
        "######\n"
        "#@-$.#\n"
        "######\n"
        "; the third one\n"
        "; by nobody\n"
        "\n";
    const LevelCollection c = ReadCollection(text);
    ASSERT_EQ(c.Levels.size(), 3u);
    EXPECT_TRUE(c.Skipped.empty());

    const CollectionLevel& first = c.Levels[0];
    EXPECT_EQ(first.Rows, (Rows{"######", "#@ $.#", "######"}));
    EXPECT_EQ(first.Header[Title], "First");
    EXPECT_EQ(first.Header[Author], "Ann");
    EXPECT_EQ(first.Header[HeaderField::Collection], "Mixed");
    EXPECT_EQ(first.Solutions, std::vector<std::string>{"rR"});   // a step, then a push
    EXPECT_EQ(first.Line, 6);
    EXPECT_EQ(first.Number, 1);

    const CollectionLevel& second = c.Levels[1];
    EXPECT_EQ(second.Rows, (Rows{"###", "#@#", "#$#", "#.#", "###"}));
    EXPECT_EQ(second.Header[Title], "Second");
    EXPECT_EQ(second.Header[Author], "Someone");   // the file's author fills the gap
    EXPECT_TRUE(second.Solutions.empty());

    const CollectionLevel& third = c.Levels[2];
    EXPECT_EQ(third.Rows, (Rows{"######", "#@ $.#", "######"}));
    EXPECT_EQ(third.Comments, (std::vector<std::string>{"the third one", "by nobody"}));
    EXPECT_EQ(third.Header[Title], "the third one");
}

TEST(CollectionRead, CommentsNumberLevelsEitherSideOfTheBoard)
{
    // The old collections' habit: "; 1" after each board, then a blank line. The number alone is
    // no title, and it stays with the board above it.
    const LevelCollection after = ReadCollection("#####\n#@$.#\n#####\n; 1\n\n####\n#@*#\n####\n; 2\n");
    ASSERT_EQ(after.Levels.size(), 2u);
    EXPECT_EQ(after.Levels[0].Comments, std::vector<std::string>{"1"});
    EXPECT_EQ(after.Levels[1].Comments, std::vector<std::string>{"2"});
    EXPECT_EQ(after.Levels[0].Header[Title], "");

    // Titles above boards with no blank lines anywhere: each name goes to the board below it,
    // and fields written before the boards follow the same habit.
    const LevelCollection before =
        ReadCollection("Level A\n#####\n#@$.#\n#####\nLevel B\nAuthor: Bea\n####\n#@*#\n####\n");
    ASSERT_EQ(before.Levels.size(), 2u);
    EXPECT_EQ(before.Levels[0].Header[Title], "Level A");
    EXPECT_EQ(before.Levels[1].Header[Title], "Level B");

    const LevelCollection fields =
        ReadCollection("Title: A\nAuthor: X\n\n#####\n#@$.#\n#####\n\nTitle: B\nAuthor: Y\n\n####\n#@*#\n####\n");
    ASSERT_EQ(fields.Levels.size(), 2u);
    EXPECT_EQ(fields.Levels[0].Header[Title], "A");
    EXPECT_EQ(fields.Levels[0].Header[Author], "X");
    EXPECT_EQ(fields.Levels[1].Header[Title], "B");
    EXPECT_EQ(fields.Levels[1].Header[Author], "Y");
}

TEST(CollectionRead, DamagedCollectionKeepsTheGoodLevelsAndNamesTheBadOnes)
{
    const std::string wide = "#" + std::string(50, ' ') + "#";
    const std::string text = "Good one\n#####\n#@$.#\n#####\n\n"
                             "No keeper\n#####\n# $.#\n#####\n\n"
                             "Two keepers\n######\n#@$.@#\n######\n\n"
                             "Too wide\n" + std::string(52, '#') + "\n#@$." + wide + "\n\n"
                             "Refused\n#####\n#@$.#\n#####\nSolution: ll\n\n"
                             "Not moves\n#####\n#@$.#\n#####\nSolution\nrxR\n\n"
                             "\x01\x02\xff garbage \x7f\n\n"
                             "Good two\n####\n#@*#\n####\n";
    const LevelCollection c = ReadCollection(text);
    ASSERT_EQ(c.Levels.size(), 4u);
    EXPECT_EQ(c.Levels[0].Header[Title], "Good one");
    EXPECT_EQ(c.Levels[1].Header[Title], "Refused");     // the level stays, its solution goes
    EXPECT_TRUE(c.Levels[1].Solutions.empty());
    EXPECT_EQ(c.Levels[2].Header[Title], "Not moves");
    EXPECT_EQ(c.Levels[3].Header[Title], "Good two");
    EXPECT_EQ(c.Levels[3].Number, 7);                    // numbered by place in the file

    ASSERT_EQ(c.Skipped.size(), 5u);
    EXPECT_EQ(c.Skipped[0].Reason, SkipReason::NoKeeper);
    EXPECT_EQ(c.Skipped[0].Title, "No keeper");
    EXPECT_EQ(c.Skipped[0].LevelNumber, 2);
    EXPECT_EQ(c.Skipped[1].Reason, SkipReason::SeveralKeepers);
    EXPECT_EQ(c.Skipped[2].Reason, SkipReason::TooLarge);
    EXPECT_EQ(c.Skipped[3].Reason, SkipReason::SolutionFails);
    EXPECT_EQ(c.Skipped[3].Detail, 1);
    EXPECT_EQ(c.Skipped[4].Reason, SkipReason::BadMoves);
    EXPECT_EQ(SkippedItemText(c.Skipped[3]), "Level 5 (Refused), line 24: the solution fails at move 1");
    const w4::testing::CatalogueInForce french("fr");
    EXPECT_EQ(SkippedItemText(c.Skipped[0]),
              "Niveau 2 (No keeper), ligne 7 : le plateau n'a pas de gardien");
}

TEST(CollectionRead, SolutionsAreCheckedAndTheirCaseFollowsTheBoard)
{
    // Lower-case pushes are read as pushes; moves after the solved position are dropped; a
    // solution that stops short is named; the shortest of several is the best.
    const LevelCollection c = ReadCollection("#######\n#@ $ .#\n#######\n"
                                             "Solution\nrrr\nSolution: 3r\nSolution: r2R l\nSolution: rr\n");
    ASSERT_EQ(c.Levels.size(), 1u);
    EXPECT_EQ(c.Levels[0].Solutions, (std::vector<std::string>{"rRR", "rRR", "rRR"}));
    EXPECT_EQ(c.Levels[0].BestSolution(), "rRR");
    ASSERT_EQ(c.Skipped.size(), 1u);
    EXPECT_EQ(c.Skipped[0].Reason, SkipReason::SolutionUnsolved);
    EXPECT_EQ(c.Skipped[0].Line, 8);
}

TEST(CollectionRead, RunLengthMovesAndBoards)
{
    std::string letters;
    EXPECT_TRUE(ExpandMoves("3l2U", letters));
    EXPECT_EQ(letters, "lllUU");
    EXPECT_TRUE(ExpandMoves("2(lu)R\r\n d \t(r)", letters));
    EXPECT_EQ(letters, "luluRdr");
    EXPECT_TRUE(ExpandMoves("2(r2(U))", letters));
    EXPECT_EQ(letters, "rUUrUU");
    std::size_t bad = 99;
    EXPECT_FALSE(ExpandMoves("lux", letters, &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_TRUE(letters.empty());
    EXPECT_FALSE(ExpandMoves("3", letters));
    EXPECT_FALSE(ExpandMoves("(lu", letters));
    EXPECT_FALSE(ExpandMoves("lu)", letters));
    // Counts that would grow beyond any real solution are refused, not allocated.
    EXPECT_FALSE(ExpandMoves("999999999999l", letters));
    EXPECT_FALSE(ExpandMoves("1000(1000(1000(l)))", letters));

    EXPECT_EQ(ExpandBoardText({"2_5#|3#3_#|#@$.#"}), (Rows{"  #####", "###   #", "#@$.#"}));
    EXPECT_EQ(ExpandBoardText({"-#_#- -", "#12#"}), (Rows{" # #", "#" + std::string(12, '#')}));
    EXPECT_TRUE(IsCollectionBoardLine("  ###"));
    EXPECT_FALSE(IsCollectionBoardLine("   "));
    EXPECT_FALSE(IsCollectionBoardLine("12"));        // a level number
    EXPECT_FALSE(IsCollectionBoardLine("3#|2"));      // a count with nothing to repeat
    EXPECT_FALSE(IsCollectionBoardLine("# Title"));
    // A hostile count costs no memory: the row stops one cell past the limit.
    const Rows huge = ExpandBoardText({"99999999999999999999#|@"});
    ASSERT_EQ(huge.size(), 2u);
    EXPECT_EQ(huge[0].size(), static_cast<std::size_t>(MaxLevelSize + 1));
}

TEST(CollectionRead, SingleLevelFileReadsAsOneLevel)
{
    // A level file as this program writes it: rows, then the header lines, CR LF.
    const LevelCollection c = ReadCollection("#####\r\n#@$.#\r\n#####\r\nTitle: Corner\r\nAuthor: Me\r\n");
    ASSERT_EQ(c.Levels.size(), 1u);
    EXPECT_EQ(c.Levels[0].Rows, Tiny);
    EXPECT_EQ(c.Levels[0].Header[Title], "Corner");
    EXPECT_EQ(c.Levels[0].Header[Author], "Me");
    EXPECT_TRUE(ReadCollection("").Levels.empty());
    EXPECT_TRUE(ReadCollection("no boards here\n; at all\n").Levels.empty());
}

TEST(LevelFileNames, SafeOnEveryFileSystem)
{
    EXPECT_EQ(SafeLevelFileName(7, 3, "A/B\\C:D*E?F\"G<H>I|J"), "007 A B C D E F G H I J.xsb");
    EXPECT_EQ(SafeLevelFileName(12, 3, "  Tabs\tand\x01 controls...  "), "012 Tabs and controls.xsb");
    EXPECT_EQ(SafeLevelFileName(3, 3, ""), "003.xsb");
    EXPECT_EQ(SafeLevelFileName(3, 3, "3"), "003.xsb");
    EXPECT_EQ(SafeLevelFileName(1234, 3, "x"), "1234 x.xsb");
    EXPECT_EQ(SafeLevelFileName(1, 3, "Caf\xe9"), "001 Caf\xc3\xa9.xsb");   // Windows-1252 made UTF-8
    // Cut at 60 bytes, never inside a character.
    const std::string name = SafeLevelFileName(1, 3, std::string(59, 'a') + "\xc3\xa9tude");
    EXPECT_EQ(name, "001 " + std::string(59, 'a') + ".xsb");
}

class CollectionFiles : public ::testing::Test {
protected:
    TempFolder folder;

    std::string Level(const std::string& name, const std::string& text, const std::string& solution = {})
    {
        const std::string path = folder.Write(name, text);
        if (!solution.empty())
            folder.Write(SolutionFilePath(name), solution + "\r\n");
        return path;
    }
};

TEST_F(CollectionFiles, ImportWritesLevelFilesAndOnlyValidSolutions)
{
    const LevelCollection c = ReadCollection("One\n#####\n#@$.#\n#####\nSolution: R\n\n"
                                             "Two: bad/name\n######\n#@$ .#\n######\nSolution: rl\n\n"
                                             "No keeper\n###\n#$.#\n###\n");
    const std::string target = folder.File("out");
    std::filesystem::create_directories(target);
    const std::vector<ImportTarget> plan = PlanImport(c, target);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].LevelPath, target + "/001 One.xsb");
    EXPECT_EQ(plan[0].SolutionPath, target + "/001 One.XHT");
    EXPECT_EQ(plan[1].LevelPath, target + "/002 Two bad name.xsb");
    EXPECT_EQ(plan[1].SolutionPath, "");   // its solution did not solve it
    EXPECT_TRUE(ExistingTargets(plan).empty());

    ImportProgress progress;
    const ImportResult result = WriteImport(c, plan, progress);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(result.Written, (std::vector<std::string>{plan[0].LevelPath, plan[1].LevelPath}));
    EXPECT_EQ(result.WithSolutions, 1);
    EXPECT_EQ(progress.Done.load(), 2);
    EXPECT_EQ(ReadBytes(plan[0].LevelPath), "#####\r\n#@$.#\r\n#####\r\nTitle: One\r\n");
    EXPECT_EQ(ReadBytes(plan[0].SolutionPath), "R\r\n");
    EXPECT_FALSE(std::filesystem::exists(SolutionFilePath(plan[1].LevelPath)));
    EXPECT_EQ(ExistingTargets(plan).size(), 3u);   // now the files are there to be asked about
}

// A solution beside a replaced level belongs to the old level: the question counts it, and the
// import replaces it with the new level's solution or removes it when the new level has none.
TEST_F(CollectionFiles, ImportReplacesOrRemovesTheSolutionBesideEveryReplacedLevel)
{
    const LevelCollection c = ReadCollection("One\n#####\n#@$.#\n#####\nSolution: R\n\n"
                                             "Two\n######\n#@$ .#\n######\n\n"
                                             "Three\n####\n#@*#\n####\n");
    const std::string target = folder.File("out");
    folder.Write("out/001 One.xsb", "old");
    folder.Write("out/001 One.XHT", "ll\r\n");
    folder.Write("out/002 Two.xsb", "old");
    folder.Write("out/002 Two.XHT", "r\r\n");
    folder.Write("out/003 Three.XHT", "u\r\n");   // no level file, but it would be loaded for the new one
    const std::vector<ImportTarget> plan = PlanImport(c, target);
    EXPECT_EQ(ExistingTargets(plan),
              (std::vector<std::string>{target + "/001 One.xsb", target + "/001 One.XHT", target + "/002 Two.xsb",
                                        target + "/002 Two.XHT", target + "/003 Three.XHT"}));

    ImportProgress progress;
    const ImportResult result = WriteImport(c, plan, progress);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(ReadBytes(target + "/001 One.XHT"), "R\r\n");
    EXPECT_FALSE(std::filesystem::exists(target + "/002 Two.XHT"));
    EXPECT_FALSE(std::filesystem::exists(target + "/003 Three.XHT"));

    // A solution file the user made read-only stays, and the import says so, naming it.
    folder.Write("out/002 Two.XHT", "r\r\n");
    std::filesystem::permissions(target + "/002 Two.XHT", std::filesystem::perms::owner_read);
    ImportProgress again;
    const ImportResult refused = WriteImport(c, plan, again);
    EXPECT_EQ(refused.StoppedAtLevel, 2);
    EXPECT_NE(refused.Error.find("002 Two.XHT"), std::string::npos) << refused.Error;
    EXPECT_EQ(ReadBytes(target + "/002 Two.XHT"), "r\r\n");
}

TEST_F(CollectionFiles, ImportStopsAtAFailedWriteKeepingWhatWasWritten)
{
    const LevelCollection c = ReadCollection("A\n####\n#@*#\n####\n\nB\n####\n#@*#\n####\n\nC\n####\n#@*#\n####\n");
    const std::string target = folder.File("out");
    const std::vector<ImportTarget> plan = PlanImport(c, target);
    ASSERT_EQ(plan.size(), 3u);
    // A folder where the second level file should go: its rename can only fail.
    std::filesystem::create_directories(plan[1].LevelPath);
    ImportProgress progress;
    const ImportResult result = WriteImport(c, plan, progress);
    EXPECT_EQ(result.Written, std::vector<std::string>{plan[0].LevelPath});
    EXPECT_EQ(result.StoppedAtLevel, 2);
    EXPECT_NE(result.Error.find("002 B.xsb"), std::string::npos) << result.Error;
    EXPECT_FALSE(std::filesystem::exists(plan[2].LevelPath));

    ImportProgress cancelled;
    cancelled.Cancel = true;
    const ImportResult none = WriteImport(c, plan, cancelled);
    EXPECT_TRUE(none.Cancelled);
    EXPECT_TRUE(none.Written.empty());
}

TEST_F(CollectionFiles, ExportThenImportGivesTheSameBoardsAndSolutions)
{
    const std::string a = Level("a.xsb", "  #####\r\n  #@$.#\r\n  #####\r\nTitle: Alpha\r\nAuthor: Ann\r\n", "R");
    const std::string b = Level("b.xsb", "######\n#@ $.#\n#    #\n######\n; a comment\n");
    const std::string c = Level("c.xsb", "####\n#@*#\n####\nTitle: Gamma\n", "ldruuuu");   // a broken solution
    const std::string exported = folder.File("all.txt");
    GameState g;
    g.Playlist = {a, folder.File("gone.xsb"), b, c};
    const ExportResult result = ExportPlaylist(g, exported);
    EXPECT_EQ(result.Written, 3);
    EXPECT_EQ(result.Missing, std::vector<std::string>{folder.File("gone.xsb")});

    const LevelCollection back = ReadCollectionFile(exported);
    ASSERT_EQ(back.Levels.size(), 3u);
    EXPECT_EQ(back.Levels[0].Rows, (Rows{"  #####", "  #@$.#", "  #####"}));
    EXPECT_EQ(back.Levels[0].Header[Title], "Alpha");
    EXPECT_EQ(back.Levels[0].Header[Author], "Ann");
    EXPECT_EQ(back.Levels[0].Solutions, std::vector<std::string>{"R"});
    EXPECT_EQ(back.Levels[1].Rows, (Rows{"######", "#@ $.#", "#    #", "######"}));
    EXPECT_EQ(back.Levels[1].Header[Title], "");
    EXPECT_TRUE(back.Levels[1].Solutions.empty());
    EXPECT_EQ(back.Levels[2].Header[Title], "Gamma");
    EXPECT_TRUE(back.Levels[2].Solutions.empty());
    ASSERT_EQ(back.Skipped.size(), 1u);   // Gamma's stored solution was exported and named on the way in
    EXPECT_EQ(back.Skipped[0].LevelNumber, 3);

    // A long solution goes over several lines and comes back whole.
    std::string walk;
    for (int i = 0; i < 50; ++i)
        walk += "lr";
    const std::string d = Level("d.xsb", "#####\n# @$.#\n#####\n", walk + "R");
    g.Playlist = {d};
    ExportPlaylist(g, exported);
    EXPECT_EQ(ReadCollectionFile(exported).Levels.at(0).Solutions, std::vector<std::string>{walk + "R"});
}

TEST_F(CollectionFiles, ExportFailureLeavesTheOldFile)
{
    const std::string a = Level("a.xsb", "####\n#@*#\n####\n");
    const std::string blocked = folder.File("blocked");
    std::filesystem::create_directories(blocked + "/x.txt");
    GameState g;
    g.Playlist = {a};
    EXPECT_THROW(ExportPlaylist(g, blocked + "/x.txt"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/x.txt"));
}

TEST(LevelText, PastedSolutionIsReplayedOnTheStartPosition)
{
    GameState g;
    g.SnapshotHistory.resize(1);
    g.HistoryLength = 1;
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    ApplyLevelLines(g, {"#######", "#@ $ .#", "#######"});

    EXPECT_EQ(LevelClipboardText(g), "#######\n#@ $ .#\n#######\n");
    g.LevelHeader[Title] = "Caf\xe9";   // Windows-1252 in the file, UTF-8 on the clipboard
    EXPECT_EQ(LevelClipboardText(g), "#######\n#@ $ .#\n#######\nTitle: Caf\xc3\xa9\n");

    PastedSolution ok = CheckPastedSolution(g, "r\n2r");
    EXPECT_TRUE(ok.Solves);
    EXPECT_EQ(ok.Letters, "rRR");
    ok = CheckPastedSolution(g, "Solution (moves 3, pushes 2)\r\nrRR\r\n");
    EXPECT_TRUE(ok.Solves);
    const PastedSolution fails = CheckPastedSolution(g, "rlll");
    EXPECT_FALSE(fails.Solves);
    EXPECT_EQ(fails.FailedMove, 3);
    const PastedSolution shortOne = CheckPastedSolution(g, "r");
    EXPECT_FALSE(shortOne.Solves);
    EXPECT_EQ(shortOne.FailedMove, 0);
    EXPECT_TRUE(CheckPastedSolution(g, "hello").NotMoves);
    EXPECT_TRUE(CheckPastedSolution(g, "").NotMoves);
}

} // namespace
} // namespace w4
