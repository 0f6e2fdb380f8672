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

PositionTable::PositionTable(int boxCount, std::size_t budgetBytes, int cells)
    : boxCount_(boxCount), narrow_(cells <= 256), rowBytes_(static_cast<std::size_t>(boxCount) * (narrow_ ? 1 : sizeof(Cell))),
      budget_(budgetBytes), encoded_(rowBytes_), decoded_(static_cast<std::size_t>(boxCount))
{
    slots_.assign(std::size_t(1) << 12, NoNode);
    mask_ = slots_.size() - 1;
}

std::size_t PositionTable::Bytes() const
{
    const std::size_t chunk = (std::size_t(1) << ChunkBits);
    return nodes_.size() * chunk * (sizeof(Node) + rowBytes_)
           + slots_.size() * sizeof(NodeId) + otherBytes_;
}

const std::uint8_t* PositionTable::Encode(const Cell* boxes) const
{
    if (narrow_)
        for (std::size_t i = 0; i < decoded_.size(); ++i)
            encoded_[i] = static_cast<std::uint8_t>(boxes[i]);
    else
        std::memcpy(encoded_.data(), boxes, rowBytes_);
    return encoded_.data();
}

const Cell* PositionTable::Boxes(NodeId id) const
{
    const std::uint8_t* row = Row(id);
    if (narrow_)
        std::copy(row, row + rowBytes_, decoded_.begin());
    else
        std::memcpy(decoded_.data(), row, rowBytes_);
    return decoded_.data();
}

NodeId PositionTable::Find(std::uint64_t hash, const Cell* boxes, Cell keeper) const
{
    // Most probes meet other positions; the tag in the slot turns most of those away without
    // touching the node, which is the costly cache miss.
    const std::uint8_t* wanted = nullptr;   // encoded once a node needs comparing
    const NodeId tag = Tag(hash);
    for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
        const NodeId entry = slots_[slot];
        if (entry == NoNode)
            return NoNode;
        if ((entry & ~IdMask) != tag)
            continue;
        const NodeId id = entry & IdMask;
        const Node& node = At(id);
        if (node.hash != hash || node.keeper != keeper)
            continue;
        if (wanted == nullptr)
            wanted = Encode(boxes);
        if (std::memcmp(Row(id), wanted, rowBytes_) == 0)
            return id;
    }
}

bool PositionTable::Grow()
{
    const std::size_t bigger = slots_.size() * 2;
    const auto cancelled = [this] { return cancel_ != nullptr && cancel_->load(std::memory_order_relaxed); };
    if (!WithinBudget(bigger * sizeof(NodeId)) || cancelled())
        return false;
    std::vector<NodeId> slots(bigger, NoNode);
    const std::size_t mask = bigger - 1;
    for (NodeId id = 0; id < size_; ++id) {
        if ((id & 0xFFFF) == 0 && cancelled())
            return false;
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
        if (!WithinBudget(chunk * (sizeof(Node) + rowBytes_)) || size_ + chunk > IdMask)
            return NoNode;
        nodes_.push_back(std::make_unique<Node[]>(chunk));
        boxes_.push_back(std::make_unique<std::uint8_t[]>(chunk * rowBytes_));
    }
    const NodeId id = static_cast<NodeId>(size_++);
    At(id) = node;
    const std::uint8_t* row = Encode(boxes);
    std::copy(row, row + rowBytes_, &boxes_[id >> ChunkBits][static_cast<std::size_t>(id & ChunkMask) * rowBytes_]);
    std::size_t slot = node.hash & mask_;
    while (slots_[slot] != NoNode)
        slot = (slot + 1) & mask_;
    slots_[slot] = Tag(node.hash) | id;
    return id;
}

} // namespace w4::solver
