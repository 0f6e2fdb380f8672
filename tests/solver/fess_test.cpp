// The packing order and the feature-space search: the order a goal room must be filled in, the
// search's own solutions played back, and the portfolio with it keeping its verdicts and limits.
#include "solver/board.h"
#include "solver/deadlocks.h"
#include "solver/fess.h"
#include "solver/hotspots.h"
#include "solver/packing.h"
#include "solver/search.h"
#include "solver/tuning.h"
#include "solver/solution.h"
#include "solver/solver.h"
#include "solver/table.h"
#include "solver_levels.h"

#include "core/fileio.h"
#include "core/usokoban.h"

#include <gtest/gtest.h>

#include <future>
#include <map>
#include <numeric>
#include <random>

namespace w4::solver {
namespace {

// The target numbers in packing order, as (column, row).
std::vector<std::pair<int, int>> OrderCells(const Board& board, const PackingOrder& packing)
{
    std::vector<std::pair<int, int>> cells;
    for (int t : packing.order)
        cells.emplace_back(board.cellX[board.targets[static_cast<std::size_t>(t)]], board.cellY[board.targets[static_cast<std::size_t>(t)]]);
    return cells;
}

// A dead-end passage of three targets entered from below at its open end.
const std::vector<std::string> Passage = {
    "#######",
    "#...  #",
    "###   #",
    "# $$$ #",
    "# @   #",
    "#######",
};

TEST(PackingOrder, ADeadEndFillsFromItsFarEnd)
{
    const Board board = BoardForSolving(Passage);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder packing = ComputePackingOrder(board);
    const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, 1}, {3, 1}};
    EXPECT_EQ(OrderCells(board, packing), expected);
    EXPECT_EQ(packing.layers, 3);
}

TEST(PackingOrder, AOneEntranceGoalRoomFillsItsDeepestTargetFirst)
{
    // The targets run up a one-wide passage from a two-by-two bay entered from the right: the
    // bay's entrance side empties first, the top of the passage last.
    const Board board = BoardForSolving(LevelRows("1509.xsb"));
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder packing = ComputePackingOrder(board);
    const std::vector<std::pair<int, int>> cells = OrderCells(board, packing);
    ASSERT_EQ(cells.size(), 10u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cells[static_cast<std::size_t>(i)], std::make_pair(1, 1 + i));
    // Each column of the bay before the one nearer the entrance.
    const std::vector<std::pair<int, int>> bay(cells.begin() + 6, cells.end());
    for (int row : {7, 8}) {
        const auto inner = std::find(bay.begin(), bay.end(), std::make_pair(1, row));
        const auto outer = std::find(bay.begin(), bay.end(), std::make_pair(2, row));
        ASSERT_NE(inner, bay.end());
        ASSERT_NE(outer, bay.end());
        EXPECT_LT(inner, outer);
    }
}

TEST(PackingOrder, FromTheSourcesASidePocketIsNoWayOut)
{
    // A column of targets filled from the boxes below; the top target opens onto a pocket no box
    // can come from. Taken out to any free cell, the top one leaves by the pocket in the first
    // round, as if it could be filled last; taken out to where boxes start, the column fills from
    // the top down.
    const Board board = BoardForSolving({"######", "#  .##", "###.##", "###.##", "#    #", "# $$$#", "#   @#", "######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const std::vector<std::pair<int, int>> topDown = {{3, 1}, {3, 2}, {3, 3}};
    const PackingOrder fromSources = ComputePackingOrder(board, true);
    EXPECT_EQ(OrderCells(board, fromSources), topDown);
    EXPECT_EQ(fromSources.layers, 3);
    const PackingOrder anyCell = ComputePackingOrder(board);
    EXPECT_NE(OrderCells(board, anyCell), topDown);
    EXPECT_EQ(anyCell.layers, 2);
}

TEST(PackingOrder, TargetsInTheOpenShareOneRound)
{
    const Board board = BoardForSolving({"#######", "#     #", "# .$. #", "# $@$ #", "# .$. #", "#     #", "#######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder packing = ComputePackingOrder(board);
    EXPECT_EQ(packing.layers, 1);
    EXPECT_EQ(packing.order.size(), 4u);
}

// The feature search alone, in turns as the portfolio runs it, until it ends.
SearchOutcome RunAlone(const Board& board, const Options& options, const Tuning& tuning = SearchTuning())
{
    const Clock::time_point started = Clock::now();
    const std::unique_ptr<SearchMember> search = MakeFeatureSearch(board, options, started, options.memoryBudgetBytes, tuning);
    EXPECT_FALSE(search->Complete());
    SearchOutcome out;
    if (!search->Start(out))
        while (!search->Step(Clock::now() + std::chrono::milliseconds(20), out)) {
        }
    return out;
}

TEST(FeatureSearch, ItsSolutionsIncludingPackingMacrosPlayBack)
{
    Options options;
    options.timeLimitSeconds = 120;
    for (const std::vector<std::string>& rows : {Passage, LevelRows("2705.xsb"), LevelRows("0110.xsb")}) {
        SCOPED_TRACE(rows[1]);
        const Board board = BoardForSolving(rows);
        ASSERT_EQ(board.invalid, InvalidReason::None);
        const SearchOutcome out = RunAlone(board, options);
        ASSERT_EQ(out.outcome, Outcome::Solved);
        bool ok = false;
        const std::string letters = LettersForPushes(board, out.pushes, ok);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(ReplaysToSolved(board.grid, letters));
    }
}

TEST(FeatureSearch, ALostLevelEndsItsListWithoutClaimingAProof)
{
    const Board board = BoardForSolving({"#########", "#..$@$  #", "#########"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Options options;
    const SearchOutcome out = RunAlone(board, options);
    EXPECT_NE(out.outcome, Outcome::Solved);
    EXPECT_TRUE(out.pushes.empty());
}

// Two dead-end passages of two targets each, far apart: two goal areas, each filled from its
// closed end.
const std::vector<std::string> TwoPassages = {
    "###########",
    "#.#######.#",
    "#.#######.#",
    "#         #",
    "#  $ $$ $ #",
    "#    @    #",
    "###########",
};

// The boxes on the given (column, row) cells, sorted as positions are.
std::vector<Cell> BoxesAt(const Board& board, const std::vector<std::pair<int, int>>& at)
{
    std::vector<Cell> boxes;
    for (const auto& [x, y] : at)
        boxes.push_back(CellAt(board, x, y));
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

TEST(FeatureSearch, EachGoalAreaFollowsThePackingOrderOnItsOwn)
{
    const Board board = BoardForSolving(TwoPassages);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning areas;
    Tuning whole;
    whole.fessAreas = false;
    const Cell keeper = CellAt(board, 5, 5);
    // The right passage full, the left one empty: with its own round due the right one is
    // packed; on one board-wide order its mouth target is filled ahead of the left's deep end.
    const std::vector<Cell> rightFull = BoxesAt(board, {{9, 1}, {9, 2}, {3, 4}, {5, 4}});
    EXPECT_EQ(MeasureFeatures(board, rightFull, keeper, areas), (FeatureVector{2, 0, 1}));
    EXPECT_EQ(MeasureFeatures(board, rightFull, keeper, whole), (FeatureVector{1, 1, 1}));
    // A mouth filled before its own deep end is out of plan either way.
    const std::vector<Cell> mouthFirst = BoxesAt(board, {{1, 2}, {3, 4}, {5, 4}, {6, 4}});
    EXPECT_EQ(MeasureFeatures(board, mouthFirst, keeper, areas), (FeatureVector{0, 1, 2}));
    EXPECT_EQ(MeasureFeatures(board, mouthFirst, keeper, whole), (FeatureVector{0, 1, 2}));
    // Both deep ends filled: packed either way; the boxes in a row cut nothing off.
    const std::vector<Cell> deepEnds = BoxesAt(board, {{1, 1}, {9, 1}, {5, 4}, {6, 4}});
    EXPECT_EQ(MeasureFeatures(board, deepEnds, keeper, areas), (FeatureVector{2, 0, 1}));
    EXPECT_EQ(MeasureFeatures(board, deepEnds, keeper, whole), (FeatureVector{2, 0, 1}));
}

TEST(FeatureSearch, BoxesSideBySideArePairsUnlessBothAreHome)
{
    const Board board = BoardForSolving(TwoPassages);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning contacts;
    contacts.fessContacts = true;
    const Cell keeper = CellAt(board, 5, 5);
    // Two boxes home in the right passage block nobody.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{9, 1}, {9, 2}, {3, 4}, {5, 4}}), keeper, contacts).contacts, 0);
    // One more below them, off its target, makes one pair with the box on the mouth target.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{9, 1}, {9, 2}, {9, 3}, {5, 4}}), keeper, contacts).contacts, 1);
    // Three in a row in the open: two pairs, not three (the ends do not touch).
    const std::vector<Cell> row = BoxesAt(board, {{1, 1}, {4, 4}, {5, 4}, {6, 4}});
    EXPECT_EQ(MeasureFeatures(board, row, keeper, contacts), (FeatureVector{1, 0, 1, 2}));
    // Not counted unless asked for: the other features stay as they were.
    EXPECT_EQ(MeasureFeatures(board, row, keeper, Tuning{}), (FeatureVector{1, 0, 1, 0}));
}

TEST(FeatureSearch, PublishedCellsGroupPositionsThatDifferOnlyInBoxesSideBySide)
{
    const Board board = BoardForSolving(TwoPassages);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning contacts;
    contacts.fessContacts = true;
    const Cell keeper = CellAt(board, 5, 5);
    // One deep end filled each time; three boxes in a row make two pairs, three apart none.
    const FeatureVector row = MeasureFeatures(board, BoxesAt(board, {{1, 1}, {4, 4}, {5, 4}, {6, 4}}), keeper, contacts);
    const FeatureVector apart = MeasureFeatures(board, BoxesAt(board, {{1, 1}, {3, 4}, {5, 4}, {7, 4}}), keeper, contacts);
    ASSERT_EQ(row, (FeatureVector{1, 0, 1, 2}));
    ASSERT_EQ(apart, (FeatureVector{1, 0, 1, 0}));
    EXPECT_NE(FeatureCellKey(row, 0), FeatureCellKey(apart, 0));
    EXPECT_EQ(FeatureCellKey(row, 1), FeatureCellKey(apart, 1));
    EXPECT_EQ(FeatureCellKey(row, 2), FeatureCellKey(apart, 2));
    // A mouth filled first instead of a deep end is another cell under every key.
    const FeatureVector mouth = MeasureFeatures(board, BoxesAt(board, {{1, 2}, {3, 4}, {5, 4}, {7, 4}}), keeper, contacts);
    ASSERT_EQ(mouth, (FeatureVector{0, 1, 2, 0}));   // the deep end is cut off too
    for (int mode : {0, 1, 2})
        EXPECT_NE(FeatureCellKey(mouth, mode), FeatureCellKey(apart, mode)) << mode;
}

TEST(FeatureSearch, OnlyAChildWorseInSomeFeatureAndBetterInNoneIsFiledWithItsAncestor)
{
    const Board board = BoardForSolving(TwoPassages);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const Cell keeper = CellAt(board, 5, 5);
    const FeatureVector rightFull = MeasureFeatures(board, BoxesAt(board, {{9, 1}, {9, 2}, {3, 4}, {5, 4}}), keeper);
    const FeatureVector mouthFirst = MeasureFeatures(board, BoxesAt(board, {{1, 2}, {3, 4}, {5, 4}, {6, 4}}), keeper);
    const FeatureVector deepEnds = MeasureFeatures(board, BoxesAt(board, {{1, 1}, {9, 1}, {5, 4}, {6, 4}}), keeper);
    EXPECT_TRUE(WorseThanHome(mouthFirst, rightFull));
    EXPECT_FALSE(WorseThanHome(rightFull, mouthFirst));
    EXPECT_FALSE(WorseThanHome(deepEnds, rightFull));   // the same features: its own cell is that one
    // More packed but more regions: better in one, so a cell of its own.
    EXPECT_FALSE(WorseThanHome(FeatureVector{3, 0, 2}, rightFull));
    EXPECT_TRUE(WorseThanHome(FeatureVector{2, 0, 2}, rightFull));
    // Boxes side by side and hotspots only break ties: worse there is not worse.
    EXPECT_FALSE(WorseThanHome(FeatureVector{2, 0, 1, 3, 0, 2}, rightFull));
}

// The start's children after one expansion, by the (column, row) of the cell each box went to.
std::map<std::pair<int, int>, FirstChild> ChildrenByTarget(const Board& board, const Tuning& tuning)
{
    std::map<std::pair<int, int>, FirstChild> children;
    for (const FirstChild& child : FirstChildren(board, tuning))
        children[{board.cellX[child.to], board.cellY[child.to]}] = child;
    return children;
}

TEST(FeatureSearch, AChildOutOfPlanStaysInTheStartsCellOnlyUnderThePublishedFiling)
{
    const Board board = BoardForSolving(TwoPassages);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning tuning;
    tuning.fessMacroTargets = 0;
    tuning.fessRelocations = 1;   // whole moves reach both the passages' mouths and deep ends
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        tuning.fessCells = mode;
        const auto children = ChildrenByTarget(board, tuning);
        ASSERT_TRUE(children.contains({1, 2}) && children.contains({1, 1}));
        // Its mouth filled first: out of plan, worse than the start and better in nothing.
        EXPECT_EQ(children.at({1, 2}).cell == 0, mode == 2);
        // Its deep end filled: packed, a cell of its own under either filing.
        EXPECT_NE(children.at({1, 1}).cell, 0u);
    }
}

TEST(FeatureSearch, EachAdvisorNamesAtMostOneMoveWhenAllDo)
{
    // Two boxes, each one push from the deep end of its own corridor: both pushes pack and join
    // the floor.
    const Board board = BoardForSolving({"#########", "#.$ @ $.#", "#########"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning tuning;
    tuning.fessMacroTargets = 0;
    tuning.corrals = false;   // else only one corral's fence box is pushed
    for (int advice : {0, 1, 2}) {
        SCOPED_TRACE(advice);
        tuning.fessOneAdvice = advice;
        const auto children = ChildrenByTarget(board, tuning);
        ASSERT_EQ(children.size(), 2u);
        const int free = (children.at({1, 1}).weight == 0) + (children.at({7, 1}).weight == 0);
        EXPECT_EQ(free, advice == 2 ? 1 : 2);
    }
    // One push away from its target and one that only moves a box along: the packing push is
    // named, the other is not, whatever the rule.
    const Board near = BoardForSolving({"#########", "#. $@ $.#", "#########"});
    ASSERT_EQ(near.invalid, InvalidReason::None);
    for (int advice : {0, 1, 2}) {
        SCOPED_TRACE(advice);
        tuning.fessOneAdvice = advice;
        const auto children = ChildrenByTarget(near, tuning);
        ASSERT_EQ(children.size(), 2u);
        EXPECT_EQ(children.at({7, 1}).weight, 0);
        EXPECT_EQ(children.at({2, 1}).weight, 1);
    }
}

TEST(FeatureSearch, ABoxInAPassageBetweenTwoRoomsBlocksALinkTheKeeperGoesRound)
{
    // Two rooms joined by two one-wide passages, so a box in one cuts no floor region off.
    const std::vector<std::string> rows = {
        "###########",
        "#   ###   #",
        "# @     . #",
        "# $ ###   #",
        "# $ ###   #",
        "#       . #",
        "#   ###   #",
        "###########",
    };
    const Board board = BoardForSolving(rows);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning rooms;
    rooms.fessRooms = true;
    const Cell keeper = CellAt(board, 1, 1);
    const std::vector<Cell> inPassage = BoxesAt(board, {{5, 2}, {2, 4}});
    EXPECT_EQ(MeasureFeatures(board, inPassage, keeper, rooms), (FeatureVector{0, 0, 1, 0, 1}));
    // One push on, the box stands in the room beyond: the link is clear.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{7, 2}, {2, 4}}), keeper, rooms), (FeatureVector{0, 0, 1, 0, 0}));
    // Two boxes in one passage block one link; one in each blocks both and splits the floor.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{4, 2}, {6, 2}}), keeper, rooms).rooms, 1);
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{5, 2}, {5, 5}}), keeper, rooms), (FeatureVector{0, 0, 2, 0, 2}));
    // Not counted unless asked for.
    Tuning off;
    off.fessRooms = false;
    EXPECT_EQ(MeasureFeatures(board, inPassage, keeper, off).rooms, 0);
    // The lower passage now leads into a pocket, a box there cuts it off (a region of its
    // own) but blocks no way through; the upper one still links the rooms.
    const Board pocket = BoardForSolving({
        "###########",
        "#   ###   #",
        "# @     ..#",
        "# $ ###   #",
        "# $ #######",
        "#       ###",
        "#   #######",
        "###########",
    });
    ASSERT_EQ(pocket.invalid, InvalidReason::None);
    EXPECT_EQ(MeasureFeatures(pocket, BoxesAt(pocket, {{5, 5}, {2, 3}}), CellAt(pocket, 1, 1), rooms), (FeatureVector{0, 0, 2, 0, 0}));
    EXPECT_EQ(MeasureFeatures(pocket, BoxesAt(pocket, {{5, 2}, {2, 3}}), CellAt(pocket, 1, 1), rooms).rooms, 1);
}

TEST(FeatureSearch, ABoxInThePocketsOnlyWayOutIsAHotspotOneBesideItIsNot)
{
    // A pocket on the left opens into the room through one cell; the targets are in the room.
    const std::vector<std::string> rows = {
        "###########",
        "#   #     #",
        "#   $   . #",
        "#   # $ . #",
        "##### @   #",
        "###########",
    };
    const Board board = BoardForSolving(rows);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning hotspots;
    hotspots.fessHotspots = 1;
    const Cell keeper = CellAt(board, 6, 4);
    // In the opening, the box shuts the pocket's box in: one hotspot. The other way round it
    // is none: the keeper pushes the box in the opening out from the pocket's free cells.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{4, 2}, {2, 2}}), keeper, hotspots).hotspots, 1);
    // In the room, beside the way out rather than in it, it blocks nothing.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{6, 3}, {2, 2}}), keeper, hotspots).hotspots, 0);
    // Not counted unless asked for.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{4, 2}, {2, 2}}), keeper, Tuning{}).hotspots, 0);
    // A box on a target is blocked by nothing: Count leans on that rather than asking.
    const HotspotTable table(board, DeadSquares(board));
    for (Cell blocker = 0; blocker < board.CellCount(); ++blocker)
        for (Cell target : board.targets)
            EXPECT_FALSE(target != blocker && table.Blocks(blocker, target)) << blocker << " " << target;
}

TEST(FeatureSearch, HotspotCountTakesEveryWordOfALargeBoard)
{
    // The count tests rows a word of 64 cells at a time. Here the pocket's cells come after the
    // room's 72, in the second word: its box is counted blocked by one in its way out, and boxes
    // scattered at random count as the pair-by-pair rule counts them.
    const Board board = BoardForSolving({
        "##########################",
        "#                        #",
        "#  .  .   $              #",
        "#                        #",
        "#@##################$#####",
        "####################   ###",
        "####################   ###",
        "##########################",
    });
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const HotspotTable table(board, DeadSquares(board));
    const Cell opening = CellAt(board, 20, 4), pocket = CellAt(board, 21, 5);
    ASSERT_GE(pocket, 64);
    EXPECT_TRUE(table.Blocks(opening, pocket));
    const std::vector<Cell> shut = {opening, pocket};
    EXPECT_EQ(table.Count(shut.data(), 2), 1);
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<Cell> cells(static_cast<std::size_t>(board.CellCount()));
        std::iota(cells.begin(), cells.end(), Cell{0});
        std::shuffle(cells.begin(), cells.end(), random);
        cells.resize(static_cast<std::size_t>(2 + trial % 12));
        int expected = 0;
        for (Cell a : cells)
            expected += std::any_of(cells.begin(), cells.end(), [&](Cell b) { return a != b && table.Blocks(a, b); });
        EXPECT_EQ(table.Count(cells.data(), static_cast<int>(cells.size())), expected) << trial;
    }
}

TEST(FeatureSearch, TargetsCornerToCornerShareOneGoalArea)
{
    // A staircase of diagonal targets whose rounds alternate: a box on a shallow one blocks the
    // deeper one beside it, so it is out of plan while that one is empty.
    const Board board = BoardForSolving(LevelRows("2706.xsb"));
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder packing = ComputePackingOrder(board);
    bool checked = false;
    for (std::size_t a = 0; a < board.targets.size() && !checked; ++a)
        for (std::size_t b = 0; b < board.targets.size() && !checked; ++b) {
            const Cell shallow = board.targets[a];
            const Cell deep = board.targets[b];
            if (std::abs(board.cellX[shallow] - board.cellX[deep]) != 1 || std::abs(board.cellY[shallow] - board.cellY[deep]) != 1
                || packing.layer[a] >= packing.layer[b])
                continue;
            // One box off its target onto the shallow one, every target else empty.
            std::vector<Cell> boxes = board.boxes;
            const auto off = std::find_if(boxes.begin(), boxes.end(), [&](Cell c) { return !board.isTarget[c]; });
            ASSERT_NE(off, boxes.end());
            *off = shallow;
            std::sort(boxes.begin(), boxes.end());
            EXPECT_EQ(MeasureFeatures(board, boxes, board.keeper).outOfPlan, 1);
            // Joining targets side by side only, the two lie in areas of their own: in plan.
            Tuning sideBySide;
            sideBySide.fessCornerAreas = false;
            EXPECT_EQ(MeasureFeatures(board, boxes, board.keeper, sideBySide).outOfPlan, 0);
            checked = true;
        }
    EXPECT_TRUE(checked);
}

TEST(FeatureSearch, TargetsOneCellApartAlongAPassageShareOneGoalArea)
{
    // A dead-end passage with a target on every other cell, entered at its open end: the far one
    // must be filled first, though no two targets touch.
    const Board board = BoardForSolving({
        "#########",
        "#. . .  #",
        "#####   #",
        "#  $$$  #",
        "#  @    #",
        "#########",
    });
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const Cell keeper = CellAt(board, 3, 4);
    // The mouth filled first blocks the way to the other two.
    const std::vector<Cell> mouthFirst = BoxesAt(board, {{5, 1}, {3, 3}, {4, 3}});
    EXPECT_EQ(MeasureFeatures(board, mouthFirst, keeper), (FeatureVector{0, 1, 2}));
    // The far end filled first is progress.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{1, 1}, {3, 3}, {4, 3}}), keeper), (FeatureVector{1, 0, 1}));
    // Joining only targets that touch, each is an area of its own and the mouth counts as packed.
    Tuning touching;
    touching.fessAreaReach = 1;
    EXPECT_EQ(MeasureFeatures(board, mouthFirst, keeper, touching), (FeatureVector{1, 0, 2}));
}

TEST(FeatureSearch, AWholeBoxMoveTakesABoxRoundACornerWhileTheKeeperWalksRound)
{
    // Two pushes right, then the keeper goes round over the top row to push twice down.
    const Board board = BoardForSolving({
        "#######",
        "#     #",
        "#@$   #",
        "###   #",
        "  # . #",
        "  #####",
    });
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Options options;
    Tuning tuning;
    tuning.fessMacroTargets = 0;   // else the packing advisor's macro does it
    tuning.fessRelocations = 1;
    SearchOutcome out = RunAlone(board, options, tuning);
    ASSERT_EQ(out.outcome, Outcome::Solved);
    EXPECT_EQ(out.expanded, 1u);   // the start's children already hold the solved position
    EXPECT_EQ(out.pushes.size(), 4u);
    bool ok = false;
    EXPECT_TRUE(ReplaysToSolved(board.grid, LettersForPushes(board, out.pushes, ok)));
    EXPECT_TRUE(ok);
    tuning.fessRelocations = 0;
    out = RunAlone(board, options, tuning);
    ASSERT_EQ(out.outcome, Outcome::Solved);
    EXPECT_GT(out.expanded, 1u);
}

TEST(FeatureSearch, AWholeBoxMoveLetsTheKeeperOutOfAPocketThroughTheBoxsOldCell)
{
    // Shut in beside the box, the keeper reaches only its left side; after one push right it
    // stands on the box's old cell, opens onto the top row and goes round to push it down.
    const Board board = BoardForSolving({
        "#####",
        "##  #",
        "#@$ #",
        "###.#",
        "#####",
    });
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning tuning;
    tuning.fessMacroTargets = 0;
    tuning.fessRelocations = 1;
    const SearchOutcome out = RunAlone(board, Options{}, tuning);
    ASSERT_EQ(out.outcome, Outcome::Solved);
    EXPECT_EQ(out.expanded, 1u);
    EXPECT_EQ(out.pushes.size(), 2u);
}

// Runs the feature search with whole moves until it solves `rows`, then asks it for the pushes to
// the one box standing on `at` with the keeper in each of `areas` (top-left cells), and plays
// them: each push from where the keeper can walk, ending with the keeper in that area.
void ExpectWholeMovesFoundAgain(const std::vector<std::string>& rows, std::pair<int, int> at, const std::vector<std::pair<int, int>>& areas)
{
    const Board board = BoardForSolving(rows);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    Tuning tuning;
    tuning.fessMacroTargets = 0;
    tuning.fessRelocations = 1;
    const Options options;
    const std::unique_ptr<SearchMember> search = MakeFeatureSearch(board, options, Clock::now(), options.memoryBudgetBytes, tuning);
    SearchOutcome out;
    if (!search->Start(out))
        while (!search->Step(Clock::now() + std::chrono::milliseconds(20), out)) {
        }
    ASSERT_EQ(out.outcome, Outcome::Solved);
    const Zobrist zobrist(board.CellCount());
    const Cell goal = CellAt(board, at.first, at.second);
    for (const auto& [x, y] : areas) {
        const Cell area = CellAt(board, x, y);
        std::vector<Push> pushes;
        ASSERT_TRUE(search->PushesTo(zobrist.Of(&goal, 1, area), &goal, area, pushes)) << "area " << x << "," << y;
        std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
        Cell box = board.boxes[0], keeper = board.keeper;
        Reach reach(board.CellCount());
        for (const Push& push : pushes) {
            ASSERT_EQ(push.from, box);
            occupied[box] = 1;
            reach.Flood(board, occupied.data(), keeper);
            occupied[box] = 0;
            ASSERT_TRUE(reach.Reached(board.Next(box, Opposite(push.dir))));
            keeper = box;
            box = board.Next(box, push.dir);
        }
        EXPECT_EQ(box, goal);
        occupied[box] = 1;
        EXPECT_EQ(reach.Flood(board, occupied.data(), keeper), area) << pushes.size() << " pushes";
    }
}

TEST(FeatureSearch, AWholeMoveFoundAgainLeavesTheKeeperWhereTheStoredPositionHasIt)
{
    // The box reaches the passage cell two ways: two pushes from the left, the keeper staying
    // left; or through into the right room and back, the keeper ending right. Both are stored;
    // the pushes given back for each must make that one, not just put the box there.
    ExpectWholeMovesFoundAgain({
                                   "#########",
                                   "#   #   #",
                                   "# $     #",
                                   "#@  #  .#",
                                   "#########",
                               },
                               {4, 2}, {{1, 1}, {5, 1}});
    // A box in a doorway taken into the next room and back onto its own cell: the same boxes,
    // the keeper now on the other side.
    ExpectWholeMovesFoundAgain({
                                   "########",
                                   "#  #   #",
                                   "#@ $   #",
                                   "#  #  .#",
                                   "########",
                               },
                               {3, 2}, {{4, 1}});
}

// Every weighting of the feature search, each run to its end: the limit is there only so that a
// fault cannot hang the run, far above what any of them takes, in a sanitizer build on a loaded
// machine too (one level per test, so each has the test runner's whole allowance).
std::vector<Tuning> EveryWeighting()
{
    std::vector<Tuning> tunings(11);
    tunings[1].fessBoxMoves = false;
    tunings[2].fessAreas = false;
    // Debug builds also check each child's incrementally updated pairs against a full count.
    tunings[3].fessContacts = true;
    tunings[4].fessRooms = !Tuning{}.fessRooms;
    tunings[5].fessOneAdvice = !Tuning{}.fessOneAdvice;
    // Whole box moves: their routes are rebuilt from the walk, and (in debug builds) each child's
    // features, taken from the parent's labelling, are checked against a full count.
    tunings[6].fessRelocations = 1;
    tunings[7].fessHotspots = 1;
    // The published cells and advice, on whole moves as published.
    tunings[8].fessCells = 2;
    tunings[9].fessCells = 2;
    tunings[9].fessOneAdvice = 2;
    tunings[9].fessRelocations = 1;
    tunings[10].fessCells = 1;
    tunings[10].fessContacts = true;
    tunings[10].fessHotspots = 1;
    return tunings;
}

void ExpectSolvedAndReplayedUnderEveryWeighting(const std::vector<std::vector<std::string>>& levels)
{
    Options options;
    options.timeLimitSeconds = 280;
    const std::vector<Tuning> tunings = EveryWeighting();
    for (const std::vector<std::string>& rows : levels) {
        const Board board = BoardForSolving(rows);
        ASSERT_EQ(board.invalid, InvalidReason::None);
        for (std::size_t i = 0; i < tunings.size(); ++i) {
            SCOPED_TRACE(rows[1] + " tuning " + std::to_string(i));
            const SearchOutcome out = RunAlone(board, options, tunings[i]);
            ASSERT_EQ(out.outcome, Outcome::Solved);
            bool ok = false;
            const std::string letters = LettersForPushes(board, out.pushes, ok);
            EXPECT_TRUE(ok);
            EXPECT_TRUE(ReplaysToSolved(board.grid, letters));
        }
    }
}

TEST(FeatureSearch, ItsSolutionsPlayBackUnderEveryWeighting)
{
    ExpectSolvedAndReplayedUnderEveryWeighting({TwoPassages, Passage});
}

TEST(FeatureSearch, ItsSolutionsOfAShippedLevelPlayBackUnderEveryWeighting)
{
    ExpectSolvedAndReplayedUnderEveryWeighting({LevelRows("2705.xsb")});
}

// Runs the fast mode with the feature search alone for one test.
struct FeatureSearchAlone {
    FeatureSearchAlone() { SearchTuning().fessOnly = true; }
    ~FeatureSearchAlone() { SearchTuning().fessOnly = false; }
};

TEST(FeatureSearch, AloneItSolvesButNeverClaimsALostLevelIsProven)
{
    const FeatureSearchAlone alone;
    Options options;
    options.timeLimitSeconds = 60;
    const Result solved = Solve(TwoPassages, options);
    ASSERT_EQ(solved.outcome, Outcome::Solved);
    EXPECT_TRUE(ReplaysToSolved(NormalizeRows(TwoPassages), solved.moves));
    // The keeper between the boxes: lost, but no check at the start sees it.
    const Result lost = Solve({"#########", "#..$@$  #", "#########"}, options);
    EXPECT_NE(lost.outcome, Outcome::Solved);
    EXPECT_NE(lost.outcome, Outcome::Unsolvable);   // an inexact search alone proves nothing
    EXPECT_TRUE(lost.moves.empty());
}

struct FeatureSearchSwitch {
    explicit FeatureSearchSwitch(bool on) { SearchTuning().fess = on; }
    ~FeatureSearchSwitch() { SearchTuning().fess = true; }
};

TEST(FeatureSearch, TheSwitchLeavesTheVerdictsAsTheyWere)
{
    const std::vector<std::vector<std::string>> levels = {
        LevelRows("0101.xsb"), LevelRows("0110.xsb"), Passage,
        {"######", "#$  .#", "#  @ #", "######"},            // lost: a box in a corner
        {"#########", "#..$@$  #", "#########"},             // lost: the keeper between the boxes
    };
    for (const auto& rows : levels) {
        SCOPED_TRACE(rows[1]);
        Options options;
        options.timeLimitSeconds = 60;
        Result with, without;
        {
            const FeatureSearchSwitch on(true);
            with = Solve(rows, options);
        }
        {
            const FeatureSearchSwitch off(false);
            without = Solve(rows, options);
        }
        EXPECT_EQ(with.outcome, without.outcome);
        EXPECT_TRUE(with.outcome == Outcome::Solved || with.outcome == Outcome::Unsolvable);
        EXPECT_EQ(with.moves.empty(), with.outcome != Outcome::Solved);
    }
}

TEST(FeatureSearch, ThePortfolioWithItKeepsTheMemoryBudgetAndTheCancelFlag)
{
    const WithoutCorrals plain;
    const FeatureSearchSwitch on(true);
    Options options;
    options.timeLimitSeconds = 600;
    options.memoryBudgetBytes = std::size_t(1) << 20;
    const Result full = Solve(BigRoom(), options);
    EXPECT_EQ(full.outcome, Outcome::OutOfMemory);
    EXPECT_GT(full.positions, 1000u);

    std::atomic<bool> cancel{false};
    std::promise<void> running;
    bool told = false;
    options.memoryBudgetBytes = std::size_t(1) << 30;
    options.cancel = &cancel;
    options.progress = [&](const Progress&) {
        if (!told) {
            told = true;
            running.set_value();
        }
    };
    std::future<Result> solving = std::async(std::launch::async, [&] { return Solve(BigRoom(), options); });
    std::future<void> underWay = running.get_future();
    while (underWay.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready
           && solving.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    }
    cancel = true;
    EXPECT_EQ(solving.get().outcome, Outcome::Cancelled);
}

} // namespace
} // namespace w4::solver
