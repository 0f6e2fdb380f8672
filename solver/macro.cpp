#include "solver/macro.h"

#include <algorithm>

namespace w4::solver {

BoxRouter::BoxRouter(const Board& board)
    : board_(board), pullSeen_(static_cast<std::size_t>(board.CellCount()) * DirCount, 0), pullParent_(pullSeen_.size(), 0),
      pullQueue_(pullSeen_.size(), 0), pullStamp_(static_cast<std::size_t>(board.CellCount()), 0),
      pullFlood_(static_cast<std::size_t>(board.CellCount()))
{
}

bool BoxRouter::Route(const std::uint8_t* occupied, const Reach& reach, Cell goal, std::vector<Push>& route, Cell only)
{
    if (++pullRound_ == 0) {
        std::fill(pullSeen_.begin(), pullSeen_.end(), 0);
        pullRound_ = 1;
    }
    constexpr std::uint32_t Root = 0xFFFFFFFF;
    // The box to route leaves its cell with its first push: for every step after it, the cell is
    // free floor.
    const auto blocked = [&](Cell c) { return occupied[c] && c != only; };
    std::size_t head = 0, tail = 0;
    for (int d = 0; d < DirCount; ++d) {
        const Cell k = board_.Next(goal, d);
        if (k == NoCell || blocked(k))
            continue;
        const std::uint32_t state = static_cast<std::uint32_t>(goal) * DirCount + static_cast<std::uint32_t>(d);
        pullSeen_[state] = pullRound_;
        pullParent_[state] = Root;
        pullQueue_[tail++] = state;
    }
    while (head < tail) {
        const std::uint32_t state = pullQueue_[head++];
        const Cell at = static_cast<Cell>(state / DirCount);
        const Cell keeper = board_.Next(at, static_cast<int>(state % DirCount));
        PullFlood(occupied, at, keeper, only);
        for (int d = 0; d < DirCount; ++d) {
            const Cell k = board_.Next(at, d);
            if (k == NoCell)
                continue;
            const Cell back = board_.Next(k, d);
            if (back == NoCell || blocked(back))
                continue;
            if (occupied[k]) {
                if (only != NoCell && k != only)
                    continue;
                // A box on k: the keeper pushes it from `back` onto `at`, then must get round
                // to this state's side, from k, unless this is the target itself.
                if (!reach.Reached(back))
                    continue;
                bool rejoins = pullParent_[state] == Root;
                for (int e = 0; e < DirCount && !rejoins; ++e) {
                    const Cell n = board_.Next(k, e);
                    rejoins = n != NoCell && n != at && PullReached(n);
                }
                if (!rejoins)
                    continue;
                route.clear();
                route.push_back({k, Opposite(d)});
                for (std::uint32_t s = state; pullParent_[s] != Root; s = pullParent_[s])
                    route.push_back({static_cast<Cell>(s / DirCount), Opposite(static_cast<int>(s % DirCount))});
                return true;
            }
            if (!PullReached(k))
                continue;
            const std::uint32_t next = static_cast<std::uint32_t>(k) * DirCount + static_cast<std::uint32_t>(d);
            if (pullSeen_[next] == pullRound_)
                continue;
            pullSeen_[next] = pullRound_;
            pullParent_[next] = state;
            pullQueue_[tail++] = next;
        }
    }
    return false;
}

// Where the keeper can walk from `keeper` with the pulled box on `box`. Only the cells around the
// box matter (its sides, and the cells beside a box next to it), so the flood stops once it has
// them all: most of the time a few steps round the box instead of the whole floor. The box on
// `only` is the pulled one itself, so its cell is walked on like floor.
void BoxRouter::PullFlood(const std::uint8_t* occupied, Cell box, Cell keeper, Cell only)
{
    if (pullMark_ >= 0xFFFFFFF0u) {
        std::fill(pullStamp_.begin(), pullStamp_.end(), 0);
        pullMark_ = 0;
    }
    pullMark_ += 2;
    const std::uint32_t wanted = pullMark_ - 1;
    int missing = 0;
    const auto want = [&](Cell c) {
        if (c != NoCell && c != box && (!occupied[c] || c == only) && pullStamp_[c] != wanted) {
            pullStamp_[c] = wanted;
            ++missing;
        }
    };
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(box, d);
        if (n == NoCell)
            continue;
        if (occupied[n]) {
            for (int e = 0; e < DirCount; ++e)
                want(board_.Next(n, e));
            if (n == only)
                want(n);
        } else {
            want(n);
        }
    }
    std::size_t head = 0, tail = 0;
    missing -= pullStamp_[keeper] == wanted;
    pullStamp_[keeper] = pullMark_;
    pullFlood_[tail++] = keeper;
    while (head < tail && missing > 0) {
        const Cell at = pullFlood_[head++];
        for (int d = 0; d < DirCount; ++d) {
            const Cell next = board_.Next(at, d);
            if (next == NoCell || next == box || (occupied[next] && next != only) || pullStamp_[next] == pullMark_)
                continue;
            missing -= pullStamp_[next] == wanted;
            pullStamp_[next] = pullMark_;
            pullFlood_[tail++] = next;
        }
    }
}

void MacroRoutes::Keep(NodeId id, const std::vector<Push>& route)
{
    auto [it, added] = routes_.try_emplace(id, route);
    if (added) {
        bytes_ += Cost(route.size());
    } else {
        bytes_ += route.size() * sizeof(Push);
        bytes_ -= it->second.size() * sizeof(Push);
        it->second = route;
    }
}

std::vector<Push> PathThrough(const PositionTable& table, const Board& board, NodeId id,
                              const std::function<std::vector<Push>(NodeId)>& turns)
{
    std::vector<Push> path;
    for (; table.At(id).parent != NoNode; id = table.At(id).parent) {
        const Node& node = table.At(id);
        if (node.run == 0) {
            const std::vector<Push> route = turns(id);
            path.insert(path.end(), route.rbegin(), route.rend());
            continue;
        }
        // A straight run: its pushes go in backwards, as the path does.
        Cell at = node.pushedFrom;
        for (int k = 1; k < node.run; ++k)
            at = board.Next(at, node.dir);
        for (int k = 0; k < node.run; ++k) {
            path.push_back({at, node.dir});
            at = board.Next(at, Opposite(node.dir));
        }
    }
    std::reverse(path.begin(), path.end());
    return path;
}

std::vector<Push> MacroRoutes::PathTo(const PositionTable& table, const Board& board, NodeId id) const
{
    return PathThrough(table, board, id, [this](NodeId at) { return routes_.at(at); });
}

} // namespace w4::solver
