// The packing plan: goal rooms as the sinks boxes leave by, parking cells where a box waits, and
// the feature search's out-of-plan feature and advisor built on them.
#include "solver/board.h"
#include "solver/fess.h"
#include "solver/packing.h"
#include "solver/search.h"
#include "solver/solution.h"
#include "solver/solver.h"
#include "solver/tuning.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <ctime>

namespace w4::solver {
namespace {

// A column of three targets on the right, reached through a doorway on row 4. The middle one
// leaves first; then neither end can be pulled out until the top box waits on the cell above it.
const std::vector<std::string> ParkingRoom = {
    "     ####",
    "     # @#",
    "     #  #",
    "###### .#",
    "#   $  .#",
    "#  $$# .#",
    "#    ####",
    "###  #",
    "  ####",
};

int TargetAt(const Board& board, int x, int y)
{
    const Cell c = CellAt(board, x, y);
    for (std::size_t t = 0; t < board.targets.size(); ++t)
        if (board.targets[t] == c)
            return static_cast<int>(t);
    return -1;
}

std::vector<Cell> BoxesAt(const Board& board, const std::vector<std::pair<int, int>>& at)
{
    std::vector<Cell> boxes;
    for (const auto& [x, y] : at)
        boxes.push_back(CellAt(board, x, y));
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

TEST(PackingPlan, ABoxWaitsOnTheCellAboveItsTargetWhileTheBottomIsFilled)
{
    const Board board = BoardForSolving(ParkingRoom);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder plan = ComputePackingPlan(board, true);
    const int top = TargetAt(board, 7, 3), middle = TargetAt(board, 7, 4), bottom = TargetAt(board, 7, 5);
    ASSERT_GE(top, 0);
    ASSERT_EQ(plan.parking.size(), board.targets.size());
    EXPECT_EQ(plan.parking[static_cast<std::size_t>(top)], CellAt(board, 7, 2));
    EXPECT_EQ(plan.parking[static_cast<std::size_t>(middle)], NoCell);
    EXPECT_EQ(plan.parking[static_cast<std::size_t>(bottom)], NoCell);
    // Forwards: the bottom, then the waiting box onto the top, the middle last; the box comes to
    // its parking cell no later than the bottom is due.
    const std::vector<int> order = {bottom, top, middle};
    EXPECT_EQ(plan.order, order);
    EXPECT_GE(plan.parkedFrom[static_cast<std::size_t>(top)], plan.layer[static_cast<std::size_t>(bottom)]);
    // The room is the column and the bay above the doorway; the floor beyond is not.
    EXPECT_TRUE(plan.sinkRoom[CellAt(board, 6, 4)]);
    EXPECT_TRUE(plan.sinkRoom[CellAt(board, 6, 1)]);
    EXPECT_FALSE(plan.sinkRoom[CellAt(board, 5, 4)]);
    EXPECT_FALSE(plan.sinkRoom[CellAt(board, 4, 4)]);
    EXPECT_FALSE(plan.sinkRoom[CellAt(board, 7, 3)]);   // targets are packed or out of plan already
    // The order alone parks nothing.
    EXPECT_TRUE(ComputePackingOrder(board, true).parking.empty());
}

TEST(PackingPlan, WithoutTheTopTargetNoBoxNeedsToWait)
{
    std::vector<std::string> rows = ParkingRoom;
    rows[3] = "######  #";
    rows[4] = "#      .#";
    const Board board = BoardForSolving(rows);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder plan = ComputePackingPlan(board, true);
    ASSERT_EQ(plan.parking.size(), 2u);
    for (Cell c : plan.parking)
        EXPECT_EQ(c, NoCell);
    // The middle leaves first, so the bottom is filled first.
    EXPECT_EQ(plan.order.front(), TargetAt(board, 7, 5));
}

TEST(PackingPlan, AnOpenFloorHasNoSinkRoomAndParksNothing)
{
    const Board board = BoardForSolving({"#######", "#     #", "# .$. #", "# $@$ #", "# .$. #", "#     #", "#######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder plan = ComputePackingPlan(board, true);
    EXPECT_EQ(plan.layers, ComputePackingOrder(board, true).layers);
    for (Cell c : plan.parking)
        EXPECT_EQ(c, NoCell);
    EXPECT_EQ(std::count(plan.sinkRoom.begin(), plan.sinkRoom.end(), 1), 0);
}

Tuning PlanTuning(bool outOfPlan)
{
    Tuning tuning;
    tuning.fessPlan = true;
    tuning.fessOutOfPlan = outOfPlan;
    return tuning;
}

TEST(FeatureSearch, ABoxInTheGoalRoomOffItsTargetsIsOutOfPlanOneBeyondTheDoorwayIsNot)
{
    const Board board = BoardForSolving(ParkingRoom);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const Cell keeper = CellAt(board, 7, 1);
    const Tuning counted = PlanTuning(true);
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{4, 4}, {3, 5}, {4, 5}}), keeper, counted).outOfPlan, 0);
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{5, 4}, {3, 5}, {4, 5}}), keeper, counted).outOfPlan, 0);   // in the doorway
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{6, 4}, {3, 5}, {4, 5}}), keeper, counted).outOfPlan, 1);
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{6, 4}, {6, 2}, {4, 5}}), keeper, counted).outOfPlan, 2);
    // Not counted unless asked for.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{6, 4}, {3, 5}, {4, 5}}), keeper, PlanTuning(false)).outOfPlan, 0);
}

TEST(FeatureSearch, ABoxOnItsParkingCellIsPackedOneBesideItIsOutOfPlan)
{
    const Board board = BoardForSolving(ParkingRoom);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const Cell keeper = CellAt(board, 7, 1);
    const Tuning counted = PlanTuning(true);
    const FeatureVector parked = MeasureFeatures(board, BoxesAt(board, {{7, 2}, {3, 5}, {4, 5}}), keeper, counted);
    EXPECT_EQ(parked.packed, 1);
    EXPECT_EQ(parked.outOfPlan, 0);
    const FeatureVector beside = MeasureFeatures(board, BoxesAt(board, {{6, 2}, {3, 5}, {4, 5}}), keeper, counted);
    EXPECT_EQ(beside.packed, 0);
    EXPECT_EQ(beside.outOfPlan, 1);
    // Still waiting once the bottom is filled, packed with it; once on its target it is packed as
    // the target and its parking cell no longer counts.
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{7, 2}, {7, 5}, {4, 5}}), keeper, counted).packed, 2);
    const FeatureVector home = MeasureFeatures(board, BoxesAt(board, {{7, 3}, {7, 5}, {4, 5}}), keeper, counted);
    EXPECT_EQ(home.packed, 2);
    EXPECT_EQ(home.outOfPlan, 0);
    // Without the plan the parking cell is just floor.
    Tuning order;
    EXPECT_EQ(MeasureFeatures(board, BoxesAt(board, {{7, 2}, {3, 5}, {4, 5}}), keeper, order).packed, 0);
}

// The start's children that move the box on (x, y) out of the goal room, and how many weigh nothing.
std::pair<int, int> LeavingChildren(const Board& board, const Tuning& tuning, int x, int y, const PackingOrder& plan)
{
    int leaving = 0, free = 0;
    for (const FirstChild& child : FirstChildren(board, tuning))
        if (child.from == CellAt(board, x, y) && !plan.sinkRoom[child.to] && !board.isTarget[child.to]) {
            ++leaving;
            free += child.weight == 0;
        }
    return {leaving, free};
}

TEST(FeatureSearch, TheOutOfPlanAdvisorNamesOneMoveTakingABoxOutOfTheRoom)
{
    // A box starts in the room's bay, off every target; whole moves take it down the bay and out
    // through the doorway to several cells.
    std::vector<std::string> rows = ParkingRoom;
    rows[2] = "     #$ #";
    rows[4] = "#      .#";
    const Board board = BoardForSolving(rows);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const PackingOrder plan = ComputePackingPlan(board, true);
    Tuning tuning = PlanTuning(true);
    tuning.fessMacroTargets = 0;
    tuning.fessRelocations = 1;
    tuning.corrals = false;
    tuning.fessPlanAdvice = true;
    const auto [leaving, advised] = LeavingChildren(board, tuning, 6, 2, plan);
    EXPECT_GE(leaving, 2);
    EXPECT_EQ(advised, 1);
    tuning.fessPlanAdvice = false;
    EXPECT_EQ(LeavingChildren(board, tuning, 6, 2, plan).second, 0);
    // A box starting beyond the doorway lowers nothing by moving: none named.
    tuning.fessPlanAdvice = true;
    rows[2] = "     #  #";
    rows[4] = "#  $   .#";
    const Board outside = BoardForSolving(rows);
    ASSERT_EQ(outside.invalid, InvalidReason::None);
    EXPECT_EQ(LeavingChildren(outside, tuning, 3, 4, ComputePackingPlan(outside, true)).second, 0);
}

TEST(FeatureSearch, ItsSolutionsPlayBackWithThePlanAndItsAdvisor)
{
    Options options;
    options.timeLimitSeconds = 60;
    Tuning tuning = PlanTuning(true);
    tuning.fessPlanAdvice = true;
    for (int relocations : {0, 1}) {
        tuning.fessRelocations = relocations;
        for (const std::vector<std::string>& rows : {ParkingRoom, LevelRows("0508.xsb"), LevelRows("0309.xsb"), LevelRows("2705.xsb")}) {
            const Board board = BoardForSolving(rows);
            ASSERT_EQ(board.invalid, InvalidReason::None);
            SCOPED_TRACE(rows[1] + " relocations " + std::to_string(relocations));
            const std::unique_ptr<SearchMember> search = MakeFeatureSearch(board, options, Clock::now(), options.memoryBudgetBytes, tuning);
            SearchOutcome out;
            if (!search->Start(out))
                while (!search->Step(Clock::now() + std::chrono::milliseconds(20), out)) {
                }
            ASSERT_EQ(out.outcome, Outcome::Solved);
            bool ok = false;
            const std::string letters = LettersForPushes(board, out.pushes, ok);
            EXPECT_TRUE(ok);
            EXPECT_TRUE(ReplaysToSolved(board.grid, letters));
        }
    }
}

TEST(SolverTuning, ThePlanSwitchesAndTheProcessorClockAreKnownByName)
{
    Tuning tuning;
    EXPECT_EQ(SetTuning("fessPlan=1,fessOutOfPlan=1,fessPlanAdvice=1,cpuClock=1,fessParking=1", tuning), "fessParking=1");
    EXPECT_TRUE(tuning.fessPlan && tuning.fessOutOfPlan && tuning.fessPlanAdvice && tuning.cpuClock);
}

TEST(SolverTuning, OnTheProcessorClockALimitIsProcessorTimeSinceTheSolveBegan)
{
    // Processor time spent before the solve does not count against it: a level solved at once.
    const std::clock_t busyUntil = std::clock() + CLOCKS_PER_SEC / 5;
    while (std::clock() < busyUntil) {
    }
    const WithoutCorrals plain;   // else the big room is proven lost at once
    SearchTuning().cpuClock = true;
    Options options;
    options.timeLimitSeconds = 0.1;
    const Result quick = Solve({"#####", "#@$.#", "#####"}, options);
    // A level it cannot finish stops once its own processor time is spent, not before.
    const std::clock_t before = std::clock();
    const Result stopped = Solve(BigRoom(), [] {
        Options o;
        o.timeLimitSeconds = 0.3;
        return o;
    }());
    const double spent = static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    SearchTuning().cpuClock = false;
    EXPECT_EQ(quick.outcome, Outcome::Solved);
    EXPECT_NE(stopped.outcome, Outcome::Solved);
    EXPECT_GE(spent, 0.25);
}

} // namespace
} // namespace w4::solver
