// Help at the board on the real main window: walks and pushes by mouse, deadlock marks, hints,
// the solver's film and the way back to the last position that can still be won.
#include "window_fixture.h"

#include "app/window/boardview.h"
#include "core/completion.h"
#include "core/pathing.h"
#include "editor/boardmouse.h"

#include <QAction>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using namespace w4test;

namespace {

// A wall between the keeper and the top right; a box and its target out of the way.
const std::string Walk = "########\r\n"
                         "#@ #   #\r\n"
                         "#  #   #\r\n"
                         "#      #\r\n"
                         "#   $ .#\r\n"
                         "########\r\n";

// One push right solves it.
const std::string OnePush = "#####\r\n"
                            "#@$.#\r\n"
                            "#####\r\n";

// "urR" pushes the box to (4,2), still winnable; one more "R" pushes it against the right wall,
// where no target is: lost.
const std::string Corner = "#######\r\n"
                           "#.    #\r\n"
                           "#  $  #\r\n"
                           "#@    #\r\n"
                           "#######\r\n";

class AssistWindowTest : public WindowTest {
protected:
    void StartLevel(const std::string& level, const std::string& solution = {})
    {
        const std::string path = LevelPath("help");
        WriteAll(path, level);
        if (!solution.empty())
            WriteAll(SolutionPath(), solution + "\r\n");
        WritePlaylist({path});
        Start();
        ASSERT_EQ(G().GameMode, w4::ModePlay);
        ASSERT_GT(G().LevelWidth, 0);
    }

    std::filesystem::path SolutionPath() const { return folder / "levels" / "help.XHT"; }

    // The middle of a cell on the board area, where the player would click.
    QPoint Cell(int column, int row)
    {
        const w4::BoardHit board =
            w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
        EXPECT_TRUE(board.HasRect);
        return {board.Left + (2 * column + 1) * board.Width / (2 * G().LevelWidth),
                board.Top + (2 * row + 1) * board.Height / (2 * G().LevelHeight)};
    }

    void CtrlClick(int column, int row)
    {
        QTest::mouseClick(window->IMGSokoban, Qt::LeftButton, Qt::ControlModifier, Cell(column, row));
    }
    void CtrlDrag(int fromColumn, int fromRow, int toColumn, int toRow)
    {
        QTest::mousePress(window->IMGSokoban, Qt::LeftButton, Qt::ControlModifier, Cell(fromColumn, fromRow));
        QTest::mouseRelease(window->IMGSokoban, Qt::LeftButton, Qt::ControlModifier, Cell(toColumn, toRow));
    }

    std::string Letters()
    {
        std::string letters;
        for (int i = 0; i < G().HistoryIndex; ++i)
            letters += G().SnapshotHistory[static_cast<std::size_t>(i)].MoveLetter;
        return letters;
    }
    std::vector<std::pair<int, int>> Marks()
    {
        auto marks = window->DeadlockMarks();
        std::sort(marks.begin(), marks.end());
        return marks;
    }
    bool Congratulated() const
    {
        for (const QString& notice : dialogs.Notices)
            if (notice.startsWith(QStringLiteral("CONGRATULATIONS")))
                return true;
        return false;
    }
    // Waits until the worker's result has been applied on the window's thread.
    void WaitForHelp() { QTRY_VERIFY_WITH_TIMEOUT(!window->AssistBusy(), 60000); }
};

TEST_F(AssistWindowTest, APlainClickStillTakesOneStepAndACtrlClickWalksAShortestWay)
{
    StartLevel(Walk);
    // A click in the keeper's row: one step towards it, as ever, however far the cell.
    QTest::mouseClick(window->IMGSokoban, Qt::LeftButton, {}, Cell(6, 1));
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_EQ(G().KeeperX, 2);
    EXPECT_FALSE(window->Walking());

    // Ctrl + click beyond the wall: round it by a shortest way, one ordinary move per tick.
    CtrlClick(4, 1);
    EXPECT_TRUE(window->Walking()) << "the walk is animated";
    QTRY_VERIFY(!window->Walking());
    EXPECT_EQ(G().KeeperX, 4);
    EXPECT_EQ(G().KeeperY, 1);
    EXPECT_EQ(Letters(), "r" + *w4::WalkPath(w4::PathBoard{&G().SnapshotHistory[1].Board, 8, 6}, 2, 1, 4, 1));
    EXPECT_EQ(G().HistoryIndex, 1 + 6) << "(2,1) to (4,1) round the wall is 6 steps";
    EXPECT_EQ(G().Current().Pushes, 0);

    // Each step was an ordinary move: undo takes back one.
    Key(Qt::Key_Backspace);
    EXPECT_EQ(G().HistoryIndex, 6);

    // A key during a walk finishes it at once, then acts.
    CtrlClick(1, 3);
    ASSERT_TRUE(window->Walking());
    Key(Qt::Key_Up);
    EXPECT_FALSE(window->Walking());
    EXPECT_EQ(G().KeeperX, 1);
    EXPECT_EQ(G().KeeperY, 2) << "the walk ended on (1,3), then Up took one step";

    // A cell the keeper cannot get to: refused, nothing moves.
    const int before = G().HistoryIndex;
    CtrlClick(4, 4);   // the box
    CtrlClick(0, 0);   // a wall
    EXPECT_EQ(G().HistoryIndex, before);
    EXPECT_FALSE(window->StatusText(7).isEmpty());
}

TEST_F(AssistWindowTest, ACtrlDragPushesTheBoxOrMovesNothing)
{
    StartLevel(Walk);
    // Straight up is impossible: no floor below the box for the keeper to push from.
    CtrlDrag(4, 4, 4, 1);
    EXPECT_FALSE(window->Walking());
    EXPECT_EQ(G().HistoryIndex, 0);
    EXPECT_EQ(window->StatusText(7), QStringLiteral("That box cannot be pushed there."));

    // Onto its target: walked round and pushed twice, and the ordinary completion follows.
    CtrlDrag(4, 4, 6, 4);
    QTRY_VERIFY(!window->Walking());
    EXPECT_TRUE(Congratulated());
    EXPECT_TRUE(G().LevelSolved);
    EXPECT_EQ(G().Current().Pushes, 2);
}

TEST_F(AssistWindowTest, DeadlockMarksFollowThePushesAndTheSettingIsKept)
{
    StartLevel(Corner);
    Play("urR");
    EXPECT_TRUE(Marks().empty());
    EXPECT_TRUE(window->StatusText(7).isEmpty());
    Play("R");
    EXPECT_EQ(Marks(), (std::vector<std::pair<int, int>>{{5, 2}}));
    EXPECT_TRUE(window->StatusText(7).startsWith(QStringLiteral("Deadlock"))) << window->StatusText(7).toStdString();
    // Drawn over the board display: the board picture itself has no mark.
    Key(Qt::Key_Backspace);
    EXPECT_TRUE(Marks().empty()) << "undoing the push takes the mark away";
    EXPECT_TRUE(window->StatusText(7).isEmpty());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Marks().size(), 1u) << "and redo brings it back";

    // Switched off: no marks; and the choice survives a restart through the settings file.
    QAction* item = window->MenuItem(QStringLiteral("MNUToolsDeadlockWarnings"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Marks().empty());
    dialogs.Answers = {true};
    ASSERT_TRUE(window->FormClose());
    EXPECT_NE(ReadAll(folder / "boxyard4.ini").find("[ASSISTANCE]\r\nDeadlockWarnings=0"), std::string::npos)
        << ReadAll(folder / "boxyard4.ini");
    window.reset();
    Start();
    EXPECT_FALSE(G().DeadlockWarnings);
    EXPECT_FALSE(window->MenuItem(QStringLiteral("POPToolsDeadlockWarnings"))->isChecked());
}

TEST_F(AssistWindowTest, DeadlockMarksOnATableOfPositions)
{
    struct Case {
        const char* What;
        std::string Level, Letters;
        std::vector<std::pair<int, int>> Expected;
    };
    const std::vector<Case> cases = {
        {"box in a corner off target", Corner, "urRR", {{5, 2}}},
        {"two boxes frozen together against a wall",
         "#########\r\n#.  $  .#\r\n#    $  #\r\n#       #\r\n#@      #\r\n#########\r\n", "rrrruU", {{4, 1}, {5, 1}}},
        {"a 2 x 2 block of boxes",
         "#########\r\n#       #\r\n#  $$   #\r\n#@$ $   #\r\n#       #\r\n#  .... #\r\n#########\r\n", "R",
         {{3, 2}, {3, 3}, {4, 2}, {4, 3}}},
        {"a box frozen on its target in a corner is fine",
         "######\r\n#@$ .#\r\n#    #\r\n#  $.#\r\n######\r\n", "RR", {}},
    };
    for (const Case& c : cases) {
        StartLevel(c.Level);
        EXPECT_TRUE(Marks().empty()) << c.What << ": nothing at the start";
        Play(c.Letters);
        EXPECT_EQ(Marks(), c.Expected) << c.What;
        window.reset();
    }
}

TEST_F(AssistWindowTest, HintTwiceSolvesAOnePushLevelThroughTheOrdinaryCompletion)
{
    StartLevel(OnePush);
    Key(Qt::Key_H);
    QTRY_VERIFY(window->HintMark().has_value());
    EXPECT_EQ(*window->HintMark(), (std::array<int, 4>{2, 1, 3, 1}));
    EXPECT_EQ(G().HistoryIndex, 0) << "the first press only shows it";
    Key(Qt::Key_H);
    QTRY_VERIFY(Congratulated());
    EXPECT_TRUE(G().LevelSolved);
    EXPECT_EQ(G().SnapshotHistory[0].MoveLetter, 'R');
}

TEST_F(AssistWindowTest, HintOnALostPositionSaysSoAndOffersTheWayBack)
{
    StartLevel(Corner);
    Play("urRRdl");
    dialogs.Answers = {true};
    Key(Qt::Key_H);
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith(QStringLiteral("This position cannot be solved any more.")));
    // Yes started the search for the last winnable position.
    WaitForHelp();
    QTRY_COMPARE(G().HistoryIndex, 3);
}

TEST_F(AssistWindowTest, TheLastSolvableSearchLandsJustBeforeThePushThatLostTheGame)
{
    StartLevel(Corner);
    Play("urRRdl");
    ASSERT_EQ(G().HistoryIndex, 6);
    window->MNUToolsLastSolvableClick();
    EXPECT_NE(window->AssistProgress(), nullptr) << "a progress dialog with Cancel";
    WaitForHelp();
    EXPECT_EQ(G().HistoryIndex, 3) << "after the first push, before the fatal second one";
    EXPECT_EQ(G().HistoryLength, 7) << "shown as undo shows it: the rest stays for redo";
    EXPECT_EQ(window->myScrollBar->value(), 4);
    EXPECT_TRUE(Marks().empty());
    Key(Qt::Key_End);
    EXPECT_EQ(G().HistoryIndex, 6);

    // From a winnable position there is nothing to go back to.
    Key(Qt::Key_Home);
    window->MNUToolsLastSolvableClick();
    WaitForHelp();
    EXPECT_EQ(G().HistoryIndex, 0);
    ASSERT_FALSE(dialogs.Notices.empty());
    EXPECT_TRUE(dialogs.Notices.back().startsWith(QStringLiteral("The level can still be solved")));
}

TEST_F(AssistWindowTest, SolveOffersTheFilmAndYesPlaysItToTheSolvedPosition)
{
    StartLevel(Corner);
    Play("u");   // mid-attempt: the film starts where the keeper stands now
    dialogs.Answers = {true, false};   // watch it; do not keep it
    window->MNUToolsSolveClick();
    WaitForHelp();
    ASSERT_GE(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith(QStringLiteral("Solution found: "))) << dialogs.Questions[0].toStdString();
    ASSERT_EQ(G().GameMode, w4::ModeSolution);
    EXPECT_EQ(G().SnapshotHistory[0].Board[1][2], '@') << "the film starts from the solved position";
    EXPECT_TRUE(window->TimerFilm->isActive());
    for (int tick = 0; tick < 200 && window->TimerFilm->isActive(); ++tick)
        window->TimerFilmTimer();
    EXPECT_TRUE(w4::IsSolved(G()));
    EXPECT_TRUE(G().LevelSolved);
    EXPECT_FALSE(std::filesystem::exists(SolutionPath())) << "nothing is written unless asked";

    // Rewind goes back to the film's own start, not the level file's.
    window->BTNFilmRewind->click();
    EXPECT_EQ(G().SnapshotHistory[0].Board[1][2], '@');
    EXPECT_EQ(G().FilmPosition, 0);
}

TEST_F(AssistWindowTest, KeepingASolutionFollowsTheBestScoreRule)
{
    // Mid-attempt, the kept solution is the attempt so far followed by the solver's moves.
    StartLevel(Corner);
    Play("u");
    dialogs.Answers = {false, true};   // do not watch; keep it
    window->MNUToolsSolveClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_TRUE(dialogs.Questions[1].startsWith(QStringLiteral("BEST SCORE !!!")));
    EXPECT_EQ(G().GameMode, w4::ModePlay);
    const std::string kept = ReadAll(SolutionPath());
    ASSERT_GE(kept.size(), 3u);
    EXPECT_EQ(kept[0], 'u');
    EXPECT_EQ(kept.substr(kept.size() - 2), "\r\n");
    const auto solved = w4::PlayLetters({"#######", "#.    #", "#  $  #", "#@    #", "#######"}, kept.substr(0, kept.size() - 2));
    EXPECT_EQ(solved[1][1], '*') << "the kept letters solve the level from its start";
    window.reset();

    // A stored solution as short as the solver's: no question, the file stays as it was.
    dialogs.Questions.clear();
    StartLevel(OnePush, "R");
    dialogs.Answers = {false, true};
    window->MNUToolsSolveClick();
    WaitForHelp();
    EXPECT_EQ(dialogs.Questions.size(), 1) << "only the offer to watch";
    EXPECT_EQ(ReadAll(SolutionPath()), "R\r\n");
}

// A 20 x 20 room with 30 boxes on a grid: far more than a moment's search.
std::string CrowdedRoom()
{
    const int n = 20;
    std::vector<std::string> rows(n, std::string(n, ' '));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (x == 0 || y == 0 || x == n - 1 || y == n - 1)
                rows[y][x] = '#';
    int boxes = 0;
    for (int y = 2; y < n - 2 && boxes < 30; y += 2)
        for (int x = 2; x < n - 2 && boxes < 30; x += 2, ++boxes)
            rows[y][x] = '$';
    for (int y = n - 2, targets = 0; y > 0 && targets < boxes; --y)
        for (int x = n - 2; x > 0 && targets < boxes; --x)
            if (rows[y][x] == ' ' && (x + y) % 2 == 1) {
                rows[y][x] = '.';
                ++targets;
            }
    rows[1][1] = '@';
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

TEST_F(AssistWindowTest, CancellingSolveLeavesTheWindowAsItWas)
{
    StartLevel(CrowdedRoom());
    Play("r");
    window->MNUToolsSolveClick();
    auto* progress = qobject_cast<QProgressDialog*>(window->AssistProgress());
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    // The window keeps handling its events meanwhile: the status clock ticks on.
    QTest::qWait(300);
    EXPECT_TRUE(window->AssistBusy());
    QPushButton* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    WaitForHelp();
    EXPECT_EQ(window->AssistProgress(), nullptr);
    EXPECT_TRUE(dialogs.Questions.isEmpty());
    EXPECT_TRUE(dialogs.Notices.isEmpty());
    EXPECT_EQ(G().GameMode, w4::ModePlay);
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_EQ(G().HistoryLength, 2);
    EXPECT_FALSE(std::filesystem::exists(SolutionPath()));
    // And it plays on as before.
    Key(Qt::Key_Right);
    EXPECT_EQ(G().HistoryIndex, 2);
}

TEST_F(AssistWindowTest, SolveSaysPlainlyWhenTheLevelAsDrawnCannotBeSolved)
{
    StartLevel(Corner);
    window->BTNEditor->click();
    // The author draws the box into the corner: unsaved, and lost.
    G().SnapshotHistory[0].Board[3][2] = ' ';
    G().SnapshotHistory[0].Board[5][3] = '$';
    window->MNUToolsSolveClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0], QStringLiteral("The level as drawn cannot be solved."));
    EXPECT_TRUE(dialogs.Questions.isEmpty());

    // Drawn solvable again, but not as saved: watching costs the edits, and the question says so;
    // a solution of a board that is not the file's is never offered for keeping.
    G().SnapshotHistory[0].Board[5][3] = ' ';
    G().SnapshotHistory[0].Board[2][2] = '$';
    dialogs.Answers = {false};
    window->MNUToolsSolveClick();
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].endsWith(QStringLiteral("(The level's unsaved changes will be lost.)")));
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_EQ(G().SnapshotHistory[0].Board[2][2], '$') << "No leaves the edits alone";
    EXPECT_FALSE(std::filesystem::exists(SolutionPath()));
}

TEST_F(AssistWindowTest, SolutionModeWithoutASolutionOffersToSolve)
{
    StartLevel(OnePush);
    window->BTNSolution->click();
    dialogs.Answers = {true, false, false};   // solve it; do not watch; do not keep
    window->BTNFilmPlay->click();
    ASSERT_GE(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith(QStringLiteral("This level has no solution yet.")));
    WaitForHelp();
    ASSERT_EQ(dialogs.Questions.size(), 3);
    EXPECT_TRUE(dialogs.Questions[1].startsWith(QStringLiteral("Solution found: 1 moves, 1 pushes.")));
}

} // namespace
