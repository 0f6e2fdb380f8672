#include "core/ualgo.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

using test::LoadText;
using test::RecordingFrontend;
using test::RowAt;
using test::TempFolder;

char Cell0(const GameState& g, int x, int y)
{
    return g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

TEST(FillReachableArea, ClosedLevelMarksOutsideAndNormalisesInside)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder,
             " $  #####\r\n"
             "    #-_?#\r\n"
             "  . #@*.#\r\n"
             "    #####\r\n");
    EXPECT_EQ(RowAt(g, 0), "X$XX#####");
    EXPECT_EQ(RowAt(g, 1), "XXXX#   #");
    EXPECT_EQ(RowAt(g, 2), "XX.X#@*.#");
    EXPECT_EQ(RowAt(g, 3), "XXXX#####");
    // Past the level rectangle nothing is reachable either.
    EXPECT_EQ(Cell0(g, 30, 30), 'X');
    EXPECT_EQ(Cell0(g, 49, 0), 'X');
}

TEST(FillReachableArea, LeakingLevelFloodsTheWholeGrid)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder,
             "#####\r\n"
             "#@  -\r\n"
             "#####\r\n");
    EXPECT_EQ(RowAt(g, 1), "#@   ");
    EXPECT_EQ(Cell0(g, 49, 49), ' ');
    EXPECT_EQ(Cell0(g, 0, 49), ' ');
    EXPECT_EQ(Cell0(g, 10, 0), ' ');
    EXPECT_EQ(Cell0(g, 0, 0), '#');
}

TEST(FillReachableArea, WithoutKeeperNothingIsReached)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder,
             "#####\r\n"
             "# $.#\r\n"
             "#-*_#\r\n"
             "#####\r\n");
    EXPECT_EQ(RowAt(g, 1), "#X$.#");
    EXPECT_EQ(RowAt(g, 2), "#X*X#");
}

TEST(FillReachableArea, StartsFromTheLastKeeperInReadingOrder)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    // The first keeper's room is sealed; only the second keeper's room becomes floor.
    LoadText(g, ui, folder,
             "#######\r\n"
             "#@ #  #\r\n"
             "#  # +#\r\n"
             "#######\r\n");
    EXPECT_EQ(RowAt(g, 1), "#@X#  #");
    EXPECT_EQ(RowAt(g, 2), "#XX# +#");
    EXPECT_EQ(g.KeeperX, 5);
    EXPECT_EQ(g.KeeperY, 2);
}

TEST(FillReachableArea, UnreachableTargetStays)
{
    TempFolder folder;
    GameState g;
    RecordingFrontend ui;
    LoadText(g, ui, folder,
             "#######\r\n"
             "#@ #. #\r\n"
             "#######\r\n");
    EXPECT_EQ(RowAt(g, 1), "#@ #.X#");
}

TEST(FillReachableArea, OpenGridWithKeeperInTheCornerReachesEverything)
{
    GameState g;
    g.SnapshotHistory.assign(1, BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill('-');
    g.SnapshotHistory[0].Board[49][49] = '@';
    FillReachableArea(g);
    int floor = 0;
    for (const auto& column : g.SnapshotHistory[0].Board)
        for (const char c : column)
            floor += c == ' ';
    EXPECT_EQ(floor, 2499);
    EXPECT_EQ(Cell0(g, 49, 49), '@');
}

} // namespace
} // namespace w4
