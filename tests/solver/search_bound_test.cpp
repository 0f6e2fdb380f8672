// The matching bound: its incremental form must agree with the full computation, and it must
// see a position where two boxes can only share one target.
#include "solver/board.h"
#include "solver/lowerbound.h"

#include <gtest/gtest.h>

#include <random>

namespace w4::solver {
namespace {

TEST(LowerBound, OneAugmentingPathAgreesWithTheFullMatching)
{
    const Board board = BoardForSolving({"##########", "#  .  .  #", "# $ $  $ #", "#.   ## .#",
                                         "#  $ $   #", "# .   .$ #", "#@  $  . #", "##########"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    LowerBound bound(board);
    std::mt19937 random(7);
    std::vector<Cell> boxes = board.boxes;
    const int n = static_cast<int>(boxes.size());
    for (int round = 0; round < 300; ++round) {
        bound.Matching(boxes.data(), n);
        const int row = static_cast<int>(random() % static_cast<unsigned>(n));
        const Cell to = static_cast<Cell>(random() % static_cast<unsigned>(board.CellCount()));
        if (std::find(boxes.begin(), boxes.end(), to) != boxes.end())
            continue;
        const int incremental = bound.AfterMove(boxes.data(), row, to);
        std::vector<Cell> moved = boxes;
        moved[static_cast<std::size_t>(row)] = to;
        LowerBound fresh(board);
        EXPECT_EQ(incremental, fresh.Matching(moved.data(), n)) << "round " << round;
        boxes = moved;
        std::sort(boxes.begin(), boxes.end());
    }
}

TEST(LowerBound, ReusingTheLastMatchingForNearbyBoxSetsAgreesWithTheFullMatching)
{
    // Sets none to all boxes apart from the last (reused up to half, computed afresh beyond), in
    // any order, dead cells included: the reused rows must never change the answer, nor the moves
    // measured from it.
    const Board board = BoardForSolving({"##########", "#  .  .  #", "# $ $  $ #", "#.   ## .#",
                                         "#  $ $   #", "# .   .$ #", "#@  $  . #", "##########"});
    LowerBound bound(board);
    std::mt19937 random(11);
    std::vector<Cell> boxes = board.boxes;
    const int n = static_cast<int>(boxes.size());
    for (int round = 0; round < 300; ++round) {
        std::vector<Cell> next = boxes;
        const int changes = static_cast<int>(random() % static_cast<unsigned>(n + 1));
        for (int c = 0; c < changes; ++c) {
            const Cell to = static_cast<Cell>(random() % static_cast<unsigned>(board.CellCount()));
            if (std::find(next.begin(), next.end(), to) == next.end())
                next[random() % next.size()] = to;
        }
        std::shuffle(next.begin(), next.end(), random);
        LowerBound fresh(board);
        ASSERT_EQ(bound.Matching(next.data(), n), fresh.Matching(next.data(), n)) << "round " << round;
        const int row = static_cast<int>(random() % static_cast<unsigned>(n));
        const Cell to = static_cast<Cell>(random() % static_cast<unsigned>(board.CellCount()));
        if (std::find(next.begin(), next.end(), to) == next.end()) {
            std::vector<Cell> moved = next;
            moved[static_cast<std::size_t>(row)] = to;
            LowerBound again(board);
            EXPECT_EQ(bound.AfterMove(next.data(), row, to), again.Matching(moved.data(), n)) << "round " << round;
        }
        boxes = next;
    }
}

TEST(LowerBound, TwoBoxesThatOnlyReachOneTargetHaveNoMatching)
{
    // Both boxes are on the top wall, which they can never leave; its one target is all either
    // can reach, so the left target stays empty whatever happens.
    const Board board = BoardForSolving({"#########", "# $ . $ #", "#       #", "#.  @   #", "#########"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    LowerBound bound(board);
    EXPECT_EQ(bound.Matching(board.boxes.data(), 2), Infinite);
    EXPECT_LT(bound.Nearest(board.boxes.data(), 2), Infinite);
}

} // namespace
} // namespace w4::solver
