#include "solver/packing.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace w4::solver {

namespace {

// Pull search for one box on its target, the boxes still present standing as walls: the number
// of pulls that take it onto a cell that is no target, or -1 when it cannot get out.
class Extraction {
public:
    explicit Extraction(const Board& board)
        : board_(board), cells_(static_cast<std::size_t>(board.CellCount())), seen_(cells_ * DirCount, 0), depth_(cells_ * DirCount, 0),
          queue_(cells_ * DirCount), flood_(cells_), reachStamp_(cells_, 0)
    {
    }

    // `blocked`: one byte per cell, nonzero for the boxes that stay. `work` counts the states
    // visited, for the caller's cap. With `sources` the box is out on a cell marked there,
    // otherwise on any cell that is no target.
    int PullsOut(const std::vector<std::uint8_t>& blocked, Cell target, long& work, const std::uint8_t* sources)
    {
        if (++round_ == 0) {
            std::fill(seen_.begin(), seen_.end(), 0);
            round_ = 1;
        }
        std::size_t head = 0, tail = 0;
        // The keeper may start beside the box on any free side.
        for (int d = 0; d < DirCount; ++d) {
            const Cell k = board_.Next(target, d);
            if (k != NoCell && !blocked[k])
                Visit(target, d, 0, tail);
        }
        while (head < tail) {
            const std::size_t state = queue_[head++];
            const Cell box = static_cast<Cell>(state / DirCount);
            const int side = static_cast<int>(state % DirCount);
            const int depth = depth_[state];
            ++work;
            // Where the keeper can walk with the box where it is.
            FloodFrom(blocked, box, board_.Next(box, side));
            for (int d = 0; d < DirCount; ++d) {
                const Cell k = board_.Next(box, d);
                if (k == NoCell || reachStamp_[k] != floodStamp_)
                    continue;
                const Cell back = board_.Next(k, d);
                if (back == NoCell || blocked[back])
                    continue;
                // Pulling: the keeper steps from k to back, the box follows onto k.
                if (sources ? sources[k] != 0 : !board_.isTarget[k])
                    return depth + 1;
                Visit(k, d, depth + 1, tail);
            }
        }
        return -1;
    }

private:
    void Visit(Cell box, int side, int depth, std::size_t& tail)
    {
        const std::size_t state = static_cast<std::size_t>(box) * DirCount + static_cast<std::size_t>(side);
        if (seen_[state] == round_)
            return;
        seen_[state] = round_;
        depth_[state] = depth;
        queue_[tail++] = state;
    }

    void FloodFrom(const std::vector<std::uint8_t>& blocked, Cell box, Cell from)
    {
        if (++floodStamp_ == 0) {
            std::fill(reachStamp_.begin(), reachStamp_.end(), 0);
            floodStamp_ = 1;
        }
        std::size_t head = 0, tail = 0;
        flood_[tail++] = from;
        reachStamp_[from] = floodStamp_;
        while (head < tail) {
            const Cell at = flood_[head++];
            for (int d = 0; d < DirCount; ++d) {
                const Cell next = board_.Next(at, d);
                if (next == NoCell || next == box || blocked[next] || reachStamp_[next] == floodStamp_)
                    continue;
                reachStamp_[next] = floodStamp_;
                flood_[tail++] = next;
            }
        }
    }

    const Board& board_;
    std::size_t cells_;
    std::vector<std::uint32_t> seen_;
    std::vector<int> depth_;
    std::vector<std::size_t> queue_;
    std::vector<Cell> flood_;
    std::vector<std::uint32_t> reachStamp_;
    std::uint32_t round_ = 0;
    std::uint32_t floodStamp_ = 0;
};

} // namespace

PackingOrder ComputePackingOrder(const Board& board, bool fromSources, const std::atomic<bool>* cancel)
{
    const int targets = static_cast<int>(board.targets.size());
    PackingOrder packing;
    packing.layer.assign(static_cast<std::size_t>(targets), 0);
    std::vector<int> pulls(static_cast<std::size_t>(targets), 0);
    std::vector<std::uint8_t> blocked(static_cast<std::size_t>(board.CellCount()), 0);
    std::vector<int> present;
    for (int t = 0; t < targets; ++t) {
        blocked[board.targets[static_cast<std::size_t>(t)]] = 1;
        present.push_back(t);
    }
    Extraction extraction(board);
    std::vector<std::uint8_t> sources;
    if (fromSources) {
        sources.assign(static_cast<std::size_t>(board.CellCount()), 0);
        for (Cell box : board.boxes)
            if (!board.isTarget[box])
                sources[box] = 1;
    }
    const std::uint8_t* outOn = fromSources ? sources.data() : nullptr;
    // Large goal areas make this quadratic in the targets; past the cap the rest share one round.
    // Pulls toward the sources go on past the first free cell, so they get a larger cap.
    const long workCap = fromSources ? 4000000 : 400000;
    long work = 0;
    int round = 0;
    while (!present.empty()) {
        std::vector<int> out, stay;
        for (int t : present) {
            const Cell cell = board.targets[static_cast<std::size_t>(t)];
            blocked[cell] = 0;
            const bool stopped = cancel != nullptr && cancel->load(std::memory_order_relaxed);
            const int n = work < workCap && !stopped ? extraction.PullsOut(blocked, cell, work, outOn) : -1;
            blocked[cell] = 1;
            if (n >= 0) {
                out.push_back(t);
                pulls[static_cast<std::size_t>(t)] = n;
            } else {
                stay.push_back(t);
            }
        }
        if (out.empty())
            out.swap(stay);   // boxed in for good (or over the cap): they all go in first, together
        for (int t : out) {
            packing.layer[static_cast<std::size_t>(t)] = round;
            blocked[board.targets[static_cast<std::size_t>(t)]] = 0;
        }
        present.swap(stay);
        ++round;
    }
    packing.layers = round;
    packing.order.resize(static_cast<std::size_t>(targets));
    std::iota(packing.order.begin(), packing.order.end(), 0);
    std::stable_sort(packing.order.begin(), packing.order.end(), [&](int a, int b) {
        const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
        if (packing.layer[ua] != packing.layer[ub])
            return packing.layer[ua] > packing.layer[ub];
        return pulls[ua] > pulls[ub];
    });
    return packing;
}

} // namespace w4::solver
