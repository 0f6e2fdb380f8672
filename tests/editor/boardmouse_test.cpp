// From a pointer position to a cell, and what a press or drag does there in each mode.
#include "core/recording_frontend.h"
#include "editor/boardmouse.h"
#include "editor/editorinput.h"
#include "editor_fixtures.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::MakeLevel;
using test::RecordingFrontend;

GameState TenByEight(bool stretch, bool proportional)
{
    GameState g = MakeLevel(std::vector<std::string>(8, std::string(10, '#')));
    g.ForegroundStretched = stretch;
    g.ForegroundProportional = proportional;
    return g;
}

struct RectCase {
    const char* Mode;
    bool Stretch, Proportional;
    int Left, Top, Width, Height;
};

TEST(BoardHitTestTest, BoardRectangleByForegroundMode)
{
    // 10 x 8 cells of 16 pixels (a 162 x 130 picture with its frame) in a 640 x 400 component.
    // Scaled, the picture is drawn at 498 x 400 from (71, 0) or at 640 x 400, and the cells
    // start where the scaled frame ends.
    const RectCase cases[] = {
        {"Standard", false, true, 240, 136, 160, 128},
        {"Proportional", true, true, 74, 3, 492, 394},
        {"Stretched", true, false, 4, 3, 632, 394},
    };
    for (const auto& c : cases) {
        const BoardHit hit = BoardHitTest(TenByEight(c.Stretch, c.Proportional), 640, 400, 320, 200);
        EXPECT_TRUE(hit.HasRect) << c.Mode;
        EXPECT_EQ(hit.Left, c.Left) << c.Mode;
        EXPECT_EQ(hit.Top, c.Top) << c.Mode;
        EXPECT_EQ(hit.Width, c.Width) << c.Mode;
        EXPECT_EQ(hit.Height, c.Height) << c.Mode;
    }
}

struct PointCase {
    int X, Y;
    bool OnBoard;
    int Column, Row;
};

TEST(BoardHitTestTest, StandardModeCellsAndEdges)
{
    const GameState g = TenByEight(false, true);
    const PointCase cases[] = {
        {240, 136, true, 0, 0},
        {399, 263, true, 9, 7},
        {255, 151, true, 0, 0},
        {256, 152, true, 1, 1},
        {239, 136, false, -1, -1},
        {240, 135, false, -1, -1},
        {400, 200, false, -1, -1},
        {300, 264, false, -1, -1},
    };
    for (const auto& c : cases) {
        const BoardHit hit = BoardHitTest(g, 640, 400, c.X, c.Y);
        EXPECT_EQ(hit.OnBoard, c.OnBoard) << c.X << "," << c.Y;
        if (c.OnBoard) {
            EXPECT_EQ(hit.Column, c.Column) << c.X << "," << c.Y;
            EXPECT_EQ(hit.Row, c.Row) << c.X << "," << c.Y;
        }
    }
}

TEST(BoardHitTestTest, ScaledModesHitTheCellsWhereTheyAreDrawn)
{
    const GameState proportional = TenByEight(true, true);
    BoardHit hit = BoardHitTest(proportional, 640, 400, 74, 3);
    EXPECT_TRUE(hit.OnBoard);
    EXPECT_EQ(hit.Column, 0);
    EXPECT_EQ(hit.Row, 0);
    hit = BoardHitTest(proportional, 640, 400, 565, 396);
    EXPECT_EQ(hit.Column, 9);
    EXPECT_EQ(hit.Row, 7);
    // The scaled frame is see-through and belongs to no cell.
    EXPECT_FALSE(BoardHitTest(proportional, 640, 400, 73, 10).OnBoard);
    EXPECT_FALSE(BoardHitTest(proportional, 640, 400, 566, 10).OnBoard);

    const GameState stretched = TenByEight(true, false);
    hit = BoardHitTest(stretched, 640, 400, 635, 396);
    EXPECT_EQ(hit.Column, 9);
    EXPECT_EQ(hit.Row, 7);
    // Cell (1, 1) begins with picture pixel 17, drawn from screen pixel (67, 52).
    hit = BoardHitTest(stretched, 640, 400, 67, 52);
    EXPECT_EQ(hit.Column, 1);
    EXPECT_EQ(hit.Row, 1);
    hit = BoardHitTest(stretched, 640, 400, 66, 51);
    EXPECT_EQ(hit.Column, 0);
    EXPECT_EQ(hit.Row, 0);
}

TEST(BoardHitTestTest, StandardShrinksABoardThatDoesNotFit)
{
    GameState g = MakeLevel(std::vector<std::string>(20, std::string(50, '#')));
    const BoardHit hit = BoardHitTest(g, 400, 300, 0, 70);
    // The 802 x 322 picture is drawn at 400 x 160 from (0, 70); its frame shrinks below a pixel.
    EXPECT_EQ(hit.Width, 400);
    EXPECT_EQ(hit.Height, 160);
    EXPECT_EQ(hit.Left, 0);
    EXPECT_EQ(hit.Top, 70);
    EXPECT_TRUE(hit.OnBoard);
    EXPECT_EQ(hit.Column, 0);
    EXPECT_EQ(hit.Row, 0);
}

TEST(BoardHitTestTest, AboveAPixelRatioOfOneCellsAreHitOnTheScreensPixels)
{
    // 2 x 2 cells of 64 pixels in 200 x 200 logical pixels at ratio 2: the 130-pixel picture is
    // drawn on 130 screen pixels from screen pixel 135, so each cell is 32 logical pixels wide.
    GameState g = MakeLevel({"##", "##"});
    g.TileWidth = g.TileHeight = 64;
    const BoardHit left = BoardHitTest(g, 200, 200, 99, 80, 2.0);
    EXPECT_EQ(left.Left, 68);
    EXPECT_EQ(left.Width, 64);
    EXPECT_EQ(left.Column, 0);
    EXPECT_EQ(left.Row, 0);
    const BoardHit right = BoardHitTest(g, 200, 200, 100, 100, 2.0);
    EXPECT_EQ(right.Column, 1);
    EXPECT_EQ(right.Row, 1);
    EXPECT_FALSE(BoardHitTest(g, 200, 200, 67, 80, 2.0).OnBoard);
}

TEST(BoardHitTestTest, NeitherSwitchHitsNothing)
{
    const BoardHit hit = BoardHitTest(TenByEight(false, false), 640, 400, 300, 200);
    EXPECT_FALSE(hit.HasRect);
    EXPECT_FALSE(hit.OnBoard);
}

TEST(BoardHitTestTest, EmptyLevel)
{
    // An empty level's picture is its frame alone: no mode has a cell to hit.
    GameState g = MakeLevel({});
    for (const auto& [stretch, proportional] : {std::pair{false, true}, {true, true}, {true, false}}) {
        g.ForegroundStretched = stretch;
        g.ForegroundProportional = proportional;
        for (const auto& [x, y] : {std::pair{0, 0}, {639, 399}, {320, 200}}) {
            const BoardHit hit = BoardHitTest(g, 640, 400, x, y);
            EXPECT_FALSE(hit.HasRect);
            EXPECT_FALSE(hit.OnBoard);
        }
    }
}

TEST(BoardHitTestTest, ZeroSizedComponentHitsNothing)
{
    for (const bool stretch : {false, true})
        for (const bool proportional : {false, true}) {
            GameState g = TenByEight(stretch, proportional);
            EXPECT_FALSE(BoardHitTest(g, 0, 0, 0, 0).OnBoard);
        }
}

struct AloneCase {
    MouseState State;
    bool LeftAlone, RightAlone;
};

TEST(MouseStateTest, AloneMeansExactlyThatButton)
{
    auto with = [](auto set) {
        MouseState s;
        set(s);
        return s;
    };
    const AloneCase cases[] = {
        {with([](MouseState& s) { s.Left = true; }), true, false},
        {with([](MouseState& s) { s.Right = true; }), false, true},
        {with([](MouseState& s) { s.Left = s.Shift = true; }), false, false},
        {with([](MouseState& s) { s.Left = s.Ctrl = true; }), false, false},
        {with([](MouseState& s) { s.Left = s.Alt = true; }), false, false},
        {with([](MouseState& s) { s.Left = s.Right = true; }), false, false},
        {with([](MouseState& s) { s.Left = s.Middle = true; }), false, false},
        {with([](MouseState& s) { s.Left = s.Double = true; }), false, false},
        {with([](MouseState& s) { s.Right = s.Shift = true; }), false, false},
        {with([](MouseState& s) { s.Middle = true; }), false, false},
        {MouseState{}, false, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(IsLeftAlone(cases[i].State), cases[i].LeftAlone) << "case " << i;
        EXPECT_EQ(IsRightAlone(cases[i].State), cases[i].RightAlone) << "case " << i;
    }
}

TEST(MouseStateTest, FromQtButtonsAndModifiers)
{
    EXPECT_TRUE(IsLeftAlone(MouseStateOf(Qt::LeftButton, Qt::NoModifier)));
    EXPECT_TRUE(IsLeftAlone(MouseStateOf(Qt::LeftButton, Qt::MetaModifier | Qt::KeypadModifier)));
    EXPECT_FALSE(IsLeftAlone(MouseStateOf(Qt::LeftButton, Qt::ShiftModifier)));
    EXPECT_FALSE(IsLeftAlone(MouseStateOf(Qt::LeftButton, Qt::NoModifier, true)));
    EXPECT_FALSE(IsLeftAlone(MouseStateOf(Qt::LeftButton | Qt::RightButton, Qt::NoModifier)));
    EXPECT_TRUE(IsRightAlone(MouseStateOf(Qt::RightButton, Qt::NoModifier)));
    EXPECT_FALSE(IsRightAlone(MouseStateOf(Qt::RightButton, Qt::ControlModifier)));
    EXPECT_FALSE(IsRightAlone(MouseStateOf(Qt::RightButton | Qt::MiddleButton, Qt::NoModifier)));
}

TEST(MouseStepTest, OnlyTheKeepersRowAndColumnAskForAStep)
{
    GameState g;
    g.KeeperX = 5;
    g.KeeperY = 4;
    const struct {
        int Column, Row;
        char Letter;
    } cases[] = {
        {4, 4, 'l'}, {0, 4, 'l'}, {6, 4, 'r'}, {49, 4, 'r'}, {5, 3, 'u'}, {5, 0, 'u'},
        {5, 5, 'd'}, {5, 9, 'd'}, {5, 4, 0},   {4, 3, 0},   {6, 5, 0},   {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MouseStepLetter(g, c.Column, c.Row), c.Letter) << c.Column << "," << c.Row;
}

class BoardMouseTest : public ::testing::Test {
protected:
    BoardMouseTest()
        : g(MakeLevel({
              "#########",
              "#      $#",
              "#   @   #",
              "#.      #",
              "#########",
          }))
    {
        g.KeeperX = 4;
        g.KeeperY = 2;
        g.LevelInPlay = true;
    }

    // A press at a cell, as the hit test would report it.
    bool Press(int column, int row, MouseState s)
    {
        BoardHit hit;
        hit.HasRect = hit.OnBoard = true;
        hit.Column = column;
        hit.Row = row;
        return BoardMouse(g, ui, hit, s);
    }

    static MouseState Left(bool shift = false, bool ctrl = false)
    {
        MouseState s;
        s.Left = true;
        s.Shift = shift;
        s.Ctrl = ctrl;
        return s;
    }

    GameState g;
    RecordingFrontend ui;
};

TEST_F(BoardMouseTest, ClickThreeCellsLeftMakesExactlyOneStep)
{
    g.GameMode = ModePlay;
    EXPECT_FALSE(Press(1, 2, Left()));
    EXPECT_EQ(g.HistoryLength, 2);
    EXPECT_EQ(g.KeeperX, 3);
    EXPECT_EQ(g.SnapshotHistory[0].MoveLetter, 'l');
    // Dragging on: one more step per reported position.
    Press(1, 2, Left());
    EXPECT_EQ(g.KeeperX, 2);
    EXPECT_EQ(g.HistoryLength, 3);
}

TEST_F(BoardMouseTest, DiagonalClickOwnCellOrModifierMovesNothing)
{
    g.GameMode = ModePlay;
    Press(2, 1, Left());
    Press(4, 2, Left());
    Press(1, 2, Left(true, false));
    Press(1, 2, Left(false, true));
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(BoardMouseTest, NoStepOnceTheLevelIsOverOrInSolutionMode)
{
    g.GameMode = ModePlay;
    g.LevelInPlay = false;
    Press(1, 2, Left());
    g.GameMode = ModeSolution;
    g.LevelInPlay = true;
    Press(1, 2, Left());
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(BoardMouseTest, EditorPaintsTheToolIntoRecordZeroAndDrawsTheCell)
{
    g.GameMode = ModeEditor;
    g.EditorTool = '$';
    Press(2, 1, Left());
    EXPECT_EQ(g.SnapshotHistory[0].Board[2][1], '$');
    EXPECT_EQ(ui.Calls, std::vector<std::string>{"DrawCell 2,1"});

    // Floor over a wall.
    g.EditorTool = ' ';
    Press(0, 0, Left());
    EXPECT_EQ(g.SnapshotHistory[0].Board[0][0], ' ');
}

TEST_F(BoardMouseTest, EditorIgnoresModifiersAndOtherButtons)
{
    g.GameMode = ModeEditor;
    g.EditorTool = '$';
    Press(2, 1, Left(true, false));
    MouseState middle;
    middle.Middle = true;
    Press(2, 1, middle);
    EXPECT_EQ(g.SnapshotHistory[0].Board[2][1], ' ');
    EXPECT_TRUE(ui.Calls.empty());
}

TEST_F(BoardMouseTest, PaintingASecondKeeperKeepsTheFirstAndMovesTheKeeperPosition)
{
    g.GameMode = ModeEditor;
    g.EditorTool = '+';
    Press(6, 3, Left());
    EXPECT_EQ(g.SnapshotHistory[0].Board[4][2], '@');
    EXPECT_EQ(g.SnapshotHistory[0].Board[6][3], '+');
    EXPECT_EQ(g.KeeperX, 6);
    EXPECT_EQ(g.KeeperY, 3);
}

TEST_F(BoardMouseTest, RightAloneOpensTheMenuInEveryModeOnOrOffTheBoard)
{
    MouseState right;
    right.Right = true;
    for (const int mode : {ModePlay, ModeEditor, ModeSolution}) {
        g.GameMode = mode;
        EXPECT_TRUE(Press(2, 2, right)) << mode;
        EXPECT_TRUE(BoardMouse(g, ui, BoardHit{}, right)) << mode;
        EXPECT_FALSE(BoardMouse(g, ui, BoardHit{}, Left())) << mode;
    }
    EXPECT_EQ(g.HistoryLength, 1);
    EXPECT_TRUE(ui.Calls.empty());
}

TEST(PaintEditorToolTest, OnlyCellsInsideTheFrameChange)
{
    GameState g = MakeLevel({"###", "# #"});
    g.EditorTool = '.';
    for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}, {49, 49}, {50, 0}})
        EXPECT_FALSE(PaintEditorTool(g, x, y)) << x << "," << y;
    EXPECT_EQ(g.SnapshotHistory[0].Board[3][0], ' ');
    EXPECT_TRUE(PaintEditorTool(g, 1, 1));
    EXPECT_FALSE(PaintEditorTool(g, 1, 1)) << "same character: nothing changed";

    GameState none;
    none.LevelWidth = none.LevelHeight = 5;
    EXPECT_FALSE(PaintEditorTool(none, 1, 1)) << "no snapshot to paint into";
}

TEST(PaintEditorToolTest, EmptyLevelInStretchedModePaintsNothing)
{
    GameState g = MakeLevel({});
    g.GameMode = ModeEditor;
    g.ForegroundStretched = true;
    g.ForegroundProportional = false;
    RecordingFrontend ui;
    MouseState left;
    left.Left = true;
    BoardMouse(g, ui, BoardHitTest(g, 640, 400, 100, 100), left);
    EXPECT_EQ(g.SnapshotHistory[0].Board[0][0], ' ');
    EXPECT_TRUE(ui.Calls.empty());
}

TEST(PaletteTest, EachImageSelectsItsCharacter)
{
    GameState g;
    const char expected[] = {'#', '@', '+', '$', '*', '.', ' '};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ChoosePaletteTool(g, i), expected[i]);
    EXPECT_EQ(g.EditorTool, ' ');
    EXPECT_EQ(ChoosePaletteTool(g, 7), ' ');
    EXPECT_EQ(ChoosePaletteTool(g, -1), ' ');
}

} // namespace
} // namespace w4
