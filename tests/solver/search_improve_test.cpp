// The improvement pass shortens a wasteful solution and keeps it a solution.
#include "solver/board.h"
#include "solver/improve.h"
#include "solver/solution.h"

#include <gtest/gtest.h>

namespace w4::solver {
namespace {

TEST(ShortenMoves, DropsAPointlessBackAndForth)
{
    const Board board = BoardForSolving({"#######", "#     #", "#@$  .#", "#     #", "#######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const Cell box = board.boxes.front();
    const Cell right = board.Next(box, 2);
    const Cell right2 = board.Next(right, 2);
    // Right, back left, then right three times: five pushes where three do.
    const std::vector<Push> wasteful = {{box, 2}, {right, 0}, {box, 2}, {right, 2}, {right2, 2}};
    bool ok = false;
    const std::string before = LettersForPushes(board, wasteful, ok);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(ReplaysToSolved(board.grid, before));

    for (bool keepPushes : {false, true}) {
        const std::vector<Push> shorter = ShortenMoves(board, wasteful, keepPushes, Clock::now() + std::chrono::seconds(30), nullptr);
        const std::string after = LettersForPushes(board, shorter, ok);
        ASSERT_TRUE(ok);
        EXPECT_TRUE(ReplaysToSolved(board.grid, after));
        EXPECT_EQ(shorter.size(), 3u);
        EXPECT_EQ(after, "RRR");
    }
}

TEST(ShortenMoves, GivesBackTheSolutionWhenTheDeadlineHasPassed)
{
    const Board board = BoardForSolving({"#######", "#@$  .#", "#######"});
    const Cell box = board.boxes.front();
    const std::vector<Push> pushes = {{box, 2}, {board.Next(box, 2), 2}, {board.Next(board.Next(box, 2), 2), 2}};
    const std::vector<Push> same = ShortenMoves(board, pushes, false, Clock::now() - std::chrono::seconds(1), nullptr);
    ASSERT_EQ(same.size(), pushes.size());
}

} // namespace
} // namespace w4::solver
