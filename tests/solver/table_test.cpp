// The position table: positions found again by their boxes and keeper, never past its budget,
// and growing on once a budget handed on from another search allows it.
#include "solver/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

} // namespace
} // namespace w4::solver
