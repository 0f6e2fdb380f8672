#pragma once
// Corral deadlocks found by a small search. A corral the keeper cannot enter is lost when even
// its own boxes alone, with every other box taken off the board, can never all be pushed onto
// targets: any solution of the real position would also solve that easier one. The easier board
// usually has a handful of boxes, so a few hundred positions settle it, and the verdicts are
// remembered because the same corral turns up under many positions of the main search.
//
// A proof is also learned as a pattern: the boxes are cut down to those the proof still holds
// without, and any later position holding those boxes, with the keeper on the same side of them,
// is lost whatever else stands on the board, as taking boxes away only makes pushing easier.

#include "solver/board.h"
#include "solver/deadlocks.h"
#include "solver/search.h"
#include "solver/table.h"

#include <cstdint>
#include <vector>

namespace w4::solver {

class CorralDeadlockSearch {
public:
    static constexpr int MaxBoxes = 12;   // larger fences are left to the main search
    static constexpr int MaxPositions = 400;
    // The small searches may cost at most this share of the main search's positions examined
    // (plus a start allowance); past it only remembered verdicts are used. Where proofs are
    // rare, this keeps the main search's speed.
    static constexpr double EffortShare = 0.5;

    // Called once per position the main search examines.
    void CountExamined() { ++examined_; }

    CorralDeadlockSearch(const Board& board, const std::vector<std::uint8_t>& dead);

    // True when `boxes` alone (any order, at most MaxBoxes), with the keeper on `keeper`, can be
    // shown never to reach targets all together. False means not proven, never "solvable".
    bool Lost(const Cell* boxes, int count, Cell keeper);

    // True when the position in `occupied` (the keeper's reach in `reach`) holds a learned
    // pattern's boxes with the keeper on the pattern's side: a deadlock.
    bool MatchesPattern(const std::uint8_t* occupied, const Reach& reach);
    std::size_t Patterns() const { return patterns_.size(); }
    void Learning(bool on) { learn_ = on; }
    static constexpr std::size_t MaxPatterns = 2048;

    std::uint64_t Searches() const { return searches_; }
    // Positions the proofs have searched, counted against their share (learning has its own).
    std::uint64_t Effort() const { return nodes_; }
    std::uint64_t Proven() const { return proven_; }
    static std::size_t Bytes()
    {
        return CacheSize * sizeof(CacheEntry) + MaxPatterns * (sizeof(Pattern) + MaxBoxes * sizeof(Cell) + sizeof(std::uint32_t));
    }

private:
    struct CacheEntry {
        std::uint64_t key = 0;   // 0: empty
        bool lost = false;
    };
    static constexpr std::size_t CacheSize = std::size_t(1) << 15;

    struct Pattern {
        std::uint32_t first = 0;   // its cells in patternCells_, sorted
        std::uint32_t count = 0;
        Cell keeper = NoCell;      // the keeper's area with these boxes alone: its smallest cell
    };
    void Learn();
    // Sets up boxes_ and keepers_ for a search of `boxes` alone with the keeper on `keeper`.
    void Begin(const Cell* boxes, int count, Cell keeper);
    bool Search();
    Cell Normalise(Cell keeper);
    bool Visit(std::uint64_t hash);

    const Board& board_;
    const std::vector<std::uint8_t>& dead_;
    FreezeCheck freeze_;
    Zobrist zobrist_;
    Reach reach_;
    std::vector<std::uint8_t> occupied_;
    std::vector<CacheEntry> cache_;
    int count_ = 0;
    // The positions met: boxes in blocks of count_, keeper per position, and a small hash set.
    std::vector<Cell> boxes_;
    std::vector<Cell> keepers_;
    std::vector<std::uint64_t> seen_;
    std::vector<Cell> work_;
    bool learn_ = true;
    std::vector<Pattern> patterns_;
    std::vector<Cell> patternCells_;
    std::vector<std::vector<std::uint32_t>> byAnchor_;   // per cell: the patterns whose smallest box stands there
    std::vector<Cell> anchors_;                         // the cells with patterns, each once
    std::uint64_t searches_ = 0, proven_ = 0, nodes_ = 0, examined_ = 0, learnNodes_ = 0;
};

} // namespace w4::solver
