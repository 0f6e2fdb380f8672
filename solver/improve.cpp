#include "solver/improve.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <unordered_map>

namespace w4::solver {

namespace {

struct Step {
    int to;      // the arrangement this push leads to
    Cell from;   // the box cell before the push
    int dir;
};

std::uint64_t KeyOf(const std::vector<Cell>& boxes)
{
    std::uint64_t h = 1469598103934665603ull;
    for (Cell c : boxes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

} // namespace

std::vector<Push> ShortenMoves(const Board& board, const std::vector<Push>& pushes, bool keepPushes, Clock::time_point deadline,
                               const std::atomic<bool>* cancel)
{
    // Keeping the push count first: a push costs more than any walk can.
    const std::int64_t pushCost = keepPushes ? std::int64_t(1) << 32 : 1;
    const int n = board.CellCount();
    // The arrangements along the solution, sorted box lists, first the start.
    std::vector<std::vector<Cell>> chain{board.boxes};
    for (const Push& push : pushes) {
        std::vector<Cell> next = chain.back();
        auto at = std::find(next.begin(), next.end(), push.from);
        if (at == next.end())
            return pushes;
        *at = board.Next(push.from, push.dir);
        std::sort(next.begin(), next.end());
        chain.push_back(std::move(next));
    }
    const int count = static_cast<int>(chain.size());
    const auto mustStop = [&] { return Clock::now() >= deadline || (cancel != nullptr && cancel->load(std::memory_order_relaxed)); };
    // The same arrangement may appear twice; each gets one index, its first.
    std::unordered_map<std::uint64_t, std::vector<int>> index;
    std::vector<int> canonical(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto& list = index[KeyOf(chain[static_cast<std::size_t>(i)])];
        canonical[static_cast<std::size_t>(i)] = i;
        for (int j : list)
            if (chain[static_cast<std::size_t>(j)] == chain[static_cast<std::size_t>(i)])
                canonical[static_cast<std::size_t>(i)] = j;
        if (canonical[static_cast<std::size_t>(i)] == i)
            list.push_back(i);
    }
    const auto find = [&](const std::vector<Cell>& boxes) -> int {
        auto it = index.find(KeyOf(boxes));
        if (it == index.end())
            return -1;
        for (int j : it->second)
            if (chain[static_cast<std::size_t>(j)] == boxes)
                return j;
        return -1;
    };
    // The arrangements one push away from the chain join it: a detour through one of them may
    // save walking.
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(n), 0);
    const auto forEachPush = [&](const std::vector<Cell>& boxes, auto&& use) {
        for (Cell b : boxes)
            occupied[b] = 1;
        for (std::size_t k = 0; k < boxes.size(); ++k)
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board.Next(boxes[k], d);
                const Cell behind = board.Next(boxes[k], Opposite(d));
                if (to == NoCell || behind == NoCell || occupied[to] || occupied[behind])
                    continue;
                std::vector<Cell> next = boxes;
                next[k] = to;
                std::sort(next.begin(), next.end());
                use(std::move(next), boxes[k], d);
            }
        for (Cell b : boxes)
            occupied[b] = 0;
    };
    for (int i = 0; i < count && chain.size() < 20000; ++i) {
        if (canonical[static_cast<std::size_t>(i)] != i)
            continue;
        if (mustStop())
            return pushes;
        forEachPush(std::vector<Cell>(chain[static_cast<std::size_t>(i)]), [&](std::vector<Cell>&& next, Cell, int) {
            if (find(next) >= 0)
                return;
            const int j = static_cast<int>(chain.size());
            index[KeyOf(next)].push_back(j);
            chain.push_back(std::move(next));
            canonical.push_back(j);
        });
    }
    const int total = static_cast<int>(chain.size());
    // Every single push between two arrangements of the set.
    std::vector<std::vector<Step>> steps(static_cast<std::size_t>(total));
    for (int i = 0; i < total; ++i) {
        if (canonical[static_cast<std::size_t>(i)] != i)
            continue;
        if ((i & 15) == 0 && mustStop())
            return pushes;
        forEachPush(chain[static_cast<std::size_t>(i)], [&](std::vector<Cell>&& next, Cell from, int d) {
            const int j = find(next);
            if (j >= 0 && j != i)
                steps[static_cast<std::size_t>(i)].push_back({j, from, d});
        });
    }

    // Dijkstra over (arrangement, keeper cell), cost = moves. The keeper cell is exact here, not
    // normalised: the walk to the next push is what is being shortened.
    const int goal = canonical[static_cast<std::size_t>(count - 1)];
    struct Label {
        std::int64_t cost;
        std::int64_t previous;
        Cell from;
        int dir;
    };
    std::unordered_map<std::int64_t, Label> best;
    using Entry = std::pair<std::int64_t, std::int64_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    const auto state = [n](int arrangement, Cell keeper) { return std::int64_t(arrangement) * n + keeper; };
    const std::int64_t start = state(0, board.keeper);
    best[start] = {0, -1, NoCell, 0};
    open.push({0, start});
    std::vector<int> dist(static_cast<std::size_t>(n));
    std::vector<Cell> queue;
    std::int64_t reached = -1;
    int expansions = 0;
    while (!open.empty()) {
        const auto [cost, s] = open.top();
        open.pop();
        if (best[s].cost != cost)
            continue;
        const int i = static_cast<int>(s / n);
        const Cell keeper = static_cast<Cell>(s % n);
        if (i == goal) {
            reached = s;
            break;
        }
        if ((++expansions & 63) == 0 && mustStop())
            return pushes;
        // The keeper's walking distances in this arrangement.
        const std::vector<Cell>& boxes = chain[static_cast<std::size_t>(i)];
        for (Cell b : boxes)
            occupied[b] = 1;
        std::fill(dist.begin(), dist.end(), -1);
        queue.assign(1, keeper);
        dist[keeper] = 0;
        for (std::size_t q = 0; q < queue.size(); ++q)
            for (int d = 0; d < DirCount; ++d) {
                const Cell c = board.Next(queue[q], d);
                if (c != NoCell && !occupied[c] && dist[c] < 0) {
                    dist[c] = dist[queue[q]] + 1;
                    queue.push_back(c);
                }
            }
        for (Cell b : boxes)
            occupied[b] = 0;
        for (const Step& step : steps[static_cast<std::size_t>(i)]) {
            const Cell behind = board.Next(step.from, Opposite(step.dir));
            if (dist[behind] < 0)
                continue;
            const std::int64_t next = cost + dist[behind] + pushCost;
            const std::int64_t t = state(step.to, step.from);
            auto it = best.find(t);
            if (it == best.end() || it->second.cost > next) {
                best[t] = {next, s, step.from, step.dir};
                open.push({next, t});
            }
        }
    }
    if (reached < 0)
        return pushes;
    std::vector<Push> shorter;
    for (std::int64_t s = reached; s != start; s = best[s].previous)
        shorter.push_back({best[s].from, best[s].dir});
    std::reverse(shorter.begin(), shorter.end());
    return shorter;
}

} // namespace w4::solver
