#include "solver/hotspots.h"

namespace w4::solver {

HotspotTable::HotspotTable(const Board& board, const std::vector<std::uint8_t>& dead) : board_(board)
{
    const int cells = board.CellCount();
    if (cells == 0 || cells > MaxCells)
        return;
    words_ = (static_cast<std::size_t>(cells) + 63) / 64;
    bits_.assign(static_cast<std::size_t>(cells) * words_, 0);
    std::vector<std::uint32_t> alive(static_cast<std::size_t>(cells), 0);
    std::vector<Cell> queue;
    queue.reserve(static_cast<std::size_t>(cells));
    // For each walled-up cell, the cells a box is pulled back to from the other targets, the
    // puller needing the cell it steps onto and the one beyond, neither of them the wall. Rounds
    // are stamps, so `alive` is never cleared.
    for (int wall = 0; wall < cells; ++wall) {
        const auto stamp = static_cast<std::uint32_t>(wall) + 1;
        const auto blocker = static_cast<Cell>(wall);
        alive[blocker] = stamp;   // never entered: it is the wall
        queue.clear();
        for (Cell t : board.targets)
            if (t != blocker) {
                alive[t] = stamp;
                queue.push_back(t);
            }
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const Cell at = queue[i];
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board.Next(at, d);
                if (to == NoCell || alive[to] == stamp)
                    continue;
                const Cell beyond = board.Next(to, d);
                if (beyond == NoCell || beyond == blocker)
                    continue;
                alive[to] = stamp;
                queue.push_back(to);
            }
        }
        std::uint64_t* row = &bits_[static_cast<std::size_t>(wall) * words_];
        for (int c = 0; c < cells; ++c)
            if (c != wall && alive[static_cast<std::size_t>(c)] != stamp && !dead[static_cast<std::size_t>(c)])
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
            if (j != i && !board_.isTarget[boxes[j]] && Blocks(boxes[i], boxes[j])) {
                ++hotspots;
                break;
            }
    return hotspots;
}

} // namespace w4::solver
