#include "core/folders.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/levelexport.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

namespace w4 {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RecordingFrontend;
using test::TempFolder;

const char* const TwoMoveLevel = "######\r\n#@ $.#\r\n######\r\n";

// Takes every write permission away for the life of the object, and gives it back.
class ReadOnly {
public:
    explicit ReadOnly(fs::path folder) : folder_(std::move(folder))
    {
        fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ~ReadOnly() { fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add); }

private:
    fs::path folder_;
};

class FoldersTest : public ::testing::Test {
protected:
    // A prefix as an install leaves it: bin/ without data, share/warehaus4/ with it.
    void SetUp() override
    {
        fs::create_directories(tree.Path / "prefix" / "bin");
        fs::create_directories(tree.Path / "prefix" / "share" / "warehaus4" / "levels");
        in.ProgramFolder = tree.Path / "prefix" / "bin" / "";
        in.XdgConfigHome = (tree.Path / "config").string();
        in.XdgDataHome = (tree.Path / "data").string();
        in.Home = (tree.Path / "home").string();
    }

    TempFolder tree;
    FolderInputs in;
};

TEST_F(FoldersTest, AWritableFolderWithItsDataIsPortable)
{
    const fs::path copy = tree.Path / "copy" / "";
    fs::create_directories(copy / "levels");
    in.ProgramFolder = copy;
    const Folders f = ChooseFolders(in);
    EXPECT_FALSE(f.Installed);
    EXPECT_EQ(f.Data, copy);
    EXPECT_EQ(f.Settings, copy);
    EXPECT_TRUE(f.Solutions.empty());
}

TEST_F(FoldersTest, AnInstalledProgramReadsTheSharedDataAndWritesUnderXdg)
{
    const Folders f = ChooseFolders(in);
    EXPECT_TRUE(f.Installed);
    EXPECT_EQ(f.Data, tree.Path / "prefix" / "share" / "warehaus4" / "");
    EXPECT_EQ(f.Settings, tree.Path / "config" / "warehaus4" / "");
    EXPECT_EQ(f.Solutions, tree.Path / "data" / "warehaus4" / "solutions" / "");

    // Relative XDG values are not to be used: the defaults under home take their place.
    in.XdgConfigHome = "relative/config";
    in.XdgDataHome = "";
    const Folders home = ChooseFolders(in);
    EXPECT_EQ(home.Settings, tree.Path / "home" / ".config" / "warehaus4" / "");
    EXPECT_EQ(home.Solutions, tree.Path / "home" / ".local" / "share" / "warehaus4" / "solutions" / "");
}

TEST_F(FoldersTest, PortableOptionKeepsEverythingBesideTheExecutable)
{
    in.ForcePortable = true;
    const Folders f = ChooseFolders(in);
    EXPECT_FALSE(f.Installed);
    EXPECT_EQ(f.Settings, in.ProgramFolder);
}

TEST_F(FoldersTest, AReadOnlyCopyReadsItsOwnDataAndWritesUnderXdg)
{
    const fs::path copy = tree.Path / "copy" / "";
    fs::create_directories(copy / "levels");
    in.ProgramFolder = copy;
    const ReadOnly locked(copy);
    // Judged by the permission bits too, so this holds when the tests run as root.
    EXPECT_FALSE(FolderIsWritable(copy));
    const Folders f = ChooseFolders(in);
    EXPECT_TRUE(f.Installed);
    EXPECT_EQ(f.Data, copy);
    EXPECT_EQ(f.Settings, tree.Path / "config" / "warehaus4" / "");
}

// Started with no HOME and no XDG folders (a service, env -i): the installed data is still read,
// never a portable copy in the program's system folder, which holds no levels.
TEST_F(FoldersTest, WithoutAnyHomeAnInstalledProgramStillReadsItsDataAndSaysWhatIsMissing)
{
    in.XdgConfigHome.clear();
    in.XdgDataHome.clear();
    in.Home.clear();
    const Folders f = ChooseFolders(in);
    EXPECT_TRUE(f.Installed);
    EXPECT_EQ(f.Data, tree.Path / "prefix" / "share" / "warehaus4" / "");
    EXPECT_NE(f.Missing.find("HOME"), std::string::npos) << f.Missing;
    EXPECT_TRUE(f.Solutions.empty());

    in.Home = (tree.Path / "home").string();
    EXPECT_TRUE(ChooseFolders(in).Missing.empty());
}

TEST(ProcessFolderInputs, WithoutHomeTakesTheHomeOfThePasswordDatabase)
{
    const struct passwd* entry = ::getpwuid(::geteuid());
    if (entry == nullptr || entry->pw_dir == nullptr)
        GTEST_SKIP() << "this user has no entry in the password database";
    const std::string expected = entry->pw_dir;
    const char* saved = std::getenv("HOME");
    const std::string before = saved != nullptr ? saved : "";
    ::unsetenv("HOME");
    const FolderInputs in = ProcessFolderInputs("/usr/bin/", false);
    if (saved != nullptr)
        ::setenv("HOME", before.c_str(), 1);
    EXPECT_EQ(in.Home, expected);
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram)
{
    const fs::path folder = ExecutableFolder();
    EXPECT_EQ(folder, (fs::path(W4_BINARY_DIR) / "tests" / "").lexically_normal());
    EXPECT_EQ(FoldersOfThisProcess(true).Settings, folder);
}

TEST(FolderIsWritable, FoldersOnlyAndWithWriteBits)
{
    TempFolder folder;
    EXPECT_TRUE(FolderIsWritable(folder.Path));
    EXPECT_FALSE(FolderIsWritable(folder.Write("file.txt", "x")));
    EXPECT_FALSE(FolderIsWritable(folder.Path / "missing"));
}

TEST(SolutionStoreName, OneSafeNameForEachPath)
{
    const std::string a = SolutionStoreName("/usr/share/warehaus4/levels/0101.xsb");
    EXPECT_EQ(a, "%2Fusr%2Fshare%2Fwarehaus4%2Flevels%2F0101.XHT");
    // Paths that a plain replacement of the separator would merge stay apart.
    EXPECT_NE(SolutionStoreName("/a/b.xsb"), SolutionStoreName("/a%2Fb.xsb"));
    EXPECT_NE(SolutionStoreName("/a/b.xsb"), SolutionStoreName("/a_b.xsb"));
    // The same file named two ways is one solution.
    EXPECT_EQ(SolutionStoreName("/a/x/../b.xsb"), SolutionStoreName("/a/b.xsb"));
    const std::string dotted = SolutionStoreName("/../.hidden/..xsb");
    EXPECT_EQ(dotted.find('/'), std::string::npos);
    EXPECT_NE(dotted.front(), '.');

    // A very long path still gives a usable file name, and distinct ones stay distinct.
    const std::string deep = "/" + std::string(300, 'd');
    const std::string one = SolutionStoreName(deep + "/one/level.xsb");
    const std::string two = SolutionStoreName(deep + "/two/level.xsb");
    EXPECT_LE(one.size(), 200u);
    EXPECT_NE(one, two);
    EXPECT_TRUE(one.ends_with("%2Flevel.XHT")) << one;
}

// An installed run and a level in a folder it cannot write.
class SolutionStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.Now = [] { return DateTime{}; };
        g.Places.Installed = true;
        g.Places.Data = tree.Path / "share" / "";
        g.Places.Settings = tree.Path / "config" / "warehaus4" / "";
        g.Places.Solutions = tree.Path / "data" / "warehaus4" / "solutions" / "";
        level = tree.Write("share/levels/0101.xsb", TwoMoveLevel);
        next = tree.Write("share/levels/0102.xsb", "#@#\r\n");
        g.Playlist = {level, next};
    }

    void Load(int index)
    {
        g.LevelIndex = index;
        LoadLevel(g, ui);
        RedrawBoard(g, ui);
    }

    TempFolder tree;
    GameState g;
    RecordingFrontend ui;
    std::string level, next;
};

TEST_F(SolutionStoreTest, ASolutionKeptFromAReadOnlyFolderIsFoundAgain)
{
    const std::string stored = (g.Places.Solutions / SolutionStoreName(level)).string();
    {
        const ReadOnly locked(tree.Path / "share" / "levels");
        EXPECT_EQ(SolutionFilePathFor(g, level), stored);
        Load(0);
        ui.AnswerWhenEmpty = true;
        MoveRight(g, ui);
        MoveRight(g, ui);
        ASSERT_EQ(ui.Questions.size(), 1u);
        EXPECT_NE(ui.Questions[0].find("(" + stored + ")"), std::string::npos) << ui.Questions[0];
        EXPECT_EQ(ReadBytes(stored), "rR\r\n");
        EXPECT_FALSE(FileExists(SolutionFilePath(level)));

        Load(0);
        EXPECT_EQ(g.StoredSolution, "rR");
    }
    // Once the folder can be written, solutions go beside the level again; until one is written
    // there the stored one still counts.
    EXPECT_EQ(SolutionFilePathFor(g, level), SolutionFilePath(level));
    Load(0);
    EXPECT_EQ(g.StoredSolution, "rR");
}

TEST_F(SolutionStoreTest, APastedSolutionOfAReadOnlyLevelGoesToTheStore)
{
    const ReadOnly locked(tree.Path / "share" / "levels");
    Load(0);
    ui.AnswerWhenEmpty = true;
    EXPECT_TRUE(OfferToKeepSolution(g, ui, "rR"));
    EXPECT_EQ(ReadBytes((g.Places.Solutions / SolutionStoreName(level)).string()), "rR\r\n");
    EXPECT_FALSE(FileExists(SolutionFilePath(level)));
}

TEST_F(SolutionStoreTest, ASolutionShippedBesideAReadOnlyLevelIsRead)
{
    tree.Write("share/levels/0101.XHT", "rR\r\n");
    const ReadOnly locked(tree.Path / "share" / "levels");
    Load(0);
    EXPECT_EQ(g.StoredSolution, "rR");
}

TEST_F(SolutionStoreTest, APortableRunKeepsSolutionsBesideTheLevelAlways)
{
    g.Places = PortableFolders(tree.Path / "");
    const ReadOnly locked(tree.Path / "share" / "levels");
    EXPECT_EQ(SolutionFilePathFor(g, level), SolutionFilePath(level));
    EXPECT_EQ(FindSolutionFile(g, level), "");
}

TEST_F(SolutionStoreTest, SettingsAndPlaylistLiveInTheSettingsFolder)
{
    EXPECT_EQ(PlaylistFilePath(g), (tree.Path / "config" / "warehaus4" / "boxyard4.lev").string());
    EXPECT_EQ(DefaultLevelPath(g, 1, 1), (tree.Path / "share" / "levels" / "0101.xsb").string());

    // The per-user folder is made when something is written there, and only there.
    MakeFolderFor(g, (tree.Path / "elsewhere" / "file").string());
    EXPECT_FALSE(fs::exists(tree.Path / "elsewhere"));
    MakeFolderFor(g, PlaylistFilePath(g));
    WritePlaylistFile(g);
    EXPECT_EQ(ReadBytes(PlaylistFilePath(g)), level + "\r\n" + next + "\r\n");

    GameState portable;
    portable.ProgramFolder = tree.Path / "missing" / "";
    MakeFolderFor(portable, PlaylistFilePath(portable));
    EXPECT_FALSE(fs::exists(tree.Path / "missing"));
}

} // namespace
} // namespace w4
