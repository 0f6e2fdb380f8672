// warehaus4-solve: its arguments, its lines, its exit status and above all --write, on real files in
// a private folder; the built program itself for the exit status a shell sees.
#include "solver/cli/solvecli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using w4::solvecli::RunSolveCommand;

// Solved by "rR": one step, one push.
const char* const TwoMoves = "######\n#@ $.#\n######\n";
// The box sits in a corner away from the target.
const char* const Lost = "######\n#$   #\n#  @ #\n#   .#\n######\n";

class SolveCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "w4solvecli.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::string Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    struct Run {
        int status;
        std::string out, err;
        std::vector<std::string> lines;
    };
    static Run Solve(const std::vector<std::string>& args, const w4::Folders& places = {})
    {
        std::ostringstream out, err;
        Run run{RunSolveCommand(args, out, err, false, nullptr, places), out.str(), err.str(), {}};
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);)
            run.lines.push_back(line);
        return run;
    }

    fs::path folder_;
};

TEST_F(SolveCommand, ParsesEveryOptionInBothSpellings)
{
    std::string error;
    const auto line = w4::solvecli::ParseCommandLine(
        {"--time", "2.5", "--memory=64", "--optimal", "pushes", "--write", "--portable", "--threads", "2", "a.xsb", "--", "--b.xsb"}, error);
    ASSERT_TRUE(line) << error;
    EXPECT_DOUBLE_EQ(line->seconds, 2.5);
    EXPECT_EQ(line->memoryMiB, 64u);
    EXPECT_EQ(line->optimal, w4::solver::Optimality::Pushes);
    EXPECT_TRUE(line->write);
    EXPECT_TRUE(line->portable);
    EXPECT_EQ(line->threads, 2);
    EXPECT_EQ(line->files, (std::vector<std::string>{"a.xsb", "--b.xsb"}));

    const auto defaults = w4::solvecli::ParseCommandLine({"--optimal=moves", "a.xsb"}, error);
    ASSERT_TRUE(defaults) << error;
    EXPECT_EQ(defaults->optimal, w4::solver::Optimality::Moves);
    EXPECT_DOUBLE_EQ(defaults->seconds, 10.0);
    EXPECT_EQ(defaults->memoryMiB, 1024u);
    EXPECT_FALSE(defaults->write);
    EXPECT_EQ(defaults->threads, 0);   // the machine's cores
}

TEST_F(SolveCommand, ArgumentErrorsGiveUsageAndStatusTwoAndTouchNothing)
{
    const std::string level = Put("a.xsb", TwoMoves);
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--write"},
        {"--time"},
        {level, "--time"},
        {"--time", "0", level},
        {"--time", "-1", level},
        {"--time", "abc", level},
        {"--time", "1s", level},
        {"--time", "nan", level},
        {"--time", "inf", level},
        {"--memory", "0", level},
        {"--memory", "1.5", level},
        {"--memory", "99999999999", level},
        {"--memory=", level},
        {"--threads", "0", level},
        {"--threads", "65", level},
        {"--threads", "-1", level},
        {"--threads", "two", level},
        {"--optimal", "fast", level},
        {"--optimal", "Pushes", level},
        {"--bogus", level},
        {"-w", level},
    };
    for (const auto& args : wrong) {
        std::string shown;
        for (const std::string& arg : args)
            shown += " [" + arg + "]";
        SCOPED_TRACE(shown);
        const Run run = Solve(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage: warehaus4-solve"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_FALSE(fs::exists(Path("a.XHT")));
}

TEST_F(SolveCommand, OneLinePerLevelAndASummaryWhateverTheFiles)
{
    const std::string solvable = Put("a.xsb", TwoMoves);
    const std::string lost = Put("lost.xsb", Lost);
    const std::string noKeeper = Put("empty.xsb", "#####\n# $.#\n#####\n");
    const std::string junk = Put("junk.xsb", std::string("\x01\xff$@#\n\x80\x7f.*+\n", 12));
    fs::create_directory(Path("folder.xsb"));
    const Run run = Solve({"--time", "20", solvable, lost, noKeeper, junk, Path("missing.xsb"), Path("folder.xsb")});

    ASSERT_EQ(run.lines.size(), 7u) << run.out;
    EXPECT_EQ(run.lines[0].rfind(solvable + ": solved, 2 moves, 1 pushes, ", 0), 0u) << run.lines[0];
    EXPECT_TRUE(std::regex_match(run.lines[0], std::regex(".*, [0-9]+\\.[0-9]{3} s, [0-9]+ positions")))
        << run.lines[0];
    EXPECT_EQ(run.lines[1].rfind(lost + ": unsolvable, 0 moves, 0 pushes, ", 0), 0u) << run.lines[1];
    EXPECT_EQ(run.lines[2].rfind(noKeeper + ": invalid (the level needs exactly one keeper), 0 moves", 0), 0u)
        << run.lines[2];
    EXPECT_EQ(run.lines[3].rfind(junk + ": invalid", 0), 0u) << run.lines[3];
    EXPECT_EQ(run.lines[4].rfind(Path("missing.xsb") + ": unreadable (no such file), 0 moves", 0), 0u) << run.lines[4];
    EXPECT_EQ(run.lines[5].rfind(Path("folder.xsb") + ": unreadable (not a regular file)", 0), 0u) << run.lines[5];
    EXPECT_EQ(run.lines[6], "solved 1 of 6");
    EXPECT_EQ(run.status, 1);
    // Not a terminal: no progress line.
    EXPECT_TRUE(run.err.empty()) << run.err;

    const Run all = Solve({solvable, solvable});
    EXPECT_EQ(all.lines.back(), "solved 2 of 2");
    EXPECT_EQ(all.status, 0);
}

TEST_F(SolveCommand, WriteStoresASolutionWhenNoneIsStored)
{
    const std::string level = Put("a.xsb", TwoMoves);
    const Run run = Solve({"--write", level});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Contents(Path("a.XHT")), "rR\r\n");
    EXPECT_NE(run.lines[0].find("; written to " + Path("a.XHT")), std::string::npos) << run.lines[0];
}

TEST_F(SolveCommand, WriteReplacesOnlyAStoredSolutionWithMoreMoves)
{
    const std::string worse = Put("worse.xsb", TwoMoves);
    Put("worse.XHT", "rlrR\r\n");
    const std::string equal = Put("equal.xsb", TwoMoves);
    Put("equal.XHT", "Rr\r\nsecond line\r\n");   // as long as the found one: not strictly fewer
    // Shorter, but it does not solve the level: it counts as no solution and is replaced.
    const std::string wrong = Put("wrong.xsb", TwoMoves);
    Put("wrong.XHT", "R\n");

    const Run run = Solve({"--write", worse, equal, wrong});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Contents(Path("worse.XHT")), "rR\r\n");
    EXPECT_EQ(Contents(Path("equal.XHT")), "Rr\r\nsecond line\r\n");
    EXPECT_EQ(Contents(Path("wrong.XHT")), "rR\r\n");
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_NE(run.lines[1].find("; stored solution kept (2 moves)"), std::string::npos) << run.lines[1];
    EXPECT_NE(run.lines[2].find("; written to " + Path("wrong.XHT")), std::string::npos) << run.lines[2];
}

// The stored solution is read as the game reads it: blanks between groups, run-length counts and
// lines are no moves. Microban 5's fewest moves (25, and 8 pushes, none fewer with them), written in
// groups, hold 31 characters: no solution the solver finds replaces them.
TEST_F(SolveCommand, WriteKeepsAStoredSolutionAsThePlayerWroteIt)
{
    std::ifstream shipped(std::string(W4_SOURCE_DIR) + "/levels/0105.xsb", std::ios::binary);
    std::ostringstream text;
    text << shipped.rdbuf();
    ASSERT_FALSE(text.str().empty());
    const std::string spaced = Put("spaced.xsb", text.str());
    Put("spaced.XHT", "LuRl lDrd Rdrr uuLL dlUd dllu R\r\n");
    const std::string counted = Put("counted.xsb", text.str());
    Put("counted.XHT", "LuR2lDrdRd\r\n2r2u2LdlU2d2luR\r\n");

    const Run run = Solve({"--write", spaced, counted});
    ASSERT_EQ(run.lines.size(), 3u) << run.out;
    EXPECT_NE(run.lines[0].find("; stored solution kept (25 moves)"), std::string::npos) << run.lines[0];
    EXPECT_NE(run.lines[1].find("; stored solution kept (25 moves)"), std::string::npos) << run.lines[1];
    EXPECT_EQ(Contents(Path("spaced.XHT")), "LuRl lDrd Rdrr uuLL dlUd dllu R\r\n");
    EXPECT_EQ(Contents(Path("counted.XHT")), "LuR2lDrdRd\r\n2r2u2LdlU2d2luR\r\n");
}

TEST_F(SolveCommand, NothingIsWrittenForAnUnsolvedLevelOrWithoutTheOption)
{
    const std::string lost = Put("lost.xsb", Lost);
    const std::string lostStored = Put("stored.xsb", Lost);
    Put("stored.XHT", "uuuuuuuuuuuuuuuuuuuuuuuu\r\n");
    const std::string invalid = Put("invalid.xsb", "#####\n#@$ #\n#####\n");
    const Run run = Solve({"--write", lost, lostStored, invalid});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(Path("lost.XHT")));
    EXPECT_FALSE(fs::exists(Path("invalid.XHT")));
    EXPECT_EQ(Contents(Path("stored.XHT")), "uuuuuuuuuuuuuuuuuuuuuuuu\r\n");

    const std::string solvable = Put("a.xsb", TwoMoves);
    EXPECT_EQ(Solve({solvable}).status, 0);
    EXPECT_FALSE(fs::exists(Path("a.XHT")));

    // Only ".xsb" levels keep a solution file; another name never gets one beside it.
    const std::string text = Put("b.txt", TwoMoves);
    const Run other = Solve({"--write", text});
    EXPECT_FALSE(fs::exists(Path("b.XHT")));
    EXPECT_NE(other.lines[0].find("not written: only .xsb levels"), std::string::npos) << other.lines[0];
}

TEST_F(SolveCommand, AReadOnlyOrUnwritableSolutionFileStaysAsItWasWithAnError)
{
    const std::string locked = Put("locked.xsb", TwoMoves);
    Put("locked.XHT", "rrrrlllllrR\r\n");
    fs::permissions(Path("locked.XHT"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string blocked = Put("blocked.xsb", TwoMoves);
    fs::create_directory(Path("blocked.XHT"));   // a folder where the file would go: the rename fails

    const Run run = Solve({"--write", locked, blocked});
    EXPECT_EQ(run.status, 1) << "a failed write must not look like success";
    EXPECT_EQ(Contents(Path("locked.XHT")), "rrrrlllllrR\r\n");
    EXPECT_TRUE(fs::is_directory(Path("blocked.XHT")));
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_NE(run.lines[0].find("not written: Cannot write file \"" + Path("locked.XHT") + "\""), std::string::npos)
        << run.lines[0];
    EXPECT_NE(run.lines[1].find("not written: Cannot write file \"" + Path("blocked.XHT") + "\""), std::string::npos)
        << run.lines[1];
    EXPECT_EQ(run.lines[2], "solved 2 of 2");
    // No temporary file is left behind in the folder.
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(SolveCommand, AnInstalledCopyKeepsSolutionsOfUnwritableFoldersInItsStore)
{
    fs::create_directory(Path("shipped"));
    const std::string level = Put("shipped/a.xsb", TwoMoves);
    fs::permissions(Path("shipped"), fs::perms::owner_read | fs::perms::owner_exec);
    w4::Folders places;
    places.Installed = true;
    places.Settings = folder_ / "config" / "";
    places.Solutions = folder_ / "store" / "";
    const std::string stored = (places.Solutions / w4::SolutionStoreName(level)).string();

    const Run first = Solve({"--write", level}, places);
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_EQ(Contents(stored), "rR\r\n");
    EXPECT_FALSE(fs::exists(Path("shipped/a.XHT")));
    // The next run finds it there, as the game does, and keeps it.
    const Run second = Solve({"--write", level}, places);
    EXPECT_NE(second.lines[0].find("; stored solution kept (2 moves)"), std::string::npos) << second.lines[0];
    // --portable knows no store: it neither finds that one nor writes anywhere but beside the level
    // (where only root can write now).
    const Run portable = Solve({"--write", "--portable", level}, places);
    EXPECT_EQ(portable.lines[0].find("stored solution kept"), std::string::npos) << portable.lines[0];
    EXPECT_NE(portable.lines[0].find(Path("shipped/a.XHT")), std::string::npos) << portable.lines[0];
    fs::permissions(Path("shipped"), fs::perms::owner_all);
}

TEST_F(SolveCommand, ASolutionThatDoesNotReplayIsNeverWritten)
{
    auto levels = w4::solvecli::ReadLevelsOf(Put("a.xsb", TwoMoves));
    ASSERT_EQ(levels.size(), 1u);
    w4::solver::Result result;
    result.outcome = w4::solver::Outcome::Solved;
    for (const char* moves : {"rr", "RR", "r", "lR", "rRx"}) {
        result.moves = moves;
        EXPECT_EQ(w4::solvecli::DecideWrite(levels[0], result), w4::solvecli::WriteDecision::DoesNotReplay) << moves;
    }
    result.moves = "rR";
    EXPECT_EQ(w4::solvecli::DecideWrite(levels[0], result), w4::solvecli::WriteDecision::Write);
    result.outcome = w4::solver::Outcome::OutOfTime;
    EXPECT_EQ(w4::solvecli::DecideWrite(levels[0], result), w4::solvecli::WriteDecision::NotSolved);
}

TEST_F(SolveCommand, LevelsAreReadAsTheGameReadsThem)
{
    // Header lines, '-' and '_' floor, CR LF line ends, and floor outside the walls.
    const std::string path = Put("h.xsb",
                                 "Title: Two boxes\r\n"
                                 "  #####\r\n"
                                 "###-_@#\r\n"
                                 "#.$$ .#\r\n"
                                 "#######\r\n"
                                 "Author: someone\r\n");
    Put("h.XHT", "first\r\nsecond\r\n");
    const auto levels = w4::solvecli::ReadLevelsOf(path);
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].rows, (std::vector<std::string>{"  #####", "###  @#", "#.$$ .#", "#######"}));
    EXPECT_EQ(levels[0].storedSolution, "first");
    EXPECT_EQ(levels[0].solutionPath, Path("h.XHT"));
}

TEST_F(SolveCommand, TheBuiltProgramExitsWithTheStatusAShellSees)
{
    const std::string program = std::string(W4_BINARY_DIR) + "/warehaus4-solve";
    ASSERT_TRUE(fs::exists(program));
    const std::string solvable = Put("a.xsb", TwoMoves);
    const std::string lost = Put("lost.xsb", Lost);
    auto status = [&](const std::string& args) {
        const std::string command = "'" + program + "' " + args + " >'" + Path("out.txt") + "' 2>'" + Path("err.txt") + "'";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status("--optimal sometimes '" + solvable + "'"), 2);
    EXPECT_NE(Contents(Path("err.txt")).find("Usage:"), std::string::npos);
    EXPECT_EQ(status("'" + solvable + "'"), 0);
    EXPECT_EQ(Contents(Path("out.txt")).rfind(solvable + ": solved, 2 moves, 1 pushes, ", 0), 0u);
    EXPECT_TRUE(Contents(Path("err.txt")).empty()) << "no progress line when stderr is not a terminal";
    EXPECT_EQ(status("'" + solvable + "' '" + lost + "'"), 1);
    EXPECT_NE(Contents(Path("out.txt")).find("\nsolved 1 of 2\n"), std::string::npos) << Contents(Path("out.txt"));
}

} // namespace

namespace {

TEST_F(SolveCommand, ACollectionFileIsSolvedLevelByLevelAsTheImportReadsIt)
{
    // Three boards: one solvable with a stored solution, one without a keeper, one lost.
    const std::string path = Put("set.sok",
                                 "Collection: Set\n\n"
                                 "One\n######\n#@ $.#\n######\nSolution\nrR\n\n"
                                 "Broken\n####\n#$.#\n####\n\n"
                                 "Lost\n" + std::string(Lost) + "\n");
    const auto levels = w4::solvecli::ReadLevelsOf(path);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].file, path + " #1");
    EXPECT_EQ(levels[0].rows, (std::vector<std::string>{"######", "#@ $.#", "######"}));
    EXPECT_EQ(levels[0].storedSolution, "rR");
    EXPECT_EQ(levels[0].solutionPath, "");
    EXPECT_EQ(levels[1].problem, "the board has no keeper");
    EXPECT_EQ(levels[2].file, path + " #3");

    const Run run = Solve({"--time", "5", "--write", path});
    ASSERT_EQ(run.lines.size(), 4u) << run.out;
    EXPECT_EQ(run.lines[0].rfind(path + " #1: solved, 2 moves", 0), 0u) << run.lines[0];
    EXPECT_NE(run.lines[0].find("a level of a collection keeps no solution file"), std::string::npos) << run.lines[0];
    EXPECT_NE(run.lines[1].find("unreadable (the board has no keeper)"), std::string::npos) << run.lines[1];
    EXPECT_EQ(run.lines[3], "solved 1 of 3");
    EXPECT_EQ(run.status, 1);
    // Nothing was written beside the collection.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(SolveCommand, AFileWithOnePlayableBoardStillReadsAsTheGameLoadsIt)
{
    // Rows split by a blank line are one board for the game, which joins them; the part without
    // the keeper must not make the file a collection.
    const std::string path = Put("one.xsb", "######\n#@ $.#\n\n#    #\n######\nTitle: Split\n");
    const auto levels = w4::solvecli::ReadLevelsOf(path);
    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].file, path);
    EXPECT_EQ(levels[0].rows, (std::vector<std::string>{"######", "#@ $.#", "#    #", "######"}));
    EXPECT_EQ(levels[0].solutionPath, Path("one.XHT"));
    EXPECT_EQ(levels[0].collectionNumber, 0);
}

} // namespace

namespace {

// Moves first: "drRurDrdLLL" (11 moves, 5 pushes); pushes first: "drdrruulDrdLL" (13 moves, 3 pushes).
const char* const TwoWays = "#######\n#@#   #\n#  $  #\n#.    #\n#######\n";

TEST_F(SolveCommand, OptimizeShortensTheStoredSolutionAndPrintsBeforeAndAfter)
{
    const std::string level = Put("a.xsb", "#######\n#     #\n#@$  .#\n#     #\n#######\n");
    Put("a.XHT", "udRudRlrR\r\n");
    const std::string unsolved = Put("lost.xsb", Lost);
    const Run run = Solve({"--optimize", "moves", level, unsolved});
    ASSERT_EQ(run.lines.size(), 3u) << run.out;
    EXPECT_EQ(run.lines[0].rfind(level + ": improved, 9 -> 3 moves, 3 -> 3 pushes, from the stored solution, every position searched, ", 0), 0u)
        << run.lines[0];
    EXPECT_EQ(run.lines[1].rfind(unsolved + ": no solution (unsolvable)", 0), 0u) << run.lines[1];
    EXPECT_EQ(run.lines[2], "improved 1 of 2; moves 9 -> 3, pushes 3 -> 3; 1 without a solution");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Contents(Path("a.XHT")), "udRudRlrR\r\n") << "nothing is written without --write";

    std::string error;
    EXPECT_FALSE(w4::solvecli::ParseCommandLine({"--optimize", "fewest", level}, error));
    EXPECT_NE(error.find("--optimize takes moves or pushes"), std::string::npos) << error;
}

// A stored solution in groups with its pushes in lower case is still the optimizer's start.
TEST_F(SolveCommand, OptimizeStartsFromTheStoredSolutionAsTheGameReadsIt)
{
    const std::string level = Put("a.xsb", "#######\n#     #\n#@$  .#\n#     #\n#######\n");
    Put("a.XHT", "udr udr\r\nlr r\r\n");
    const Run run = Solve({"--optimize", "moves", level});
    ASSERT_EQ(run.lines.size(), 2u) << run.out;
    EXPECT_EQ(run.lines[0].rfind(level + ": improved, 9 -> 3 moves, 3 -> 3 pushes, from the stored solution, ", 0), 0u)
        << run.lines[0];
}

// --write keeps the optimizer's solution by the game's rule, fewer moves then pushes, whatever the
// measure it was shortened by; a level without a solution is solved first.
TEST_F(SolveCommand, OptimizeWritesOnlyByTheBestScoreRule)
{
    const std::string byPushes = Put("p.xsb", TwoWays);
    Put("p.XHT", "drRurDrdLLL\r\n");      // the fewest moves already: fewer pushes cost moves
    const std::string byMoves = Put("m.xsb", TwoWays);
    Put("m.XHT", "drdrruulDrdLL\r\n");    // the fewest pushes: the fewest moves are shorter
    const std::string none = Put("n.xsb", TwoWays);
    const std::string broken = Put("b.xsb", TwoWays);
    Put("b.XHT", "rrrr\r\n");              // does not solve it, so it counts as no solution

    const Run pushes = Solve({"--optimize", "pushes", "--write", byPushes});
    EXPECT_EQ(pushes.status, 0) << pushes.out;
    EXPECT_NE(pushes.lines[0].find("improved, 11 -> 13 moves, 5 -> 3 pushes"), std::string::npos) << pushes.lines[0];
    EXPECT_NE(pushes.lines[0].find("; stored solution kept (11 moves)"), std::string::npos) << pushes.lines[0];
    EXPECT_EQ(Contents(Path("p.XHT")), "drRurDrdLLL\r\n");

    const Run moves = Solve({"--optimize", "moves", "--write", byMoves, none, broken});
    EXPECT_EQ(moves.status, 0) << moves.out;
    ASSERT_EQ(moves.lines.size(), 4u) << moves.out;
    EXPECT_NE(moves.lines[0].find("improved, 13 -> 11 moves"), std::string::npos) << moves.lines[0];
    EXPECT_EQ(Contents(Path("m.XHT")), "drRurDrdLLL\r\n");
    EXPECT_EQ(Contents(Path("n.XHT")), "drRurDrdLLL\r\n");
    // Letters that do not solve the level never block a real solution, however short they are.
    EXPECT_EQ(Contents(Path("b.XHT")), "drRurDrdLLL\r\n");
    EXPECT_NE(moves.lines[1].find("from the solver's solution"), std::string::npos) << moves.lines[1];
    EXPECT_NE(moves.lines[2].find("from the solver's solution"), std::string::npos) << moves.lines[2];
}

} // namespace
