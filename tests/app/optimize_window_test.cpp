// Tools > Optimize Solution and the editor's live solvability check on the real main window.
#include "window_fixture.h"

#include "app/window/boardview.h"
#include "core/completion.h"
#include "editor/boardmouse.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include <thread>

using namespace w4test;

namespace {

// "RRR" solves it; "udRudRlrR" wastes six steps.
const std::string Room = "#######\r\n"
                         "#     #\r\n"
                         "#@$  .#\r\n"
                         "#     #\r\n"
                         "#######\r\n";

class OptimizeWindowTest : public WindowTest {
protected:
    void StartLevel(const std::string& solution, int mode = w4::ModePlay)
    {
        WriteAll(LevelPath("opt"), Room);
        if (!solution.empty())
            WriteAll(SolutionPath(), solution + "\r\n");
        WritePlaylist({LevelPath("opt")});
        Start();
        if (mode == w4::ModeEditor)
            window->BTNEditor->click();
        ASSERT_EQ(G().GameMode, mode);
    }
    std::filesystem::path SolutionPath() const { return folder / "levels" / "opt.XHT"; }
    void WaitForHelp() { QTRY_VERIFY_WITH_TIMEOUT(!window->AssistBusy(), 120000); }

    // Paints one cell in the editor with the chosen tool, as the author's click does.
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
};

TEST_F(OptimizeWindowTest, AShorterSolutionIsKeptOnlyByTheBestScoreRule)
{
    StartLevel("udRudRlrR");
    dialogs.Answers = {false, true};   // do not watch; keep it
    window->MenuItem(QStringLiteral("MNUToolsOptimizeSolution"))->trigger();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 2) << dialogs.Questions.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(dialogs.Questions[0].startsWith(
        QStringLiteral("Shorter solution found: 3 moves, 3 pushes (before: 9 moves, 3 pushes).")))
        << dialogs.Questions[0].toStdString();
    EXPECT_TRUE(dialogs.Questions[1].startsWith(QStringLiteral("BEST SCORE !!!")));
    EXPECT_EQ(ReadAll(SolutionPath()), "RRR\r\n");

    // Again: nothing shorter exists, so there is no question of keeping it and the file stays.
    dialogs.Questions.clear();
    dialogs.Answers = {false, true};
    window->MNUToolsOptimizeSolutionClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith(QStringLiteral("No shorter solution found: 3 moves")));
    EXPECT_EQ(ReadAll(SolutionPath()), "RRR\r\n");

    // Declined: the stored solution stays as it was.
    WriteAll(SolutionPath(), "udRudRlrR\r\n");
    dialogs.Questions.clear();
    dialogs.Answers = {false, false};
    window->MNUToolsOptimizeSolutionClick();
    WaitForHelp();
    EXPECT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(ReadAll(SolutionPath()), "udRudRlrR\r\n");
}

TEST_F(OptimizeWindowTest, ALevelWithoutASolutionIsSolvedFirstAndTheFilmPlaysTheResult)
{
    StartLevel({});
    dialogs.Answers = {true, false};   // watch it; do not keep it
    window->MNUToolsOptimizeSolutionClick();
    WaitForHelp();
    ASSERT_GE(dialogs.Questions.size(), 1);
    EXPECT_NE(dialogs.Questions[0].indexOf(QStringLiteral("the solver's was the start")), -1)
        << dialogs.Questions[0].toStdString();
    ASSERT_EQ(G().GameMode, w4::ModeSolution);
    // The film is a view of its own: a solution not kept never becomes the stored one.
    EXPECT_EQ(G().StoredSolution, "");
    EXPECT_FALSE(std::filesystem::exists(SolutionPath())) << "nothing is written unless asked";
    for (int tick = 0; tick < 50 && window->TimerFilm->isActive(); ++tick)
        window->TimerFilmTimer();
    EXPECT_TRUE(w4::IsSolved(G()));
}

// A stored solution that does not solve the level is said to be broken, not missing; the level is
// solved first and the result offered, as a broken solution always loses. One in groups with its
// pushes in lower case is read as the game reads it and is the start.
TEST_F(OptimizeWindowTest, ABrokenStoredSolutionIsNamedSolvedFirstAndReplaced)
{
    StartLevel("RR");
    dialogs.Answers = {false, true};   // do not watch; keep it
    window->MNUToolsOptimizeSolutionClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 2) << dialogs.Questions.join(QStringLiteral(" | ")).toStdString();
    EXPECT_NE(dialogs.Questions[0].indexOf(
                  QStringLiteral("The stored solution does not solve the level: the solver's was the start.")),
              -1)
        << dialogs.Questions[0].toStdString();
    EXPECT_EQ(dialogs.Questions[0].indexOf(QStringLiteral("had no stored solution")), -1);
    EXPECT_TRUE(dialogs.Questions[1].startsWith(QStringLiteral("BEST SCORE !!!")));
    EXPECT_EQ(ReadAll(SolutionPath()), "RRR\r\n");

    WriteAll(SolutionPath(), "udr udr\r\nlr r\r\n");
    dialogs.Questions.clear();
    dialogs.Answers = {false, false};
    window->MNUToolsOptimizeSolutionClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(dialogs.Questions[0].indexOf(QStringLiteral("the solver's was the start")), -1)
        << dialogs.Questions[0].toStdString();
    EXPECT_TRUE(dialogs.Questions[0].startsWith(
        QStringLiteral("Shorter solution found: 3 moves, 3 pushes (before: 9 moves, 3 pushes).")))
        << dialogs.Questions[0].toStdString();
    EXPECT_EQ(ReadAll(SolutionPath()), "udr udr\r\nlr r\r\n");
}

TEST_F(OptimizeWindowTest, TheEditorCheckFollowsEveryChangeAndDropsAnOlderBoardsVerdict)
{
    StartLevel({}, w4::ModeEditor);
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Solvable in 3 pushes (3 moves)"), 60000);
    const std::uint64_t started = window->LiveChecksStarted();

    // A second box: boxes and targets differ. One change, one check.
    Paint(window->IMGChooseBox1, 4, 1);
    EXPECT_EQ(window->LiveChecksStarted(), started + 1);
    QTRY_COMPARE_WITH_TIMEOUT(Line(), QStringLiteral("Not valid yet: boxes and targets differ"), 60000);

    // A target for it: solvable; its verdict has time to come while the events wait...
    Paint(window->IMGChooseTarget, 1, 1);
    EXPECT_EQ(window->LiveChecksStarted(), started + 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // ...and the box goes again before they are handled: the verdict for the board with it is
    // for an older board, and never shows.
    Paint(window->IMGChooseBack, 4, 1);
    EXPECT_EQ(window->LiveChecksStarted(), started + 3);
    const QString final = QStringLiteral("Not valid yet: boxes and targets differ");
    QStringList seen;
    for (int i = 0; i < 6000 && Line() != final; ++i) {
        QTest::qWait(10);
        if (seen.isEmpty() || seen.back() != Line())
            seen << Line();
    }
    EXPECT_EQ(Line(), final);
    for (const QString& line : seen)
        EXPECT_FALSE(line.startsWith(QStringLiteral("Solvable"))) << seen.join(QStringLiteral(" | ")).toStdString();

    // Turned off from the Tools menu: the line goes, and the choice is kept in the settings.
    QAction* item = window->MenuItem(QStringLiteral("MNUToolsLiveCheck"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Line().isEmpty());
    Paint(window->IMGChooseBox1, 4, 3);
    EXPECT_EQ(window->LiveChecksStarted(), started + 3) << "no check while it is off";
    dialogs.Questions.clear();
    dialogs.Answers = {true, false};   // quit; the edited level is not saved
    ASSERT_TRUE(window->FormClose()) << dialogs.Questions.join(QStringLiteral(" | ")).toStdString();
    EXPECT_NE(ReadAll(folder / "boxyard4.ini").find("LiveSolvabilityCheck=0"), std::string::npos);
    window.reset();
    Start();
    EXPECT_FALSE(G().LiveSolvabilityCheck);
    EXPECT_FALSE(window->MenuItem(QStringLiteral("POPToolsLiveCheck"))->isChecked());
}

} // namespace
