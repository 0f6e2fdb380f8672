// The editor's level commands: their questions, save, reload, the header's OK branch, new levels
// and the editor's keys.
#include "support/catalogue.h"
#include "core/fileio.h"
#include "core/recording_frontend.h"
#include "editor/boardmouse.h"
#include "editor/editorcommands.h"
#include "editor/editorinput.h"
#include "editor/leveltransforms.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace w4 {
namespace {

using test::LoadText;
using test::ReadBytes;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

const char* const Corner = "Title: Corner\r\n#####\r\n#@$.#\r\n#####\r\n";

TEST(EditorQuestionTest, TextsInBothLanguagesNameTheFile)
{
    GameState g;
    const std::string path = "/levels/a b.xsb";
    EXPECT_EQ(NewLevelQuestion(g), "Do you really want to create a new level ?");
    EXPECT_EQ(SaveLevelQuestion(g, path), "Do you really want to apply updates ?\r\n(/levels/a b.xsb)");
    EXPECT_EQ(ReloadLevelQuestion(g), "Do you really want to cancel updates ?");
    EXPECT_EQ(SaveNowQuestion(g, path), "Do you want to save the level now ?\r\n(/levels/a b.xsb)");
    const w4::testing::CatalogueInForce french("fr");
    EXPECT_EQ(NewLevelQuestion(g), "Voulez-vous réellement créer un nouveau niveau ?");
    EXPECT_EQ(SaveLevelQuestion(g, path), "Voulez-vous réellement stocker ces modifs ?\r\n(/levels/a b.xsb)");
    EXPECT_EQ(ReloadLevelQuestion(g), "Voulez-vous réellement annuler les modifs ?");
    EXPECT_EQ(SaveNowQuestion(g, path), "Voulez-vous sauvegarder le niveau maintenant ?\r\n(/levels/a b.xsb)");
}

TEST(EditorQuestionTest, CurrentFileOnlyWithinThePlaylist)
{
    GameState g;
    EXPECT_FALSE(CurrentLevelFile(g));
    g.Playlist = {"a.xsb", "b.xsb"};
    g.LevelIndex = 1;
    EXPECT_EQ(CurrentLevelFile(g), "b.xsb");
    for (const int index : {-1, 2, 99}) {
        g.LevelIndex = index;
        EXPECT_FALSE(CurrentLevelFile(g)) << index;
    }
}

class EditorCommandTest : public ::testing::Test {
protected:
    EditorCommandTest()
    {
        g.GameMode = ModeEditor;
        path = LoadText(g, ui, folder, Corner);
        ui.Clear();
    }

    void PaintWallAt(int x, int y)
    {
        g.EditorTool = '#';
        PaintEditorTool(g, x, y);
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    std::string path;
};

TEST_F(EditorCommandTest, SaveOnYesWritesTheFrameAndHeader)
{
    PaintWallAt(3, 1);
    ui.Answers = {true};
    SaveLevelCommand(g, ui);
    ASSERT_EQ(ui.Questions, std::vector<std::string>{SaveLevelQuestion(g, path)});
    EXPECT_EQ(ReadBytes(path), "#####\r\n#@$##\r\n#####\r\nTitle: Corner\r\n");
}

TEST_F(EditorCommandTest, SaveOnNoWritesNothingAndReloadShowsTheOldLevel)
{
    PaintWallAt(3, 1);
    ui.Answers = {false};
    SaveLevelCommand(g, ui);
    EXPECT_EQ(ReadBytes(path), Corner);

    ui.Answers = {true};
    ReloadLevelCommand(g, ui);
    EXPECT_EQ(RowAt(g, 1), "#@$.#");
    EXPECT_EQ(ui.Questions.back(), ReloadLevelQuestion(g));
    EXPECT_EQ(ui.CountOf("PaintBoard"), 1);
}

TEST_F(EditorCommandTest, ReloadOnNoKeepsTheEdits)
{
    PaintWallAt(3, 1);
    ui.Answers = {false};
    ReloadLevelCommand(g, ui);
    EXPECT_EQ(RowAt(g, 1), "#@$##");
    EXPECT_EQ(ui.CountOf("PaintBoard"), 0);
}

TEST_F(EditorCommandTest, EmptyPlaylistAsksNothingAndWritesNothing)
{
    g.Playlist.clear();
    g.LevelIndex = -1;
    SaveLevelCommand(g, ui);
    LevelHeaderFields header;
    header[Author] = "Me";
    ApplyLevelHeader(g, ui, header);
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(g.LevelHeader[Author], "Me") << "the dialog's fields stay in memory";
    EXPECT_EQ(ReadBytes(path), Corner);
}

TEST_F(EditorCommandTest, HeaderOkThenYesSavesTheNewHeader)
{
    LevelHeaderFields header;
    header[Title] = "Corner 2";
    header[Author] = "Me";
    ui.Answers = {true};
    ApplyLevelHeader(g, ui, header);
    ASSERT_EQ(ui.Questions, std::vector<std::string>{SaveNowQuestion(g, path)});
    EXPECT_EQ(ReadBytes(path), "#####\r\n#@$.#\r\n#####\r\nTitle: Corner 2\r\nAuthor: Me\r\n");
}

TEST_F(EditorCommandTest, HeaderOkThenNoKeepsTheFieldsInMemoryOnly)
{
    LevelHeaderFields header;
    ui.Answers = {false};
    ApplyLevelHeader(g, ui, header);
    EXPECT_EQ(g.LevelHeader[Title], "");
    EXPECT_EQ(ReadBytes(path), Corner);
}

TEST_F(EditorCommandTest, SaveOutsideEditorModeDoesNothingAfterYes)
{
    g.GameMode = ModePlay;
    PaintWallAt(3, 1);
    ui.Answers = {true};
    SaveLevelCommand(g, ui);
    EXPECT_EQ(ReadBytes(path), Corner);
}

TEST(NewLevelTest, WritesTheTemplateAppendsAndShowsIt)
{
    TempFolder folder;
    RecordingFrontend ui;
    GameState g;
    test::ManualClock clock;
    clock.Attach(g);
    g.Playlist = {"first.xsb", "second.xsb"};
    g.LevelIndex = 0;
    clock.Advance(std::chrono::seconds(30));

    const std::string path = folder.File("new.xsb");
    CreateNewLevel(g, ui, path);
    EXPECT_EQ(ReadBytes(path), "       \r\n ##### \r\n #   # \r\n # @ # \r\n #   # \r\n ##### \r\n       \r\n");
    EXPECT_EQ(g.Playlist.size(), 3u);
    EXPECT_EQ(g.Playlist.back(), path);
    EXPECT_EQ(g.LevelIndex, 2);
    EXPECT_EQ(g.LevelWidth, 7);
    EXPECT_EQ(g.LevelHeight, 7);
    EXPECT_EQ(g.KeeperX, 3);
    EXPECT_EQ(g.KeeperY, 3);
    EXPECT_EQ(g.LastOpenTime, clock.Time);
    EXPECT_EQ(g.GameMode, ModePlay) << "the mode stays";
    EXPECT_EQ(ui.CountOf("PaintBoard"), 1);
}

TEST(NewLevelTest, AnExistingListedFileIsOverwrittenAndListedAgain)
{
    TempFolder folder;
    RecordingFrontend ui;
    GameState g;
    const std::string path = folder.Write("old.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    g.Playlist = {path};
    g.LevelIndex = 0;
    CreateNewLevel(g, ui, path);
    EXPECT_EQ(g.Playlist, (std::vector<std::string>{path, path}));
    EXPECT_EQ(g.LevelIndex, 1);
    EXPECT_EQ(RowAt(g, 3), "X# @ #X");
}

TEST(NewLevelTest, FailedWriteThrowsAndLeavesThePlaylistAndLevel)
{
    TempFolder folder;
    RecordingFrontend ui;
    GameState g;
    const std::string existing = LoadText(g, ui, folder, "#####\r\n#@$.#\r\n#####\r\n");
    ui.Clear();
    const std::string path = folder.File("missing folder/new.xsb");
    try {
        CreateNewLevel(g, ui, path);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("new.xsb"), std::string::npos) << e.what();
    }
    EXPECT_EQ(g.Playlist, std::vector<std::string>{existing});
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(RowAt(g, 1), "#@$.#");
    EXPECT_TRUE(ui.Calls.empty());
}

TEST(NewLevelTest, AReadOnlyFileIsRefusedAndKept)
{
    TempFolder folder;
    RecordingFrontend ui;
    GameState g;
    const std::string path = folder.Write("locked.xsb", "#####\r\n#@$.#\r\n#####\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    EXPECT_THROW(CreateNewLevel(g, ui, path), FileError);
    EXPECT_EQ(ReadBytes(path), "#####\r\n#@$.#\r\n#####\r\n");
    EXPECT_TRUE(g.Playlist.empty());
}

struct KeyCase {
    const char* Name;
    int Key;
    Qt::KeyboardModifiers Modifiers;
    bool Acts;
    int Width, Height;  // the frame afterwards
};

TEST(EditorKeyTest, ArrowsShiftEnterAndSpaceFitWithoutModifiers)
{
    // A 5 x 3 level inside a 7 x 5 frame: one blank cell all round.
    const KeyCase cases[] = {
        {"Left", Qt::Key_Left, Qt::NoModifier, true, 7, 5},
        {"Right", Qt::Key_Right, Qt::NoModifier, true, 7, 5},
        {"Up", Qt::Key_Up, Qt::NoModifier, true, 7, 5},
        {"Down", Qt::Key_Down, Qt::NoModifier, true, 7, 5},
        {"Enter", Qt::Key_Return, Qt::NoModifier, true, 5, 3},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true, 5, 3},
        {"Space", Qt::Key_Space, Qt::NoModifier, true, 5, 3},
        {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier, false, 7, 5},
        {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, false, 7, 5},
        {"Alt+Space", Qt::Key_Space, Qt::AltModifier, false, 7, 5},
        {"Home", Qt::Key_Home, Qt::NoModifier, false, 7, 5},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        RecordingFrontend ui;
        GameState g;
        g.GameMode = ModeEditor;
        LoadText(g, ui, folder, "       \n #####\n #@$.#\n #####\n       \n");
        // Blank the outside marks the load put round the walls, so there is a margin to fit.
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 5; ++y)
                if (g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] == 'X')
                    g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = ' ';
        ui.Clear();
        const std::string before = RowAt(g, 2);
        EXPECT_EQ(EditorKeyCommand(g, ui, c.Key, c.Modifiers), c.Acts) << c.Name;
        EXPECT_EQ(g.LevelWidth, c.Width) << c.Name;
        EXPECT_EQ(g.LevelHeight, c.Height) << c.Name;
        EXPECT_EQ(ui.CountOf("PaintBoard"), c.Acts ? 1 : 0) << c.Name;
        if (!c.Acts) {
            EXPECT_EQ(RowAt(g, 2), before) << c.Name;
        }
    }
}

TEST(EditorKeyTest, NothingWithAnEmptyPlaylistOrOutsideTheEditor)
{
    TempFolder folder;
    RecordingFrontend ui;
    GameState g;
    LoadText(g, ui, folder, "####\n#@.#\n####\n");
    ui.Clear();
    for (const int mode : {ModePlay, ModeSolution}) {
        g.GameMode = mode;
        EXPECT_FALSE(EditorKeyCommand(g, ui, Qt::Key_Left, Qt::NoModifier));
    }
    g.GameMode = ModeEditor;
    g.Playlist.clear();
    for (const int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space})
        EXPECT_FALSE(EditorKeyCommand(g, ui, key, Qt::NoModifier));
    EXPECT_EQ(g.LevelWidth, 4);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST(CenterLevelTest, NothingToFitMeansNoRedraw)
{
    RecordingFrontend ui;
    GameState g;
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    g.HistoryLength = 1;
    g.LevelWidth = 4;
    g.LevelHeight = 2;
    CenterLevel(g, ui);
    EXPECT_TRUE(ui.Calls.empty());
    EXPECT_EQ(g.LevelWidth, 4);
}

} // namespace
} // namespace w4
