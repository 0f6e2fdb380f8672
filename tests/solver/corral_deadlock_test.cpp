// Corral deadlocks proven by the small search over a corral's own boxes: lost where the
// freeze and PI-corral rules see nothing, and left alone where the same boxes have room.
#include "solver/board.h"
#include "solver/corraldeadlock.h"
#include "solver/deadlocks.h"
#include "solver/search.h"
#include "solver/tuning.h"
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


// A proof is learned as a pattern cut down to the boxes it needs: here the two passage boxes,
// without a third box in the room that was searched along with them. Any position holding the
// two, whatever else stands, is then lost while the keeper is on their room side; with the
// keeper between them, or a box a cell away, it is not the pattern.
TEST(CorralDeadlockSearch, LearnsAProofCutDownToItsBoxesAndFindsItUnderOtherBoxes)
{
    const Board board = BoardForSolving(Passage);
    const std::vector<std::uint8_t> dead = DeadSquares(board);
    const auto at = [&](int x, int y) { return static_cast<Cell>(board.cellOfGrid[static_cast<std::size_t>(y * board.width + x)]); };
    const Cell near = at(6, 2), far = at(8, 2), room = at(3, 2), other = at(2, 1);
    CorralDeadlockSearch search(board, dead);
    const Cell three[] = {near, far, room};
    ASSERT_TRUE(search.Lost(three, 3, board.keeper));
    ASSERT_EQ(search.Patterns(), 1u);

    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    Reach reach(board.CellCount());
    const auto matches = [&](std::initializer_list<Cell> boxes, Cell keeper) {
        std::fill(occupied.begin(), occupied.end(), 0);
        for (Cell b : boxes)
            occupied[b] = 1;
        reach.Flood(board, occupied.data(), keeper);
        return search.MatchesPattern(occupied.data(), reach);
    };
    EXPECT_TRUE(matches({near, far}, board.keeper));          // the room box was not needed
    EXPECT_TRUE(matches({near, far, other}, board.keeper));   // a box set never searched
    EXPECT_TRUE(matches({near, far, room, other}, at(1, 3)));
    EXPECT_FALSE(matches({near, far, other}, at(7, 2)));      // keeper between them: the far box goes home
    EXPECT_FALSE(matches({at(5, 2), far, other}, board.keeper));
    EXPECT_FALSE(matches({near, other}, board.keeper));
    EXPECT_EQ(search.Searches(), 1u);   // matching searches nothing

    // Switched off, a proof is remembered for its own boxes only.
    CorralDeadlockSearch plain(board, dead);
    plain.Learning(false);
    ASSERT_TRUE(plain.Lost(three, 3, board.keeper));
    EXPECT_EQ(plain.Patterns(), 0u);
    // Cutting the proof down searched again, but not out of the proofs' share: learning must not
    // leave the main search with fewer proofs.
    EXPECT_EQ(search.Effort(), plain.Effort());
}

} // namespace
} // namespace w4::solver
