// Files from outside the window: a later start's arguments, the first start's command line, drops.
#include "app/desktop/handover.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <fstream>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

// Records what the core asks of the window; answers nothing.
class Recorder : public w4::Frontend {
public:
    void DrawCell(int, int) override {}
    void PaintBoard() override { ++paints; }
    void RefreshStatus() override {}
    void PlaySample(w4::Sample) override {}
    void SetHistoryBarRange(int, int) override {}
    void SetHistoryBarPosition(int) override {}
    void EnableHistoryBar(bool) override {}
    void StopReplayTimer() override {}
    bool AskQuestion(const std::string&) override { return false; }
    void ShowNotice(const std::string&) override {}
    int paints = 0;
};

w4::GameState WithPlaylist(Paths playlist, int index)
{
    w4::GameState g;
    g.Playlist = std::move(playlist);
    g.LevelIndex = index;
    return g;
}

TEST(LevelExtension, AnyLetterCaseOfXsbAtTheEnd)
{
    struct Case {
        const char* path;
        bool level;
    };
    const Case cases[] = {
        {"/levels/a.xsb", true},     {"/levels/A.XSB", true},   {"b.XsB", true},
        {".xsb", true},              {"/levels/a.txt", false},  {"/levels/a.xsb.txt", false},
        {"/levels/xsb", false},      {"/levels/a.xs", false},   {"/levels/a.xsb ", false},
        {"/levels.xsb/readme", false}, {"", false},             {"sb", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w4::HasLevelExtension(c.path), c.level) << c.path;
}

TEST(HandedOverFile, AppendedWhateverItsTypeAndMadeCurrent)
{
    w4::GameState g = WithPlaylist({"/l/one.xsb", "/l/two.xsb"}, 0);
    w4::AppendHandedOverFile(g, "/l/three.xsb");
    w4::AppendHandedOverFile(g, "/tmp/notes.txt");
    EXPECT_EQ(g.Playlist, (Paths{"/l/one.xsb", "/l/two.xsb", "/l/three.xsb", "/tmp/notes.txt"}));
    EXPECT_EQ(g.LevelIndex, 3);
}

TEST(HandedOverFile, LongPathKeptWhole)
{
    // A path well past the old 255-character buffers must not be cut into another file's name.
    const std::string path = "/levels/" + std::string(300, 'a') + ".xsb";
    w4::GameState g = WithPlaylist({}, -1);
    w4::AppendHandedOverFile(g, path);
    ASSERT_EQ(g.Playlist.size(), 1u);
    EXPECT_EQ(g.Playlist[0], path);
    EXPECT_EQ(g.LevelIndex, 0);
}

TEST(DroppedFiles, LevelFilesAppendedAndTheFirstOfThemShown)
{
    w4::GameState g = WithPlaylist({"/l/a.xsb", "/l/b.xsb"}, 0);
    w4::AppendDroppedFiles(g, {"/d/first.xsb", "/d/second.txt", "/d/THIRD.XSB"});
    EXPECT_EQ(g.Playlist, (Paths{"/l/a.xsb", "/l/b.xsb", "/d/first.xsb", "/d/THIRD.XSB"}));
    EXPECT_EQ(g.LevelIndex, 2);
}

TEST(DroppedFiles, OnlyOtherFilesShowTheLastEntry)
{
    w4::GameState g = WithPlaylist({"/l/a.xsb", "/l/b.xsb", "/l/c.xsb"}, 0);
    w4::AppendDroppedFiles(g, {"/d/picture.png", "/d/readme.txt"});
    EXPECT_EQ(g.Playlist.size(), 3u);
    EXPECT_EQ(g.LevelIndex, 2);

    w4::GameState empty = WithPlaylist({}, 0);
    w4::AppendDroppedFiles(empty, {"/d/readme.txt"});
    EXPECT_TRUE(empty.Playlist.empty());
    EXPECT_EQ(empty.LevelIndex, -1);
}

TEST(CommandLine, LevelFilesAppendedWhileTheRestoredLevelStaysCurrent)
{
    w4::GameState g = WithPlaylist({"/l/a.xsb", "/l/b.xsb", "/l/c.xsb"}, 1);
    EXPECT_TRUE(w4::AppendCommandLineFiles(g, {"/c/new.xsb", "/c/notes.txt", "/c/Other.Xsb"}));
    EXPECT_EQ(g.Playlist, (Paths{"/l/a.xsb", "/l/b.xsb", "/l/c.xsb", "/c/new.xsb", "/c/Other.Xsb"}));
    EXPECT_EQ(g.LevelIndex, 1);
}

TEST(CommandLine, NoArgumentsAskForNoLoad)
{
    w4::GameState g = WithPlaylist({"/l/a.xsb"}, 0);
    EXPECT_FALSE(w4::AppendCommandLineFiles(g, {}));
    // Any argument asks for the load, even when none of them is a level.
    EXPECT_TRUE(w4::AppendCommandLineFiles(g, {"/c/notes.txt"}));
    EXPECT_EQ(g.Playlist, (Paths{"/l/a.xsb"}));
}

class LoadedHandOver : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string WriteLevel(const QString& name, const std::string& rows)
    {
        const std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
        std::ofstream(path, std::ios::binary) << rows;
        return path;
    }

    QTemporaryDir dir;
    Recorder ui;
};

TEST_F(LoadedHandOver, HandedOverLevelIsLoadedAndDrawn)
{
    const std::string small = WriteLevel("small.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    w4::GameState g = WithPlaylist({"/nowhere/old.xsb"}, 0);
    w4::ReceiveHandedOverFile(g, ui, small);
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_EQ(g.LevelWidth, 5);
    EXPECT_EQ(g.LevelHeight, 3);
    EXPECT_GE(ui.paints, 1);
}

TEST_F(LoadedHandOver, CommandLineWithOnlyOtherFilesStillReloadsTheCurrentLevel)
{
    const std::string wide = WriteLevel("wide.xsb", "#######\r\n#@ $ .#\r\n#######\r\n");
    w4::GameState g = WithPlaylist({wide}, 0);
    w4::ReceiveCommandLineFiles(g, ui, {"/c/notes.txt"});
    EXPECT_EQ(g.LevelWidth, 7);
    EXPECT_GE(ui.paints, 1);

    Recorder quiet;
    w4::ReceiveCommandLineFiles(g, quiet, {});
    EXPECT_EQ(quiet.paints, 0);
}

TEST_F(LoadedHandOver, DropOfOtherFilesLoadsTheLastEntry)
{
    const std::string first = WriteLevel("first.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    const std::string last = WriteLevel("last.xsb", "#######\r\n#@ $ .#\r\n#######\r\n");
    w4::GameState g = WithPlaylist({first, last}, 0);
    w4::ReceiveDroppedFiles(g, ui, {"/d/readme.txt"});
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_EQ(g.LevelWidth, 7);
}

TEST(PlaylistPaths, RelativeNamesMadeAbsoluteAgainstTheCurrentFolder)
{
    const std::string here = QFile::encodeName(QDir::currentPath()).toStdString();
    EXPECT_EQ(w4::PlaylistPath(QStringLiteral("sub/../level.xsb")), here + "/level.xsb");
    EXPECT_EQ(w4::PlaylistPath(QStringLiteral("/abs/level.xsb")), "/abs/level.xsb");
    EXPECT_EQ(w4::PlaylistPath(QString()), "");
    EXPECT_EQ(w4::PlaylistPath(QStringLiteral("/n/\u00e9t\u00e9.xsb")), "/n/\xc3\xa9t\xc3\xa9.xsb");
}

TEST(PlaylistPaths, DropKeepsLocalFilesInOrder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/d/b.xsb")), QUrl(QStringLiteral("https://example.org/c.xsb")),
                  QUrl::fromLocalFile(QStringLiteral("/d/a b.XSB"))});
    EXPECT_EQ(w4::DroppedLocalFiles(data), (Paths{"/d/b.xsb", "/d/a b.XSB"}));

    // A name in Windows-1252 arrives percent-encoded and keeps its byte.
    data.setUrls({QUrl::fromEncoded("file:///d/caf%E9.xsb")});
    EXPECT_EQ(w4::DroppedLocalFiles(data), (Paths{"/d/caf\xe9.xsb"}));
    EXPECT_EQ(w4::PlaylistPath(QByteArray("/n/./caf\xe9.xsb")), "/n/caf\xe9.xsb");
}

} // namespace
