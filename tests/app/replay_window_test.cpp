// The solution film on the real main window: Play, Stop, Rewind, the speed bar and the timer.
#include "window_fixture.h"

#include "editor/boardmouse.h"
#include "app/window/boardview.h"

#include <QPushButton>
#include <QScrollBar>

using namespace w4test;

namespace {

// Keeper at (4, 3), a box at (2, 2) and its target at (2, 1): "llURd" walks round, pushes the
// box up onto its target (a stored solution is played only when it solves its level) and walks
// on. Its "R" pushes nothing, so the history records it as the step "r".
const std::string Yard = "#######\r\n"
                         "# .   #\r\n"
                         "# $   #\r\n"
                         "#   @ #\r\n"
                         "#######\r\n";

// One push right solves it.
const std::string OnePush = "#####\r\n"
                            "#@$.#\r\n"
                            "#####\r\n";

class ReplayWindowTest : public WindowTest {
protected:
    // The level (and its solution file when a solution is given) as the only playlist entries.
    void StartFilm(const std::string& level, const std::string& solution, const std::string& second = {})
    {
        const std::string path = LevelPath("film");
        WriteAll(path, level);
        if (!solution.empty())
            WriteAll(folder / "levels" / "film.XHT", solution + "\r\n");
        std::vector<std::string> playlist{path};
        if (!second.empty()) {
            WriteAll(LevelPath("next"), second);
            playlist.push_back(LevelPath("next"));
        }
        WritePlaylist(playlist);
        Start();
        window->BTNSolution->click();
        ASSERT_EQ(G().GameMode, w4::ModeSolution);
    }

    // One tick of the film timer, which must be running.
    void Tick()
    {
        ASSERT_TRUE(window->TimerFilm->isActive()) << "the film is not running";
        window->TimerFilmTimer();
    }

    QTimer& Timer() { return *window->TimerFilm; }
    char Cell(int column, int row) { return G().Current().Board[column][row]; }
    std::string Letters()
    {
        std::string letters;
        for (int i = 0; i < G().HistoryIndex; ++i)
            letters += G().SnapshotHistory[static_cast<std::size_t>(i)].MoveLetter;
        return letters;
    }
};

TEST_F(ReplayWindowTest, EveryLetterIsOneMoveAndTheCaseOfALetterDoesNotMatter)
{
    for (const std::string solution : {"llURd", "LLuRD"}) {
        StartFilm(Yard, solution);
        EXPECT_FALSE(Timer().isActive()) << "entering the mode does not start the film";
        window->BTNFilmPlay->click();
        EXPECT_EQ(Timer().interval(), 250);
        for (int tick = 1; tick <= 5; ++tick) {
            Tick();
            EXPECT_EQ(G().HistoryIndex, tick) << solution;
            EXPECT_EQ(G().FilmPosition, tick);
        }
        // The board alone decides steps and pushes.
        EXPECT_EQ(Letters(), "llUrd") << solution;
        EXPECT_EQ(Cell(2, 1), '*');
        EXPECT_EQ(G().KeeperX, 3);
        EXPECT_EQ(G().KeeperY, 3);
        EXPECT_EQ(Status(2), "Move=5/5");
        // The film has ended: the next tick stops it for good.
        Tick();
        EXPECT_FALSE(Timer().isActive());
        EXPECT_EQ(G().HistoryIndex, 5);
        window->BTNFilmPlay->click();
        Tick();
        EXPECT_FALSE(Timer().isActive());
        EXPECT_EQ(G().HistoryIndex, 5);
        window.reset();
    }
}

// A text that is not move text stays as written (run-length counts are spelt out when the file
// is read): its other characters and blanks use a tick each.
TEST_F(ReplayWindowTest, OtherCharactersAndBlanksUseATickWithoutMoving)
{
    StartFilm(Yard, "l# lU");
    window->BTNFilmPlay->click();
    const int expectedMoves[] = {1, 1, 1, 2};
    for (int tick = 0; tick < 4; ++tick) {
        Tick();
        EXPECT_EQ(G().FilmPosition, tick + 1);
        EXPECT_EQ(G().HistoryIndex, expectedMoves[tick]) << "tick " << tick + 1;
    }
    EXPECT_EQ(Letters(), "ll") << "a '#' is no move";
}

TEST_F(ReplayWindowTest, StopKeepsThePlaceAndPlayGoesOnFromIt)
{
    StartFilm(Yard, "llURd");
    window->BTNFilmPlay->click();
    Tick();
    Tick();
    window->BTNFilmStop->click();
    EXPECT_FALSE(Timer().isActive());
    EXPECT_EQ(G().FilmPosition, 2);
    window->BTNFilmPlay->click();
    Tick();
    EXPECT_EQ(Letters(), "llU");
    EXPECT_EQ(G().Current().Pushes, 1);
}

TEST_F(ReplayWindowTest, RewindReloadsTheLevelAndStopsTheFilm)
{
    StartFilm(Yard, "llURd");
    window->BTNFilmPlay->click();
    Tick();
    Tick();
    Tick();
    window->BTNFilmRewind->click();
    EXPECT_FALSE(Timer().isActive());
    EXPECT_EQ(G().FilmPosition, 0);
    EXPECT_EQ(G().HistoryIndex, 0);
    EXPECT_EQ(Cell(2, 2), '$');
    EXPECT_EQ(G().KeeperX, 4);
    EXPECT_EQ(G().StoredSolution, "llURd");
    // The whole film again from its start.
    window->BTNFilmPlay->click();
    for (int tick = 0; tick < 5; ++tick)
        Tick();
    EXPECT_EQ(Letters(), "llUrd");
}

TEST_F(ReplayWindowTest, LevelWithoutSolutionPlaysNothing)
{
    StartFilm(Yard, "");
    ASSERT_TRUE(G().StoredSolution.empty());
    window->BTNFilmPlay->click();
    Tick();
    EXPECT_FALSE(Timer().isActive());
    EXPECT_EQ(G().HistoryIndex, 0);
}

TEST_F(ReplayWindowTest, SpeedBarSetsTheIntervalUsedFromTheNextTick)
{
    StartFilm(Yard, "llURd");
    const int intervals[] = {250, 225, 200, 175, 150, 125, 100, 75, 50, 25};
    for (int speed = 10; speed >= 1; --speed) {
        window->SBSpeed->setValue(speed);
        EXPECT_EQ(G().FilmSpeed, speed);
        EXPECT_EQ(Timer().interval(), intervals[speed - 1]) << "speed " << speed;
    }
    window->BTNFilmPlay->click();
    Tick();
    window->SBSpeed->setValue(8);
    EXPECT_EQ(G().HistoryIndex, 1) << "changing the speed makes no move";
    Tick();
    EXPECT_TRUE(Timer().isActive());
    EXPECT_EQ(Timer().interval(), 75);
}

TEST_F(ReplayWindowTest, RunningTimerPlaysTheWholeFilmAndStops)
{
    StartFilm(Yard, "llURd");
    window->SBSpeed->setValue(10);
    window->BTNFilmPlay->click();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Timer().isActive(); }, 10000));
    EXPECT_EQ(Letters(), "llUrd");
    EXPECT_EQ(G().FilmPosition, 5);
}

TEST_F(ReplayWindowTest, SolvingFilmStopsTheClockWithoutMessageOrNextLevel)
{
    StartFilm(OnePush, "R", Yard);
    window->BTNFilmPlay->click();
    Tick();
    EXPECT_TRUE(G().LevelSolved);
    EXPECT_FALSE(G().LevelInPlay);
    EXPECT_EQ(G().FinishTime, now);
    EXPECT_TRUE(dialogs.Notices.isEmpty());
    EXPECT_TRUE(dialogs.Questions.isEmpty());
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(G().GameMode, w4::ModeSolution);
    Tick();
    EXPECT_FALSE(Timer().isActive());
}

TEST_F(ReplayWindowTest, KeysAndMouseDoNotMoveTheKeeperInSolutionMode)
{
    StartFilm(Yard, "llURd");
    for (const int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
        Key(key);
    const w4::BoardHit hit =
        w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
    const QPoint leftOfKeeper(hit.Left + 1 * 16 + 8, hit.Top + 3 * 16 + 8);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->IMGSokoban->mapTo(window.get(), leftOfKeeper));
    EXPECT_EQ(G().HistoryIndex, 0);
    EXPECT_EQ(G().KeeperX, 4);
    EXPECT_EQ(G().LevelWidth, 7) << "nor do the editor's keys shift anything";
}

TEST_F(ReplayWindowTest, LeavingSolutionModeStopsARunningFilm)
{
    StartFilm(Yard, "llURd");
    window->BTNFilmPlay->click();
    Tick();
    window->BTNPlay->click();
    EXPECT_FALSE(Timer().isActive());
    EXPECT_EQ(G().HistoryIndex, 0);
    EXPECT_EQ(G().FilmPosition, 0);
}

} // namespace
