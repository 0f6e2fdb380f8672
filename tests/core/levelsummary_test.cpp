// What the level list reads of a file: the loader's rules, the kept solution's counts.
#include "core/levelsummary.h"

#include "core/fileio.h"
#include "core/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class LevelSummaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("w4-summary-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    w4::GameState Rules() const
    {
        w4::GameState g;
        g.ProgramFolder = folder;
        return w4::FileRulesOf(g);
    }
    std::filesystem::path folder;
};

TEST_F(LevelSummaryTest, ReadsTheBoardAsLoadingDoesAndCountsTheKeptSolution)
{
    // An indented title line is also a board row, as when the level is loaded.
    const std::string level = Write("a.xsb", "  #####\r\n###   #\r\n#.@$  #\r\n#######\r\n  title:  Yard \r\n");
    Write("a.XHT", "RurrdLxLL\r\nsecond line\r\n");
    const w4::LevelSummary s = w4::ReadLevelSummary(level, Rules());
    EXPECT_EQ(s.State, w4::LevelFileState::Ok);
    EXPECT_EQ(s.Title, "Yard");
    EXPECT_EQ(s.Width, 15);
    EXPECT_EQ(s.Height, 5);
    EXPECT_EQ(s.Boxes, 1);
    EXPECT_TRUE(s.Solved);
    EXPECT_EQ(s.SolutionMoves, 8);   // the stray 'x' is no move
    EXPECT_EQ(s.SolutionPushes, 4);
    ASSERT_EQ(s.Rows.size(), 5u);
    EXPECT_EQ(s.Rows[0].substr(0, 7), "XX#####") << "outside cells marked by the fill";
    EXPECT_EQ(s.Rows[2].substr(0, 7), "#.@$  #");
}

// A solution file left from another level, or from an older version of this one, is no solution:
// no mark, no counts. The file itself stays as it is.
TEST_F(LevelSummaryTest, AStoredSolutionThatDoesNotSolveTheLevelCountsAsNone)
{
    const std::string level = Write("a.xsb", "  #####\r\n###   #\r\n#.@$  #\r\n#######\r\n");
    for (const char* letters : {"llRRdU", "RurrdLL", "RurrdLLLrr"}) {
        SCOPED_TRACE(letters);
        const std::string file = Write("a.XHT", std::string(letters) + "\r\n");
        const w4::LevelSummary s = w4::ReadLevelSummary(level, Rules());
        EXPECT_EQ(s.Solved, std::string(letters) == "RurrdLLLrr") << "a refused move, or the level left unsolved";
        EXPECT_EQ(s.SolutionMoves, s.Solved ? 10 : 0);
        EXPECT_EQ(w4::ReadTextLines(file).front(), letters);
    }
}

TEST_F(LevelSummaryTest, MissingEmptyAndForeignFilesAreToldApart)
{
    EXPECT_EQ(w4::ReadLevelSummary((folder / "gone.xsb").string(), Rules()).State, w4::LevelFileState::Missing);
    EXPECT_EQ(w4::ReadLevelSummary(Write("words.xsb", "Title: x\r\n"), Rules()).State, w4::LevelFileState::NoBoard);
    const std::string big = Write("big.xsb", "#");
    std::filesystem::resize_file(big, w4::MaxTextFileBytes + 1);
    EXPECT_EQ(w4::ReadLevelSummary(big, Rules()).State, w4::LevelFileState::Unreadable);
    // The game never reads a solution for another extension, so neither does the list.
    const std::string text = Write("plain.txt", "#@$.#\r\n");
    Write("plain.XHT", "R\r\n");
    EXPECT_FALSE(w4::ReadLevelSummary(text, Rules()).Solved);
}

TEST_F(LevelSummaryTest, TheStampChangesWhenTheLevelOrItsSolutionChanges)
{
    const std::string level = Write("s.xsb", "#@$.#\r\n");
    const w4::LevelFileStamp first = w4::StampLevelFiles(level, Rules());
    EXPECT_EQ(first, w4::StampLevelFiles(level, Rules()));
    Write("s.XHT", "R\r\n");
    EXPECT_NE(first, w4::StampLevelFiles(level, Rules()));
    const w4::LevelFileStamp solved = w4::StampLevelFiles(level, Rules());
    Write("s.xsb", "#@$ .#\r\n");
    EXPECT_NE(solved, w4::StampLevelFiles(level, Rules()));
}

TEST_F(LevelSummaryTest, AnAutomaticSnapshotNewerThanTheSolutionIsAnAttemptInProgress)
{
    const std::string level = Write("p.xsb", "#@ $.#\r\n");
    const w4::LevelFileStamp before = w4::StampLevelFiles(level, Rules());
    Write("p.snapshots.sok", "Snapshot (moves 1, pushes 0, 2020-01-01 00:00:00 UTC, automatic)\r\nr*\r\n");
    EXPECT_NE(before, w4::StampLevelFiles(level, Rules()));
    EXPECT_TRUE(w4::ReadLevelSummary(level, Rules()).AttemptInProgress);
    // Solved since: the attempt is over.
    Write("p.XHT", "rR\r\n");
    EXPECT_FALSE(w4::ReadLevelSummary(level, Rules()).AttemptInProgress);
}

TEST_F(LevelSummaryTest, AnInstalledGameFindsTheSolutionInItsStore)
{
    const std::string level = Write("shipped.xsb", "#@$.#\r\n");
    w4::GameState g = Rules();
    g.Places.Installed = true;
    g.Places.Solutions = folder / "store";
    std::filesystem::create_directories(g.Places.Solutions);
    const w4::GameState rules = w4::FileRulesOf(g);
    EXPECT_FALSE(w4::ReadLevelSummary(level, rules).Solved);
    const w4::LevelFileStamp before = w4::StampLevelFiles(level, rules);
    std::ofstream(g.Places.Solutions / w4::SolutionStoreName(level), std::ios::binary) << "R\r\n";
    EXPECT_TRUE(w4::ReadLevelSummary(level, rules).Solved);
    EXPECT_NE(before, w4::StampLevelFiles(level, rules));
}

} // namespace
