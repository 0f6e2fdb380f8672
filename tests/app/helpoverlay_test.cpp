// What the help draws over the board, from its plain model: which line and marks show in each
// mode, where the line goes round the board, and that the marks land on their cells.
#include "window_fixture.h"

#include "app/help/helpoverlay.h"
#include "core/uglobal.h"

#include <QImage>
#include <QPainter>

using namespace w4test;

namespace {

const std::vector<std::pair<int, int>> OneDeadlock = {{1, 0}};
const std::array<int, 4> HintArrow = {0, 1, 1, 1};

TEST(HelpOverlay, EachModeShowsItsOwnLineAndOnlyPlayShowsMarks)
{
    const w4::OverlayModel play = w4::OverlayFor(w4::ModePlay, "help", "check", OneDeadlock, HintArrow, 4, 3);
    EXPECT_EQ(play.Message, "help");
    EXPECT_EQ(play.Deadlocked, OneDeadlock);
    EXPECT_TRUE(play.Hint.has_value());

    // Marks left from Play mode never show over the editor's board or a film.
    const w4::OverlayModel editor = w4::OverlayFor(w4::ModeEditor, "help", "check", OneDeadlock, HintArrow, 4, 3);
    EXPECT_EQ(editor.Message, "check");
    EXPECT_TRUE(editor.Deadlocked.empty());
    EXPECT_FALSE(editor.Hint.has_value());

    const w4::OverlayModel film = w4::OverlayFor(w4::ModeSolution, "help", "check", OneDeadlock, HintArrow, 4, 3);
    EXPECT_TRUE(film.Message.isEmpty());
    EXPECT_TRUE(film.Deadlocked.empty());
    EXPECT_FALSE(film.Hint.has_value());
}

TEST(HelpOverlay, TheLineTakesAMarginAndNeverACell)
{
    const QRect area(0, 0, 400, 300);
    w4::BoardHit board;
    board.HasRect = true;
    board.Left = 100;
    board.Width = 200;

    // Room below the board: the line sits there, centred.
    board.Top = 20;
    board.Height = 200;
    const QRect below = w4::MessagePlace(area, board, 120, 24);
    EXPECT_EQ(below, QRect(139, 272, 120, 24));
    EXPECT_GE(below.top(), board.Top + board.Height);

    // No room below but some above: the line goes over the board.
    board.Top = 80;
    board.Height = 210;
    const QRect above = w4::MessagePlace(area, board, 120, 24);
    EXPECT_EQ(above, QRect(139, 3, 120, 24));
    EXPECT_LE(above.bottom(), board.Top);

    // A board that fills the area (stretched): no place, as a cell would be hidden.
    board.Top = 0;
    board.Height = 300;
    EXPECT_TRUE(w4::MessagePlace(area, board, 120, 24).isEmpty());
    // Just too little room either side.
    board.Top = 27;
    board.Height = 246;
    EXPECT_TRUE(w4::MessagePlace(area, board, 120, 24).isEmpty());

    // Nothing drawn on the board (an empty level): the foot of the area.
    EXPECT_EQ(w4::MessagePlace(area, w4::BoardHit{}, 120, 24), QRect(139, 272, 120, 24));
}

TEST(HelpOverlay, NoLineNoPlace)
{
    EnsureApplication();
    w4::BoardHit board;
    board.HasRect = true;
    board.Width = board.Height = 100;
    const w4::OverlayModel model = w4::OverlayFor(w4::ModePlay, QString(), "check", {}, std::nullopt, 4, 4);
    EXPECT_TRUE(w4::MessageRect(model, QFont(), QRect(0, 0, 400, 400), board).isEmpty());
}

TEST(HelpOverlay, MarksAreDrawnOnTheirCells)
{
    EnsureApplication();
    // A 4 x 2 level drawn at 40-pixel cells from (20, 10): the deadlock mark on cell (1, 0) only.
    w4::BoardHit board;
    board.HasRect = true;
    board.Left = 20;
    board.Top = 10;
    board.Width = 160;
    board.Height = 80;
    QImage picture(200, 100, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        const w4::OverlayModel model = w4::OverlayFor(w4::ModePlay, QString(), QString(), OneDeadlock, std::nullopt, 4, 2);
        w4::PaintOverlay(painter, model, QRect(), board);
    }
    const QRect cell(60, 10, 40, 40);
    int inside = 0, outside = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                ++(cell.contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);

    // In the editor the same marks draw nothing.
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        const w4::OverlayModel model =
            w4::OverlayFor(w4::ModeEditor, QString(), QString(), OneDeadlock, HintArrow, 4, 2);
        w4::PaintOverlay(painter, model, QRect(), board);
    }
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255));
}

} // namespace
