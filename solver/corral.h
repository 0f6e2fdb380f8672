#pragma once
// PI-corral pruning. A corral is a region of free cells the keeper cannot reach, fenced by boxes
// and walls. When every push of its fence boxes that the keeper could make before touching the
// fence goes into the corral (I), and all those pushes are possible right now (P), then any
// solution must push a fence box into the corral first, and that push can be made first: the
// other boxes' pushes do not touch the fence. So only the fence boxes need expanding. When no
// such push exists at all, an unfinished corral is a proven deadlock.

#include "solver/board.h"
#include "solver/search.h"
#include "solver/corraldeadlock.h"

#include <memory>

#include <cstdint>
#include <vector>

namespace w4::solver {

class CorralPruner {
public:
    enum class Verdict { None, Prune, Deadlock };

    CorralPruner(const Board& board, const std::vector<std::uint8_t>& dead);

    // `reach` holds the keeper's reach in this position. On Prune, Fence(cell) tells the boxes
    // whose pushes are the only ones worth trying.
    Verdict Examine(const std::uint8_t* occupied, const Reach& reach);
    bool Fence(Cell c) const { return chosenFence_[c] == chosenMark_; }

    // Also tries each unfinished corral's boxes alone in a small search (see corraldeadlock.h).
    // Its memory is fixed: CorralDeadlockSearch::Bytes().
    void SearchDeadlocks(bool on);
    // And learns its proofs as patterns, looked for in every position examined after.
    void LearnPatterns(bool on);

private:
    const Board& board_;
    const std::vector<std::uint8_t>& dead_;
    std::vector<std::uint32_t> region_;   // corral number per free cell, stamped
    std::vector<std::uint32_t> fence_;    // corral number per fence box, stamped
    std::vector<std::uint32_t> chosenFence_;
    std::vector<Cell> cells_, boxes_, chosenBoxes_;
    std::uint32_t chosenMark_ = 0;
    std::uint32_t base_ = 0;              // corral numbers of this call start above it
    std::uint32_t chosen_ = 0;
    std::unique_ptr<CorralDeadlockSearch> search_;
    bool learn_ = true;
    std::vector<Cell> extended_;
};

} // namespace w4::solver
