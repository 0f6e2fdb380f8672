// The optimizer: never a longer or broken solution, the known shortest one where the whole space
// fits, and the given one back when it is stopped before it starts.
#include "solver/board.h"
#include "solver/optimizer.h"
#include "solver/solution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <queue>
#include <set>

namespace w4::solver {
namespace {

// The tests' own shortest solution: Dijkstra over every (keeper cell, boxes) position, each step
// costing by the measure. Tiny boards only.
std::pair<std::size_t, int> Fewest(const std::vector<std::string>& rows, Measure measure)
{
    const std::vector<std::string> grid = NormalizeRows(rows);
    const int w = static_cast<int>(grid[0].size());
    std::string start;   // keeper cell, then sorted box cells, one char each
    char keeper = 0;
    std::string boxes;
    for (int y = 0; y < static_cast<int>(grid.size()); ++y)
        for (int x = 0; x < w; ++x) {
            const char c = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (c == '@' || c == '+')
                keeper = static_cast<char>(y * w + x);
            if (c == '$' || c == '*')
                boxes.push_back(static_cast<char>(y * w + x));
        }
    const auto wall = [&](int cell) { return grid[static_cast<std::size_t>(cell / w)][static_cast<std::size_t>(cell % w)] == '#'; };
    const auto target = [&](int cell) { return std::string(".*+").find(grid[static_cast<std::size_t>(cell / w)][static_cast<std::size_t>(cell % w)]) != std::string::npos; };
    const long long big = 1 << 20;
    using Entry = std::pair<long long, std::string>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::map<std::string, long long> best;
    start = keeper + boxes;
    open.push({0, start});
    best[start] = 0;
    while (!open.empty()) {
        const auto [cost, state] = open.top();
        open.pop();
        if (best[state] != cost)
            continue;
        const std::string b = state.substr(1);
        if (std::all_of(b.begin(), b.end(), [&](char c) { return target(static_cast<unsigned char>(c)); })) {
            const long long first = cost / big, second = cost % big;
            return measure == Measure::MovesThenPushes ? std::pair{static_cast<std::size_t>(first), static_cast<int>(second)}
                                                       : std::pair{static_cast<std::size_t>(second), static_cast<int>(first)};
        }
        const int k = static_cast<unsigned char>(state[0]);
        for (const int d : {-1, 1, -w, w}) {
            const int next = k + d;
            if (wall(next))
                continue;
            std::string after = b;
            const auto at = after.find(static_cast<char>(next));
            bool push = at != std::string::npos;
            if (push) {
                if (wall(next + d) || after.find(static_cast<char>(next + d)) != std::string::npos)
                    continue;
                after[at] = static_cast<char>(next + d);
                std::sort(after.begin(), after.end(), [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
            }
            const long long step = measure == Measure::MovesThenPushes ? big + (push ? 1 : 0) : 1 + (push ? big : 0);
            const std::string s = static_cast<char>(next) + after;
            const auto it = best.find(s);
            if (it == best.end() || it->second > cost + step) {
                best[s] = cost + step;
                open.push({cost + step, s});
            }
        }
    }
    return {0, -1};
}

OptimizeOptions Generous(Measure measure)
{
    OptimizeOptions options;
    options.measure = measure;
    options.timeLimitSeconds = 60;
    return options;
}

int Pushes(const std::string& moves)
{
    return static_cast<int>(std::count_if(moves.begin(), moves.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
}

const std::vector<std::string> Room = {"#######", "#     #", "#@$  .#", "#     #", "#######"};

TEST(Optimize, AWalkWithDetoursBecomesTheStraightPush)
{
    for (const Measure measure : {Measure::MovesThenPushes, Measure::PushesThenMoves}) {
        // Steps up and back, twice, and a step left and back: six wasted moves.
        const OptimizeResult r = Optimize(Room, "udRudRlrR", Generous(measure));
        EXPECT_EQ(r.outcome, OptimizeOutcome::Exhausted);
        EXPECT_EQ(r.moves, "RRR");
        EXPECT_EQ(r.movesBefore, 9u);
        EXPECT_EQ(r.pushesBefore, 3);
        EXPECT_TRUE(r.Improved());
    }
    // A box pushed past its place and brought back round the other side: the pushes shrink too.
    const std::vector<std::string> wide = {"#########", "#       #", "#@$  .  #", "#       #", "#########"};
    const OptimizeResult overshoot = Optimize(wide, "RRRRurrdL", Generous(Measure::PushesThenMoves));
    ASSERT_EQ(overshoot.outcome, OptimizeOutcome::Exhausted);
    EXPECT_EQ(overshoot.pushesBefore, 5);
    EXPECT_EQ(overshoot.moves, "RRR");
}

TEST(Optimize, BadInputGivesAClearOutcomeAndNoMoves)
{
    EXPECT_EQ(Optimize(Room, "RR", Generous(Measure::MovesThenPushes)).outcome, OptimizeOutcome::NotASolution);   // not solved
    EXPECT_EQ(Optimize(Room, "lRRR", Generous(Measure::MovesThenPushes)).outcome, OptimizeOutcome::NotASolution); // into a wall
    EXPECT_EQ(Optimize(Room, "RRxR", Generous(Measure::MovesThenPushes)).outcome, OptimizeOutcome::NotASolution);
    EXPECT_EQ(Optimize(Room, "", Generous(Measure::MovesThenPushes)).outcome, OptimizeOutcome::NotASolution);
    const OptimizeResult noKeeper = Optimize({"#####", "# $.#", "#####"}, "R", Generous(Measure::MovesThenPushes));
    EXPECT_EQ(noKeeper.outcome, OptimizeOutcome::Invalid);
    EXPECT_EQ(noKeeper.invalid, InvalidReason::NoKeeper);
    EXPECT_TRUE(noKeeper.moves.empty());
    // Pushes written in lower case are read as the pushes they are, and handed back in capitals.
    const OptimizeResult lower = Optimize(Room, "rrr", Generous(Measure::MovesThenPushes));
    EXPECT_EQ(lower.moves, "RRR");
    EXPECT_FALSE(lower.Improved());
}

TEST(Optimize, StoppedBeforeItStartsGivesTheSolutionBackUnchanged)
{
    const std::atomic<bool> cancelled{true};
    OptimizeOptions options = Generous(Measure::MovesThenPushes);
    options.cancel = &cancelled;
    const OptimizeResult r = Optimize(Room, "udRudRlrR", options);
    EXPECT_EQ(r.outcome, OptimizeOutcome::Cancelled);
    EXPECT_EQ(r.moves, "udRudRlrR");
    EXPECT_FALSE(r.Improved());

    OptimizeOptions tiny = Generous(Measure::MovesThenPushes);
    tiny.memoryBudgetBytes = 1;
    const OptimizeResult full = Optimize(Room, "udRudRlrR", tiny);
    EXPECT_EQ(full.outcome, OptimizeOutcome::OutOfMemory);
    EXPECT_EQ(full.moves, "udRudRlrR");
}

// Random rooms and the solver's solutions with random detours: the result always replays, is never
// longer, and where the whole space was searched it is the shortest there is.
TEST(Optimize, RandomRoomsWithDetoursGiveTheShortestOrNoWorse)
{
    std::uint32_t state = 2024;
    auto next = [&state](std::uint32_t below) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % below;
    };
    int checked = 0, exhausted = 0, shortened = 0;
    for (int attempt = 0; attempt < 200 && checked < 16; ++attempt) {
        std::vector<std::string> rows(6, std::string(7, '#'));
        std::vector<std::pair<int, int>> floor;
        for (int y = 1; y < 5; ++y)
            for (int x = 1; x < 6; ++x)
                if (next(100) >= 15) {
                    rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = ' ';
                    floor.push_back({x, y});
                }
        if (floor.size() < 8)
            continue;
        auto place = [&](char c) {
            const std::size_t i = next(static_cast<std::uint32_t>(floor.size()));
            rows[static_cast<std::size_t>(floor[i].second)][static_cast<std::size_t>(floor[i].first)] = c;
            floor.erase(floor.begin() + static_cast<std::ptrdiff_t>(i));
        };
        place('@');
        for (int b = 0; b < 2; ++b) {
            place('$');
            place('.');
        }
        const Result solved = Solve(rows, Options{});
        if (solved.outcome != Outcome::Solved)
            continue;
        SCOPED_TRACE(rows[1] + "|" + rows[2] + "|" + rows[3] + "|" + rows[4]);
        // Detours: a step and its way back, put in wherever they can be played.
        std::string poor = solved.moves;
        const std::vector<std::string> grid = NormalizeRows(rows);
        for (int tries = 0; tries < 40; ++tries) {
            const std::size_t at = next(static_cast<std::uint32_t>(poor.size()));
            const int d = static_cast<int>(next(4));
            const std::string candidate = poor.substr(0, at) + StepLetter[d] + StepLetter[Opposite(d)] + poor.substr(at);
            if (ReplaysToSolved(grid, candidate))
                poor = candidate;
        }
        ++checked;
        for (const Measure measure : {Measure::MovesThenPushes, Measure::PushesThenMoves}) {
            const OptimizeResult r = Optimize(rows, poor, Generous(measure));
            ASSERT_FALSE(r.moves.empty()) << OptimizeOutcomeName(r.outcome);
            EXPECT_TRUE(ReplaysToSolved(grid, r.moves)) << r.moves;
            EXPECT_EQ(r.pushes, Pushes(r.moves));
            EXPECT_EQ(r.movesBefore, poor.size());
            EXPECT_FALSE(IsShorter(measure, poor.size(), Pushes(poor), r.moves.size(), r.pushes)) << r.moves;
            shortened += r.moves.size() < poor.size();
            if (r.outcome == OptimizeOutcome::Exhausted) {
                ++exhausted;
                const auto fewest = Fewest(rows, measure);
                EXPECT_EQ(r.moves.size(), fewest.first) << r.moves;
                EXPECT_EQ(r.pushes, fewest.second) << r.moves;
            }
        }
    }
    EXPECT_GE(checked, 10);
    EXPECT_GT(exhausted, 0);
    EXPECT_GT(shortened, 0);
}

// A shipped level, with detours, within a short limit: whatever the limit stops, the result is a
// solution no longer than the given one.
TEST(Optimize, AShortLimitStillGivesAValidSolution)
{
    const std::vector<std::string> rows = {"    #####", "    #   #", "    #$  #", "  ###  $##", "  #  $ $ #", "### # ## #   ######",
                                           "#   # ## #####  ..#", "# $  $          ..#", "##### ### #@##  ..#", "    #     #########",
                                           "    #######"};
    const Result solved = Solve(rows, Options{});
    ASSERT_EQ(solved.outcome, Outcome::Solved);
    const std::string poor = "ud" + solved.moves.substr(0, 10) + "lrlr" + solved.moves.substr(10);
    for (const double seconds : {0.0, 0.05}) {
        OptimizeOptions options = Generous(Measure::PushesThenMoves);
        options.timeLimitSeconds = seconds;
        const OptimizeResult r = Optimize(rows, poor, options);
        ASSERT_FALSE(r.moves.empty());
        EXPECT_TRUE(ReplaysToSolved(NormalizeRows(rows), r.moves));
        EXPECT_FALSE(IsShorter(Measure::PushesThenMoves, poor.size(), Pushes(poor), r.moves.size(), r.pushes));
    }
}

TEST(Optimize, TheMeasureDecidesWhichFigureComesFirst)
{
    EXPECT_TRUE(IsShorter(Measure::MovesThenPushes, 10, 5, 11, 2));
    EXPECT_TRUE(IsShorter(Measure::MovesThenPushes, 10, 4, 10, 5));
    EXPECT_FALSE(IsShorter(Measure::MovesThenPushes, 10, 5, 10, 5));
    EXPECT_TRUE(IsShorter(Measure::PushesThenMoves, 11, 2, 10, 5));
    EXPECT_FALSE(IsShorter(Measure::PushesThenMoves, 10, 5, 9, 5));
}

} // namespace
} // namespace w4::solver
