#include "solver/lowerbound.h"

#include <algorithm>

namespace w4::solver {

LowerBound::LowerBound(const Board& board)
    : cells_(static_cast<std::size_t>(board.CellCount())), targetCount_(static_cast<int>(board.targets.size()))
{
    distance_.assign(static_cast<std::size_t>(targetCount_) * cells_, Unreachable);
    nearest_.assign(cells_, Unreachable);
    // Pull a box back from each target, breadth first: the pull distance to a cell is the push
    // distance from it. The keeper needs the cell the box moves to and the one beyond.
    std::vector<Cell> queue;
    queue.reserve(cells_);
    for (int t = 0; t < targetCount_; ++t) {
        std::uint16_t* dist = &distance_[static_cast<std::size_t>(t) * cells_];
        queue.clear();
        const Cell start = board.targets[static_cast<std::size_t>(t)];
        dist[start] = 0;
        queue.push_back(start);
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const Cell at = queue[i];
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board.Next(at, d);
                if (to == NoCell || dist[to] != Unreachable || board.Next(to, d) == NoCell)
                    continue;
                dist[to] = static_cast<std::uint16_t>(dist[at] + 1);
                queue.push_back(to);
            }
        }
        for (std::size_t c = 0; c < cells_; ++c)
            nearest_[c] = std::min(nearest_[c], dist[c]);
    }
}

int LowerBound::Nearest(const Cell* boxes, int count) const
{
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        const int d = nearest_[boxes[i]];
        if (d >= Unreachable)
            return Infinite;
        sum += d;
    }
    return sum;
}

int LowerBound::Matching(const Cell* boxes, int count)
{
    const int n = count;
    const std::size_t side = static_cast<std::size_t>(n) + 1;
    cost_.resize(side * side);
    // A pair that cannot be matched costs more than any real matching could, so a result at or
    // above it means there is no finite matching.
    const int big = Unreachable * (n + 1);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int d = Distance(j, boxes[i]);
            cost_[static_cast<std::size_t>(i + 1) * side + static_cast<std::size_t>(j + 1)] = d >= Unreachable ? big : d;
        }
    u_.assign(side, 0);
    v_.assign(side, 0);
    match_.assign(side, 0);
    way_.assign(side, 0);
    // Rows are boxes, columns targets; match_[j] is the row given column j.
    for (int i = 1; i <= n; ++i) {
        match_[0] = i;
        int j0 = 0;
        minv_.assign(side, Infinite);
        used_.assign(side, 0);
        do {
            used_[static_cast<std::size_t>(j0)] = 1;
            const int i0 = match_[static_cast<std::size_t>(j0)];
            int delta = Infinite, j1 = 0;
            for (int j = 1; j <= n; ++j) {
                if (used_[static_cast<std::size_t>(j)])
                    continue;
                const int cur = cost_[static_cast<std::size_t>(i0) * side + static_cast<std::size_t>(j)] - u_[static_cast<std::size_t>(i0)] - v_[static_cast<std::size_t>(j)];
                if (cur < minv_[static_cast<std::size_t>(j)]) {
                    minv_[static_cast<std::size_t>(j)] = cur;
                    way_[static_cast<std::size_t>(j)] = j0;
                }
                if (minv_[static_cast<std::size_t>(j)] < delta) {
                    delta = minv_[static_cast<std::size_t>(j)];
                    j1 = j;
                }
            }
            for (int j = 0; j <= n; ++j) {
                if (used_[static_cast<std::size_t>(j)]) {
                    u_[static_cast<std::size_t>(match_[static_cast<std::size_t>(j)])] += delta;
                    v_[static_cast<std::size_t>(j)] -= delta;
                } else {
                    minv_[static_cast<std::size_t>(j)] -= delta;
                }
            }
            j0 = j1;
        } while (match_[static_cast<std::size_t>(j0)] != 0);
        do {
            const int j1 = way_[static_cast<std::size_t>(j0)];
            match_[static_cast<std::size_t>(j0)] = match_[static_cast<std::size_t>(j1)];
            j0 = j1;
        } while (j0 != 0);
    }
    int total = 0;
    for (int j = 1; j <= n; ++j) {
        const int d = cost_[static_cast<std::size_t>(match_[static_cast<std::size_t>(j)]) * side + static_cast<std::size_t>(j)];
        if (d >= big)
            return Infinite;
        total += d;
    }
    return total;
}

} // namespace w4::solver
