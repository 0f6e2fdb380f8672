// Reverse play in the real window: the Tools item and R, the status bar, the placing click, the
// arrows pulling, and a meeting found from the keyboard.

#include "window_fixture.h"

#include "app/window/boardview.h"

#include "core/reverse.h"
#include "core/snapshots.h"
#include "editor/boardmouse.h"

#include <QAction>

#include <algorithm>

namespace w4test {
namespace {

const std::string Corridor = "#########\r\n"
                             "#@ $   .#\r\n"
                             "#########\r\n";

class ReverseWindowTest : public WindowTest {
protected:
    void StartLevel(const std::string& level)
    {
        path = LevelPath("reverse");
        WriteAll(path, level);
        WritePlaylist({path});
        Start();
        ASSERT_EQ(G().GameMode, w4::ModePlay);
    }

    QPoint Cell(int column, int row)
    {
        const w4::BoardHit board =
            w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
        EXPECT_TRUE(board.HasRect);
        return {board.Left + (2 * column + 1) * board.Width / (2 * G().LevelWidth),
                board.Top + (2 * row + 1) * board.Height / (2 * G().LevelHeight)};
    }
    void Click(int column, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(window->IMGSokoban, Qt::LeftButton, modifiers, Cell(column, row));
    }
    std::string Row(int y)
    {
        std::string row;
        for (int x = 0; x < G().LevelWidth; ++x)
            row += w4::CellAt(G(), x, y);
        return row;
    }
    bool Checked(const char* name) { return window->MenuItem(QString::fromLatin1(name))->isChecked(); }

    std::string path;
};

TEST_F(ReverseWindowTest, KeyChecksTheItemsAndTheStatusBarSaysWhichWayTheAttemptRuns)
{
    StartLevel(Corridor);
    EXPECT_FALSE(Checked("MNUToolsReverse"));
    EXPECT_EQ(Status(2), QStringLiteral("Move=0/0"));

    Key(Qt::Key_R);
    EXPECT_TRUE(G().Reverse);
    EXPECT_TRUE(Checked("MNUToolsReverse"));
    EXPECT_TRUE(Checked("POPToolsReverse"));
    EXPECT_EQ(Row(1), "#      *#");
    EXPECT_EQ(Status(2), QStringLiteral("Reverse=0/0"));
    EXPECT_EQ(Status(3), QStringLiteral("Place keeper"));
    EXPECT_TRUE(Status(7).contains(QStringLiteral("place the keeper"))) << Status(7).toStdString();

    Click(0, 1);   // a wall: still waiting
    EXPECT_TRUE(w4::ReverseNeedsKeeper(G()));
    Click(6, 1);
    EXPECT_EQ(Row(1), "#     @*#");
    EXPECT_TRUE(Status(7).isEmpty());
    EXPECT_EQ(Status(3), QStringLiteral("Pull=0"));
    Key(Qt::Key_Left);
    EXPECT_EQ(Row(1), "#    @$.#");
    EXPECT_EQ(Status(2), QStringLiteral("Reverse=1/1"));
    EXPECT_EQ(Status(3), QStringLiteral("Pull=1"));
    Key(Qt::Key_Backspace);   // undo as ever
    EXPECT_EQ(Row(1), "#     @*#");

    window->BTNFrancaisClick();
    EXPECT_EQ(Status(2), QStringLiteral("Envers=0/1"));
    EXPECT_EQ(Status(3), QStringLiteral("Tire=0"));
    EXPECT_EQ(window->MenuItem(QStringLiteral("MNUToolsReverse"))->text(), QStringLiteral("Jeu à l'envers"));
    window->BTNEnglishClick();

    // The menu item turns it off again, and the forward attempt is there as it was.
    window->MenuItem(QStringLiteral("MNUToolsReverse"))->trigger();
    EXPECT_FALSE(G().Reverse);
    EXPECT_FALSE(Checked("MNUToolsReverse"));
    EXPECT_EQ(Status(2), QStringLiteral("Move=0/0"));
    EXPECT_EQ(Row(1), "#@ $   .#");

    // A mode switch reloads the level: reverse play ends with it.
    Key(Qt::Key_R);
    ASSERT_TRUE(G().Reverse);
    window->BTNPlayClick();
    EXPECT_FALSE(G().Reverse);
    EXPECT_FALSE(Checked("MNUToolsReverse"));
}

TEST_F(ReverseWindowTest, HintAndSolverAreRefusedInReverseAndCtrlClickWalksWithoutPulling)
{
    StartLevel(Corridor);
    Key(Qt::Key_R);
    Click(6, 1);
    Key(Qt::Key_H);
    EXPECT_FALSE(window->HintMark().has_value());
    EXPECT_TRUE(Status(7).contains(QStringLiteral("forward only"))) << Status(7).toStdString();
    window->MNUToolsSolveClick();
    EXPECT_FALSE(window->AssistBusy());
    Click(3, 1, Qt::ControlModifier);   // away from the box, which stays
    EXPECT_EQ(Row(1), "#  @   *#");
    EXPECT_EQ(G().HistoryLength, 4);
}

TEST_F(ReverseWindowTest, ArrowsMeetTheForwardAttemptAndTheJoinedSolutionIsKept)
{
    StartLevel(Corridor);
    dialogs.Answers = {true};
    Play("rRR");
    Key(Qt::Key_R);
    Click(6, 1);
    Key(Qt::Key_Left);
    EXPECT_TRUE(dialogs.Notices.isEmpty());
    Key(Qt::Key_Left);
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_TRUE(dialogs.Notices[0].startsWith(QStringLiteral("THE TWO ATTEMPTS MEET !!!"))) << dialogs.Notices[0].toStdString();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(ReadAll(folder / "levels" / "reverse.XHT"), "rRRRR\r\n");
}

} // namespace
} // namespace w4test

namespace w4test {
namespace {

TEST_F(ReverseWindowTest, RetryKeepsBothAttemptsAndResumeBringsBackReversePlay)
{
    StartLevel(Corridor);
    Play("r");
    Key(Qt::Key_R);
    Click(6, 1);
    Key(Qt::Key_Left);
    ASSERT_EQ(Row(1), "#    @$.#");
    Key(Qt::Key_R);   // forward again: a Retry there loads the level, which ends reverse play
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_FALSE(G().Reverse);
    const std::string kept = ReadAll(folder / "levels" / "reverse.snapshots.sok");
    EXPECT_NE(kept.find(":: Reverse Snapshot (keeper 6 1, moves 1, pulls 1, "), std::string::npos) << kept;

    Key(Qt::Key_F9);   // the last kept attempt: the one that was on screen, forward
    EXPECT_FALSE(G().Reverse);
    EXPECT_EQ(Row(1), "# @$   .#");
    // The reverse one, from the Snapshots list's data, goes back into reverse play.
    const std::vector<w4::Snapshot> snapshots = w4::ReadSnapshots(G(), path);
    const auto reverse = std::find_if(snapshots.begin(), snapshots.end(), [](const w4::Snapshot& s) { return s.Reverse; });
    ASSERT_NE(reverse, snapshots.end());
    ASSERT_TRUE(w4::RestoreSnapshot(G(), *window, *reverse));
    EXPECT_TRUE(G().Reverse);
    EXPECT_TRUE(Checked("MNUToolsReverse"));
    EXPECT_EQ(Row(1), "#    @$.#");
    EXPECT_EQ(Status(2), QStringLiteral("Reverse=1/1"));
}

} // namespace
} // namespace w4test
