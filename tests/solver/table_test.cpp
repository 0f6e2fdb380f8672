// The position table: positions found again by their boxes and keeper, never past its budget,
// and growing on once a budget handed on from another search allows it.
#include "solver/table.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace w4::solver
