// The solver's optimal modes against the tests' own exhaustive search: hand-drawn boards, shipped
// levels and a batch of random small rooms. Every solution is also played through the game's rules.
#include "optimal_oracle.h"

#include "solver/cli/solvecli.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using w4::solver::Optimality;
using w4::solver::Outcome;
using w4::test::BoardOracle;

std::string Show(const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

w4::solver::Result SolveWith(const std::vector<std::string>& rows, Optimality optimal)
{
    w4::solver::Options options;
    // Far beyond what a tiny board needs: an out-of-time outcome here is a fault, not a slow machine.
    options.timeLimitSeconds = 60;
    options.memoryBudgetBytes = std::size_t(256) << 20;
    options.optimal = optimal;
    return w4::solver::Solve(rows, options);
}

int CountPushes(const std::string& moves)
{
    int pushes = 0;
    for (const char c : moves)
        pushes += c >= 'A' && c <= 'Z';
    return pushes;
}

// Solves the board in push-optimal mode and compares with the oracle's count, both ways: a count
// and unsolvable alike.
void ExpectSolvedIn(const std::vector<std::string>& rows, Optimality optimal, int fewestPushes)
{
    const w4::solver::Result result = SolveWith(rows, optimal);
    if (fewestPushes == BoardOracle::Unsolvable) {
        EXPECT_EQ(result.outcome, Outcome::Unsolvable) << w4::solver::OutcomeName(result.outcome);
        return;
    }
    ASSERT_EQ(result.outcome, Outcome::Solved) << w4::solver::OutcomeName(result.outcome);
    EXPECT_TRUE(w4::solvecli::ReplaysToSolved(rows, result.moves)) << result.moves;
    EXPECT_EQ(CountPushes(result.moves), fewestPushes) << result.moves;
    EXPECT_EQ(result.pushes, CountPushes(result.moves));
}

void ExpectFewestPushes(const std::vector<std::string>& rows)
{
    SCOPED_TRACE(Show(rows));
    const int expected = BoardOracle(rows).FewestPushes();
    ASSERT_NE(expected, BoardOracle::TooBig) << "the board is too large for the oracle";
    ExpectSolvedIn(rows, Optimality::Pushes, expected);
}

// Boards where the keeper must go round, or a box must leave its target and come back; the last
// three cannot be solved at all, and only a search that runs out of positions can say so.
const std::vector<std::vector<std::string>> HandDrawn = {
    {"#####",
     "#@$.#",
     "#####"},
    {"#######",
     "#.    #",
     "#  $  #",
     "#  @  #",
     "#######"},
    // The box on the left target is in the way.
    {"########",
     "#  #   #",
     "#@ *$. #",
     "#      #",
     "########"},
    // The keeper walks round to push the box back left.
    {"#######",
     "#.@$  #",
     "# ### #",
     "#     #",
     "#######"},
    {"########",
     "#.  $ @#",
     "#.$    #",
     "########"},
    // Two boxes in a corridor, the keeper behind both: the near one can only be pushed into the far one.
    {"#########",
     "#@ $ $..#",
     "#########"},
    // A box in a corner off any target.
    {"######",
     "#$   #",
     "#  @ #",
     "#   .#",
     "######"},
    // Boxes against a wall, the targets off it: they slide along it but never leave it.
    {"#######",
     "# $$  #",
     "#     #",
     "#@  ..#",
     "#######"},
};

TEST(OptimalPushes, HandDrawnBoardsMatchTheExhaustiveSearch)
{
    for (const auto& rows : HandDrawn)
        ExpectFewestPushes(rows);
}

TEST(OptimalPushes, ShippedLevelsMatchTheExhaustiveSearch)
{
    // The smallest of the shipped levels: few boxes in small rooms.
    for (const char* name : {"0101.xsb", "0102.xsb", "0103.xsb", "0104.xsb", "0109.xsb"}) {
        SCOPED_TRACE(name);
        const auto levels = w4::solvecli::ReadLevelsOf(std::string(W4_SOURCE_DIR) + "/levels/" + name);
        ASSERT_EQ(levels.size(), 1u);
        ASSERT_TRUE(levels[0].problem.empty()) << levels[0].problem;
        ExpectFewestPushes(levels[0].rows);
    }
}

// Small rooms with scattered walls and two or three boxes, from a fixed seed so a failure repeats.
// Random rooms find the shapes nobody thinks to draw: boxes that only look stuck, corrals that
// open, targets in dead ends.
std::vector<std::vector<std::string>> RandomRooms(int count)
{
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t below) {
        state = state * 1664525u + 1013904223u;   // a fixed generator, the same on every library
        return (state >> 8) % below;
    };
    std::vector<std::vector<std::string>> rooms;
    while (static_cast<int>(rooms.size()) < count) {
        const int width = 8, height = 7;
        std::vector<std::string> rows(height, std::string(width, '#'));
        std::vector<std::pair<int, int>> floor;
        for (int y = 1; y < height - 1; ++y)
            for (int x = 1; x < width - 1; ++x)
                if (next(100) >= 15) {
                    rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ' ';
                    floor.push_back({x, y});
                }
        const int boxes = 2 + static_cast<int>(next(2));
        const auto inner = std::count_if(floor.begin(), floor.end(), [&](std::pair<int, int> c) {
            return c.first >= 2 && c.second >= 2 && c.first <= width - 3 && c.second <= height - 3;
        });
        if (inner < boxes + 1)
            continue;
        // Boxes start off the outer ring of floor, where most would be lost from the start.
        auto take = [&](bool inner) {
            for (;;) {
                const std::size_t i = next(static_cast<std::uint32_t>(floor.size()));
                const auto cell = floor[i];
                if (inner && (cell.first < 2 || cell.second < 2 || cell.first > width - 3 || cell.second > height - 3))
                    continue;
                floor.erase(floor.begin() + static_cast<std::ptrdiff_t>(i));
                return cell;
            }
        };
        auto at = [&rows](std::pair<int, int> c) -> char& {
            return rows[static_cast<std::size_t>(c.second)][static_cast<std::size_t>(c.first)];
        };
        std::vector<std::pair<int, int>> all = floor;
        for (int i = 0; i < boxes; ++i)
            at(take(true)) = '$';
        // Targets may fall on boxes: a box starting on its target is a case of its own.
        for (int i = 0; i < boxes; ++i) {
            const auto cell = all[next(static_cast<std::uint32_t>(all.size()))];
            char& c = at(cell);
            if (c == '.' || c == '*') {
                --i;
                continue;
            }
            c = c == '$' ? '*' : '.';
        }
        const auto keeperCell = take(false);
        at(keeperCell) = at(keeperCell) == '.' ? '+' : '@';
        // Only boards the solver must search: every box and target in the keeper's area, and
        // not already solved.
        std::vector<std::string> seen = rows;
        std::vector<std::pair<int, int>> stack{keeperCell};
        seen[static_cast<std::size_t>(keeperCell.second)][static_cast<std::size_t>(keeperCell.first)] = '#';
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                char& c = seen[static_cast<std::size_t>(y + dy)][static_cast<std::size_t>(x + dx)];
                if (c != '#') {
                    c = '#';
                    stack.push_back({x + dx, y + dy});
                }
            }
        }
        bool searchable = false, reachable = true;
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                const char c = rows[y][x];
                searchable = searchable || c == '$';
                if (c != '#' && c != ' ' && seen[y][x] != '#')
                    reachable = false;
            }
        if (searchable && reachable)
            rooms.push_back(rows);
    }
    return rooms;
}

// One oracle run per room serves every mode: the push-optimal count exactly, and the fast and the
// move mode solving exactly the rooms that can be solved.
TEST(OptimalPushes, RandomRoomsMatchTheExhaustiveSearch)
{
    int unsolvable = 0;
    const auto rooms = RandomRooms(20);
    for (const auto& rows : rooms) {
        SCOPED_TRACE(Show(rows));
        const int fewest = BoardOracle(rows).FewestPushes();
        ASSERT_NE(fewest, BoardOracle::TooBig);
        ExpectSolvedIn(rows, Optimality::Pushes, fewest);
        unsolvable += fewest == BoardOracle::Unsolvable;
        for (const Optimality mode : {Optimality::None, Optimality::Moves}) {
            const w4::solver::Result any = SolveWith(rows, mode);
            if (fewest == BoardOracle::Unsolvable) {
                EXPECT_EQ(any.outcome, Outcome::Unsolvable) << w4::solver::OutcomeName(any.outcome);
                continue;
            }
            ASSERT_EQ(any.outcome, Outcome::Solved) << w4::solver::OutcomeName(any.outcome);
            EXPECT_TRUE(w4::solvecli::ReplaysToSolved(rows, any.moves)) << any.moves;
            EXPECT_GE(CountPushes(any.moves), fewest);
        }
    }
    // The batch holds both kinds, so both verdicts are exercised.
    EXPECT_GT(unsolvable, 0);
    EXPECT_LT(unsolvable, static_cast<int>(rooms.size()));
}

} // namespace
