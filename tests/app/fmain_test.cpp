// The main window driven as a player drives it: keys through the window, dialogs answered by script.
#include "window_fixture.h"

#include "core/fileio.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>

using namespace w4test;

namespace {

std::vector<std::string> Lines(const std::string& bytes) { return w4::SplitTextLines(bytes); }

} // namespace

TEST_F(WindowTest, StartWithoutFilesFillsDefaultPlaylistAndShowsFirstLevel)
{
    CopyLevels({"0101", "0102"});
    Start();
    ASSERT_EQ(G().Playlist.size(), 2u);
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(G().GameMode, w4::ModePlay);
    EXPECT_TRUE(window->PNLPlayGame->isVisible());
    EXPECT_FALSE(window->PNLEditLevel->isVisible());
    EXPECT_FALSE(window->PNLViewFilm->isVisible());
    EXPECT_EQ(Status(0), "Level=1/2");
    EXPECT_EQ(Status(1), "Size=6x7");
    EXPECT_EQ(Status(7), "");
    EXPECT_EQ(window->windowTitle(), "Warehaus4");
}

TEST_F(WindowTest, DefaultLevelPlayedToTheEndCongratulatesAndGoesOn)
{
    CopyLevels({"0101", "0102"});
    Start();
    const std::string solution = SolveLevel(LevelPath("0101"));
    ASSERT_FALSE(solution.empty());
    int pushes = 0;
    for (char c : solution)
        pushes += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;

    dialogs.Answers = {false};   // do not store the solution
    Play(solution);

    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0], QStringLiteral("CONGRATULATIONS !!!\r\n\r\nMOVE = %1\r\nPUSH = %2\r\nTIME = 00:00")
                                      .arg(solution.size())
                                      .arg(pushes));
    // The best-score question names the solution file beside the level.
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].endsWith("0101.XHT)"));
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(Status(0), "Level=2/2");
    EXPECT_EQ(Status(2), "Move=0/0");
    EXPECT_TRUE(G().LevelInPlay);
    EXPECT_TRUE(window->myScrollBar->isEnabled());
}

TEST_F(WindowTest, SolvedLastLevelBlocksArrowsUntilCtrlEnterReloads)
{
    CopyLevels({"0101"});
    Start();
    Play(SolveLevel(LevelPath("0101")));
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_FALSE(G().LevelInPlay);
    EXPECT_FALSE(window->myScrollBar->isEnabled());
    const int length = G().HistoryLength;

    Key(Qt::Key_Left);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(G().HistoryLength, length);
    EXPECT_EQ(G().HistoryIndex, length - 1);

    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(G().LevelInPlay);
    EXPECT_EQ(G().HistoryLength, 1);
    Key(Qt::Key_Right);
    EXPECT_EQ(G().HistoryLength, 2);
}

TEST_F(WindowTest, NextOnLastAndPriorOnFirstKeepTheAttempt)
{
    CopyLevels({"0101", "0102"});
    Start();
    Key(Qt::Key_Right);
    Key(Qt::Key_PageUp, Qt::ControlModifier);           // Prior on the first
    window->BTNLevelPrior->click();
    window->BTNLevelFirst->click();
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(G().HistoryLength, 2);

    Key(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(G().LevelIndex, 1);
    Key(Qt::Key_Left);
    const int length = G().HistoryLength;
    Key(Qt::Key_PageDown, Qt::ControlModifier);         // Next on the last
    window->BTNLevelNext->click();
    window->BTNLevelLast3->click();
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(G().HistoryLength, length);
}

// The key table of play mode, from a position three moves into level 2 of 3.
struct KeyCase {
    const char* Name;
    int Key;
    Qt::KeyboardModifiers Modifiers;
    int LevelIndex;
    int HistoryIndex;
    int HistoryLength;
};

class PlayKeyTest : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PlayKeyTest, KeyGivesItsCommand)
{
    CopyLevels({"0101", "0102", "0103"});
    Start();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(G().LevelIndex, 1);
    // 0102: a keeper with room to walk right and back.
    const std::string walk = "rlr";
    Play(walk);
    ASSERT_EQ(G().HistoryLength, 4) << "level 0102 should allow three steps";

    const KeyCase& c = GetParam();
    Key(c.Key, c.Modifiers);
    EXPECT_EQ(G().LevelIndex, c.LevelIndex);
    EXPECT_EQ(G().HistoryIndex, c.HistoryIndex);
    EXPECT_EQ(G().HistoryLength, c.HistoryLength);
    EXPECT_EQ(window->myScrollBar->value(), G().HistoryIndex + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Play, PlayKeyTest,
    ::testing::Values(KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, 1, 0, 4},
                      KeyCase{"PageUp", Qt::Key_PageUp, Qt::NoModifier, 1, 2, 4},
                      KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, 1, 2, 4},
                      KeyCase{"CtrlBackspace", Qt::Key_Backspace, Qt::ControlModifier, 1, 3, 4},
                      KeyCase{"ShiftHome", Qt::Key_Home, Qt::ShiftModifier, 1, 3, 4},
                      KeyCase{"PageDownAtNewest", Qt::Key_PageDown, Qt::NoModifier, 1, 3, 4},
                      KeyCase{"CtrlHome", Qt::Key_Home, Qt::ControlModifier, 0, 0, 1},
                      KeyCase{"CtrlPageUp", Qt::Key_PageUp, Qt::ControlModifier, 0, 0, 1},
                      KeyCase{"CtrlPageDown", Qt::Key_PageDown, Qt::ControlModifier, 2, 0, 1},
                      KeyCase{"CtrlEnd", Qt::Key_End, Qt::ControlModifier, 2, 0, 1},
                      KeyCase{"CtrlReturn", Qt::Key_Return, Qt::ControlModifier, 1, 0, 1},
                      KeyCase{"CtrlKeypadEnter", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, 1, 0, 1},
                      KeyCase{"CtrlSpace", Qt::Key_Space, Qt::ControlModifier, 1, 0, 1},
                      KeyCase{"PlainReturn", Qt::Key_Return, Qt::NoModifier, 1, 3, 4},
                      KeyCase{"AltShiftLeftStillMoves", Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier, 1, 4, 5},
                      KeyCase{"KeypadLeftMoves", Qt::Key_Left, Qt::KeypadModifier, 1, 4, 5}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.Name); });

TEST_F(WindowTest, UndoThenHomeEndWalkTheHistory)
{
    CopyLevels({"0102"});
    Start();
    Play("rlr");
    Key(Qt::Key_Home);
    EXPECT_EQ(Status(2), "Move=0/3");
    Key(Qt::Key_End);
    EXPECT_EQ(Status(2), "Move=3/3");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Status(2), "Move=1/3");
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Status(2), "Move=2/3");
}

TEST_F(WindowTest, SolutionModeIgnoresPlayKeys)
{
    CopyLevels({"0101", "0102"});
    WriteSettings("[MAINFORM]\r\nMode=3\r\n");
    Start();
    ASSERT_EQ(G().GameMode, w4::ModeSolution);
    EXPECT_TRUE(window->PNLViewFilm->isVisible());
    EXPECT_TRUE(window->BTNSolution->isChecked());
    for (int key : {int(Qt::Key_Left), int(Qt::Key_Right), int(Qt::Key_Home), int(Qt::Key_End), int(Qt::Key_F2)})
        Key(key);
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(G().HistoryLength, 1);
    EXPECT_EQ(G().LevelIndex, 0);
}

TEST_F(WindowTest, ModeButtonReloadsEvenTheActiveMode)
{
    CopyLevels({"0102"});
    Start();
    Play("rl");
    window->BTNPlay->click();
    EXPECT_EQ(G().HistoryLength, 1);

    window->BTNEditor->click();
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_TRUE(window->PNLEditLevel->isVisible());
    EXPECT_FALSE(window->PNLPlayGame->isVisible());
    EXPECT_TRUE(window->BTNEditor->isChecked());
    EXPECT_FALSE(window->BTNPlay->isChecked());
}

TEST_F(WindowTest, StatusPanelsShowPlaceMovesAndTime)
{
    CopyLevels({"0102"});
    // Fifty entries, duplicates allowed; the third is current.
    WritePlaylist(std::vector<std::string>(50, LevelPath("0102")));
    WriteSettings("[LEVEL]\r\nIndex=2\r\n");
    Start();
    EXPECT_EQ(Status(0), "Level=3/50");
    EXPECT_EQ(Status(4), "Time=00:00");

    const w4::DateTime start = now;
    std::string walk;
    for (int i = 0; i < 15; ++i)
        walk += (i % 2 == 0) ? 'r' : 'l';
    Play(walk);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    now = start + std::chrono::seconds(67);
    window->TimerStatusTimer();
    EXPECT_EQ(Status(2), "Move=12/15");
    EXPECT_EQ(Status(3), "Push=0");
    EXPECT_EQ(Status(4), "Time=01:07");
    EXPECT_EQ(Status(5).left(5), "Done=");
    now = start + std::chrono::seconds(6000);
    window->TimerStatusTimer();
    EXPECT_EQ(Status(4), "Time=100:00");
    EXPECT_TRUE(window->TimerStatus->isActive());
}

TEST_F(WindowTest, StartUpDropsMissingEntriesAndKeepsTheSameLevel)
{
    CopyLevels({"0101", "0102", "0103", "0104", "0105"});
    const std::vector<std::string> entries = {LevelPath("0101"), LevelPath("0102"), LevelPath("0103"),
                                              LevelPath("0104"), LevelPath("0105")};
    WritePlaylist(entries);
    WriteSettings("[LEVEL]\r\nIndex=3\r\n");
    std::filesystem::remove(entries[2]);
    Start();
    ASSERT_EQ(G().Playlist.size(), 4u);
    EXPECT_EQ(G().LevelIndex, 2);
    EXPECT_EQ(G().Playlist[2], entries[3]);
}

TEST_F(WindowTest, StartUpWithTheCurrentEntryMissingGoesToTheFirst)
{
    CopyLevels({"0101", "0102", "0103", "0104", "0105"});
    const std::vector<std::string> entries = {LevelPath("0101"), LevelPath("0102"), LevelPath("0103"),
                                              LevelPath("0104"), LevelPath("0105")};
    WritePlaylist(entries);
    WriteSettings("[LEVEL]\r\nIndex=3\r\n");
    std::filesystem::remove(entries[3]);
    Start();
    EXPECT_EQ(G().Playlist.size(), 4u);
    EXPECT_EQ(G().LevelIndex, 0);
}

TEST_F(WindowTest, PlaylistOfOnlyMissingFilesFallsBackToDefaults)
{
    CopyLevels({"0101"});
    WritePlaylist({(folder / "gone.xsb").string(), ""});
    Start();
    ASSERT_EQ(G().Playlist.size(), 1u);
    EXPECT_EQ(G().Playlist[0], LevelPath("0101"));
}

TEST_F(WindowTest, CommandLineLevelsAreAppendedAndTheCurrentLevelStays)
{
    CopyLevels({"0101", "0102"});
    WritePlaylist({LevelPath("0101"), LevelPath("0102")});
    WriteSettings("[LEVEL]\r\nIndex=1\r\n");
    Start({QString::fromStdString(LevelPath("0101")), QStringLiteral("notes.txt"),
           QString::fromStdString(folder.string() + "other.XSB")});
    ASSERT_EQ(G().Playlist.size(), 4u);
    EXPECT_EQ(G().Playlist[3], folder.string() + "other.XSB");
    EXPECT_EQ(G().LevelIndex, 1);
}

TEST_F(WindowTest, OpenTwiceWithinTwoSecondsOnlyAppends)
{
    CopyLevels({"0101", "0102", "0103"});
    Start();
    const w4::DateTime start = G().LastOpenTime;
    now = start + std::chrono::seconds(5);
    dialogs.FilesToOpen = {{QString::fromStdString(LevelPath("0102"))}, {QString::fromStdString(LevelPath("0101"))}};
    window->MenuItem("MNUFileOpen")->trigger();
    EXPECT_EQ(G().Playlist.size(), 4u);
    EXPECT_EQ(G().LevelIndex, 3);

    now = start + std::chrono::seconds(6);
    window->MenuItem("POPFileOpen")->trigger();
    EXPECT_EQ(G().Playlist.size(), 5u);
    EXPECT_EQ(G().LevelIndex, 3);

    window->MenuItem("MNUFileOpen")->trigger();   // cancelled: nothing changes
    EXPECT_EQ(G().Playlist.size(), 5u);
}

TEST_F(WindowTest, CloseOnTheOnlyEntryLeavesTheEmptyLevel)
{
    CopyLevels({"0101"});
    Start();
    window->MenuItem("MNUFileClose")->trigger();
    EXPECT_TRUE(G().Playlist.empty());
    EXPECT_EQ(G().LevelIndex, -1);
    EXPECT_EQ(Status(0), "Level=0/0");
    EXPECT_EQ(Status(1), "Size=0x0");
    EXPECT_TRUE(dialogs.Questions.isEmpty());
    EXPECT_TRUE(std::filesystem::exists(LevelPath("0101")));
}

TEST_F(WindowTest, DefaultPlaylistTakesThePresentLevelsInOrder)
{
    CopyLevels({"0101", "0103", "0201"});
    WritePlaylist({LevelPath("0201")});
    Start();
    ASSERT_EQ(G().Playlist.size(), 1u);

    window->MenuItem("MNUFileDefaultPlaylist")->trigger();   // answered No
    EXPECT_EQ(G().Playlist.size(), 1u);

    dialogs.Answers = {true};
    window->MenuItem("POPFileDefaultPlaylist")->trigger();
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{LevelPath("0101"), LevelPath("0103"), LevelPath("0201")}));
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(dialogs.Questions.last(), "Do you really want to reload default playlist ?");
}

TEST_F(WindowTest, EmptyPlaylistAsksAndEmpties)
{
    CopyLevels({"0101", "0102"});
    Start();
    dialogs.Answers = {true};
    window->MenuItem("MNUFileEmptyPlaylist")->trigger();
    EXPECT_EQ(dialogs.Questions.last(), "Do you really want to empty playlist ?");
    EXPECT_TRUE(G().Playlist.empty());
    EXPECT_EQ(Status(0), "Level=0/0");
}

TEST_F(WindowTest, NoToTheQuitQuestionKeepsEverything)
{
    CopyLevels({"0102"});
    Start();
    Play("rl");
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.Questions.last(), "Do you really want to quit Warehaus4 ?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(G().HistoryLength, 3);
    EXPECT_FALSE(std::filesystem::exists(folder / "boxyard4.lev"));
    EXPECT_FALSE(std::filesystem::exists(folder / "boxyard4.ini"));
    EXPECT_TRUE(window->TimerStatus->isActive());
}

TEST_F(WindowTest, YesToTheQuitQuestionWritesSettingsAndPlaylist)
{
    CopyLevels({"0101", "0102"});
    Start();
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    dialogs.Answers = {true};
    window->MenuItem("MNUFileQuit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadAll(folder / "boxyard4.lev"), LevelPath("0101") + "\r\n" + LevelPath("0102") + "\r\n");
    const std::string ini = ReadAll(folder / "boxyard4.ini");
    EXPECT_NE(ini.find("Index=1"), std::string::npos);
    EXPECT_FALSE(window->TimerStatus->isActive());
}

TEST_F(WindowTest, EscapeAsksToQuit)
{
    CopyLevels({"0101"});
    Start();
    Key(Qt::Key_Escape);
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(window->isVisible());
    dialogs.Answers = {true};
    Key(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder / "boxyard4.lev"));
}

TEST_F(WindowTest, UnwritableSettingsKeepTheWindowOpenAndNameTheFile)
{
    CopyLevels({"0101"});
    Start();
    // A folder where the settings file should be: no write can replace it.
    std::filesystem::create_directory(folder / "boxyard4.ini");
    dialogs.Answers = {true};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("boxyard4.ini")) << dialogs.Errors[0].toStdString();
    // The playlist is written on its own all the same.
    EXPECT_TRUE(std::filesystem::exists(folder / "boxyard4.lev"));
    EXPECT_TRUE(window->TimerStatus->isActive());

    // Once the obstacle is gone the next quit succeeds.
    std::filesystem::remove(folder / "boxyard4.ini");
    dialogs.Answers = {true};
    EXPECT_TRUE(window->close());
}

TEST_F(WindowTest, UnwritablePlaylistKeepsTheWindowOpen)
{
    CopyLevels({"0101"});
    Start();
    std::filesystem::create_directory(folder / "boxyard4.lev");
    dialogs.Answers = {true};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("boxyard4.lev")) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, FailedSaveAsIsReportedAndTheGameGoesOn)
{
    CopyLevels({"0102"});
    Start();
    const std::string target = (folder / "missing" / "copy.xsb").string();
    dialogs.FileToSave = {QString::fromStdString(target)};
    window->MenuItem("MNUFileSaveAs")->trigger();
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("copy.xsb")) << dialogs.Errors[0].toStdString();
    Key(Qt::Key_Right);
    EXPECT_EQ(G().HistoryLength, 2);
}

TEST_F(WindowTest, SaveAsWritesTheStartPositionAndKeepsThePlaylist)
{
    CopyLevels({"0102"});
    Start();
    Play("rl");
    const std::string target = (folder / "copy.xsb").string();
    dialogs.FileToSave = {QString::fromStdString(target)};
    window->MenuItem("POPFileSaveAs")->trigger();
    ASSERT_TRUE(std::filesystem::exists(target));
    const std::vector<std::string> copied = Lines(ReadAll(target));
    const std::vector<std::string> original = Lines(ReadAll(LevelPath("0102")));
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(copied.front(), original.front());
    EXPECT_EQ(G().Playlist, std::vector<std::string>{LevelPath("0102")});
}

TEST_F(WindowTest, AboutNamesProgramVersionAndAuthor)
{
    CopyLevels({"0101"});
    Start();
    window->MenuItem("MNUHelpAbout")->trigger();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    const QStringList lines = dialogs.Notices[0].split("\r\n");
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], "Program : Warehaus4");
    EXPECT_EQ(lines[2], "Version : 4.2.2");
    EXPECT_EQ(lines[3], "Date : 2006-07-29 (yyyy-mm-dd)");
    EXPECT_TRUE(lines[4].startsWith("E-Mail : ") && lines[4].size() > 9);
    EXPECT_TRUE(dialogs.Notices[0].contains("David W. Skinner"));

    window->BTNFrancais->click();
    window->MenuItem("POPHelpAbout")->trigger();
    EXPECT_TRUE(dialogs.Notices[1].startsWith("Programme : Warehaus4\r\nAuteur : "));
    EXPECT_TRUE(dialogs.Notices[1].contains("SiteWeb : "));
}

TEST_F(WindowTest, ButtonsAndBarsNeverTakeTheKeyboardFocus)
{
    CopyLevels({"0101"});
    Start();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QScrollBar*>(w)) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }
    }
}

TEST_F(WindowTest, BothMenusCarryTheSameItems)
{
    CopyLevels({"0101"});
    Start();
    const QList<QAction*> actions = window->findChildren<QAction*>();
    int paired = 0;
    for (QAction* action : actions) {
        const QString name = action->objectName();
        if (!name.startsWith("MNU"))
            continue;
        QAction* twin = window->MenuItem("POP" + name.mid(3));
        ASSERT_NE(twin, nullptr) << name.toStdString();
        EXPECT_EQ(twin->text(), action->text()) << name.toStdString();
        ++paired;
    }
    EXPECT_GE(paired, 42);
}
