// Goal rooms and their macros: which areas count as rooms, a macro's pushes played by the game's
// move table, and the fast mode with the macros and the cut giving the verdicts it gave without.
#include "solver/board.h"
#include "solver/goalroom.h"
#include "solver/packing.h"
#include "solver/search.h"
#include "solver/tuning.h"
#include "solver/solution.h"
#include "solver/solver.h"
#include "solver_levels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace w4::solver {
namespace {

// Two targets in a room on the left, entered through one doorway in its right wall; the boxes
// start outside.
const std::vector<std::string> Room = {
    "#########",
    "#.  #   #",
    "#.   $  #",
    "#   # $ #",
    "#   #  @#",
    "#########",
};

// The same floor without the wall between: one open room.
const std::vector<std::string> Open = {
    "#########",
    "#.      #",
    "#.   $  #",
    "#     $ #",
    "#      @#",
    "#########",
};

TEST(GoalRooms, ARoomIsTheFloorRoundItsTargetsUpToItsDoorway)
{
    const Board board = BoardForSolving(Room);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const GoalRooms rooms(board, ComputePackingOrder(board));
    ASSERT_EQ(rooms.Rooms().size(), 1u);
    const GoalRoom& room = rooms.Rooms().front();
    EXPECT_EQ(room.entrances, std::vector<Cell>{CellAt(board, 4, 2)});
    EXPECT_EQ(room.cells.size(), 12u);   // three columns of four rows
    EXPECT_EQ(room.order.size(), 2u);
    EXPECT_EQ(rooms.RoomOf(CellAt(board, 1, 4)), 0);
    EXPECT_EQ(rooms.RoomOf(CellAt(board, 4, 2)), -1);   // the doorway is no part of the room
    EXPECT_EQ(rooms.EntranceOf(CellAt(board, 4, 2)), 0);
    EXPECT_EQ(rooms.RoomOf(CellAt(board, 6, 2)), -1);

    // The room's targets fill in its packing order, the next free one of the same round after.
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    std::vector<Cell> due;
    rooms.DueTargets(0, occupied.data(), due);
    ASSERT_FALSE(due.empty());
    occupied[due.front()] = 1;
    std::vector<Cell> next;
    rooms.DueTargets(0, occupied.data(), next);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_NE(next.front(), due.front());
    occupied[next.front()] = 1;
    rooms.DueTargets(0, occupied.data(), next);
    EXPECT_TRUE(next.empty());
}

TEST(GoalRooms, NoneInAnOpenRoomNorWhereTheBoxesStartInside)
{
    const Board open = BoardForSolving(Open);
    ASSERT_EQ(open.invalid, InvalidReason::None);
    EXPECT_TRUE(GoalRooms(open, ComputePackingOrder(open)).Rooms().empty());

    // The same room with its boxes inside: nothing comes in through the doorway.
    const Board inside = BoardForSolving({
        "#########",
        "#.  #   #",
        "#.$$    #",
        "#   #  @#",
        "#########",
    });
    ASSERT_EQ(inside.invalid, InvalidReason::None);
    EXPECT_TRUE(GoalRooms(inside, ComputePackingOrder(inside)).Rooms().empty());
}

// A level's start as the search sees it when it expands it: the boxes, the keeper's reach and
// the pushes the keeper can make.
struct StartPosition {
    explicit StartPosition(const std::vector<std::string>& rows)
        : board(BoardForSolving(rows)), occupied(static_cast<std::size_t>(board.CellCount()), 0), reach(board.CellCount())
    {
        for (Cell box : board.boxes)
            occupied[box] = 1;
        reach.Flood(board, occupied.data(), board.keeper);
        for (Cell box : board.boxes)
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board.Next(box, d);
                const Cell behind = board.Next(box, Opposite(d));
                if (to != NoCell && behind != NoCell && !occupied[to] && reach.Reached(behind))
                    pushes.push_back({box, d});
            }
    }
    // The goal macros here; `pushes` loses the ones they replace.
    std::vector<std::vector<Push>> Macros()
    {
        GoalMacros macros(board);
        EXPECT_TRUE(macros.Any());
        std::vector<std::vector<Push>> found;
        macros.Generate(occupied.data(), reach, pushes, found);
        return found;
    }
    Board board;
    std::vector<std::uint8_t> occupied;
    Reach reach;
    std::vector<Push> pushes;
};

TEST(GoalMacros, APushOntoTheDoorwayBecomesTheRouteOntoTheDueTargetAndItPlaysBack)
{
    // One box, one target round a corner of the room: the macro alone solves the level.
    StartPosition start({
        "#########",
        "#.  #   #",
        "#    $  #",
        "#   #  @#",
        "#########",
    });
    const Board& board = start.board;
    ASSERT_EQ(board.invalid, InvalidReason::None);
    ASSERT_EQ(start.pushes.size(), 3u);   // left onto the doorway, up, down
    const std::vector<std::vector<Push>> found = start.Macros();
    ASSERT_EQ(found.size(), 1u);
    const std::vector<Push>& route = found.front();
    EXPECT_EQ(route.front().from, board.boxes.front());
    EXPECT_GT(route.size(), 4u);
    EXPECT_TRUE(std::any_of(route.begin(), route.end(), [&](const Push& p) { return p.dir != route.front().dir; }));   // it turns
    // The push it stands for is gone; the ones away from the room stay.
    EXPECT_EQ(start.pushes.size(), 2u);
    for (const Push& p : start.pushes)
        EXPECT_NE(board.Next(p.from, p.dir), CellAt(board, 4, 2));

    bool ok = false;
    const std::string letters = LettersForPushes(board, route, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(std::count_if(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; }), static_cast<long>(route.size()));
    EXPECT_TRUE(ReplaysToSolved(board.grid, letters));
}

TEST(GoalMacros, NoMacroWhenTheDueTargetCannotBeReached)
{
    // The box may be pushed onto the doorway but never up into the target's pocket: the keeper
    // cannot get below it. Its pushes stay as they were.
    StartPosition start({
        "########",
        "##.#   #",
        "#   $@ #",
        "####   #",
        "########",
    });
    ASSERT_EQ(start.board.invalid, InvalidReason::None);
    ASSERT_EQ(start.pushes.size(), 3u);   // onto the doorway, up, down
    EXPECT_TRUE(start.Macros().empty());
    EXPECT_EQ(start.pushes.size(), 3u);
}

struct GoalMacroSwitch {
    GoalMacroSwitch(bool on, bool cut)
    {
        SearchTuning().goalMacros = on;
        SearchTuning().goalCut = cut;
    }
    ~GoalMacroSwitch()
    {
        SearchTuning().goalMacros = true;
        SearchTuning().goalCut = true;
    }
};

TEST(GoalMacros, TheFastModeGivesTheSameVerdictsWithAndWithoutThemAndItsSolutionsPlayBack)
{
    const std::vector<std::vector<std::string>> levels = {
        Room,
        LevelRows("0101.xsb"),
        LevelRows("0201.xsb"),
        LevelRows("0103.xsb"),
        {"#########", "#.  #  $#", "#.   $  #", "#   #  @#", "#########"},   // lost: a box in a corner outside
        {"########", "#.  #  #", "#.  $$ #", "#   # @#", "########"},         // lost: the keeper can never get behind either box
    };
    for (const auto& rows : levels) {
        SCOPED_TRACE(rows[1]);
        Options options;
        options.timeLimitSeconds = 60;
        Result results[3];
        const bool switches[3][2] = {{true, true}, {true, false}, {false, false}};
        for (int k = 0; k < 3; ++k) {
            const GoalMacroSwitch set(switches[k][0], switches[k][1]);
            results[k] = Solve(rows, options);
        }
        for (const Result& r : results) {
            EXPECT_EQ(r.outcome, results[2].outcome);
            EXPECT_TRUE(r.outcome == Outcome::Solved || r.outcome == Outcome::Unsolvable);
            if (r.outcome == Outcome::Solved) {
                EXPECT_TRUE(ReplaysToSolved(BoardForSolving(rows).grid, r.moves));
            }
        }
    }
}

} // namespace
} // namespace w4::solver
