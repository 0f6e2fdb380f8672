#include "solver/hotspots.h"

#include "solver/deadlocks.h"

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
    int hotspots = 0;
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j)
            if (j != i && Blocks(boxes[i], boxes[j])) {
                ++hotspots;
                break;
            }
    return hotspots;
}

} // namespace w4::solver
