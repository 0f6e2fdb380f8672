// The search end to end through Solve: verdicts that must be proofs, the limits, invalid boards,
// and solutions of real levels played back by the game's own move table.
#include "solver/search.h"
#include "solver/solver.h"
#include "solver_levels.h"

#include "core/fileio.h"
#include "core/usokoban.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace w4::solver {
namespace {

Options Quick(double seconds = 30)
{
    Options options;
    options.timeLimitSeconds = seconds;
    return options;
}

// Plays the letters with the game's case table, independently of the solver's own check, and
// says whether every box ends on a target.
bool PlaysToSolved(std::vector<std::string> rows, const std::string& letters)
{
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    int kx = -1, ky = -1;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y].resize(width, ' ');
        for (std::size_t x = 0; x < width; ++x) {
            if (rows[y][x] == '-' || rows[y][x] == '_')
                rows[y][x] = ' ';
            if (rows[y][x] == '@' || rows[y][x] == '+') {
                kx = static_cast<int>(x);
                ky = static_cast<int>(y);
            }
        }
    }
    const auto cell = [&](int x, int y) -> char& {
        static char off = 'Z';
        off = 'Z';
        if (x < 0 || y < 0 || y >= static_cast<int>(rows.size()) || x >= static_cast<int>(width))
            return off;
        return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    for (char letter : letters) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
        const int dx = lower == 'l' ? -1 : lower == 'r' ? 1 : 0;
        const int dy = lower == 'u' ? -1 : lower == 'd' ? 1 : 0;
        if (dx == 0 && dy == 0)
            return false;
        const MoveDecision move = ClassifyMove(cell(kx, ky), cell(kx + dx, ky + dy), cell(kx + 2 * dx, ky + 2 * dy));
        if (move.Outcome != (letter == lower ? MoveOutcome::Step : MoveOutcome::Push))
            return false;
        cell(kx, ky) = move.NewKeeper;
        cell(kx + dx, ky + dy) = move.NewNext;
        if (move.Outcome == MoveOutcome::Push)
            cell(kx + 2 * dx, ky + 2 * dy) = move.NewBeyond;
        kx += dx;
        ky += dy;
    }
    for (const std::string& row : rows)
        if (row.find('$') != std::string::npos)
            return false;
    return true;
}

TEST(Solve, SolvesShippedLevelsAndTheLettersPlayBack)
{
    for (const char* name : {"0101.xsb", "0102.xsb", "0110.xsb", "0203.xsb", "0305.xsb"}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> rows = LevelRows(name);
        ASSERT_FALSE(rows.empty());
        const Result result = Solve(rows, Quick());
        ASSERT_EQ(result.outcome, Outcome::Solved);
        EXPECT_TRUE(PlaysToSolved(rows, result.moves));
        EXPECT_EQ(result.pushes, std::count_if(result.moves.begin(), result.moves.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_GT(result.positions, 0u);
    }
}

TEST(Solve, PushOptimalModeFindsTheFewestPushes)
{
    // Greedy would push the near box first; the optimum takes the far box the short way round.
    const std::vector<std::string> rows = {"########", "#@ $  .#", "#      #", "########"};
    Options options = Quick();
    options.optimal = Optimality::Pushes;
    const Result result = Solve(rows, options);
    ASSERT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(result.pushes, 3);
    EXPECT_EQ(result.moves, "rRRR");
    EXPECT_TRUE(PlaysToSolved(rows, result.moves));
}

TEST(Solve, CorralPruningKeepsPushOptimality)
{
    // Pruning to the corral's pushes only reorders pushes, so the optimum must not change.
    Options options = Quick();
    options.optimal = Optimality::Pushes;
    for (const char* name : {"0101.xsb", "0104.xsb", "0107.xsb", "0203.xsb", "0208.xsb"}) {
        SCOPED_TRACE(name);
        const Result pruned = Solve(LevelRows(name), options);
        Result plain;
        {
            const WithoutCorrals off;
            plain = Solve(LevelRows(name), options);
        }
        ASSERT_EQ(pruned.outcome, Outcome::Solved);
        ASSERT_EQ(plain.outcome, Outcome::Solved);
        EXPECT_EQ(pruned.pushes, plain.pushes);
    }
}

TEST(Solve, ABoxPushedThroughATunnelPlaysBackPushByPush)
{
    // One push into the room's last cell, then one run of four through the one-wide tunnel onto
    // the target: the run must come back as four single pushes in order.
    const std::vector<std::string> rows = {"#########", "#   #####", "#@$    .#", "#   #####", "#########"};
    const Result fast = Solve(rows, Quick());
    ASSERT_EQ(fast.outcome, Outcome::Solved);
    EXPECT_EQ(fast.moves, "RRRRR");
    EXPECT_TRUE(PlaysToSolved(rows, fast.moves));
    // Two boxes: the one already in the tunnel must go through first, to the far target, with
    // a run that stops on the near target and a single push after it.
    const std::vector<std::string> two = {"###########", "#    ######", "#@ $ $  ..#", "#    ######", "###########"};
    const Result both = Solve(two, Quick());
    ASSERT_EQ(both.outcome, Outcome::Solved);
    EXPECT_TRUE(PlaysToSolved(two, both.moves));
    Options optimal = Quick();
    optimal.optimal = Optimality::Pushes;
    const Result exact = Solve(rows, optimal);
    ASSERT_EQ(exact.outcome, Outcome::Solved);
    EXPECT_EQ(exact.pushes, 5);
    const Result exactBoth = Solve(two, optimal);
    ASSERT_EQ(exactBoth.outcome, Outcome::Solved);
    EXPECT_EQ(exactBoth.pushes, 9);
    EXPECT_TRUE(PlaysToSolved(two, exactBoth.moves));
}

TEST(Solve, AnAlreadySolvedLevelNeedsNoMoves)
{
    const Result result = Solve({"#####", "#@* #", "#####"}, Quick());
    EXPECT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(result.moves, "");
}

TEST(Solve, LostLevelsAreProvenUnsolvableNotTimedOut)
{
    // A box in a corner; a box whose only way to its target needs the keeper inside a wall; two
    // boxes frozen side by side on the top wall; and a corridor where the keeper stands between
    // the boxes and can never get past the right one to bring it left.
    const std::vector<std::vector<std::string>> levels = {
        {"######", "#$  .#", "#  @ #", "######"},
        {"######", "##.###", "#@ $ #", "######"},
        {"#######", "#.$$. #", "#     #", "#  @  #", "#######"},
        {"#########", "#..$@$  #", "#########"},
    };
    for (const auto& rows : levels) {
        SCOPED_TRACE(rows[1]);
        const Result result = Solve(rows, Quick());
        EXPECT_EQ(result.outcome, Outcome::Unsolvable);
        EXPECT_TRUE(result.moves.empty());
    }
}

TEST(Solve, InvalidBoardsSayWhy)
{
    const struct {
        std::vector<std::string> rows;
        InvalidReason reason;
    } cases[] = {
        {{"#####", "# $.#", "#####"}, InvalidReason::NoKeeper},
        {{"######", "#@$.@#", "######"}, InvalidReason::NoKeeper},
        {{"######", "#@$$.#", "######"}, InvalidReason::BoxTargetMismatch},
        {{"######", "#@   #", "######"}, InvalidReason::BoxTargetMismatch},
        {{"#######", "#@$.#$.#", "#######"}, InvalidReason::Unreachable},
        {{"#######", "#@$..#$#", "#######"}, InvalidReason::Unreachable},
        {{std::string(51, '#'), "#@$." + std::string(47, ' ') + "#", std::string(51, '#')}, InvalidReason::TooLarge},
        {{}, InvalidReason::NoKeeper},
    };
    for (const auto& c : cases) {
        const Result result = Solve(c.rows, Quick());
        EXPECT_EQ(result.outcome, Outcome::Invalid);
        EXPECT_EQ(result.invalid, c.reason);
    }
}

TEST(Solve, AWalledInBoxOnItsTargetIsPartOfTheWall)
{
    // The sealed box can never move, nor does it need to: the level is still solvable.
    const std::vector<std::string> rows = {"#####", "#*#.#", "###$#", "  #@#", "  ###"};
    const Result result = Solve(rows, Quick());
    ASSERT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(result.moves, "U");
}

TEST(Solve, TooManyBoxesIsTooLarge)
{
    std::vector<std::string> rows(50, std::string(50, ' '));
    int boxes = 0;
    for (std::size_t y = 1; y < 49 && boxes < 300; y += 2)
        for (std::size_t x = 1; x < 49 && boxes < 300; x += 3) {
            rows[y][x] = '$';
            rows[y][x + 1] = '.';
            ++boxes;
        }
    rows[0][0] = '@';
    const Result result = Solve(rows, Quick());
    EXPECT_EQ(result.outcome, Outcome::Invalid);
    EXPECT_EQ(result.invalid, InvalidReason::TooLarge);
}

TEST(Solve, AZeroTimeLimitRunsOutOfTime)
{
    Options options = Quick(0);
    const Result result = Solve(LevelRows("0110.xsb"), options);
    EXPECT_EQ(result.outcome, Outcome::OutOfTime);
    EXPECT_TRUE(result.moves.empty());
}

TEST(Solve, TheCorralRuleProvesALostPocketAtOnce)
{
    Options options = Quick(600);
    options.optimal = Optimality::Pushes;
    const Result result = Solve(BigRoom(), options);
    EXPECT_EQ(result.outcome, Outcome::Unsolvable);
    EXPECT_LT(result.positions, 100u);
}

TEST(Solve, ASmallMemoryBudgetRunsOutOfMemoryNotIntoACrash)
{
    const WithoutCorrals plain;
    Options options = Quick(600);
    options.optimal = Optimality::Pushes;
    options.memoryBudgetBytes = std::size_t(512) << 10;
    const Result result = Solve(BigRoom(), options);
    EXPECT_EQ(result.outcome, Outcome::OutOfMemory);
    EXPECT_GT(result.positions, 1000u);
    // Not even room for the tables built before the search.
    options.memoryBudgetBytes = 1000;
    EXPECT_EQ(Solve(BigRoom(), options).outcome, Outcome::OutOfMemory);
}

TEST(Solve, CancelFromAnotherThreadStopsTheSearch)
{
    const WithoutCorrals plain;
    std::atomic<bool> cancel{false};
    std::promise<void> running;
    bool told = false;
    Options options = Quick(600);
    options.optimal = Optimality::Pushes;
    options.cancel = &cancel;
    int reports = 0;
    options.progress = [&](const Progress& progress) {
        ++reports;
        EXPECT_GE(progress.seconds, 0.0);
        if (!told) {
            told = true;
            running.set_value();
        }
    };
    std::future<Result> solving = std::async(std::launch::async, [&] { return Solve(BigRoom(), options); });
    // Cancel once the search is under way; should it end first, the outcome check below fails
    // instead of the test hanging.
    std::future<void> underWay = running.get_future();
    while (underWay.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready
           && solving.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    }
    cancel = true;
    const Result result = solving.get();
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_GE(reports, 1);
}

TEST(Solve, ARaisedCancelFlagStopsBeforeSearching)
{
    std::atomic<bool> cancel{true};
    Options options = Quick();
    options.cancel = &cancel;
    EXPECT_EQ(Solve(LevelRows("0110.xsb"), options).outcome, Outcome::Cancelled);
}

} // namespace
} // namespace w4::solver

namespace w4::solver {
namespace {

// The benchmark's switches: known names take their values, anything else is handed back whole so
// a misspelt switch never silently measures the defaults.
TEST(SearchTuning, SettingsByNameTakeTheirValuesAndUnknownOnesAreReturned)
{
    Tuning tuning;
    EXPECT_EQ(SetTuning("corralPatterns=0,weight=3,fessShare=120", tuning), "");
    EXPECT_FALSE(tuning.corralPatterns);
    EXPECT_EQ(tuning.weight, 3);
    EXPECT_EQ(tuning.fessShare, 120);
    EXPECT_EQ(SetTuning("weigth=4,fess=yes,backward=0,weight=", tuning), "weigth=4,fess=yes,weight=");
    EXPECT_EQ(tuning.weight, 3);
    EXPECT_TRUE(tuning.fess);
    EXPECT_FALSE(tuning.backward);
}

} // namespace
} // namespace w4::solver
