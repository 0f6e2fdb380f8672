#include "solver/lowerbound.h"

#include <algorithm>

namespace w4::solver {

LowerBound::LowerBound(const Board& board) : LowerBound(board, board.targets, false) {}

LowerBound::LowerBound(const Board& board, const std::vector<Cell>& goals, bool pulls)
    : cells_(static_cast<std::size_t>(board.CellCount())), targetCount_(static_cast<int>(goals.size()))
{
    distance_.assign(static_cast<std::size_t>(targetCount_) * cells_, Unreachable);
    nearest_.assign(cells_, Unreachable);
    // Pull a box back from each target, breadth first: the pull distance to a cell is the push
    // distance from it. The keeper needs the cell the box moves to and the one beyond. For pull
    // distances it is the other way round: push from each goal, the keeper behind the box.
    std::vector<Cell> queue;
    queue.reserve(cells_);
    for (int t = 0; t < targetCount_; ++t) {
        std::uint16_t* dist = &distance_[static_cast<std::size_t>(t) * cells_];
        queue.clear();
        const Cell start = goals[static_cast<std::size_t>(t)];
        dist[start] = 0;
        queue.push_back(start);
        for (std::size_t i = 0; i < queue.size(); ++i) {
            const Cell at = queue[i];
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board.Next(at, d);
                const Cell keeper = pulls ? board.Next(at, Opposite(d)) : (to == NoCell ? NoCell : board.Next(to, d));
                if (to == NoCell || dist[to] != Unreachable || keeper == NoCell)
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

void LowerBound::SetRow(int i, Cell box)
{
    const std::size_t side = static_cast<std::size_t>(n_) + 1;
    int* row = &cost_[static_cast<std::size_t>(i + 1) * side];
    for (int j = 0; j < n_; ++j) {
        const int d = Distance(j, box);
        row[j + 1] = d >= Unreachable ? big_ : d;
    }
}

// One phase of the Hungarian method (shortest augmenting path with potentials): gives row i a
// column, shifting the others along the path. O(n^2).
void LowerBound::Augment(int i)
{
    const std::size_t side = static_cast<std::size_t>(n_) + 1;
    match_[0] = i;
    int j0 = 0;
    minv_.assign(side, Infinite);
    used_.assign(side, 0);
    do {
        used_[static_cast<std::size_t>(j0)] = 1;
        const int i0 = match_[static_cast<std::size_t>(j0)];
        const int* row = &cost_[static_cast<std::size_t>(i0) * side];
        const int ui = u_[static_cast<std::size_t>(i0)];
        int delta = Infinite, j1 = 0;
        for (int j = 1; j <= n_; ++j) {
            const std::size_t sj = static_cast<std::size_t>(j);
            if (used_[sj])
                continue;
            const int cur = row[j] - ui - v_[sj];
            if (cur < minv_[sj]) {
                minv_[sj] = cur;
                way_[sj] = j0;
            }
            if (minv_[sj] < delta) {
                delta = minv_[sj];
                j1 = j;
            }
        }
        for (int j = 0; j <= n_; ++j) {
            const std::size_t sj = static_cast<std::size_t>(j);
            if (used_[sj]) {
                u_[static_cast<std::size_t>(match_[sj])] += delta;
                v_[sj] -= delta;
            } else {
                minv_[sj] -= delta;
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

int LowerBound::Total() const
{
    const std::size_t side = static_cast<std::size_t>(n_) + 1;
    int total = 0;
    for (int j = 1; j <= n_; ++j) {
        const int d = cost_[static_cast<std::size_t>(match_[static_cast<std::size_t>(j)]) * side + static_cast<std::size_t>(j)];
        if (d >= big_)
            return Infinite;
        total += d;
    }
    return total;
}

bool LowerBound::WarmStart(const Cell* boxes)
{
    added_.clear();
    hit_.assign(static_cast<std::size_t>(n_), 0);
    for (int k = 0; k < n_; ++k) {
        const int r = rowOfCell_[boxes[k]];
        if (r > 0) {
            rowOf_[static_cast<std::size_t>(k)] = r - 1;
            hit_[static_cast<std::size_t>(r - 1)] = 1;
        } else if (static_cast<int>(added_.size()) >= std::max(2, n_ / 2)) {
            return false;
        } else {
            added_.push_back(k);
        }
    }
    if (added_.empty())
        return true;
    freeRows_.clear();
    for (int r = 0; r < n_; ++r)
        if (!hit_[static_cast<std::size_t>(r)])
            freeRows_.push_back(r);
    u_ = baseU_;
    v_ = baseV_;
    match_ = baseMatch_;
    // The unmoved rows keep their columns and feasible potentials; each moved box takes a freed
    // row, gives up its column and wins one back by an augmenting path.
    for (std::size_t a = 0; a < added_.size(); ++a) {
        const int r = freeRows_[a];
        const int k = added_[a];
        rowOfCell_[cellOfRow_[static_cast<std::size_t>(r)]] = 0;
        cellOfRow_[static_cast<std::size_t>(r)] = boxes[k];
        rowOf_[static_cast<std::size_t>(k)] = r;
        SetRow(r, boxes[k]);
        for (int j = 1; j <= n_; ++j)
            if (match_[static_cast<std::size_t>(j)] == r + 1)
                match_[static_cast<std::size_t>(j)] = 0;
    }
    for (std::size_t a = 0; a < added_.size(); ++a)
        rowOfCell_[boxes[added_[a]]] = freeRows_[a] + 1;
    for (std::size_t a = 0; a < added_.size(); ++a)
        Augment(freeRows_[a] + 1);
    baseU_ = u_;
    baseV_ = v_;
    baseMatch_ = match_;
    baseTotal_ = Total();
    return true;
}

int LowerBound::Matching(const Cell* boxes, int count)
{
    if (haveBase_ && count == n_ && WarmStart(boxes))
        return baseTotal_;
    if (haveBase_)
        for (Cell c : cellOfRow_)
            rowOfCell_[c] = 0;
    n_ = count;
    const std::size_t side = static_cast<std::size_t>(n_) + 1;
    // A pair that cannot be matched costs more than any real matching could, so a result at or
    // above it means there is no finite matching.
    big_ = Unreachable * (n_ + 1);
    cost_.assign(side * side, 0);
    for (int i = 0; i < n_; ++i)
        SetRow(i, boxes[i]);
    u_.assign(side, 0);
    v_.assign(side, 0);
    match_.assign(side, 0);
    way_.assign(side, 0);
    for (int i = 1; i <= n_; ++i)
        Augment(i);
    baseU_ = u_;
    baseV_ = v_;
    baseMatch_ = match_;
    baseTotal_ = Total();
    rowOfCell_.resize(cells_, 0);
    rowOf_.resize(static_cast<std::size_t>(n_));
    cellOfRow_.assign(boxes, boxes + n_);
    for (int i = 0; i < n_; ++i) {
        rowOf_[static_cast<std::size_t>(i)] = i;
        rowOfCell_[boxes[i]] = i + 1;
    }
    haveBase_ = true;
    return baseTotal_;
}

int LowerBound::AfterMove(const Cell* boxes, int row, Cell to)
{
    const int r = rowOf_[static_cast<std::size_t>(row)];
    SetRow(r, to);
    // Usually the kept matching is still optimal: the moved box's row stays dual feasible with
    // its own column the tightest (every other row is unchanged). Then no augmenting path is
    // needed, only the new total.
    const std::size_t side = static_cast<std::size_t>(n_) + 1;
    const int i = r + 1;
    const int* cost = &cost_[static_cast<std::size_t>(i) * side];
    int own = 0;
    for (int j = 1; j <= n_; ++j)
        if (baseMatch_[static_cast<std::size_t>(j)] == i)
            own = j;
    const int ownSlack = cost[own] - baseV_[static_cast<std::size_t>(own)];
    bool kept = true;
    for (int j = 1; j <= n_ && kept; ++j)
        kept = cost[j] - baseV_[static_cast<std::size_t>(j)] >= ownSlack;
    if (kept) {
        int total = 0;
        for (int j = 1; j <= n_; ++j) {
            const int d = cost_[static_cast<std::size_t>(baseMatch_[static_cast<std::size_t>(j)]) * side + static_cast<std::size_t>(j)];
            if (d >= big_) {
                total = Infinite;
                break;
            }
            total += d;
        }
        SetRow(r, boxes[row]);
        return total;
    }
    u_ = baseU_;
    v_ = baseV_;
    match_ = baseMatch_;
    // The other rows keep their columns and feasible potentials; the moved box's row gives up
    // its column and wins one back by a single augmenting path.
    for (int j = 1; j <= n_; ++j)
        if (match_[static_cast<std::size_t>(j)] == i)
            match_[static_cast<std::size_t>(j)] = 0;
    Augment(i);
    const int total = Total();
    SetRow(r, boxes[row]);
    return total;
}

} // namespace w4::solver
