#pragma once
// The lower bound on the pushes still needed: each box needs at least its push distance to the
// target it ends on, and no two boxes end on the same target, so the cheapest assignment of boxes
// to targets (a minimum-cost perfect matching) never overestimates. Push distances ignore the
// other boxes, so the bound stays admissible.

#include "solver/board.h"

#include <cstdint>
#include <vector>

namespace w4::solver {

constexpr int Unreachable = 0x3FFF;   // no target can be reached from there
constexpr int Infinite = 0x3FFFFFFF;  // the position is lost: no matching exists

class LowerBound {
public:
    explicit LowerBound(const Board& board);
    // The same over other goal cells: with `pulls` set, the distances are pulls toward the goals
    // (a box pulled back to where it started), for the search that runs from the solved end.
    LowerBound(const Board& board, const std::vector<Cell>& goals, bool pulls);

    // Push distance of a lone box from `cell` to target number `t`, keeper anywhere it can get.
    int Distance(int t, Cell cell) const { return distance_[static_cast<std::size_t>(t) * cells_ + cell]; }

    // The cost of a minimum matching of the boxes to the targets (Hungarian method, O(n^3)), or
    // Infinite when some box cannot be given a target of its own.
    // Also keeps the matching as the base for AfterMove. When few boxes stand elsewhere than in
    // the last call (a child or a sibling of the last position; up to half of them), only their
    // rows are matched again, O(n^2) each.
    int Matching(const Cell* boxes, int count);

    // The matching cost once box number `row` of the boxes last given to Matching has moved to
    // `to`: one augmenting path from the kept matching, O(n^2) instead of O(n^3).
    int AfterMove(const Cell* boxes, int row, Cell to);

    // Sum over boxes of the distance to the nearest target: cheaper and weaker; still admissible.
    int Nearest(const Cell* boxes, int count) const;

    // The distance from `cell` to the nearest goal; Unreachable marks a dead square.
    int NearestDistance(Cell cell) const { return nearest_[cell]; }

    std::size_t Bytes() const { return distance_.size() * sizeof(std::uint16_t); }

private:
    std::size_t cells_;
    int targetCount_;
    std::vector<std::uint16_t> distance_;   // target * cells + cell
    std::vector<std::uint16_t> nearest_;    // cell -> distance to the nearest target
    void SetRow(int i, Cell box);
    bool WarmStart(const Cell* boxes);
    void Augment(int i);
    int Total() const;

    // The Hungarian method's state: rows are boxes, columns targets, both from 1.
    int n_ = 0;
    int big_ = 0;
    std::vector<int> cost_, u_, v_, match_, way_, minv_;
    std::vector<int> baseU_, baseV_, baseMatch_;
    int baseTotal_ = 0;
    bool haveBase_ = false;
    // Rows are boxes, but not in the order of the boxes given: a warm start keeps each unmoved
    // box on its row. rowOf_: index in the boxes given -> row (from 0); cellOfRow_ and
    // rowOfCell_ (row + 1, 0 for none) map rows and cells both ways.
    std::vector<int> rowOf_, rowOfCell_, freeRows_, added_;
    std::vector<Cell> cellOfRow_;
    std::vector<std::uint8_t> hit_;
    std::vector<std::uint8_t> used_;
};

} // namespace w4::solver
