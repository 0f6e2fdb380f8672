// The editor's live solvability check as the author reads it: in the language chosen, also when
// it changes under a verdict, and whole, in the board's margin or elided in its panel with the
// full line on hover.
#include "window_fixture.h"

#include "app/window/boardview.h"
#include "editor/boardmouse.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace w4test;

namespace {

const std::string Room = "#######\r\n"
                         "#     #\r\n"
                         "#@$  .#\r\n"
                         "#     #\r\n"
                         "#######\r\n";

class EditorCheckWindowTest : public WindowTest {
protected:
    void StartEditing()
    {
        WriteAll(LevelPath("room"), Room);
        WritePlaylist({LevelPath("room")});
        Start();
        window->BTNEditor->click();
        ASSERT_EQ(G().GameMode, w4::ModeEditor);
    }
    void Paint(QPushButton* tool, int column, int row)
    {
        tool->click();
        const w4::BoardHit hit =
            w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
        const QPoint cell(hit.Left + (2 * column + 1) * hit.Width / (2 * G().LevelWidth),
                          hit.Top + (2 * row + 1) * hit.Height / (2 * G().LevelHeight));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->IMGSokoban->mapTo(window.get(), cell));
    }
    QString Line() const { return window->StatusText(7); }
    QLabel* Panel() const { return window->findChild<QLabel*>(QStringLiteral("StatusPanel7")); }
};

TEST_F(EditorCheckWindowTest, TheVerdictFollowsTheLanguageAlsoWhenShown)
{
    StartEditing();
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Solvable in 3 pushes (3 moves)"), 60000);
    const std::uint64_t started = window->LiveChecksStarted();
    window->BTNFrancais->click();
    EXPECT_EQ(Line(), QStringLiteral("Soluble en 3 poussées (3 mouvements)"));
    EXPECT_EQ(window->LiveChecksStarted(), started) << "the same board is not checked again";

    // A second box: checked in French, and the verdict comes in French.
    Paint(window->IMGChooseBox1, 4, 1);
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Pas encore valide : pas autant de caisses que de cibles"), 60000);
    window->BTNEnglish->click();
    EXPECT_EQ(Line(), QStringLiteral("Not valid yet: boxes and targets differ"));

    // One push, one move: said in the singular.
    Paint(window->IMGChooseBack, 4, 1);
    Paint(window->IMGChooseBack, 5, 2);
    Paint(window->IMGChooseTarget, 3, 2);
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Solvable in 1 push (1 move)"), 60000);
}

TEST_F(EditorCheckWindowTest, TheVerdictShowsWholeInTheMarginElseElidedWithTheLineOnHover)
{
    StartEditing();
    window->resize(1000, 700);
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Solvable in 3 pushes (3 moves)"), 60000);
    QCoreApplication::processEvents();
    // A small board leaves a margin: the whole line is there, clear of the board.
    const QRect margin = window->HelpMessageRect();
    ASSERT_FALSE(margin.isEmpty());
    QFont bold = window->IMGSokoban->font();
    bold.setBold(true);
    EXPECT_GE(margin.width(), QFontMetrics(bold).horizontalAdvance(Line()));

    // Stretched over the whole area, no margin is left: the panel carries it.
    window->MenuItem(QStringLiteral("MNUDisplayForegroundStretched"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->HelpMessageRect().isEmpty());
    QLabel* panel = Panel();
    ASSERT_NE(panel, nullptr);
    // The panel takes the rest of a wide row, so the line fits whole...
    EXPECT_EQ(panel->text(), Line());
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());

    // ...and on a narrower window it is elided, never cut, with the whole line on hover.
    window->resize(800, 600);
    QCoreApplication::processEvents();
    ASSERT_GT(panel->width(), 20);
    EXPECT_TRUE(panel->text().endsWith(QChar(0x2026))) << panel->text().toStdString();
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    EXPECT_EQ(panel->toolTip(), QStringLiteral("Solvable in 3 pushes (3 moves)"));
    EXPECT_EQ(Line(), QStringLiteral("Solvable in 3 pushes (3 moves)"));
    // A language switch re-elides the French line.
    window->BTNFrancais->click();
    EXPECT_EQ(panel->toolTip(), QStringLiteral("Soluble en 3 poussées (3 mouvements)"));
    EXPECT_TRUE(panel->text().startsWith(QStringLiteral("Sol"))) << panel->text().toStdString();
}

} // namespace
