// The position table: positions found again by their boxes and keeper, never past its budget,
// and growing on once a budget handed on from another search allows it.
#include "solver/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <vector>

namespace w4::solver {
namespace {

TEST(PositionTable, StopsAtItsBudgetAndGoesOnWhenGivenMore)
{
    // One box on any of 10 000 cells: room for one block of 4 096 positions in 160 KiB.
    constexpr int cells = 10000;
    const std::size_t budget = std::size_t(160) << 10;
    const Zobrist zobrist(cells);
    PositionTable table(1, budget);
    const auto add = [&](Cell box) {
        Node node;
        node.keeper = 0;
        node.hash = zobrist.Of(&box, 1, node.keeper);
        return table.Add(node, &box);
    };
    Cell next = 0;
    while (next < cells && add(next) != NoNode)
        next = static_cast<Cell>(next + 1);
    ASSERT_GT(next, 1000);
    ASSERT_LT(next, cells) << "the budget never ran out";
    EXPECT_LE(table.Bytes(), budget);
    const std::size_t full = table.Size();
    // Everything stored is found again, and a position never stored is not.
    for (Cell c = 0; c < next; ++c)
        ASSERT_EQ(table.Find(zobrist.Of(&c, 1, 0), &c, 0), NodeId(c));
    EXPECT_EQ(table.Find(zobrist.Of(&next, 1, 0), &next, 0), NoNode);

    table.AddBudget(std::size_t(1) << 20);
    EXPECT_NE(add(next), NoNode);
    EXPECT_EQ(table.Size(), full + 1);
}

TEST(PositionTable, ASmallBoardStoresEachBoxInOneByteAndGivesTheSameBoxesBack)
{
    // Three boxes on a 256-cell board, cells up to the last: the one-byte form must not lose them.
    constexpr int cells = 256;
    const Zobrist zobrist(cells);
    const std::size_t budget = std::size_t(1) << 20;
    PositionTable narrow(3, budget, cells), wide(3, budget);
    std::vector<std::array<Cell, 3>> stored;
    for (Cell a = 0; a + 2 < cells; a = static_cast<Cell>(a + 5))
        stored.push_back({a, static_cast<Cell>(a + 1), static_cast<Cell>(cells - 1)});
    for (PositionTable* table : {&narrow, &wide})
        for (const auto& boxes : stored) {
            Node node;
            node.keeper = boxes[0];
            node.hash = zobrist.Of(boxes.data(), 3, node.keeper);
            ASSERT_NE(table->Add(node, boxes.data()), NoNode);
        }
    for (NodeId id = 0; id < stored.size(); ++id) {
        const Cell* boxes = narrow.Boxes(id);
        EXPECT_TRUE(std::equal(boxes, boxes + 3, stored[id].begin()));
        EXPECT_EQ(narrow.Find(zobrist.Of(stored[id].data(), 3, stored[id][0]), stored[id].data(), stored[id][0]), id);
    }
    // The first position's hash and keeper with its last box one cell lower: only the stored
    // bytes can tell them apart.
    const std::array<Cell, 3> other = {0, 1, cells - 2};
    EXPECT_EQ(narrow.Find(zobrist.Of(stored[0].data(), 3, 0), other.data(), 0), NoNode);
    EXPECT_LT(narrow.Bytes(), wide.Bytes());
}


// Random sorted sets of `boxes` cells out of `cells`, the first and last cells always among the
// first sets, stored and then found and read back exactly; each with one box moved one cell is
// a position never stored.
void RoundTrip(int boxes, int cells, std::size_t expectBoxBytes)
{
    SCOPED_TRACE(testing::Message() << boxes << " boxes on " << cells << " cells");
    const Zobrist zobrist(cells);
    PositionTable table(boxes, std::size_t(64) << 20, cells);
    EXPECT_EQ(table.BoxBytes(), expectBoxBytes);
    std::mt19937 random(7);
    std::vector<std::vector<Cell>> stored;
    std::set<std::vector<Cell>> seen;
    std::vector<Cell> all(static_cast<std::size_t>(cells));
    for (int c = 0; c < cells; ++c)
        all[static_cast<std::size_t>(c)] = static_cast<Cell>(c);
    for (int n = 0; n < 2000; ++n) {
        std::vector<Cell> set;
        if (n == 0)
            set.assign(all.begin(), all.begin() + boxes);   // the smallest rank, 0
        else if (n == 1)
            set.assign(all.end() - boxes, all.end());       // the largest
        else
            std::sample(all.begin(), all.end(), std::back_inserter(set), boxes, random);
        Node node;
        node.keeper = set[0];
        node.hash = static_cast<std::uint32_t>(zobrist.Of(set.data(), boxes, node.keeper));
        if (!seen.insert(set).second)
            continue;   // drawn twice
        ASSERT_EQ(table.Add(node, set.data()), NodeId(stored.size()));
        stored.push_back(set);
    }
    for (NodeId id = 0; id < stored.size(); ++id) {
        const std::vector<Cell>& set = stored[id];
        const Cell* back = table.Boxes(id);
        ASSERT_TRUE(std::equal(set.begin(), set.end(), back)) << "position " << id;
        const std::uint64_t hash = zobrist.Of(set.data(), boxes, set[0]);
        ASSERT_EQ(table.Find(hash, set.data(), set[0]), id);
        // The last box one cell further on (or back), under the same hash and keeper: only the
        // stored boxes tell the two apart.
        std::vector<Cell> moved = set;
        Cell& last = moved.back();
        last = last + 1 < cells ? static_cast<Cell>(last + 1) : static_cast<Cell>(last - 1);
        if (std::adjacent_find(moved.begin(), moved.end()) == moved.end() && std::is_sorted(moved.begin(), moved.end())
            && seen.count(moved) == 0) {
            ASSERT_EQ(table.Find(hash, moved.data(), set[0]), NoNode) << "position " << id;
        }
    }
}

TEST(PositionTable, BoxesStoredByRankComeBackExactlyAndInFewerBytes)
{
    RoundTrip(1, 40, 1);
    RoundTrip(20, 150, 11);     // one byte a box would take 20
    RoundTrip(34, 300, 19);     // two bytes a box would take 68: three words of rank
    RoundTrip(6, 2500, 8);      // the largest board
    RoundTrip(40, 60, 7);       // most cells taken
    RoundTrip(60, 2000, 120);   // a rank past four words: two bytes a box
}

} // namespace
} // namespace w4::solver
