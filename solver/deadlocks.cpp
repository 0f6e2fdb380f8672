#include "solver/deadlocks.h"

namespace w4::solver {

std::vector<std::uint8_t> DeadSquares(const Board& board, Cell wall)
{
    const int n = board.CellCount();
    std::vector<std::uint8_t> alive(static_cast<std::size_t>(n), 0);
    std::vector<Cell> queue;
    queue.reserve(static_cast<std::size_t>(n));
    for (Cell t : board.targets)
        if (t != wall) {
            alive[t] = 1;
            queue.push_back(t);
        }
    // A box on `at` can be pulled one step in direction d when the keeper has room to stand on
    // the cell it moves to and on the one beyond.
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const Cell at = queue[i];
        for (int d = 0; d < DirCount; ++d) {
            const Cell to = board.Next(at, d);
            if (to == NoCell || to == wall || alive[to])
                continue;
            const Cell beyond = board.Next(to, d);
            if (beyond == NoCell || beyond == wall)
                continue;
            alive[to] = 1;
            queue.push_back(to);
        }
    }
    std::vector<std::uint8_t> dead(static_cast<std::size_t>(n), 0);
    for (int c = 0; c < n; ++c)
        dead[static_cast<std::size_t>(c)] = !alive[static_cast<std::size_t>(c)];
    return dead;
}

FreezeCheck::FreezeCheck(const Board& board, const std::vector<std::uint8_t>& dead)
    : board_(board), dead_(dead), assumedWall_(static_cast<std::size_t>(board.CellCount()), 0)
{
}

// A box is frozen when it is blocked on both axes. An axis is blocked by a wall on either side,
// by dead squares on both sides (moving there would lose anyway), or by a neighbouring box that
// is itself frozen while this one is taken as a wall. The assumption is sound because it is only
// kept when both axes turn out blocked: the boxes of the proof then hold each other in place.
int FreezeCheck::Frozen(const std::uint8_t* occupied, Cell cell)
{
    if (--budget_ < 0)
        return Free;
    assumedWall_[cell] = 1;
    int offTarget = board_.isTarget[cell] ? 0 : 1;
    bool frozen = true;
    for (int axis = 0; axis < 2 && frozen; ++axis) {
        const Cell a = board_.Next(cell, axis);
        const Cell b = board_.Next(cell, axis + 2);
        if (a == NoCell || b == NoCell || assumedWall_[a] || assumedWall_[b])
            continue;
        if (dead_[a] && dead_[b])
            continue;
        bool blocked = false;
        for (Cell side : {a, b}) {
            if (!occupied[side])
                continue;
            const int r = Frozen(occupied, side);
            if (r != Free) {
                blocked = true;
                offTarget |= r == FrozenOff;
                break;
            }
        }
        frozen = blocked;
    }
    assumedWall_[cell] = 0;
    if (!frozen)
        return Free;
    return offTarget ? FrozenOff : FrozenOnTargets;
}

bool FreezeCheck::FrozenOffTarget(const std::uint8_t* occupied, Cell cell)
{
    budget_ = 4096;
    return Frozen(occupied, cell) == FrozenOff;
}

bool FreezeCheck::NeverMoves(const std::uint8_t* occupied, Cell cell)
{
    budget_ = 4096;
    return Frozen(occupied, cell) != Free;
}

bool FreezeCheck::PushFreezes(const std::uint8_t* occupied, Cell cell)
{
    if (FrozenOffTarget(occupied, cell))
        return true;
    // The pushed box may be frozen on its target yet pin a neighbour off its target.
    for (int d = 0; d < DirCount; ++d) {
        const Cell side = board_.Next(cell, d);
        if (side != NoCell && occupied[side] && !board_.isTarget[side] && FrozenOffTarget(occupied, side))
            return true;
    }
    return false;
}

FrozenTargetCheck::FrozenTargetCheck(const Board& board, FreezeCheck& freeze, std::size_t storeBytes)
    : board_(board), freeze_(freeze), wall_(static_cast<std::size_t>(board.CellCount()), 0),
      pulled_(static_cast<std::size_t>(board.CellCount()), 0), words_((static_cast<std::size_t>(board.CellCount()) + 63) / 64)
{
    // 256 sets take a fraction of a megabyte on most boards; one slot is always kept, as the
    // place the pulls are worked out in.
    slots_ = 256;
    while (slots_ > 1 && slots_ * SlotBytes() > storeBytes)
        slots_ /= 2;
    store_.resize(slots_);
}

bool FrozenTargetCheck::Augment(int box, std::uint32_t round)
{
    const std::size_t targets = freeTargets_.size();
    for (std::size_t t = 0; t < targets; ++t) {
        if (!reachable_[static_cast<std::size_t>(box) * targets + t] || seen_[t] == round)
            continue;
        seen_[t] = round;
        if (targetOwner_[t] < 0 || Augment(targetOwner_[t], round)) {
            targetOwner_[t] = box;
            return true;
        }
    }
    return false;
}

const FrozenTargetCheck::Pulls& FrozenTargetCheck::PullsFor()
{
    std::uint64_t hash = 0;
    for (Cell c : frozen_)
        hash = (hash ^ c) * 0x9E3779B97F4A7C15ull;
    Pulls& slot = store_[(hash >> 32) & (slots_ - 1)];
    if (slot.frozen == frozen_)
        return slot;
    slot.frozen = frozen_;
    slot.cells.assign(freeTargets_.size() * words_, 0);
    // From each open target, pull a lone box back over the board with the frozen boxes as
    // walls: the cells reached are those from which a box can still be brought to it.
    for (std::size_t t = 0; t < freeTargets_.size(); ++t) {
        std::fill(pulled_.begin(), pulled_.end(), 0);
        const Cell start = static_cast<Cell>(freeTargets_[t]);
        queue_.assign(1, start);
        pulled_[start] = 1;
        std::uint64_t* row = &slot.cells[t * words_];
        for (std::size_t q = 0; q < queue_.size(); ++q) {
            const Cell at = queue_[q];
            row[at / 64] |= std::uint64_t(1) << (at % 64);
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board_.Next(at, d);
                if (to == NoCell || wall_[to] || pulled_[to])
                    continue;
                const Cell keeper = board_.Next(to, d);
                if (keeper == NoCell || wall_[keeper])
                    continue;
                pulled_[to] = 1;
                queue_.push_back(to);
            }
        }
    }
    return slot;
}

bool FrozenTargetCheck::ShutsTargets(const std::uint8_t* occupied, const Cell* boxes, int count)
{
    freeBoxes_.clear();
    freeTargets_.clear();
    frozen_.clear();
    for (int i = 0; i < count; ++i) {
        const Cell b = boxes[i];
        if (board_.isTarget[b] && freeze_.NeverMoves(occupied, b)) {
            wall_[b] = 1;
            frozen_.push_back(b);
        } else {
            freeBoxes_.push_back(i);
        }
    }
    bool shut = false;
    if (!frozen_.empty() && !freeBoxes_.empty()) {
        for (Cell t : board_.targets)
            if (!wall_[t])
                freeTargets_.push_back(t);
        const std::size_t targets = freeTargets_.size();
        const Pulls& pulls = PullsFor();
        reachable_.assign(freeBoxes_.size() * targets, 0);
        for (std::size_t t = 0; t < targets; ++t)
            for (std::size_t i = 0; i < freeBoxes_.size(); ++i) {
                const Cell b = boxes[freeBoxes_[i]];
                reachable_[i * targets + t] = (pulls.cells[t * words_ + b / 64] >> (b % 64)) & 1;
            }
        targetOwner_.assign(targets, -1);
        seen_.assign(targets, 0);
        for (std::size_t i = 0; i < freeBoxes_.size() && !shut; ++i)
            shut = !Augment(static_cast<int>(i), static_cast<std::uint32_t>(i + 1));
    }
    for (int i = 0; i < count; ++i)
        wall_[boxes[i]] = 0;
    return shut;
}

} // namespace w4::solver
