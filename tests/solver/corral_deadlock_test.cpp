// Corral deadlocks proven by the small search over a corral's own boxes: lost where the
// freeze and PI-corral rules see nothing, and left alone where the same boxes have room.
#include "solver/board.h"
#include "solver/corraldeadlock.h"
#include "solver/deadlocks.h"
#include "solver/search.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

namespace w4::solver {
namespace {

// Two boxes in a dead-end passage with one target at its end, a cell apart: the near box can
// only be pushed up to the far one, which freezes both; nothing is frozen or dead yet.
const std::vector<std::string> Passage = {
    "###########",
    "#.   ######",
    "# @   $ $.#",
    "#    ######",
    "###########",
};

TEST(CorralDeadlockSearch, TwoBoxesInADeadEndPassageAreLostWithRoomAroundThemTheyAreNot)
{
    const Board lost = BoardForSolving(Passage);
    ASSERT_EQ(lost.invalid, InvalidReason::None);
    const std::vector<std::uint8_t> dead = DeadSquares(lost);
    // The cheap rules see nothing here, which is why the search is needed.
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(lost.CellCount()), 0);
    for (Cell box : lost.boxes)
        occupied[box] = 1;
    FreezeCheck freeze(lost, dead);
    for (Cell box : lost.boxes) {
        EXPECT_FALSE(dead[box]);
        EXPECT_FALSE(freeze.FrozenOffTarget(occupied.data(), box));
    }
    CorralDeadlockSearch search(lost, dead);
    EXPECT_TRUE(search.Lost(lost.boxes.data(), 2, lost.keeper));
    EXPECT_EQ(search.Proven(), 1u);
    // The verdict is remembered: asking again runs no new search.
    EXPECT_TRUE(search.Lost(lost.boxes.data(), 2, lost.keeper));
    EXPECT_EQ(search.Searches(), 1u);
    // The far box alone goes home with one push.
    EXPECT_FALSE(search.Lost(&lost.boxes[1], 1, lost.keeper));

    std::vector<std::string> open = Passage;
    open[1] = "#.        #";
    open[3] = "#         #";
    const Board roomy = BoardForSolving(open);
    const std::vector<std::uint8_t> roomyDead = DeadSquares(roomy);
    CorralDeadlockSearch roomySearch(roomy, roomyDead);
    EXPECT_FALSE(roomySearch.Lost(roomy.boxes.data(), 2, roomy.keeper));
}

// A wide room with boxes and targets enough to keep an exhaustive search busy for a long time,
// and the passage above off its right wall.
std::vector<std::string> RoomWithPassage()
{
    std::vector<std::string> rows(20, "#" + std::string(28, ' ') + "######");
    rows.front() = rows.back() = std::string(35, '#');
    for (int i = 0; i < 5; ++i) {
        rows[static_cast<std::size_t>(3 + 3 * i)][static_cast<std::size_t>(5 + 4 * i)] = '$';
        rows[static_cast<std::size_t>(2 + 3 * i)][static_cast<std::size_t>(24 - 2 * i)] = '.';
    }
    rows[17][3] = '.';
    rows[10] = "#" + std::string(28, ' ') + " $ $.#";
    rows[1][1] = '@';
    return rows;
}

TEST(CorralDeadlockSearch, ProvesALevelLostAtOnceThatTheSearchCouldNotExhaustWithoutIt)
{
    Options options;
    options.timeLimitSeconds = 600;
    options.optimal = Optimality::Pushes;
    const Result proven = Solve(RoomWithPassage(), options);
    EXPECT_EQ(proven.outcome, Outcome::Unsolvable);
    EXPECT_LT(proven.positions, 100u);

    SearchTuning().corralSearch = false;
    options.memoryBudgetBytes = std::size_t(1) << 20;
    const Result without = Solve(RoomWithPassage(), options);
    SearchTuning().corralSearch = true;
    EXPECT_EQ(without.outcome, Outcome::OutOfMemory);
}

} // namespace
} // namespace w4::solver
