// Walking and pushing by mouse: the paths the window plays as ordinary moves.
#include "core/pathing.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

struct Board {
    w4::BoardGrid Cells{};
    int Width = 0, Height = 0, KeeperX = -1, KeeperY = -1;

    explicit Board(const std::vector<std::string>& rows)
    {
        Height = static_cast<int>(rows.size());
        for (const auto& row : rows)
            Width = std::max(Width, static_cast<int>(row.size()));
        for (auto& column : Cells)
            column.fill(' ');
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()); ++x) {
                const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = c;
                if (c == '@' || c == '+') {
                    KeeperX = x;
                    KeeperY = y;
                }
            }
    }
    w4::PathBoard View() const { return {&Cells, Width, Height}; }
    std::vector<std::string> Rows() const { return w4::BoardRows(Cells, Width, Height); }
};

int Pushes(const std::string& letters)
{
    int n = 0;
    for (char c : letters)
        n += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    return n;
}

TEST(WalkPath, GoesRoundWallsAndBoxesByAShortestWay)
{
    const Board b({"#######",
                   "#@ #  #",
                   "# $#  #",
                   "#     #",
                   "#######"});
    // Down round the box column: 3 down-and-right steps are not possible past the box at (2,2).
    const auto path = w4::WalkPath(b.View(), b.KeeperX, b.KeeperY, 4, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->size(), 7u) << *path;   // (1,1) -> (1,3) -> (4,3) -> (4,1)
    // Played by the game's rules it ends on the cell and pushes nothing.
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[1][4], '@');
    EXPECT_EQ(after[2][2], '$');
    EXPECT_EQ(*w4::WalkPath(b.View(), b.KeeperX, b.KeeperY, 1, 1), "");
}

TEST(WalkPath, RefusesWallsBoxesAndCutOffCells)
{
    const Board b({"######",
                   "#@$  #",
                   "######"});
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 2, 1)) << "a box is not walked onto";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 3, 1)) << "behind a box is cut off";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 0, 0)) << "a wall";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 9, 9)) << "outside";
}

TEST(PushPath, FewestPushesThenFewestMoves)
{
    // The box at (2,2) goes to (4,2): two pushes right; the keeper first walks round to its left.
    const Board b({"#######",
                   "#  @  #",
                   "# $  .#",
                   "#     #",
                   "#######"});
    const auto path = w4::PushPath(b.View(), b.KeeperX, b.KeeperY, 2, 2, 4, 2);
    ASSERT_TRUE(path);
    EXPECT_EQ(Pushes(*path), 2) << *path;
    EXPECT_EQ(path->size(), 5u) << *path;   // l l d, then R R
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[2][4], '$');
    EXPECT_EQ(after[2][3], '@');
}

TEST(PushPath, TurnsCornersAndKeepsTheOtherBoxesStill)
{
    // Right along the bottom corridor, then up the right column: the keeper changes sides once.
    const Board b({"#######",
                   "#$    #",
                   "# ### #",
                   "# $   #",
                   "#  @  #",
                   "#######"});
    const auto path = w4::PushPath(b.View(), b.KeeperX, b.KeeperY, 2, 3, 5, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(Pushes(*path), 5) << *path;   // R R R, then U U from below
    EXPECT_EQ(*path, "lluRRRdrUU");
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[1][5], '$');
    EXPECT_EQ(after[1][1], '$') << "the other box stays";
}

TEST(PushPath, ImpossiblePushesGiveNothing)
{
    const Board b({"######",
                   "#@$  #",
                   "#    #",
                   "######"});
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 2, 1, 2, 2)) << "no room above the box to push it down";
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 3, 1, 4, 1)) << "no box there";
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 2, 1, 5, 1)) << "into a wall";
    EXPECT_EQ(*w4::PushPath(b.View(), 1, 1, 2, 1, 2, 1), "");
    const auto along = w4::PushPath(b.View(), 1, 1, 2, 1, 4, 1);
    ASSERT_TRUE(along);
    EXPECT_EQ(*along, "RR");
}

TEST(FirstPush, MarksTheBoxAndItsNextCell)
{
    const std::vector<std::string> rows{"######", "#@ $.#", "######"};
    const auto mark = w4::FirstPush(rows, "rR");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->BoxX, 3);
    EXPECT_EQ(mark->ToX, 4);
    EXPECT_EQ(mark->Letters, "rR");
    EXPECT_FALSE(w4::FirstPush(rows, "r"));
}

} // namespace
