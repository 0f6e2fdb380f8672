// Reading and writing level files and their solution files, through LoadLevel as the program does.
#include "core/fileio.h"
#include "core/loading.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace w4 {
namespace {

using test::LoadText;
using test::ReadBytes;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

// After a load every cell of the grid is one the rest of the program knows.
void ExpectOnlyKnownCells(const GameState& g)
{
    for (const auto& column : g.SnapshotHistory[0].Board)
        for (const char c : column)
            ASSERT_NE(std::strchr("# X$*.@+", c), nullptr) << "cell " << int(c);
}

std::string Junk(std::size_t size)
{
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

std::string ManyLines(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += "#####\r\n";
    return bytes;
}

struct BadInput {
    const char* Name;
    std::string Bytes;
    int Width, Height;   // -1: anything up to 50
    std::string Title;
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, LoadsWithinTheGridWithTheHeaderRules)
{
    const BadInput& c = GetParam();
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder, c.Bytes);

    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_GE(g.LevelWidth, 0);
    EXPECT_LE(g.LevelWidth, MaxLevelSize);
    EXPECT_GE(g.LevelHeight, 0);
    EXPECT_LE(g.LevelHeight, MaxLevelSize);
    if (c.Width >= 0) {
        EXPECT_EQ(g.LevelWidth, c.Width);
        EXPECT_EQ(g.LevelHeight, c.Height);
        EXPECT_EQ(g.LevelHeader[Title], c.Title);
    }
    ExpectOnlyKnownCells(g);
    EXPECT_TRUE(ui.Notices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    LevelFiles, BadInputTest,
    ::testing::Values(
        BadInput{"Empty", "", 0, 0, ""},
        BadInput{"BinaryJunk", Junk(64 * 1024), -1, -1, ""},
        BadInput{"NulEndsText", std::string("#####\n#@$.#\0#####\nTitle: after\n", 30), 5, 2, ""},
        BadInput{"CrOnly", "#####\r#@$.#\r#####\rTitle: cr", 5, 3, "cr"},
        BadInput{"LfOnly", "#####\n#@$.#\n#####\nTitle: lf\n", 5, 3, "lf"},
        BadInput{"MixedLineEnds", "#####\r\n#@$.#\n#####\rTitle: mixed\r\n", 5, 3, "mixed"},
        BadInput{"OneMegabyteLine", "#" + std::string(1 << 20, ' ') + "\r\n", 50, 1, ""},
        BadInput{"HundredThousandLines", ManyLines(100000), 5, 50, ""},
        BadInput{"KeyWithoutValue", "#@#\r\nTitle: first\r\nTitle:\r\nAuthor:", 3, 1, ""},
        BadInput{"IndentedLowerCaseTitle", "#@#\r\n   title:   Corner  \r\n", 20, 2, "Corner"},
        // Saved with a UTF-8 byte-order mark, before a title or before the top wall.
        BadInput{"ByteOrderMarkBeforeTitle", "\xEF\xBB\xBFTitle: Marked\r\n#####\r\n#@$.#\r\n#####\r\n", 5, 3, "Marked"},
        BadInput{"ByteOrderMarkBeforeTopWall", "\xEF\xBB\xBF#####\r\n#@$.#\r\n#####\r\nTitle: Marked\r\n", 5, 3, "Marked"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The empty level: nothing read, nothing reachable, no message.
void ExpectEmptyLevel(const GameState& g, const RecordingFrontend& ui)
{
    EXPECT_EQ(g.LevelWidth, 0);
    EXPECT_EQ(g.LevelHeight, 0);
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_TRUE(g.StoredSolution.empty());
    for (const std::string& field : g.LevelHeader)
        EXPECT_TRUE(field.empty());
    int outside = 0;
    for (const auto& column : g.SnapshotHistory[0].Board)
        for (const char c : column)
            outside += c == 'X';
    EXPECT_EQ(outside, 2500);
    EXPECT_TRUE(ui.Notices.empty());
    EXPECT_TRUE(ui.Questions.empty());
}

TEST(LoadLevel, MissingFileFolderFifoAndEmptyEntryGiveTheEmptyLevel)
{
    TempFolder folder;
    const std::string fifo = folder.File("fifo.xsb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& entry : {folder.File("missing.xsb"), folder.Path.string(), fifo, std::string()}) {
        GameState g;
        RecordingFrontend ui;
        g.Playlist = {entry};
        LoadLevel(g, ui);
        SCOPED_TRACE(entry);
        ExpectEmptyLevel(g, ui);
        EXPECT_EQ(g.LevelIndex, 0);   // the entry stays and stays current
        EXPECT_EQ(g.Playlist.size(), 1u);
    }
}

TEST(LoadLevel, UnreadableFileGivesTheEmptyLevel)
{
    TempFolder folder;
    const std::string path = folder.Write("locked.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    ::chmod(path.c_str(), 0);
    if (::access(path.c_str(), R_OK) == 0)
        GTEST_SKIP() << "permission bits do not stop this user from reading";
    GameState g;
    RecordingFrontend ui;
    g.Playlist = {path};
    LoadLevel(g, ui);
    ExpectEmptyLevel(g, ui);
}

TEST(LoadLevel, AFileLargerThanTheCapIsRefusedWholeAndTheNoticeNamesIt)
{
    TempFolder folder;
    const std::string path = folder.Write("huge.xsb", "#####\r\n#@$.#\r\n#####\r\nTitle: Huge\r\n");
    folder.Write("huge.XHT", "R\r\n");
    std::filesystem::resize_file(path, MaxTextFileBytes + 1);
    GameState g;
    RecordingFrontend ui;
    g.Playlist = {path};
    LoadLevel(g, ui);
    EXPECT_EQ(g.LevelHeight, 0);   // nothing of it, not the first rows
    EXPECT_TRUE(g.LevelHeader[Title].empty());
    EXPECT_TRUE(g.StoredSolution.empty());
    ASSERT_EQ(ui.Notices.size(), 1u);
    EXPECT_NE(ui.Notices[0].find(path), std::string::npos);
    EXPECT_NE(ui.Notices[0].find("16.0 MiB"), std::string::npos);
}

TEST(LoadLevel, EmptyPlaylistGivesIndexMinusOneAndAllOutside)
{
    GameState g;
    RecordingFrontend ui;
    g.LevelIndex = 4;
    LoadLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, -1);
    ExpectEmptyLevel(g, ui);
}

TEST(LoadLevel, ClampsTheIndexIntoThePlaylist)
{
    TempFolder folder;
    const std::string a = folder.Write("a.xsb", "#@#\r\nTitle: A\r\n");
    const std::string b = folder.Write("b.xsb", "#@#\r\nTitle: B\r\n");
    const std::string c = folder.Write("c.xsb", "#@#\r\nTitle: C\r\n");
    GameState g;
    RecordingFrontend ui;
    g.Playlist = {a, b, c};
    g.LevelIndex = 7;
    LoadLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 2);
    EXPECT_EQ(g.LevelHeader[Title], "C");
    g.LevelIndex = -5;
    LoadLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(g.LevelHeader[Title], "A");
}

TEST(LoadLevel, StartsAFreshAttemptAndDrawsNothing)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    const std::string path = folder.Write("level.xsb", "######\r\n#@ $.#\r\n######\r\n");
    folder.Write("level.XHT", "rR\r\n");
    g.Playlist = {path};
    g.LevelIndex = 0;
    g.ClockStarted = true;
    g.LevelSolved = true;
    g.LevelInPlay = false;
    g.FilmPosition = 3;
    LoadLevel(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"StopReplay", "BarRange 1,1", "BarEnabled"}));
    EXPECT_TRUE(g.LevelInPlay);
    EXPECT_FALSE(g.ClockStarted);
    EXPECT_FALSE(g.LevelSolved);
    EXPECT_EQ(g.FilmPosition, 0);
    EXPECT_EQ(g.HistoryIndex, 0);
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_EQ(g.SnapshotHistory.size(), 1u);
    EXPECT_EQ(g.SnapshotHistory[0].Pushes, 0);
    EXPECT_EQ(g.StoredSolution, "rR");
}

TEST(RedrawBoard, FindsTheLastKeeperCountsAndRefreshes)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    g.KeeperX = 40;
    LoadText(g, ui, folder, "#######\r\n#@ $ +#\r\n#.*   #\r\n#######\r\n");
    EXPECT_EQ(g.KeeperX, 5);
    EXPECT_EQ(g.KeeperY, 1);
    EXPECT_EQ(g.BoxesOnTargets, 1);
    EXPECT_EQ(g.BoxesOffTargets, 1);
    EXPECT_EQ(g.TargetCount, 3);
    ui.Clear();
    RedrawBoard(g, ui);
    EXPECT_EQ(ui.Calls, (std::vector<std::string>{"PaintBoard", "RefreshStatus"}));
}

TEST(LevelLines, BoardRowsAndHeaderKeys)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder,
             "; a comment\r\n"
             "Level one\r\n"
             "#####\r\n"
             "#@$.#\r\n"
             "\r\n"
             "#####    \r\n"
             "Title: First\r\n"
             "TITLE:Second\r\n"
             "Titles: not a key\r\n"
             "AuthorMail: a@b.c\r\n"
             "author:\tSomeone \r\n"
             "collection:  Set\r\n"
             "DATE: 2024\r\n"
             "AuthorPage: http://x\r\n");
    EXPECT_EQ(g.LevelWidth, 9);   // trailing spaces count
    EXPECT_EQ(g.LevelHeight, 3);  // the blank line joins the two blocks
    EXPECT_EQ(RowAt(g, 1), "#@$.#XXXX");
    EXPECT_EQ(g.LevelHeader[Title], "Second");
    EXPECT_EQ(g.LevelHeader[Collection], "Set");
    EXPECT_EQ(g.LevelHeader[Date], "2024");
    EXPECT_EQ(g.LevelHeader[Author], "Someone");
    EXPECT_EQ(g.LevelHeader[AuthorMail], "a@b.c");
    EXPECT_EQ(g.LevelHeader[AuthorPage], "http://x");
}

TEST(LevelLines, CellsBeyondFiftyAreNotStored)
{
    GameState g;
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    std::vector<std::string> lines(60, std::string(50, '#') + std::string(10, '$'));
    lines[0] = "@" + std::string(59, '.');
    ApplyLevelLines(g, lines);
    EXPECT_EQ(g.LevelWidth, 50);
    EXPECT_EQ(g.LevelHeight, 50);
    EXPECT_EQ(g.SnapshotHistory[0].Board[49][0], '.');
    EXPECT_EQ(g.SnapshotHistory[0].Board[49][49], '#');
}

TEST(LevelFile, CornerReadsAndWritesBack)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    const std::string path = LoadText(g, ui, folder, "Title:Corner\r\n#####\r\n#@$.#\r\n#####\r\n");
    EXPECT_EQ(g.LevelWidth, 5);
    EXPECT_EQ(g.LevelHeight, 3);
    EXPECT_EQ(g.LevelHeader[Title], "Corner");

    const std::string expected = "#####\r\n#@$.#\r\n#####\r\nTitle: Corner\r\n";
    WriteLevelFile(g, path);
    EXPECT_EQ(ReadBytes(path), expected);
    LoadLevel(g, ui);
    WriteLevelFile(g, path);
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(LevelFile, OutsideCellsAreWrittenAsSpacesAndHeaderFieldsInOrder)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    const std::string path = LoadText(g, ui, folder,
                                      "  ###\r\n###@#\r\n#$. #\r\n#####\r\n"
                                      "AuthorPage: p\r\nDate: d\r\nTitle: t\r\n");
    ASSERT_EQ(CellAt(g, 0, 0), 'X');
    g.LevelHeader[Author] = "two\r\nlines";
    WriteLevelFile(g, path);
    EXPECT_EQ(ReadBytes(path), "  ###\r\n###@#\r\n#$. #\r\n#####\r\n"
                               "Title: t\r\nDate: d\r\nAuthor: two  lines\r\nAuthorPage: p\r\n");
}

TEST(LevelFile, EveryDefaultLevelSurvivesAWriteAndReadUnchanged)
{
    TempFolder folder;
    const std::filesystem::path levels = std::filesystem::path(W4_SOURCE_DIR) / "levels";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(levels)) {
        if (entry.path().extension() != ".xsb")
            continue;
        GameState g;
        RecordingFrontend ui;
        g.Playlist = {entry.path().string()};
        LoadLevel(g, ui);
        const BoardSnapshot original = g.SnapshotHistory[0];
        const LevelHeaderFields header = g.LevelHeader;
        const int width = g.LevelWidth, height = g.LevelHeight;

        const std::string copy = folder.File("copy.xsb");
        WriteLevelFile(g, copy);
        g.Playlist = {copy};
        LoadLevel(g, ui);
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(g.LevelWidth, width);
        EXPECT_EQ(g.LevelHeight, height);
        EXPECT_EQ(g.LevelHeader, header);
        EXPECT_TRUE(g.SnapshotHistory[0].Board == original.Board);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(SolutionFile, NamedByReplacingTheLastFourCharacters)
{
    EXPECT_EQ(SolutionFilePath("levels/0101.xsb"), "levels/0101.XHT");
    EXPECT_EQ(SolutionFilePath("/a/b/Level.XSB"), "/a/b/Level.XHT");
    EXPECT_EQ(SolutionFilePath("x.txt"), "x.XHT");
    EXPECT_EQ(SolutionFilePath("ab"), ".XHT");
}

TEST(SolutionFile, LowerCaseXsbFindsTheUpperCaseXht)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    folder.Write("level.XHT", "uuLLd\r\nignored second line\r\n");
    LoadText(g, ui, folder, "#@#\r\n", "level.xsb");
    EXPECT_EQ(g.StoredSolution, "uuLLd");
}

TEST(SolutionFile, OtherExtensionsNeverReadOne)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    folder.Write("level.XHT", "rrr\r\n");
    LoadText(g, ui, folder, "#@#\r\n", "level.txt");
    EXPECT_EQ(g.LevelWidth, 3);
    EXPECT_TRUE(g.StoredSolution.empty());
}

TEST(SolutionFile, EmptyOrMissingLeavesNoSolution)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder, "#@#\r\n", "a.xsb");
    EXPECT_TRUE(g.StoredSolution.empty());
    folder.Write("b.XHT", "");
    LoadText(g, ui, folder, "#@#\r\n", "b.xsb");
    EXPECT_TRUE(g.StoredSolution.empty());
}

TEST(SolutionFile, WrittenAsOneLineWithCrLf)
{
    TempFolder folder;
    const std::string path = folder.Write("x.XHT", "old\r\n");
    WriteSolutionFile(path, "rrUdL");
    EXPECT_EQ(ReadBytes(path), "rrUdL\r\n");
}

} // namespace
} // namespace w4
