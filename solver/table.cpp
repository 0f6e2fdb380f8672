#include "solver/table.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace w4::solver {

Zobrist::Zobrist(int cells)
{
    // A fixed seed: the same level always searches the same way, which keeps runs comparable.
    std::mt19937_64 random(0x5eed0b0c5);
    box_.resize(static_cast<std::size_t>(cells));
    keeper_.resize(static_cast<std::size_t>(cells));
    for (auto& key : box_)
        key = random();
    for (auto& key : keeper_)
        key = random();
}

std::uint64_t Zobrist::Of(const Cell* boxes, int count, Cell keeper) const
{
    std::uint64_t hash = keeper_[keeper];
    for (int i = 0; i < count; ++i)
        hash ^= box_[boxes[i]];
    return hash;
}

PositionTable::PositionTable(int boxCount, std::size_t budgetBytes)
    : boxCount_(boxCount), budget_(budgetBytes)
{
    slots_.assign(std::size_t(1) << 12, NoNode);
    mask_ = slots_.size() - 1;
}

std::size_t PositionTable::Bytes() const
{
    const std::size_t chunk = (std::size_t(1) << ChunkBits);
    return nodes_.size() * chunk * (sizeof(Node) + sizeof(Cell) * static_cast<std::size_t>(boxCount_))
           + slots_.size() * sizeof(NodeId) + otherBytes_;
}

NodeId PositionTable::Find(std::uint64_t hash, const Cell* boxes, Cell keeper) const
{
    // Most probes meet other positions; the tag in the slot turns most of those away without
    // touching the node, which is the costly cache miss.
    const std::size_t bytes = sizeof(Cell) * static_cast<std::size_t>(boxCount_);
    const NodeId tag = Tag(hash);
    for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
        const NodeId entry = slots_[slot];
        if (entry == NoNode)
            return NoNode;
        if ((entry & ~IdMask) != tag)
            continue;
        const NodeId id = entry & IdMask;
        const Node& node = At(id);
        if (node.hash == hash && node.keeper == keeper && std::memcmp(Boxes(id), boxes, bytes) == 0)
            return id;
    }
}

bool PositionTable::Grow()
{
    const std::size_t bigger = slots_.size() * 2;
    if (!WithinBudget(bigger * sizeof(NodeId)))
        return false;
    std::vector<NodeId> slots(bigger, NoNode);
    const std::size_t mask = bigger - 1;
    for (NodeId id = 0; id < size_; ++id) {
        const std::uint64_t hash = At(id).hash;
        std::size_t slot = hash & mask;
        while (slots[slot] != NoNode)
            slot = (slot + 1) & mask;
        slots[slot] = Tag(hash) | id;
    }
    slots_.swap(slots);
    mask_ = mask;
    return true;
}

NodeId PositionTable::Add(const Node& node, const Cell* boxes)
{
    // Keep the index at most three quarters full; a fuller one past the budget is still usable
    // up to seven eighths, then the search is out of memory.
    if ((size_ + 1) * 4 > slots_.size() * 3 && !Grow() && (size_ + 1) * 8 > slots_.size() * 7)
        return NoNode;
    const std::size_t chunk = std::size_t(1) << ChunkBits;
    if (size_ == nodes_.size() * chunk) {
        if (!WithinBudget(chunk * (sizeof(Node) + sizeof(Cell) * static_cast<std::size_t>(boxCount_))) || size_ + chunk > IdMask)
            return NoNode;
        nodes_.push_back(std::make_unique<Node[]>(chunk));
        boxes_.push_back(std::make_unique<Cell[]>(chunk * static_cast<std::size_t>(boxCount_)));
    }
    const NodeId id = static_cast<NodeId>(size_++);
    At(id) = node;
    std::copy(boxes, boxes + boxCount_, &boxes_[id >> ChunkBits][static_cast<std::size_t>(id & ChunkMask) * static_cast<std::size_t>(boxCount_)]);
    std::size_t slot = node.hash & mask_;
    while (slots_[slot] != NoNode)
        slot = (slot + 1) & mask_;
    slots_[slot] = Tag(node.hash) | id;
    return id;
}

} // namespace w4::solver
