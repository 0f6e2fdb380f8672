#pragma once
// Positions that can never be solved, recognised cheaply: a box on a dead square, and boxes
// frozen (against walls and each other, 2 x 2 blocks included) off a target.

#include "solver/board.h"

#include <cstdint>
#include <vector>

namespace w4::solver {

// 1 for every cell from which a lone box can never be pushed onto any target. Found by pulling
// boxes back from all targets at once: what no pull reaches is dead. With `wall`, that cell
// counts as a wall too (its target included).
std::vector<std::uint8_t> DeadSquares(const Board& board, Cell wall = NoCell);

// Freeze detection over a box occupancy array (one byte per cell, nonzero = box).
class FreezeCheck {
public:
    FreezeCheck(const Board& board, const std::vector<std::uint8_t>& dead);

    // True when the box on `cell` is frozen together with a box off its target: no box of that
    // group can ever move again, so the position is lost. A frozen box on a target alone is fine.
    bool FrozenOffTarget(const std::uint8_t* occupied, Cell cell);

    // The push just made put a box on `cell`: it may have frozen itself or a neighbour.
    bool PushFreezes(const std::uint8_t* occupied, Cell cell);

    // True when the box on `cell` can never move again (it is then on a target, or lost).
    bool NeverMoves(const std::uint8_t* occupied, Cell cell);

private:
    enum : int { Free = 0, FrozenOnTargets = 1, FrozenOff = 2 };
    int Frozen(const std::uint8_t* occupied, Cell cell);

    const Board& board_;
    const std::vector<std::uint8_t>& dead_;
    std::vector<std::uint8_t> assumedWall_;
    int budget_ = 0;   // bounds the recursion on large clusters; running out means "not frozen"
};

// Boxes frozen on their targets are walls from then on, and may shut other targets off: a box
// pushed home into a narrow goal area in the wrong order closes the targets behind it. Checked
// only when a push freezes a box on a target, by asking whether the other boxes can still each
// reach a target of their own (a bipartite matching) with the frozen boxes as walls.
class FrozenTargetCheck {
public:
    // `storeBytes`: the most its store of pulls (below) may take.
    FrozenTargetCheck(const Board& board, FreezeCheck& freeze, std::size_t storeBytes = std::size_t(1) << 20);
    bool ShutsTargets(const std::uint8_t* occupied, const Cell* boxes, int count);
    // The most its store of pulls takes, for the search's memory budget.
    std::size_t Bytes() const { return slots_ * SlotBytes(); }

private:
    bool Augment(int box, std::uint32_t round);
    // Where a lone box can still be pulled from to each open target depends only on which boxes
    // stand frozen home, and a search meets the same few such sets again and again (a goal area
    // fills in much the same order), so each set's pulls are kept, one per slot by its hash.
    struct Pulls {
        std::vector<Cell> frozen;          // sorted; empty: the slot is unused
        std::vector<std::uint64_t> cells;  // a row of words_ per open target, in target order
    };
    const Pulls& PullsFor();
    std::size_t SlotBytes() const { return board_.targets.size() * (words_ * sizeof(std::uint64_t) + sizeof(Cell)); }

    const Board& board_;
    FreezeCheck& freeze_;
    std::vector<std::uint8_t> wall_;
    std::vector<std::uint8_t> reachable_;   // free box index * targets + target index
    std::vector<int> targetOwner_, freeBoxes_, freeTargets_;
    std::vector<Cell> frozen_;
    std::vector<std::uint32_t> seen_;
    std::vector<Cell> queue_;
    std::vector<std::uint8_t> pulled_;
    std::size_t words_;
    std::size_t slots_;
    std::vector<Pulls> store_;
};

} // namespace w4::solver
