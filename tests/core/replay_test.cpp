// The solution film: one letter per tick through the ordinary move commands.
#include "core/replay.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::LoadText;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

// Keeper with room to walk, one box above-left of it and a target to push it onto.
const char* const Level =
    "#######\n"
    "#  .  #\n"
    "#  $  #\n"
    "#    @#\n"
    "#     #\n"
    "#######\n";

// The window's film timer as far as the replay can see it: a tick only arrives while enabled,
// and the handler stops it before the step and starts it again with the step's answer.
struct FilmTimer {
    bool Enabled = false;
    int Interval = 0;

    void Play(const GameState& g) { Enabled = true, Interval = FilmInterval(g.FilmSpeed); }
    void Stop() { Enabled = false; }
    bool Tick(GameState& g, Frontend& ui)
    {
        if (!Enabled)
            return false;
        Enabled = false;
        if (const int next = FilmStep(g, ui)) {
            Enabled = true;
            Interval = next;
        }
        return true;
    }
};

class ReplayTest : public ::testing::Test {
protected:
    // Loads the level with `solution` as its solution file, in solution mode.
    void Load(const std::string& solution, const std::string& level = Level)
    {
        if (!solution.empty())
            folder.Write("level.XHT", solution + "\r\n");
        g.GameMode = ModeSolution;
        LoadText(g, ui, folder, level);
        ui.Clear();
    }

    // The same level played by hand with the given direction commands, for comparison.
    GameState PlayedByHand(const std::string& letters, RecordingFrontend& hand)
    {
        GameState h;
        h.GameMode = ModeSolution;
        LoadText(h, hand, folder, Level, "hand.xsb");
        hand.Clear();
        for (const char c : letters)
            MoveByLetter(h, hand, c);
        return h;
    }

    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
};

TEST_F(ReplayTest, FiveLettersGiveFiveMoveCommands)
{
    Load("llURd");
    ASSERT_EQ(g.StoredSolution, "llURd");
    for (int tick = 1; tick <= 5; ++tick) {
        EXPECT_EQ(FilmStep(g, ui), 250) << "tick " << tick;
        EXPECT_EQ(g.FilmPosition, tick);
    }
    RecordingFrontend hand;
    const GameState h = PlayedByHand("lluRd", hand);  // case never decides a push: the board does
    EXPECT_EQ(ui.Calls, hand.Calls);
    EXPECT_EQ(g.HistoryLength, h.HistoryLength);
    for (int y = 0; y < g.LevelHeight; ++y)
        EXPECT_EQ(RowAt(g, y), RowAt(h, y)) << "row " << y;
    EXPECT_EQ(test::RowAt(g, 1), "#  *  #");

    ui.Clear();
    EXPECT_EQ(FilmStep(g, ui), 0) << "the film has ended";
    EXPECT_TRUE(ui.Calls.empty());
    EXPECT_EQ(g.FilmPosition, 5);
}

TEST_F(ReplayTest, OtherCharactersCostATickAndMoveNothing)
{
    // Not move text (a run-length count would be spelt out when the file is read): kept as written.
    Load("l #l");
    FilmStep(g, ui);
    ui.Clear();
    for (const int position : {2, 3}) {
        EXPECT_EQ(FilmStep(g, ui), 250) << "the timer goes on";
        EXPECT_EQ(g.FilmPosition, position);
        EXPECT_TRUE(ui.Calls.empty()) << "no move, no sound, no drawing";
    }
    FilmStep(g, ui);
    EXPECT_EQ(g.KeeperX, 3) << "two steps left; the '#' is no move";
    EXPECT_EQ(g.HistoryLength, 3);
}

TEST_F(ReplayTest, RefusedMoveKicksAndTheFilmGoesOn)
{
    Load("rl");
    EXPECT_EQ(FilmStep(g, ui), 250);
    EXPECT_EQ(ui.CountOf("Play Kick"), 1);
    EXPECT_EQ(FilmStep(g, ui), 250);
    EXPECT_EQ(g.KeeperX, 4);
}

TEST_F(ReplayTest, StopThenPlayContinuesWithTheNextLetter)
{
    Load("llUR");
    FilmTimer timer;
    timer.Play(g);
    timer.Tick(g, ui);
    timer.Tick(g, ui);
    timer.Stop();
    EXPECT_FALSE(timer.Tick(g, ui)) << "no tick while stopped";
    EXPECT_EQ(g.FilmPosition, 2);

    timer.Play(g);
    timer.Tick(g, ui);
    EXPECT_EQ(g.FilmPosition, 3);
    EXPECT_EQ(g.KeeperX, 3);
    EXPECT_EQ(g.KeeperY, 2) << "the third letter, not the first, was played";
}

TEST_F(ReplayTest, RewindReloadsAndTheFilmPlaysAgainFromTheStart)
{
    Load("llURd");
    FilmTimer timer;
    timer.Play(g);
    while (timer.Enabled)
        timer.Tick(g, ui);
    ASSERT_EQ(g.FilmPosition, 5);

    ui.Clear();
    FilmRewind(g, ui);
    EXPECT_EQ(g.FilmPosition, 0);
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_EQ(g.StoredSolution, "llURd");
    EXPECT_EQ(ui.CountOf("StopReplay"), 1);
    EXPECT_EQ(ui.CountOf("PaintBoard"), 1);
    EXPECT_EQ(RowAt(g, 3), "#    @#");

    timer.Play(g);
    while (timer.Enabled)
        timer.Tick(g, ui);
    EXPECT_EQ(g.FilmPosition, 5);
    EXPECT_EQ(RowAt(g, 1), "#  *  #");
}

TEST_F(ReplayTest, LevelWithoutSolutionDoesNothing)
{
    Load("");
    ASSERT_TRUE(g.StoredSolution.empty());
    EXPECT_FALSE(FilmHasMore(g));
    EXPECT_EQ(FilmStep(g, ui), 0);
    EXPECT_TRUE(ui.Calls.empty());
    EXPECT_EQ(g.FilmPosition, 0);
}

TEST_F(ReplayTest, OutsideSolutionModeTheTickStopsAndMovesNothing)
{
    Load("llURd");
    for (const int mode : {ModePlay, ModeEditor}) {
        g.GameMode = mode;
        EXPECT_EQ(FilmStep(g, ui), 0);
        EXPECT_EQ(g.FilmPosition, 0);
        EXPECT_TRUE(ui.Calls.empty());
    }
}

TEST_F(ReplayTest, SpeedChangeTakesEffectAtTheNextTick)
{
    Load("llll");
    EXPECT_EQ(FilmStep(g, ui), 250);
    EXPECT_EQ(SetFilmSpeed(g, 10), 25);
    EXPECT_EQ(g.FilmSpeed, 10);
    EXPECT_EQ(FilmStep(g, ui), 25);
    SetFilmSpeed(g, 6);
    EXPECT_EQ(FilmStep(g, ui), 125);
}

TEST(FilmIntervalTest, ElevenMinusSpeedTimesTwentyFive)
{
    const int expected[] = {250, 225, 200, 175, 150, 125, 100, 75, 50, 25};
    for (int speed = 1; speed <= 10; ++speed)
        EXPECT_EQ(FilmInterval(speed), expected[speed - 1]) << "speed " << speed;
    // A hand-edited settings file cannot stall the timer or make it race.
    EXPECT_EQ(FilmInterval(0), 250);
    EXPECT_EQ(FilmInterval(-7), 250);
    EXPECT_EQ(FilmInterval(11), 25);
    GameState g;
    EXPECT_EQ(SetFilmSpeed(g, 99), 25);
    EXPECT_EQ(g.FilmSpeed, 10);
}

TEST_F(ReplayTest, SolvingInSolutionModeNeitherCongratulatesNorMovesOn)
{
    Load("llU");
    const auto index = g.LevelIndex;
    FilmTimer timer;
    timer.Play(g);
    while (timer.Enabled)
        timer.Tick(g, ui);
    EXPECT_EQ(ui.CountOf("Play Win"), 1);
    EXPECT_TRUE(ui.Notices.empty());
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(g.LevelIndex, index);
    EXPECT_EQ(g.FilmPosition, 3);
}

TEST_F(ReplayTest, AForeignFilmPositionIsNeverUsedAsAnIndex)
{
    Load("ll");
    g.FilmPosition = -3;
    EXPECT_EQ(FilmStep(g, ui), 250);
    EXPECT_EQ(g.FilmPosition, 1);
    g.FilmPosition = 1000;
    EXPECT_EQ(FilmStep(g, ui), 0);
}

} // namespace
} // namespace w4
