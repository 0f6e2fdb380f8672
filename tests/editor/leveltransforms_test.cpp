// Shifting the level inside its frame, growing the frame, and fitting the frame to the level.
#include "core/loading.h"
#include "core/recording_frontend.h"
#include "editor/boardmouse.h"
#include "editor/editorcommands.h"
#include "editor/leveltransforms.h"
#include "editor_fixtures.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using Rows = std::vector<std::string>;
using test::Frame;
using test::MakeLevel;

Rows Repeat(const std::string& row, int count) { return Rows(static_cast<std::size_t>(count), row); }

TEST(UsedCellScanTest, FindTheBoundingBoxOfNonBlankCells)
{
    const GameState g = MakeLevel({
        "      ",
        "  #   ",
        "   X  ",
        "      ",
    });
    EXPECT_EQ(FirstUsedColumn(g), 2);
    EXPECT_EQ(LastUsedColumn(g), 3) << "the outside mark counts as used";
    EXPECT_EQ(FirstUsedRow(g), 1);
    EXPECT_EQ(LastUsedRow(g), 2);
}

TEST(UsedCellScanTest, EmptyFrameGivesSizeAndMinusOne)
{
    for (const GameState& g : {MakeLevel(Repeat("    ", 3)), MakeLevel({}), GameState{}}) {
        EXPECT_EQ(FirstUsedColumn(g), g.LevelWidth);
        EXPECT_EQ(LastUsedColumn(g), -1);
        EXPECT_EQ(FirstUsedRow(g), g.LevelHeight);
        EXPECT_EQ(LastUsedRow(g), -1);
    }
}

TEST(UsedCellScanTest, CellsOutsideTheFrameAreNotScanned)
{
    GameState g = MakeLevel({"  ", "  "});
    g.SnapshotHistory[0].Board[5][0] = '#';
    g.SnapshotHistory[0].Board[0][7] = '#';
    EXPECT_EQ(LastUsedColumn(g), -1);
    EXPECT_EQ(LastUsedRow(g), -1);
}

TEST(ShiftTest, LeftAtTheEdgeGrowsAndRightMovesItBack)
{
    // A 20-column level whose leftmost wall is in column 0.
    const Rows start = {"####################", "#   @              #", "####################"};
    GameState g = MakeLevel(start);
    ShiftLevelLeft(g);
    ASSERT_EQ(g.LevelWidth, 21);
    ASSERT_EQ(g.LevelHeight, 3);
    for (std::size_t y = 0; y < start.size(); ++y)
        EXPECT_EQ(Frame(g)[y], start[y] + " ") << "row " << y;

    ShiftLevelRight(g);
    EXPECT_EQ(g.LevelWidth, 21) << "there was room on the right: no growth";
    for (std::size_t y = 0; y < start.size(); ++y)
        EXPECT_EQ(Frame(g)[y], " " + start[y]) << "row " << y;
}

TEST(ShiftTest, InsideTheFrameEachDirectionMovesOneCellAndBlanksBehind)
{
    const Rows start = {"     ", "  #  ", "     "};
    struct Case {
        void (*Shift)(GameState&);
        Rows Expected;
    } cases[] = {
        {ShiftLevelLeft, {"     ", " #   ", "     "}},
        {ShiftLevelRight, {"     ", "   # ", "     "}},
        {ShiftLevelUp, {"  #  ", "     ", "     "}},
        {ShiftLevelDown, {"     ", "     ", "  #  "}},
    };
    for (const auto& c : cases) {
        GameState g = MakeLevel(start);
        c.Shift(g);
        EXPECT_EQ(Frame(g), c.Expected);
    }
}

TEST(ShiftTest, TouchingEdgeGrowsTheFrameInEveryDirection)
{
    const Rows start = {"#@", "$."};
    struct Case {
        void (*Shift)(GameState&);
        Rows Expected;
    } cases[] = {
        {ShiftLevelLeft, {"#@ ", "$. "}},
        {ShiftLevelRight, {" #@", " $."}},
        {ShiftLevelUp, {"#@", "$.", "  "}},
        {ShiftLevelDown, {"  ", "#@", "$."}},
    };
    for (const auto& c : cases) {
        GameState g = MakeLevel(start);
        c.Shift(g);
        EXPECT_EQ(Frame(g), c.Expected);
    }
}

TEST(ShiftTest, DownOnAFullSevenBySevenGivesSevenByEight)
{
    Rows start = Repeat(" ##### ", 7);
    start[6] = "  $    ";
    GameState g = MakeLevel(start);
    ShiftLevelDown(g);
    ASSERT_EQ(g.LevelWidth, 7);
    ASSERT_EQ(g.LevelHeight, 8);
    Rows expected = {"       "};
    expected.insert(expected.end(), start.begin(), start.end());
    EXPECT_EQ(Frame(g), expected);
}

TEST(ShiftTest, AtFiftyCellsTowardsATouchedEdgeNothingChanges)
{
    const Rows wide = Repeat("#" + std::string(48, ' ') + "#", 3);
    const Rows tall = [] {
        Rows r = Repeat("   ", 50);
        r.front() = r.back() = " # ";
        return r;
    }();
    struct Case {
        Rows Start;
        void (*Shift)(GameState&);
    } cases[] = {
        {wide, ShiftLevelLeft}, {wide, ShiftLevelRight}, {tall, ShiftLevelUp}, {tall, ShiftLevelDown},
    };
    for (const auto& c : cases) {
        GameState g = MakeLevel(c.Start);
        c.Shift(g);
        EXPECT_EQ(Frame(g), c.Start);
    }
}

TEST(ShiftTest, AColumnThatEntersTheFrameIsBlankedFirst)
{
    // Cells left behind outside the frame by an earlier fit must not reappear.
    GameState g = MakeLevel({"#@#", "###"});
    g.SnapshotHistory[0].Board[3][0] = '$';
    g.SnapshotHistory[0].Board[3][1] = '*';
    g.SnapshotHistory[0].Board[0][2] = '.';
    ShiftLevelLeft(g);
    EXPECT_EQ(Frame(g), (Rows{"#@# ", "### "}));
    ShiftLevelUp(g);
    EXPECT_EQ(Frame(g), (Rows{"#@# ", "### ", "    "}));
}

TEST(ShiftTest, WithoutAnySnapshotNothingHappens)
{
    GameState g;
    g.LevelWidth = 3;
    g.LevelHeight = 3;
    ShiftLevelLeft(g);
    ShiftLevelRight(g);
    ShiftLevelUp(g);
    ShiftLevelDown(g);
    EXPECT_FALSE(FitFrameToLevel(g));
    EXPECT_EQ(g.LevelWidth, 3);
    EXPECT_EQ(g.LevelHeight, 3);
}

TEST(FitFrameTest, MovesTheBoundingBoxToTheCornerAndShrinks)
{
    GameState g = MakeLevel({
        "        ",
        "   #    ",
        "  #@#   ",
        "   #  $ ",
        "        ",
    });
    EXPECT_TRUE(FitFrameToLevel(g));
    EXPECT_EQ(Frame(g), (Rows{" #   ", "#@#  ", " #  $"}));
}

TEST(FitFrameTest, LeftShiftAtTheEdgeThenFitRestoresTheFrame)
{
    const Rows start = {"####", "#@.#", "####"};
    GameState g = MakeLevel(start);
    ShiftLevelLeft(g);
    ASSERT_EQ(g.LevelWidth, 5);
    FitFrameToLevel(g);
    EXPECT_EQ(Frame(g), start);
}

TEST(FitFrameTest, AllFloorFrameIsLeftAlone)
{
    GameState g = MakeLevel(Repeat("     ", 4));
    EXPECT_FALSE(FitFrameToLevel(g));
    EXPECT_EQ(g.LevelWidth, 5);
    EXPECT_EQ(g.LevelHeight, 4);
}

TEST(FitFrameTest, NewLevelIsFramedByOutsideMarksUntilTheyArePainted)
{
    test::TempFolder folder;
    test::RecordingFrontend ui;
    GameState g;
    g.GameMode = ModeEditor;
    CreateNewLevel(g, ui, folder.File("new.xsb"));
    ASSERT_EQ(g.LevelWidth, 7);
    ASSERT_EQ(g.LevelHeight, 7);

    EXPECT_TRUE(FitFrameToLevel(g));
    EXPECT_EQ(g.LevelWidth, 7) << "the margin holds outside marks, not blanks";
    EXPECT_EQ(g.LevelHeight, 7);

    // Paint the 24 margin cells with the floor tool.
    g.EditorTool = ' ';
    int painted = 0;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (x == 0 || y == 0 || x == 6 || y == 6)
                painted += PaintEditorTool(g, x, y);
    EXPECT_EQ(painted, 24);

    CenterLevel(g, ui);
    EXPECT_EQ(Frame(g), (Rows{"#####", "#   #", "# @ #", "#   #", "#####"}));
    EXPECT_EQ(g.KeeperX, 2);
    EXPECT_EQ(g.KeeperY, 2);
}

} // namespace
} // namespace w4
