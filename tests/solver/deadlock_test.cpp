// Each deadlock rule both ways: the position it must call lost, and a near-identical one it
// must leave alone.
#include "solver/deadlocks.h"
#include "solver/solver.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace w4::solver {
namespace {

using Boxes = std::vector<std::pair<int, int>>;

Boxes Sorted(Boxes boxes)
{
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

TEST(DeadlockedBoxes, BoxInACornerOffTargetIsLostOnTargetIsFine)
{
    EXPECT_EQ(DeadlockedBoxes({"######", "#$  .#", "#    #", "# @  #", "######"}), (Boxes{{1, 1}}));
    EXPECT_TRUE(DeadlockedBoxes({"######", "#*   #", "#    #", "# @  #", "######"}).empty());
}

TEST(DeadlockedBoxes, BoxOnAWallWithoutTargetIsLostWithATargetOnThatWallIsFine)
{
    // Nothing pulls a box back off the top wall unless a target lies along it.
    EXPECT_EQ(DeadlockedBoxes({"#######", "#  $  #", "#     #", "#. @  #", "#######"}), (Boxes{{3, 1}}));
    EXPECT_TRUE(DeadlockedBoxes({"#######", "#  $ .#", "#     #", "#  @  #", "#######"}).empty());
}

// A cell walled up (as a box that never moves would be) stops the pulls through it both where
// the box would go and where the keeper would stand; a target under it counts no more.
TEST(DeadSquares, AWalledUpCellStopsPullsPastItAndItsTargetCountsNoMore)
{
    const Board board = BoardForSolving({"#######", "#.$  @#", "#######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const auto deadAt = [&](const std::vector<std::uint8_t>& dead) {
        std::string row;
        for (int x = 1; x <= 5; ++x)
            row += dead[CellAt(board, x, 1)] ? 'x' : '-';
        return row;
    };
    EXPECT_EQ(deadAt(DeadSquares(board)), "----x");
    // Walled up at x = 3: no keeper room to pull a box from 1 to 2; 3 itself is never reached.
    EXPECT_EQ(deadAt(DeadSquares(board, CellAt(board, 3, 1))), "-xxxx");
    EXPECT_EQ(deadAt(DeadSquares(board, CellAt(board, 1, 1))), "xxxxx");
}

TEST(DeadlockedBoxes, TwoBoxesFrozenTogetherAgainstAWallAreLostApartTheyAreFine)
{
    // Targets on the top wall keep its cells alive: only the freeze can make these boxes lost.
    EXPECT_EQ(Sorted(DeadlockedBoxes({"#######", "#.$$. #", "#     #", "#  @  #", "#######"})), (Boxes{{2, 1}, {3, 1}}));
    EXPECT_TRUE(DeadlockedBoxes({"#######", "#.$ $.#", "#     #", "#  @  #", "#######"}).empty());
}

TEST(DeadlockedBoxes, AFrozenBoxOnATargetIsFineUnlessItPinsOneOffTarget)
{
    // Alone on its target against the wall and the corner: nothing is lost.
    EXPECT_TRUE(DeadlockedBoxes({"#######", "#*  . #", "#  $  #", "#  @  #", "#######"}).empty());
    // Its neighbour off a target is held by it: both belong to the lost group.
    EXPECT_EQ(Sorted(DeadlockedBoxes({"#######", "#.*$  #", "#     #", "#  @  #", "#######"})), (Boxes{{2, 1}, {3, 1}}));
}

TEST(DeadlockedBoxes, TwoByTwoBlockOffTargetIsLostAnLShapeIsNot)
{
    const std::vector<std::string> block = {"########", "#      #", "# $$   #", "# $$   #", "#   .. #",
                                            "#   .. #", "#  @   #", "########"};
    EXPECT_EQ(DeadlockedBoxes(block).size(), 4u);
    std::vector<std::string> shape = block;
    shape[3] = "# $ $  #";
    EXPECT_TRUE(DeadlockedBoxes(shape).empty());
    // The same block all on targets is solved, not lost.
    const std::vector<std::string> onTargets = {"########", "#      #", "# **   #", "# **   #", "#      #",
                                                "#      #", "#  @   #", "########"};
    EXPECT_TRUE(DeadlockedBoxes(onTargets).empty());
}

TEST(DeadlockedBoxes, BlockAgainstAWallWithOneBoxOnTargetIsStillLost)
{
    // Two boxes in a column against the left wall, the lower one on a target, the upper one not.
    EXPECT_EQ(Sorted(DeadlockedBoxes({"#######", "#    .#", "#$$   #", "#*$  .#", "#  @ .#", "#######"})).size(), 4u);
}

TEST(DeadlockedBoxes, OddBoardsGiveAnAnswerNotACrash)
{
    EXPECT_TRUE(DeadlockedBoxes({}).empty());
    EXPECT_TRUE(DeadlockedBoxes({"", "", ""}).empty());
    EXPECT_TRUE(DeadlockedBoxes({"$$$$", "$$$$"}).size() == 8u);   // no targets at all: all dead
    // Unknown characters are walls: this box has no room behind it to be pushed from.
    EXPECT_EQ(DeadlockedBoxes({"#\x01\xff", "\t$."}), (Boxes{{1, 1}}));
    // A board full of boxes stays quick: the freeze check is bounded.
    std::vector<std::string> full(50, std::string(50, '$'));
    full[0][0] = '.';
    full[49][49] = '@';
    EXPECT_GT(DeadlockedBoxes(full).size(), 2000u);
}

} // namespace
} // namespace w4::solver

namespace w4::solver {
namespace {

// Boxes frozen on targets become walls: the rule must reject the board where they close the
// last targets off, and keep the one where a way round is left open.
bool Shut(const std::vector<std::string>& rows)
{
    const Board board = BoardForSolving(rows);
    EXPECT_EQ(board.invalid, InvalidReason::None);
    const std::vector<std::uint8_t> dead = DeadSquares(board);
    FreezeCheck freeze(board, dead);
    FrozenTargetCheck check(board, freeze);
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    for (Cell box : board.boxes)
        occupied[box] = 1;
    return check.ShutsTargets(occupied.data(), board.boxes.data(), static_cast<int>(board.boxes.size()));
}

TEST(FrozenTargets, HomeBoxesThatCloseTheLastTargetsOffAreALoss)
{
    EXPECT_TRUE(Shut({"######", "#..**#", "###  #", "#  $ #", "# $  #", "#  @ #", "######"}));
    EXPECT_FALSE(Shut({"######", "#..**#", "#    #", "#  $ #", "# $  #", "#  @ #", "######"}));
}

// The pulls worked out for one set of home boxes are kept and used again: with the same boxes
// frozen home, a free box that can only come in past them still shuts the target, and one
// beside it does not, whichever came first and however small the store is.
TEST(FrozenTargets, KeptPullsAnswerForEveryFreeBoxAlike)
{
    // The top-left box is frozen home in its corner; the other target lies beside it, and a box
    // in the left column could only have reached it through that corner.
    const Board open = BoardForSolving({"######", "#*.  #", "#    #", "#  $ #", "#  @ #", "######"});
    const Board inColumn = BoardForSolving({"######", "#*.  #", "#    #", "#$   #", "#  @ #", "######"});
    ASSERT_EQ(open.targets, inColumn.targets);
    const std::vector<std::uint8_t> dead = DeadSquares(open);
    for (const std::size_t storeBytes : {std::size_t(1) << 20, std::size_t(0)}) {
        FreezeCheck freeze(open, dead);
        FrozenTargetCheck check(open, freeze, storeBytes);
        const auto shut = [&](const Board& position) {
            std::vector<std::uint8_t> occupied(static_cast<std::size_t>(open.CellCount()), 0);
            for (Cell box : position.boxes)
                occupied[box] = 1;
            return check.ShutsTargets(occupied.data(), position.boxes.data(), static_cast<int>(position.boxes.size()));
        };
        EXPECT_FALSE(shut(open)) << storeBytes;
        EXPECT_TRUE(shut(inColumn)) << storeBytes;
        EXPECT_FALSE(shut(open)) << storeBytes;
    }
}

} // namespace
} // namespace w4::solver
