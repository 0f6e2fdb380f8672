#include "support/catalogue.h"
#include "core/fileio.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

using test::ManualClock;
using test::ReadBytes;
using test::RecordingFrontend;
using test::TempFolder;

class PlaylistTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.ProgramFolder = folder.Path / "";
        clock.Attach(g);
        g.LastOpenTime = clock.Time;
    }

    // Level files a.xsb, b.xsb, ... each titled by its letter, as the playlist.
    void MakePlaylist(int count)
    {
        g.Playlist.clear();
        for (int i = 0; i < count; ++i) {
            const std::string name(1, static_cast<char>('a' + i));
            g.Playlist.push_back(folder.Write(name + ".xsb", "#@ $.#\r\nTitle: " + name + "\r\n"));
        }
    }

    void Load()
    {
        LoadLevel(g, ui);
        RedrawBoard(g, ui);
        ui.Clear();
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    ManualClock clock;
};

TEST_F(PlaylistTest, PruningKeepsTheSameLevelCurrent)
{
    const struct {
        int Missing;
        int IndexBefore, IndexAfter;
        const char* Current;   // title of the entry then current
    } cases[] = {{2, 3, 2, "d"}, {3, 3, 0, "a"}, {4, 3, 3, "d"}, {0, 0, 0, "b"}};
    for (const auto& c : cases) {
        MakePlaylist(5);
        std::filesystem::remove(g.Playlist[static_cast<std::size_t>(c.Missing)]);
        g.LevelIndex = c.IndexBefore;
        PruneMissingEntries(g);
        SCOPED_TRACE(c.Missing);
        EXPECT_EQ(g.Playlist.size(), 4u);
        EXPECT_EQ(g.LevelIndex, c.IndexAfter);
        Load();
        EXPECT_EQ(g.LevelHeader[Title], c.Current);
    }
}

TEST_F(PlaylistTest, FileReadWithAnyLineEndAndWrittenWithCrLf)
{
    MakePlaylist(3);
    const std::string a = g.Playlist[0], b = g.Playlist[1], c = g.Playlist[2];
    folder.Write("boxyard4.lev", a + "\n" + folder.File("gone.xsb") + "\r" + "\r\n" + b + "\r\n" + c);
    g.LevelIndex = 4;   // c, behind a missing entry and an empty one
    ReadPlaylistFile(g);
    EXPECT_EQ(g.Playlist, (std::vector<std::string>{a, b, c}));
    EXPECT_EQ(g.LevelIndex, 2);
}

TEST_F(PlaylistTest, PlaylistFileRoundTrip)
{
    MakePlaylist(2);
    g.Playlist.push_back(g.Playlist[0]);   // duplicates are allowed
    WritePlaylistFile(g);
    EXPECT_EQ(ReadBytes(folder.File("boxyard4.lev")), g.Playlist[0] + "\r\n" + g.Playlist[1] + "\r\n" + g.Playlist[0] + "\r\n");
    const std::vector<std::string> written = g.Playlist;
    ReadPlaylistFile(g);
    EXPECT_EQ(g.Playlist, written);
}

TEST_F(PlaylistTest, MissingPlaylistFileGivesAnEmptyPlaylist)
{
    g.Playlist = {"stale"};
    ReadPlaylistFile(g);
    EXPECT_TRUE(g.Playlist.empty());
}

TEST_F(PlaylistTest, WritingIntoAMissingFolderFails)
{
    g.ProgramFolder = folder.Path / "missing" / "";
    EXPECT_THROW(WritePlaylistFile(g), FileError);
}

TEST_F(PlaylistTest, DefaultLevelsInOrderWithGaps)
{
    for (const char* name : {"0201", "0103", "0101", "2711", "2801"})
        folder.Write(std::string("levels/") + name + ".xsb", "#@#\r\n");
    g.Playlist = {"kept"};
    FillDefaultPlaylist(g);
    const std::string levels = (folder.Path / "levels").string();
    EXPECT_EQ(g.Playlist, (std::vector<std::string>{"kept", levels + "/0101.xsb", levels + "/0103.xsb",
                                                    levels + "/0201.xsb"}));
    EXPECT_EQ(DefaultLevelPath(g, 27, 10), levels + "/2710.xsb");
}

TEST_F(PlaylistTest, DefaultPlaylistAsksThenReplacesTheList)
{
    folder.Write("levels/0101.xsb", "#@#\r\nTitle: one\r\n");
    folder.Write("levels/0103.xsb", "#@#\r\n");
    MakePlaylist(2);
    g.LevelIndex = 1;
    Load();

    DefaultPlaylist(g, ui);   // answered No
    EXPECT_EQ(ui.Questions, (std::vector<std::string>{"Do you really want to reload default playlist ?"}));
    EXPECT_EQ(g.Playlist.size(), 2u);
    EXPECT_EQ(g.LevelIndex, 1);

    const w4::testing::CatalogueInForce french("fr");
    ui.Answers = {true};
    DefaultPlaylist(g, ui);
    EXPECT_EQ(ui.Questions.back(), "Voulez-vous réellement recharger les niveaux par défaut");
    EXPECT_EQ(g.Playlist.size(), 2u);
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(g.LevelHeader[Title], "one");
}

TEST_F(PlaylistTest, EmptyPlaylistAsksThenShowsTheEmptyLevel)
{
    MakePlaylist(3);
    Load();
    EmptyPlaylist(g, ui);
    EXPECT_EQ(g.Playlist.size(), 3u);
    const w4::testing::CatalogueInForce french("fr");
    ui.Answers = {true};
    EmptyPlaylist(g, ui);
    EXPECT_EQ(ui.Questions, (std::vector<std::string>{"Do you really want to empty playlist ?",
                                                      "Voulez-vous réellement vider la playlist"}));
    EXPECT_TRUE(g.Playlist.empty());
    EXPECT_EQ(g.LevelIndex, -1);
    EXPECT_EQ(g.LevelWidth, 0);
}

TEST_F(PlaylistTest, NavigationStopsAtTheEndsWithoutReloading)
{
    MakePlaylist(3);
    g.LevelIndex = 0;
    Load();
    MoveRight(g, ui);   // an attempt in progress
    ui.Clear();
    FirstLevel(g, ui);
    PriorLevel(g, ui);
    EXPECT_TRUE(ui.Calls.empty());

    NextLevel(g, ui);
    EXPECT_EQ(g.LevelHeader[Title], "b");
    LastLevel(g, ui);
    EXPECT_EQ(g.LevelHeader[Title], "c");
    ui.Clear();
    NextLevel(g, ui);
    LastLevel(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
    PriorLevel(g, ui);
    EXPECT_EQ(g.LevelHeader[Title], "b");
    FirstLevel(g, ui);
    EXPECT_EQ(g.LevelHeader[Title], "a");
    EXPECT_EQ(g.LevelIndex, 0);

    g.Playlist.clear();
    Load();
    FirstLevel(g, ui);
    PriorLevel(g, ui);
    NextLevel(g, ui);
    LastLevel(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(PlaylistTest, OpenShowsTheFirstFileOnlyTwoSecondsAfterTheLastOpen)
{
    MakePlaylist(2);
    g.LevelIndex = 0;
    Load();
    const std::vector<std::string> more = {folder.Write("x.xsb", "#@#\r\nTitle: x\r\n"),
                                           folder.Write("y.xsb", "#@#\r\nTitle: y\r\n")};

    clock.Advance(std::chrono::milliseconds(1999));
    OpenLevelFiles(g, ui, more);
    EXPECT_EQ(g.Playlist.size(), 4u);
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_TRUE(ui.Calls.empty());
    EXPECT_EQ(g.LastOpenTime, clock.Time);

    clock.Advance(std::chrono::seconds(2));
    OpenLevelFiles(g, ui, more);
    EXPECT_EQ(g.Playlist.size(), 6u);
    EXPECT_EQ(g.LevelIndex, 4);
    EXPECT_EQ(g.LevelHeader[Title], "x");

    clock.Advance(std::chrono::seconds(1));
    OpenLevelFiles(g, ui, more);
    EXPECT_EQ(g.Playlist.size(), 8u);
    EXPECT_EQ(g.LevelIndex, 4);

    const DateTime last = g.LastOpenTime;
    clock.Advance(std::chrono::seconds(9));
    OpenLevelFiles(g, ui, {});   // cancelled
    EXPECT_EQ(g.Playlist.size(), 8u);
    EXPECT_EQ(g.LastOpenTime, last);
}

TEST_F(PlaylistTest, CloseRemovesTheEntryAndShowsTheNextOne)
{
    MakePlaylist(3);
    g.LevelIndex = 1;
    Load();
    CloseLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_EQ(g.LevelHeader[Title], "c");
    CloseLevel(g, ui);
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(g.LevelHeader[Title], "a");
    EXPECT_TRUE(FileExists(folder.File("c.xsb")));   // the file itself stays

    CloseLevel(g, ui);
    EXPECT_TRUE(g.Playlist.empty());
    EXPECT_EQ(g.LevelIndex, -1);
    EXPECT_EQ(g.LevelWidth, 0);
    ui.Clear();
    CloseLevel(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(PlaylistTest, SaveWritesOnlyInEditorModeToAnExistingFile)
{
    MakePlaylist(1);
    g.LevelIndex = 0;
    Load();
    g.SnapshotHistory[0].Board[1][0] = '+';
    const std::string before = ReadBytes(g.Playlist[0]);

    g.GameMode = ModePlay;
    SaveLevel(g);
    EXPECT_EQ(ReadBytes(g.Playlist[0]), before);

    g.GameMode = ModeEditor;
    SaveLevel(g);
    EXPECT_EQ(ReadBytes(g.Playlist[0]), "#+ $.#\r\nTitle: a\r\n");

    std::filesystem::remove(g.Playlist[0]);
    SaveLevel(g);
    EXPECT_FALSE(FileExists(g.Playlist[0]));
}

TEST_F(PlaylistTest, SaveAsWritesTheStartPositionAndKeepsThePlaylist)
{
    g.Playlist = {folder.Write("start.xsb", "######\r\n#@ $.#\r\n######\r\n")};
    g.LevelIndex = 0;
    Load();
    MoveRight(g, ui);
    MoveRight(g, ui);
    const std::string copy = folder.File("copy.xsb");
    ASSERT_TRUE(CanSaveAs(g));
    SaveLevelAs(g, copy);
    EXPECT_EQ(ReadBytes(copy), "######\r\n#@ $.#\r\n######\r\n");
    EXPECT_EQ(g.Playlist, (std::vector<std::string>{folder.File("start.xsb")}));

    g.Playlist.clear();
    Load();
    EXPECT_FALSE(CanSaveAs(g));
}

} // namespace
} // namespace w4
