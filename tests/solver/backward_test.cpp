// The search from the solved end: its own solutions, solutions joined with a forward path, its
// proofs of unsolvability against the forward A*, and the portfolio with and without it.
#include "solver/backward.h"
#include "solver/board.h"
#include "solver/fess.h"
#include "solver/lowerbound.h"
#include "solver/portfolio.h"
#include "solver/search.h"
#include "solver/solution.h"
#include "solver/solver.h"
#include "solver/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <thread>

namespace w4::solver {
namespace {

// A goal room reached through a one-wide door: the far targets must be filled first, and the
// boxes wait in a yard where the forward search shuffles them about at length.
const std::vector<std::string> GoalRoom = {
    "##########",
    "#..... ###",
    "#....  ###",
    "####  ####",
    "#  $  $  #",
    "# $ $$ $ #",
    "#  $ $$  #",
    "#   @    #",
    "##########",
};

Options Limits(double seconds = 30)
{
    Options options;
    options.timeLimitSeconds = seconds;
    options.memoryBudgetBytes = std::size_t(256) << 20;
    return options;
}

bool Replays(const Board& board, const std::vector<Push>& pushes)
{
    bool ok = false;
    const std::string letters = LettersForPushes(board, pushes, ok);
    return ok && ReplaysToSolved(board.grid, letters);
}

// The position after the first `count` pushes, normalised as the searches store it.
struct Position {
    std::vector<Cell> boxes;
    Cell keeper = NoCell;
    std::uint64_t hash = 0;
};
Position After(const Board& board, const std::vector<Push>& pushes, std::size_t count)
{
    Position at;
    at.boxes = board.boxes;
    Cell keeper = board.keeper;
    for (std::size_t i = 0; i < count; ++i) {
        auto box = std::find(at.boxes.begin(), at.boxes.end(), pushes[i].from);
        *box = board.Next(pushes[i].from, pushes[i].dir);
        keeper = pushes[i].from;
    }
    std::sort(at.boxes.begin(), at.boxes.end());
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    for (Cell box : at.boxes)
        occupied[box] = 1;
    Reach reach(board.CellCount());
    at.keeper = reach.Flood(board, occupied.data(), keeper);
    at.hash = Zobrist(board.CellCount()).Of(at.boxes.data(), static_cast<int>(at.boxes.size()), at.keeper);
    return at;
}

TEST(BackwardSearch, PullsAGoalRoomEmptyAndItsPushesReplay)
{
    const Board board = BoardForSolving(GoalRoom);
    ASSERT_EQ(board.invalid, InvalidReason::None);
    const SearchOutcome found = SearchBackward(board, Limits(), Clock::now());
    ASSERT_EQ(found.outcome, Outcome::Solved);
    EXPECT_TRUE(Replays(board, found.pushes));

    // Through the whole solver too, the portfolio's letters replay.
    const Result solved = Solve(GoalRoom, Limits());
    ASSERT_EQ(solved.outcome, Outcome::Solved);
    EXPECT_TRUE(ReplaysToSolved(board.grid, solved.moves));
}

TEST(BackwardSearch, PullDistancesAreThePushDistancesTheOtherWayRound)
{
    const Board board = BoardForSolving({"#######", "#.  # #", "# $   #", "#  #$.#", "#@    #", "#######"});
    ASSERT_EQ(board.invalid, InvalidReason::None);
    std::mt19937 random(3);
    for (int round = 0; round < 60; ++round) {
        const Cell a = static_cast<Cell>(random() % static_cast<unsigned>(board.CellCount()));
        const Cell b = static_cast<Cell>(random() % static_cast<unsigned>(board.CellCount()));
        const LowerBound pulls(board, {a}, true);
        const LowerBound pushes(board, {b}, false);
        EXPECT_EQ(pulls.Distance(0, b), pushes.Distance(0, a)) << a << " " << b;
    }
    // The forward bound is what it was: over the targets, by pushes.
    const LowerBound plain(board), general(board, board.targets, false);
    for (Cell c = 0; c < board.CellCount(); ++c)
        EXPECT_EQ(plain.NearestDistance(c), general.NearestDistance(c));
}

TEST(BackwardSearch, JoinsAForwardPathAtAPositionBothHaveStored)
{
    const Board board = BoardForSolving(GoalRoom);
    const SearchOutcome alone = SearchBackward(board, Limits(), Clock::now());
    ASSERT_EQ(alone.outcome, Outcome::Solved);
    ASSERT_GT(alone.pushes.size(), 6u);
    // A forward search that knows the position halfway along: the backward search stored it on
    // its way to the start, so it meets it there, and the joined pushes must play through.
    const std::size_t half = alone.pushes.size() / 2;
    const Position middle = After(board, alone.pushes, half);
    const std::vector<Push> prefix(alone.pushes.begin(), alone.pushes.begin() + static_cast<std::ptrdiff_t>(half));
    // Played from the start, the prefix itself; any other path would do as well.
    const Options options = Limits();
    BackwardSearcher searcher(board, options, Clock::now(), 5, options.memoryBudgetBytes);
    int hits = 0;
    searcher.MeetForward([&](std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) {
        if (keeper != middle.keeper || !std::equal(middle.boxes.begin(), middle.boxes.end(), boxes))
            return false;
        EXPECT_EQ(hash, middle.hash) << "the two ends hash a position differently";
        ++hits;
        pushes = prefix;
        return true;
    });
    SearchOutcome joined;
    ASSERT_FALSE(searcher.Start(joined));
    while (!searcher.Step(Clock::now() + std::chrono::milliseconds(50), joined)) {
    }
    ASSERT_EQ(joined.outcome, Outcome::Solved);
    EXPECT_EQ(hits, 1);
    EXPECT_TRUE(Replays(board, joined.pushes));
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), joined.pushes.begin(),
                           [](const Push& a, const Push& b) { return a.from == b.from && a.dir == b.dir; }));

    // The other way round, as a forward search asks: from a stored position on that path (from
    // the meeting point on), the pushes to a solved position, after the pushes that led there.
    for (std::size_t k : {half, half + 1, alone.pushes.size() - 1}) {
        const Position at = After(board, alone.pushes, k);
        std::vector<Push> pushes(alone.pushes.begin(), alone.pushes.begin() + static_cast<std::ptrdiff_t>(k));
        ASSERT_TRUE(searcher.PushesToSolved(at.hash, at.boxes.data(), at.keeper, pushes)) << k;
        EXPECT_TRUE(Replays(board, pushes)) << k;
    }
    const Position start = After(board, alone.pushes, 0);
    std::vector<Push> none;
    EXPECT_FALSE(searcher.PushesToSolved(start.hash ^ 1, start.boxes.data(), start.keeper, none));
}

TEST(BackwardSearch, TheFeatureSearchMeetsItToo)
{
    // Once the backward search has pulled the boxes all the way back, every position on its path
    // is stored: the feature search meets it among the start's children, and the joined pushes
    // must play through.
    const Board board = BoardForSolving(GoalRoom);
    const Options options = Limits();
    BackwardSearcher backward(board, options, Clock::now(), 5, options.memoryBudgetBytes);
    SearchOutcome pulled;
    ASSERT_FALSE(backward.Start(pulled));
    while (!backward.Step(Clock::now() + std::chrono::milliseconds(50), pulled)) {
    }
    ASSERT_EQ(pulled.outcome, Outcome::Solved);
    const std::unique_ptr<SearchMember> feature = MakeFeatureSearch(board, options, Clock::now(), options.memoryBudgetBytes);
    feature->MeetBackward(&backward);
    SearchOutcome met;
    ASSERT_FALSE(feature->Start(met));
    while (!feature->Step(Clock::now() + std::chrono::milliseconds(50), met)) {
    }
    ASSERT_EQ(met.outcome, Outcome::Solved);
    EXPECT_EQ(met.expanded, 1u);
    EXPECT_TRUE(Replays(board, met.pushes));
    // And the other way round: the start, which it stored first, is reached by no pushes.
    const Position start = After(board, {}, 0);
    std::vector<Push> none = {Push{}};
    EXPECT_TRUE(feature->PushesTo(start.hash, start.boxes.data(), start.keeper, none));
    EXPECT_TRUE(none.empty());
}

// Small random rooms: both searches are complete, so they must agree on every verdict, and an
// emptied backward search is a proof.
TEST(BackwardSearch, AgreesWithTheForwardProofOnSmallRooms)
{
    std::mt19937 random(12);
    int solved = 0, unsolvable = 0;
    for (int round = 0; round < 120; ++round) {
        std::vector<std::string> rows(6, std::string(6, '#'));
        for (int y = 1; y < 5; ++y)
            for (int x = 1; x < 5; ++x)
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = random() % 5 == 0 ? '#' : ' ';
        const auto place = [&](char c) {
            for (;;) {
                char& at = rows[1 + random() % 4][1 + random() % 4];
                if (at == ' ' || (c == '.' && at == '$') || (c == '@' && at == '.')) {
                    at = at == ' ' ? c : at == '$' ? '*' : '+';
                    return;
                }
            }
        };
        const int boxes = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < boxes; ++i) {
            place('$');
            place('.');
        }
        place('@');
        const Board board = BoardForSolving(rows);
        if (board.invalid != InvalidReason::None)
            continue;
        Options exact = Limits(20);
        exact.optimal = Optimality::Pushes;   // plain A* alone: its verdicts are proofs
        const SearchOutcome forward = SearchPushes(board, exact, Clock::now());
        // One order of its positions, and two taking turns over the same table: a position
        // expanded from one list must not be lost to the other, or unsolvable proofs go wrong.
        for (const int second : {0, 10}) {
            const SearchOutcome backward = SearchBackward(board, Limits(20), Clock::now(), 3, second);
            ASSERT_EQ(forward.outcome, backward.outcome)
                << second << ": " << rows[1] << "|" << rows[2] << "|" << rows[3] << "|" << rows[4];
            if (backward.outcome == Outcome::Solved) {
                EXPECT_TRUE(Replays(board, backward.pushes));
                solved += second == 0;
            } else {
                unsolvable += second == 0;
            }
        }
    }
    EXPECT_GT(solved, 10);
    EXPECT_GT(unsolvable, 10);
}

struct BackwardOff {
    BackwardOff() { SearchTuning().backward = false; }
    ~BackwardOff() { SearchTuning().backward = true; }
};

TEST(BackwardSearch, ThePortfolioGivesTheSameKindOfResultWithOrWithoutIt)
{
    const std::vector<std::vector<std::string>> levels = {
        GoalRoom,
        {"#######", "#.$ $.#", "#  @  #", "#######"},
        {"######", "#.  $#", "#  # #", "#@ $.#", "######"},
        {"#####", "#$ .#", "#$ .#", "#@  #", "#####"},   // both boxes on the wall, off the targets' column
    };
    std::vector<Outcome> with, without;
    for (const auto& rows : levels)
        with.push_back(Solve(rows, Limits()).outcome);
    {
        BackwardOff off;
        for (const auto& rows : levels)
            without.push_back(Solve(rows, Limits()).outcome);
    }
    EXPECT_EQ(with, without);
    EXPECT_EQ(with.front(), Outcome::Solved);
    EXPECT_EQ(with.back(), Outcome::Unsolvable);
}

TEST(BackwardSearch, StopsOnCancelAndWithinItsBudget)
{
    // A level that neither end finishes quickly.
    std::vector<std::string> hall;
    std::ifstream file(std::string(W4_SOURCE_DIR) + "/levels/2706.xsb");
    for (std::string line; std::getline(file, line);)
        if (line.find('#') != std::string::npos && line.find(':') == std::string::npos)
            hall.push_back(line);
    const Board board = BoardForSolving(hall);
    ASSERT_EQ(board.invalid, InvalidReason::None);

    std::atomic<bool> cancel{false};
    Options options = Limits(60);
    options.cancel = &cancel;
    std::thread raise([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cancel.store(true);
    });
    const Result cancelled = Solve(hall, options);
    raise.join();
    EXPECT_EQ(cancelled.outcome, Outcome::Cancelled);
    EXPECT_EQ(SearchBackward(board, options, Clock::now()).outcome, Outcome::Cancelled);

    Options small = Limits(60);
    small.memoryBudgetBytes = std::size_t(2) << 20;
    EXPECT_EQ(SearchBackward(board, small, Clock::now()).outcome, Outcome::OutOfMemory);
    // The smallest budget the portfolio still gives it a share of: whichever limit comes first,
    // the level (solvable) is never called unsolvable.
    small.memoryBudgetBytes = std::size_t(16) << 20;
    small.timeLimitSeconds = 2;
    const Outcome limited = Solve(hall, small).outcome;
    EXPECT_TRUE(limited == Outcome::OutOfMemory || limited == Outcome::OutOfTime) << OutcomeName(limited);
}

} // namespace
} // namespace w4::solver
