#include "solver/hotspots.h"

#include "solver/deadlocks.h"

#include <algorithm>
#include <array>

namespace w4::solver {

HotspotTable::HotspotTable(const Board& board, const std::vector<std::uint8_t>& dead)
{
    const int cells = board.CellCount();
    if (cells == 0 || cells > MaxCells)
        return;
    words_ = (static_cast<std::size_t>(cells) + 63) / 64;
    bits_.assign(static_cast<std::size_t>(cells) * words_, 0);
    for (int wall = 0; wall < cells; ++wall) {
        const std::vector<std::uint8_t> deadWith = DeadSquares(board, static_cast<Cell>(wall));
        std::uint64_t* row = &bits_[static_cast<std::size_t>(wall) * words_];
        for (int c = 0; c < cells; ++c)
            if (c != wall && deadWith[static_cast<std::size_t>(c)] && !dead[static_cast<std::size_t>(c)])
                row[static_cast<std::size_t>(c) / 64] |= std::uint64_t(1) << (c % 64);
    }
}

int HotspotTable::Count(const Cell* boxes, int count) const
{
    if (bits_.empty())
        return 0;
    // The boxes as a bit set, so each box's row is tested against all the others a word at a
    // time; a row never has its own cell's bit, so the box itself needs no masking out.
    std::array<std::uint64_t, MaxCells / 64> on;
    std::fill_n(on.begin(), words_, 0);
    for (int i = 0; i < count; ++i) {
        const auto bit = static_cast<std::size_t>(boxes[i]);
        on[bit / 64] |= std::uint64_t(1) << (bit % 64);
    }
    int hotspots = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint64_t* row = &bits_[static_cast<std::size_t>(boxes[i]) * words_];
        for (std::size_t w = 0; w < words_; ++w)
            if (row[w] & on[w]) {
                ++hotspots;
                break;
            }
    }
    return hotspots;
}

} // namespace w4::solver
