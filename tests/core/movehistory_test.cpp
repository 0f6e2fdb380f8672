// The history of a long attempt: every position reads back as it was played, in any order, after
// a restore, and after boards were written through the references the list hands out.
#include "core/history.h"
#include "core/movehistory.h"
#include "core/snapshots.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace w4 {
namespace {

// Two boxes and one target: no walk ever solves it, so every move is kept.
const char* const Room =
    "##########\n"
    "#        #\n"
    "#  $  $  #\n"
    "#   @  . #\n"
    "#        #\n"
    "##########\n";

class LongHistoryTest : public ::testing::Test {
protected:
    // Plays a fixed pseudo-random walk of `count` letters, now and then undoing a few moves and
    // going on from there, and keeps a whole copy of every position as it is played.
    void SetUp() override
    {
        test::LoadText(g, ui, folder, Room);
        RedrawBoard(g, ui);
        played.push_back(g.Current());
        std::uint32_t seed = 12345;
        for (int i = 0; i < 2000; ++i) {
            seed = seed * 1103515245u + 12345u;
            const char letter = "lurd"[(seed >> 16) % 4];
            if (i % 300 == 299) {
                for (int u = 0; u < 7; ++u)
                    UndoMove(g, ui);
                played.resize(static_cast<std::size_t>(g.HistoryIndex) + 1);
            }
            const std::int32_t before = g.HistoryLength;
            MoveByLetter(g, ui, letter);
            if (g.HistoryLength == before)
                continue;
            const bool push = g.Current().Pushes > played.back().Pushes;
            played.back().MoveLetter = push ? static_cast<char>(letter - 'a' + 'A') : letter;
            played.push_back(g.Current());
        }
    }

    void ExpectPosition(const SnapshotList& list, std::size_t i)
    {
        ASSERT_LT(i, list.size());
        EXPECT_EQ(list[i].Board, played[i].Board) << "position " << i;
        EXPECT_EQ(list[i].Pushes, played[i].Pushes) << "position " << i;
        EXPECT_EQ(list[i].MoveLetter, played[i].MoveLetter) << "position " << i;
    }

    test::TempFolder folder;
    GameState g;
    test::RecordingFrontend ui;
    std::vector<BoardSnapshot> played;
};

TEST_F(LongHistoryTest, EveryPositionReadsBackInAnyOrderAndInACopy)
{
    ASSERT_GT(played.size(), 3 * SnapshotList::WholeBoardEvery);
    ASSERT_EQ(g.SnapshotHistory.size(), played.size());
    ASSERT_GT(played.back().Pushes, 5);
    const SnapshotList copy = g.SnapshotHistory;
    for (std::size_t i = played.size(); i-- > 0;)   // backwards, as undo reads
        ExpectPosition(g.SnapshotHistory, i);
    for (std::size_t n = 0, i = 0; n < 200; ++n, i = (i + 613) % played.size())   // jumps
        ExpectPosition(copy, i);
    for (std::size_t i = 0; i < played.size(); ++i)
        ExpectPosition(copy, i);
    EXPECT_EQ(SolutionLetters(g).size(), played.size() - 1);
}

TEST_F(LongHistoryTest, RestoredThenUndoneAndRedoneGivesThePlayedPositions)
{
    ScrollHistoryTo(g, ui, static_cast<int>(played.size()) - 40);
    const Snapshot s = TakeSnapshot(g, "long", false);
    RetryLevel(g, ui);
    ASSERT_TRUE(RestoreSnapshot(g, ui, s));
    ASSERT_EQ(g.SnapshotHistory.size(), played.size());
    while (g.HistoryIndex > 0) {
        UndoMove(g, ui);
        ASSERT_EQ(g.Current().Board, played[static_cast<std::size_t>(g.HistoryIndex)].Board) << g.HistoryIndex;
    }
    GoToEnd(g, ui);
    for (std::size_t i = 0; i < played.size(); ++i)
        ExpectPosition(g.SnapshotHistory, i);
    // Play goes on from the restored end as from the played one, the end left as it was.
    for (const char letter : {'l', 'u', 'r', 'd'})
        if (MoveByLetter(g, ui, letter), g.SnapshotHistory.size() > played.size())
            break;
    ASSERT_EQ(g.SnapshotHistory.size(), played.size() + 1);
    EXPECT_EQ(g.SnapshotHistory[played.size() - 1].Board, played.back().Board);
    EXPECT_EQ(g.SnapshotHistory[played.size() - 1].Pushes, played.back().Pushes);
}

TEST_F(LongHistoryTest, ABoardWrittenThroughAReferenceKeepsItsNeighboursAsTheyWere)
{
    SnapshotList& list = g.SnapshotHistory;
    const std::size_t written[] = {0, 300, SnapshotList::WholeBoardEvery, played.size() - 1};
    for (const std::size_t k : written) {
        BoardSnapshot& s = list[k];
        for (auto& column : s.Board)
            column[5] = '#';   // far more cells than one move changes
        s.Pushes = 999;
        s.MoveLetter = 'x';
        played[k] = s;
    }
    // Reading every other position pushes the written ones out of the cache and back again.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < played.size(); ++i)
            ExpectPosition(list, i);
    EXPECT_EQ(list.MoveLetters(list.size())[300], 'x');

    // A shorter list grown again holds blank positions after the kept ones.
    list.resize(10);
    list.resize(12);
    ExpectPosition(list, 9);
    EXPECT_EQ(list[11].Board, BoardGrid{});
    EXPECT_EQ(list[11].Pushes, 0);
}

} // namespace
} // namespace w4
