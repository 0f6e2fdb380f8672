#pragma once
// Every position the search has met, stored once: the node records (how it was reached, its push
// count and bound) and the boxes, in fixed-size chunks so memory grows in small, counted steps,
// plus an open-addressing index on the Zobrist hash. Everything is counted against the budget.
//
// Long searches end when the budget is spent, so each position is kept small: a node takes 20
// bytes, and the boxes, a set of k cells out of n, are stored as the set's rank among all such
// sets (the combinatorial number system), about log2(n choose k) bits: 20 boxes on 150 cells fit
// in 11 bytes where one byte per box takes 20, and on boards past 256 cells two bytes per box.

#include "solver/board.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace w4::solver {

using NodeId = std::uint32_t;
constexpr NodeId NoNode = 0xFFFFFFFF;

struct Node {
    // The low half of the position's Zobrist hash: the index slot and a quick check, so finding
    // a position or growing the index seldom needs its boxes.
    std::uint32_t hash = 0;
    NodeId parent = NoNode;
    Cell keeper = NoCell;      // the top-left cell of the keeper's reach: one position per area
    Cell pushedFrom = NoCell;  // the box cell before the push that led here
    std::uint16_t pushes = 0;
    std::uint16_t bound = 0;
    std::uint8_t dir = 0;      // that push's direction
    std::uint8_t closed = 0;   // expanded, or found lost
    std::uint8_t run = 1;      // pushes in that direction (more than one: through a tunnel)
};
static_assert(sizeof(Node) == 20, "a node's size is most of a position's memory");

// Random keys for the boxes on each cell and for the keeper's area, combined by XOR so a push
// updates the hash in four operations.
class Zobrist {
public:
    explicit Zobrist(int cells);
    std::uint64_t Box(Cell c) const { return box_[c]; }
    std::uint64_t Keeper(Cell c) const { return keeper_[c]; }
    std::uint64_t Of(const Cell* boxes, int count, Cell keeper) const;

private:
    std::vector<std::uint64_t> box_, keeper_;
};

class PositionTable {
public:
    // `cells`: how many cells a box may stand on (numbered from 0). The boxes are stored by their
    // rank where that fits in 256 bits and its table in an eighth of the budget, else in one
    // byte each up to 256 cells, else in two.
    PositionTable(int boxCount, std::size_t budgetBytes, int cells = 1 << 16);

    // The stored node with these boxes and keeper area, or NoNode. `hash` is the position's
    // Zobrist hash; only its low half is used.
    NodeId Find(std::uint64_t hash, const Cell* boxes, Cell keeper) const;
    // Stores a new position; NoNode when the budget does not allow it.
    NodeId Add(const Node& node, const Cell* boxes);

    Node& At(NodeId id) { return nodes_[id >> ChunkBits][id & ChunkMask]; }
    const Node& At(NodeId id) const { return nodes_[id >> ChunkBits][id & ChunkMask]; }
    // The boxes of a stored position, sorted; valid until the next call.
    const Cell* Boxes(NodeId id) const;

    std::size_t Size() const { return size_; }
    // The fixed table the ranks would need (binomials); 0 when they do not pay.
    static std::size_t RankBytes(int boxCount, int cells);
    // Bytes each stored position's boxes take.
    std::size_t BoxBytes() const { return rowBytes_; }
    std::size_t Bytes() const;
    // Other users of the same budget (the open list) report their share here.
    void SetOtherBytes(std::size_t bytes) { otherBytes_ = bytes; }
    bool WithinBudget(std::size_t extra) const { return Bytes() + extra <= budget_; }
    void AddBudget(std::size_t bytes) { budget_ += bytes; }
    // A raised flag stops the index's growth part way (the old index stays in use), as a rehash
    // of a large table takes longer than a cancel may wait.
    void SetCancel(const std::atomic<bool>* cancel) { cancel_ = cancel; }

private:
    static constexpr int ChunkBits = 12;
    // An index slot holds a node id in its low bits and a few bits of the position's hash above
    // them. 2^27 positions are far more than any budget we allow holds (each takes 30 bytes or
    // more), so past it the table just reports itself full.
    static constexpr int IdBits = 27;
    static constexpr NodeId IdMask = (NodeId(1) << IdBits) - 1;
    // The tag is the top of the hash's low half; the slot comes from its bottom bits, which
    // reach the tag's only when the index is larger than any budget allows.
    static NodeId Tag(std::uint64_t hash) { return static_cast<NodeId>(hash) & ~IdMask; }
    static constexpr NodeId ChunkMask = (NodeId(1) << ChunkBits) - 1;
    bool Grow();
    const std::uint8_t* Row(NodeId id) const { return &boxes_[id >> ChunkBits][static_cast<std::size_t>(id & ChunkMask) * rowBytes_]; }
    // The boxes as the table stores them, in `encoded_`.
    const std::uint8_t* Encode(const Cell* boxes) const;
    void Decode(const std::uint8_t* row) const;
    // Sets up the rank's binomials when they are worth it; false leaves the byte forms.
    bool PrepareRanks(int cells);
    static constexpr int MaxLimbs = 4;
    // Binomial (c choose j), saturated at all ones in limbs_ 64-bit words, low word first.
    const std::uint64_t* Choose(int c, int j) const
    {
        return &binomial_[(static_cast<std::size_t>(j) * static_cast<std::size_t>(cells_ + 1) + static_cast<std::size_t>(c)) * static_cast<std::size_t>(limbs_)];
    }

    int boxCount_;
    int cells_;
    int limbs_ = 0;          // words of the rank; 0: the boxes are stored as cells
    std::vector<std::uint64_t> binomial_;
    bool narrow_;            // one byte per box
    std::size_t rowBytes_;   // bytes per position's boxes
    std::size_t budget_;
    std::size_t otherBytes_ = 0;
    std::size_t size_ = 0;
    std::vector<std::unique_ptr<Node[]>> nodes_;
    std::vector<std::unique_ptr<std::uint8_t[]>> boxes_;
    mutable std::vector<std::uint8_t> encoded_;
    mutable std::vector<Cell> decoded_;
    std::vector<NodeId> slots_;   // tag | id, NoNode = empty
    std::size_t mask_ = 0;
    const std::atomic<bool>* cancel_ = nullptr;
};

} // namespace w4::solver
