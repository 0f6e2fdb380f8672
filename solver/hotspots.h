#pragma once
// Boxes in other boxes' way. A box on cell b blocks the box on cell c when, with b walled up and
// no other box on the board, the box on c could no longer be pushed onto any target but b's,
// where it could without the wall: b stands in the one way out of c's pocket, or where the keeper
// must stand to push c's box out. A box that blocks at least one box off its targets is a
// hotspot; moving it is what opens the way for the others. Which cells block which depends on
// the walls alone, so it is worked out once per level, one bit per pair of cells.

#include "solver/board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace w4::solver {

class HotspotTable {
public:
    // `dead`: the cells no box can leave for a target, walls or not (DeadSquares).
    HotspotTable(const Board& board, const std::vector<std::uint8_t>& dead);

    bool Blocks(Cell blocker, Cell box) const
    {
        const std::size_t bit = static_cast<std::size_t>(box);
        return (bits_[static_cast<std::size_t>(blocker) * words_ + bit / 64] >> (bit % 64)) & 1;
    }
    // The boxes (sorted or not) that block at least one other box. A box on a target is never
    // blocked: its own target stays open to it, so no bit is set for a target cell.
    int Count(const Cell* boxes, int count) const;
    std::size_t Bytes() const { return bits_.size() * sizeof(std::uint64_t); }
    // Past this many cells the table is not built (it grows with their square) and counts nothing.
    static constexpr int MaxCells = 4096;

private:
    std::size_t words_ = 0;
    std::vector<std::uint64_t> bits_;   // row per blocking cell, bit per blocked cell
};

} // namespace w4::solver
