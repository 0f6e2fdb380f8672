#include "solver/packing.h"

#include "solver/goalroom.h"

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

    // The cells pulls can bring the box on `start` to, the nearest first (`cells` on return).
    void PulledTo(const std::vector<std::uint8_t>& blocked, Cell start, long& work, std::vector<Cell>& cells)
    {
        cells.clear();
        if (++round_ == 0) {
            std::fill(seen_.begin(), seen_.end(), 0);
            round_ = 1;
        }
        std::size_t head = 0, tail = 0;
        for (int d = 0; d < DirCount; ++d) {
            const Cell k = board_.Next(start, d);
            if (k != NoCell && !blocked[k])
                Visit(start, d, 0, tail);
        }
        while (head < tail) {
            const std::size_t state = queue_[head++];
            const Cell box = static_cast<Cell>(state / DirCount);
            ++work;
            FloodFrom(blocked, box, board_.Next(box, static_cast<int>(state % DirCount)));
            for (int d = 0; d < DirCount; ++d) {
                const Cell k = board_.Next(box, d);
                if (k == NoCell || reachStamp_[k] != floodStamp_)
                    continue;
                const Cell back = board_.Next(k, d);
                if (back == NoCell || blocked[back])
                    continue;
                if (std::find(cells.begin(), cells.end(), k) == cells.end() && k != start)
                    cells.push_back(k);
                Visit(k, d, depth_[state] + 1, tail);
            }
        }
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

namespace {

// The backward walk of both: without `plan` a box is out on a source (or any cell no target) and
// nothing parks; with it, a box in a goal room is out once beyond the room's doorways, and a box
// parks when none can leave.
PackingOrder Walk(const Board& board, bool fromSources, const std::atomic<bool>* cancel, bool plan)
{
    const int targets = static_cast<int>(board.targets.size());
    const auto cells = static_cast<std::size_t>(board.CellCount());
    PackingOrder packing;
    packing.layer.assign(static_cast<std::size_t>(targets), 0);
    std::vector<int> pulls(static_cast<std::size_t>(targets), 0);
    std::vector<std::uint8_t> blocked(cells, 0);
    // Per target: the cell its box stands on in the walk (its target, or its parking cell).
    std::vector<Cell> at(board.targets.begin(), board.targets.end());
    std::vector<int> present;
    for (int t = 0; t < targets; ++t) {
        blocked[board.targets[static_cast<std::size_t>(t)]] = 1;
        present.push_back(t);
    }
    Extraction extraction(board);
    std::vector<std::uint8_t> sources;
    if (fromSources) {
        sources.assign(cells, 0);
        for (Cell box : board.boxes)
            if (!board.isTarget[box])
                sources[box] = 1;
    }
    const std::uint8_t* outside = fromSources ? sources.data() : nullptr;
    // Per goal room, the cells a box of it is out on: beyond the room, no target.
    std::vector<std::vector<std::uint8_t>> roomExits;
    std::vector<int> roomOf(static_cast<std::size_t>(targets), -1);
    if (plan) {
        packing.parking.assign(static_cast<std::size_t>(targets), NoCell);
        packing.parkedFrom.assign(static_cast<std::size_t>(targets), -1);
        packing.sinkRoom.assign(cells, 0);
        const GoalRooms rooms(board, ComputePackingOrder(board, fromSources, cancel));
        for (const GoalRoom& room : rooms.Rooms()) {
            std::vector<std::uint8_t> exits(cells, 0);
            for (std::size_t c = 0; c < cells; ++c)
                exits[c] = !board.isTarget[static_cast<Cell>(c)];
            for (Cell c : room.cells) {
                exits[c] = 0;
                packing.sinkRoom[c] = !board.isTarget[c];
            }
            roomExits.push_back(std::move(exits));
        }
        for (int t = 0; t < targets; ++t)
            roomOf[static_cast<std::size_t>(t)] = rooms.RoomOf(board.targets[static_cast<std::size_t>(t)]);
    }
    const auto exitsOf = [&](int t) {
        const int room = roomOf[static_cast<std::size_t>(t)];
        return room >= 0 ? roomExits[static_cast<std::size_t>(room)].data() : outside;
    };
    // Large goal areas make this quadratic in the targets; past the cap the rest share one round.
    // Pulls toward the sources go on past the first free cell, so they get a larger cap.
    const long workCap = fromSources || plan ? 4000000 : 400000;
    long work = 0;
    const auto stopped = [&] { return work >= workCap || (cancel != nullptr && cancel->load(std::memory_order_relaxed)); };
    // Pulls that take target t's box out from where it stands, the others standing still; -1: none.
    const auto pullsOut = [&](int t) {
        const Cell from = at[static_cast<std::size_t>(t)];
        blocked[from] = 0;
        const int n = stopped() ? -1 : extraction.PullsOut(blocked, from, work, exitsOf(t));
        blocked[from] = 1;
        return n;
    };
    std::vector<Cell> reachable;
    // When no box can leave: the first box on its target (in the order they stand) that pulls
    // onto a free cell of its room from which another box then leaves, the nearest such cell.
    const auto park = [&](const std::vector<int>& stay, int round) {
        constexpr std::size_t MaxTried = 12;
        for (int t : stay) {
            const auto ut = static_cast<std::size_t>(t);
            const Cell target = board.targets[ut];
            if (roomOf[ut] < 0 || at[ut] != target || stopped())
                continue;
            blocked[target] = 0;
            extraction.PulledTo(blocked, target, work, reachable);
            std::size_t tried = 0;
            for (Cell c : reachable) {
                if (!packing.sinkRoom[c] || tried++ >= MaxTried || stopped())
                    continue;
                blocked[c] = 1;
                at[ut] = c;
                for (int other : stay)
                    if (other != t && pullsOut(other) >= 0) {
                        packing.parking[ut] = c;
                        packing.layer[ut] = round;
                        return true;
                    }
                blocked[c] = 0;
                at[ut] = target;
            }
            blocked[target] = 1;
        }
        return false;
    };
    int round = 0;
    while (!present.empty()) {
        std::vector<int> out, stay;
        for (int t : present) {
            const int n = pullsOut(t);
            if (n >= 0) {
                out.push_back(t);
                pulls[static_cast<std::size_t>(t)] = n;
            } else {
                stay.push_back(t);
            }
        }
        if (out.empty() && plan && park(stay, round)) {
            // The parked box's target is filled after everything that leaves while it waits.
            ++round;
            continue;
        }
        if (out.empty())
            out.swap(stay);   // boxed in for good (or over the cap): they all go in first, together
        for (int t : out) {
            const auto ut = static_cast<std::size_t>(t);
            if (plan && packing.parking[ut] != NoCell)
                packing.parkedFrom[ut] = round;
            else
                packing.layer[ut] = round;
            blocked[at[ut]] = 0;
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

} // namespace

PackingOrder ComputePackingOrder(const Board& board, bool fromSources, const std::atomic<bool>* cancel)
{
    return Walk(board, fromSources, cancel, false);
}

PackingOrder ComputePackingPlan(const Board& board, bool fromSources, const std::atomic<bool>* cancel)
{
    return Walk(board, fromSources, cancel, true);
}

} // namespace w4::solver
