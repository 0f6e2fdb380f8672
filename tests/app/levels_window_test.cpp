// The Levels window on the real main window: what it lists, how it narrows, how choosing a level
// compares with the navigation buttons, its settings; and the habitual undo keys.
#include "window_fixture.h"

#include "app/levels/flevels.h"
#include "core/fileio.h"
#include "core/levelsummary.h"
#include "render/boardpicture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using namespace w4test;

namespace {

class LevelsWindowTest : public WindowTest {
protected:
    // Opens the window with Ctrl+L and waits until every file has been read.
    TFRMLevels& OpenLevels()
    {
        Key(Qt::Key_L, Qt::ControlModifier);
        EXPECT_NE(window->Levels, nullptr);
        TFRMLevels& levels = *window->Levels;
        EXPECT_TRUE(levels.isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !levels.Model().Reading(); }, 10000));
        return levels;
    }

    static QStringList Shown(TFRMLevels& levels, int column)
    {
        QStringList texts;
        for (int row = 0; row < levels.Filter().rowCount(); ++row)
            texts << levels.Filter().index(row, column).data().toString();
        return texts;
    }

    // Everything a load and redraw leaves behind that a player could see or that later play uses.
    struct Seen {
        int LevelIndex, Width, Height, HistoryIndex, HistoryLength, FilmPosition, KeeperX, KeeperY;
        bool InPlay, Clock, Solved, FilmRunning;
        w4::LevelHeaderFields Header;
        std::string Solution;
        w4::BoardGrid Start;
        int OnTargets, OffTargets, Targets, BarMaximum, BarValue;
        QStringList Status;
        QImage Picture;
        bool operator==(const Seen&) const = default;
    };

    Seen Look()
    {
        const w4::GameState& g = G();
        Seen seen{g.LevelIndex, g.LevelWidth, g.LevelHeight, g.HistoryIndex, g.HistoryLength, g.FilmPosition,
                  g.KeeperX, g.KeeperY, g.LevelInPlay, g.ClockStarted, g.LevelSolved, window->TimerFilm->isActive(),
                  g.LevelHeader, g.StoredSolution, g.SnapshotHistory[0].Board, g.BoxesOnTargets, g.BoxesOffTargets,
                  g.TargetCount, window->myScrollBar->maximum(), window->myScrollBar->value(), {},
                  window->Picture().Image()};
        for (int panel = 0; panel < 8; ++panel)
            seen.Status << Status(panel);
        return seen;
    }
};

TEST_F(LevelsWindowTest, ListsSolvedUnsolvedMissingAndUnreadableLevelsWithTheRightCounts)
{
    CopyLevels({"0101", "0102", "0103", "0104"});
    WriteAll(folder / "levels" / "0101.XHT", "dlUrrrdLullddrUluRuulDrddrruLdlUU\r\n");   // 33 moves, 8 pushes
    WriteAll(folder / "levels" / "0103.XHT", "");               // nothing kept: not solved
    WriteAll(LevelPath("notes"), "Title: only words\r\n");
    WritePlaylist({LevelPath("0101"), LevelPath("0102"), LevelPath("0103"), LevelPath("0104"), LevelPath("notes")});
    Start();
    // Files that disappear or go bad while the game runs stay in the playlist.
    std::filesystem::remove(LevelPath("0102"));
    std::filesystem::resize_file(LevelPath("0104"), w4::MaxTextFileBytes + 1);

    TFRMLevels& levels = OpenLevels();
    ASSERT_EQ(levels.Filter().rowCount(), 5);
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColNumber), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColTitle),
              QStringList({"Microban 1", "(file missing)", "Microban 3", "(file unreadable)", "(no board in the file)"}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColFile),
              QStringList({"0101.xsb", "0102.xsb", "0103.xsb", "0104.xsb", "notes.xsb"}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColSolved), QStringList({"✔", "", "", "", ""}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColMoves), QStringList({"33", "", "", "", ""}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColPushes), QStringList({"8", "", "", "", ""}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColSize), QStringList({"6 × 7", "", "9 × 6", "", ""}));
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColBoxes), QStringList({"2", "", "2", "", ""}));
    EXPECT_EQ(levels.LBLSolved->text(), "1 of 5 solved");

    // A solution kept since the last opening is seen at the next one.
    levels.reject();
    WriteAll(folder / "levels" / "0103.XHT", "ruuLLLulDrrrrddlUruLLLddllluurRDrdLuuurDD\r\n");
    OpenLevels();
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColSolved), QStringList({"✔", "", "✔", "", ""}));
    EXPECT_EQ(levels.LBLSolved->text(), "2 of 5 solved");

    // Every caption follows the language.
    levels.reject();
    window->BTNFrancais->click();
    OpenLevels();
    EXPECT_EQ(levels.windowTitle(), "Niveaux");
    EXPECT_EQ(levels.CHKUnsolved->text(), "Pas encore résolus");
    EXPECT_EQ(levels.LBLSolved->text(), "2 sur 5 résolus");
    EXPECT_EQ(levels.Filter().headerData(w4::LevelListModel::ColTitle, Qt::Horizontal).toString(), "Titre");
    EXPECT_EQ(levels.Filter().index(1, w4::LevelListModel::ColTitle).data().toString(), "(fichier introuvable)");
}

TEST_F(LevelsWindowTest, TheFilterAndTheToggleNarrowTheList)
{
    CopyLevels({"0101", "0102", "0103", "0110", "0201"});
    WriteAll(folder / "levels" / "0110.XHT",
             "rddrruuLLrrddrruuLLrruuurrdddLLddlluuRlddlluuRRllddlluuRRddrrrruUUUddddlluuRlddrruUUdllddlluuRRRlddrruU\r\n");
    WriteAll(folder / "levels" / "0102.XHT", "rddLruulDuullddR\r\n");
    Start();
    TFRMLevels& levels = OpenLevels();
    EXPECT_TRUE(levels.EDTFilter->hasFocus());
    ASSERT_EQ(levels.Filter().rowCount(), 5);

    QTest::keyClicks(levels.EDTFilter, "microban 1");   // titles, any case
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColTitle), QStringList({"Microban 1", "Microban 10", "Microban 11"}));
    levels.CHKUnsolved->click();
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColTitle), QStringList({"Microban 1", "Microban 11"}));
    levels.EDTFilter->setText("02");                      // file names as well
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColFile), QStringList({"0201.xsb"}));
    levels.CHKUnsolved->click();
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColFile), QStringList({"0102.xsb", "0201.xsb"}));
    levels.EDTFilter->setText("no such level");
    EXPECT_EQ(levels.Filter().rowCount(), 0);
    QTest::keyClick(levels.EDTFilter, Qt::Key_Return);   // nothing to choose: the window stays
    EXPECT_TRUE(levels.isVisible());
    EXPECT_EQ(G().LevelIndex, 0);
    // The count is of the whole playlist, whatever is shown.
    EXPECT_EQ(levels.LBLSolved->text(), "2 of 5 solved");
}

TEST_F(LevelsWindowTest, ChoosingALevelLeavesTheSameStateAsTheNavigationButtons)
{
    CopyLevels({"0101", "0102", "0103", "0104"});
    WriteAll(folder / "levels" / "0103.XHT", "uu\r\n");
    WritePlaylist({LevelPath("0101"), LevelPath("0102"), LevelPath("0103"), LevelPath("0104")});

    // In play mode with the clock running, and in solution mode with the film running.
    for (const int mode : {w4::ModePlay, w4::ModeSolution}) {
        SCOPED_TRACE(mode);
        const auto begin = [&] {
            if (mode == w4::ModeSolution)
                WriteAll(folder / "levels" / "0101.XHT", "dlUrrrdLullddrUluRuulDrddrruLdlUU\r\n");
            Start();
            if (mode == w4::ModeSolution) {
                window->BTNSolution->click();
                window->BTNFilmPlay->click();
                ASSERT_TRUE(window->TimerFilm->isActive());
            }
            Play("u");   // a move: the clock runs (in play mode)
        };

        begin();
        window->BTNLevelNext->click();
        window->BTNLevelNext->click();
        const Seen byButtons = Look();
        ASSERT_EQ(byButtons.LevelIndex, 2);
        window.reset();
        std::filesystem::remove(folder / "levels" / "0101.XHT");

        // The arrow keys move through the list from the filter field; Enter plays the level.
        begin();
        TFRMLevels& levels = OpenLevels();
        EXPECT_EQ(levels.SelectedLevel(), 0) << "the level in play is selected";
        QTest::keyClick(levels.EDTFilter, Qt::Key_Down);
        QTest::keyClick(levels.EDTFilter, Qt::Key_Down);
        QTest::keyClick(levels.EDTFilter, Qt::Key_Return);
        EXPECT_FALSE(levels.isVisible());
        EXPECT_TRUE(Look() == byButtons);
        window.reset();
        std::filesystem::remove(folder / "levels" / "0101.XHT");
    }
}

TEST_F(LevelsWindowTest, EnterAndDoubleClickGoToTheChosenLevel)
{
    CopyLevels({"0101", "0102", "0103", "0104", "0105"});
    Start();
    TFRMLevels& levels = OpenLevels();

    // Typing selects the first level shown, and Enter goes there.
    QTest::keyClicks(levels.EDTFilter, "0104");
    QTest::keyClick(levels.EDTFilter, Qt::Key_Enter);
    EXPECT_FALSE(levels.isVisible());
    EXPECT_EQ(G().LevelIndex, 3);
    EXPECT_EQ(G().LevelHeader[w4::Title], "Microban 4");

    // A double click on a row.
    OpenLevels();
    EXPECT_TRUE(levels.EDTFilter->text().isEmpty()) << "the filter starts empty";
    QTableView* view = levels.GRDLevels;
    const QRect cell = view->visualRect(levels.Filter().index(1, w4::LevelListModel::ColTitle));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_FALSE(levels.isVisible());
    EXPECT_EQ(G().LevelIndex, 1);

    // The level in play chosen again: like the buttons at an end, nothing is reloaded.
    Play("u");
    ASSERT_EQ(G().HistoryIndex, 1);
    OpenLevels();
    QTest::keyClick(levels.GRDLevels, Qt::Key_Return);
    EXPECT_FALSE(levels.isVisible());
    EXPECT_EQ(G().HistoryIndex, 1);
}

TEST_F(LevelsWindowTest, SizeAndSortAreKeptInTheirOwnSection)
{
    CopyLevels({"0101", "0102", "0103"});
    Start();
    TFRMLevels& levels = OpenLevels();
    levels.resize(700, 500);
    levels.GRDLevels->sortByColumn(w4::LevelListModel::ColTitle, Qt::DescendingOrder);
    EXPECT_EQ(Shown(levels, w4::LevelListModel::ColFile), QStringList({"0103.xsb", "0102.xsb", "0101.xsb"}));
    levels.reject();
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());

    const std::string ini = ReadAll(folder / "boxyard4.ini");
    const auto section = ini.find("[LEVELLIST]");
    ASSERT_NE(section, std::string::npos);
    EXPECT_GT(section, ini.find("[SOUNDS]")) << "after the sections that were there before";
    EXPECT_NE(ini.find("Width=700\r\nHeight=500\r\nSortColumn=2\r\nSortOrder=1\r\n", section), std::string::npos);

    window.reset();
    Start();
    TFRMLevels& again = OpenLevels();
    EXPECT_EQ(again.size(), QSize(700, 500));
    EXPECT_EQ(again.GRDLevels->horizontalHeader()->sortIndicatorSection(), w4::LevelListModel::ColTitle);
    EXPECT_EQ(Shown(again, w4::LevelListModel::ColFile), QStringList({"0103.xsb", "0102.xsb", "0101.xsb"}));
    EXPECT_EQ(again.SelectedLevel(), 0) << "the level in play, wherever the sort put it";
}

TEST_F(LevelsWindowTest, PicturesArePaintedWithTheCurrentTiles)
{
    CopyLevels({"0101"});
    Start();
    TFRMLevels& levels = OpenLevels();
    const QModelIndex picture = levels.Filter().index(0, w4::LevelListModel::ColPicture);
    levels.GRDLevels->viewport()->repaint();   // asks for the picture
    ASSERT_TRUE(QTest::qWaitFor([&] { return !picture.data(Qt::DecorationRole).value<QImage>().isNull(); }, 10000));
    const QImage image = picture.data(Qt::DecorationRole).value<QImage>();
    // 6 x 7 cells fitted into 88 x 60: cells of 8 pixels.
    EXPECT_EQ(image.size(), QSize(48, 56));
    // Top-left is a wall (joined right and down), the cell outside the walls at the right is clear.
    const QImage wall = window->Picture().Tiles().IMGWalls[0b0011].scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(image.pixelColor(4, 4), wall.pixelColor(4, 4));
    EXPECT_EQ(image.pixelColor(5 * 8 + 4, 4).alpha(), 0);
}

TEST_F(LevelsWindowTest, PicturesKeptAreBoundedTheLeastRecentlyShownGoingFirst)
{
    CopyLevels({"0101", "0102", "0103", "0104", "0105"});
    Start();
    TFRMLevels& levels = OpenLevels();
    levels.hide();   // only the test asks for pictures
    const auto picture = [&](int row) {
        return levels.Filter().index(row, w4::LevelListModel::ColPicture).data(Qt::DecorationRole).value<QImage>();
    };
    // Pictures painted before the limit is lowered count too.
    for (int row = 0; row < 5; ++row)
        ASSERT_TRUE(QTest::qWaitFor([&] { return !picture(row).isNull(); }, 10000)) << row;
    levels.Model().SetThumbnailLimit(2);
    EXPECT_EQ(levels.Model().ThumbnailCount(), 2);
    // Every row asks for its picture; only the last two painted stay.
    for (int row = 0; row < 5; ++row)
        ASSERT_TRUE(QTest::qWaitFor([&] { return !picture(row).isNull(); }, 10000)) << row;
    EXPECT_EQ(levels.Model().ThumbnailCount(), 2);
    EXPECT_TRUE(picture(0).isNull()) << "the first went first";
    // Shown again, it is painted again, and the least recently shown of the others goes.
    EXPECT_FALSE(picture(4).isNull());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !picture(0).isNull(); }, 10000));
    EXPECT_EQ(levels.Model().ThumbnailCount(), 2);
    EXPECT_FALSE(picture(4).isNull());
    EXPECT_TRUE(picture(3).isNull());
}

// --- The undo keys by habit ---

TEST_F(WindowTest, CtrlZAndCtrlYUndoAndRedoLikeBackspaceAndPageDown)
{
    CopyLevels({"0102"});
    Start();
    Play("ull");
    ASSERT_EQ(G().HistoryIndex, 3);
    const auto afterKey = [&](int key, Qt::KeyboardModifiers modifiers) {
        Key(key, modifiers);
        return std::make_tuple(G().HistoryIndex, G().KeeperX, G().KeeperY, Status(1), window->myScrollBar->value(),
                               window->Picture().Image());
    };
    const auto undoneByBackspace = afterKey(Qt::Key_Backspace, Qt::NoModifier);
    const auto redoneByPageDown = afterKey(Qt::Key_PageDown, Qt::NoModifier);
    EXPECT_EQ(afterKey(Qt::Key_Z, Qt::ControlModifier), undoneByBackspace);
    EXPECT_EQ(afterKey(Qt::Key_Y, Qt::ControlModifier), redoneByPageDown);
    EXPECT_EQ(afterKey(Qt::Key_Z, Qt::ControlModifier), undoneByBackspace);
    EXPECT_EQ(afterKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), redoneByPageDown);
    EXPECT_EQ(G().HistoryIndex, 3);

    // Only with Ctrl: a plain Z or Y does nothing, and neither does Ctrl+Z in the editor.
    Key(Qt::Key_Z);
    Key(Qt::Key_Y);
    EXPECT_EQ(G().HistoryIndex, 3);
    window->BTNEditor->click();
    const w4::BoardGrid before = G().Current().Board;
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(G().HistoryIndex, 0);
    EXPECT_EQ(G().Current().Board, before);
}

} // namespace
