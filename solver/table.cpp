#include "solver/table.h"

#include <algorithm>
#include <bit>
#include <cmath>
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

namespace {

using Limbs = std::uint64_t[4];

bool Saturated(const std::uint64_t* a, int limbs)
{
    return std::all_of(a, a + limbs, [](std::uint64_t w) { return w == ~std::uint64_t(0); });
}

// a + b into out, word by word; returns the carry out of the top word.
std::uint64_t AddWithCarry(const std::uint64_t* a, const std::uint64_t* b, std::uint64_t* out, int limbs)
{
    std::uint64_t carry = 0;
    for (int l = 0; l < limbs; ++l) {
        const std::uint64_t s = a[l] + b[l];
        const std::uint64_t t = s + carry;
        carry = (s < a[l]) + (t < s);
        out[l] = t;
    }
    return carry;
}

// a + b into out, saturating: a sum that does not fit is all ones.
void AddSaturating(const std::uint64_t* a, const std::uint64_t* b, std::uint64_t* out, int limbs)
{
    if (Saturated(a, limbs) || Saturated(b, limbs)) {
        std::fill(out, out + limbs, ~std::uint64_t(0));
        return;
    }
    if (AddWithCarry(a, b, out, limbs) != 0)
        std::fill(out, out + limbs, ~std::uint64_t(0));
}

// Whether a > b.
bool Above(const std::uint64_t* a, const std::uint64_t* b, int limbs)
{
    for (int l = limbs - 1; l >= 0; --l)
        if (a[l] != b[l])
            return a[l] > b[l];
    return false;
}

// a -= b, for b <= a.
void Subtract(std::uint64_t* a, const std::uint64_t* b, int limbs)
{
    std::uint64_t borrow = 0;
    for (int l = 0; l < limbs; ++l) {
        const std::uint64_t d = a[l] - b[l];
        const std::uint64_t e = d - borrow;
        borrow = (a[l] < b[l]) + (d < borrow);
        a[l] = e;
    }
}

} // namespace

PositionTable::PositionTable(int boxCount, std::size_t budgetBytes, int cells)
    : boxCount_(boxCount), cells_(cells), narrow_(cells <= 256), rowBytes_(static_cast<std::size_t>(boxCount) * (narrow_ ? 1 : sizeof(Cell))),
      budget_(budgetBytes), decoded_(static_cast<std::size_t>(boxCount))
{
    // The binomials are paid for out of the budget: only where they take a small part of it.
    if (RankBytes(boxCount, cells) <= budgetBytes / 8)
        PrepareRanks(cells);
    encoded_.resize(rowBytes_ + sizeof(Limbs));   // a rank is written a whole word at a time
    slots_.assign(std::size_t(1) << 12, NoNode);
    mask_ = slots_.size() - 1;
}

// The rank of a set of k cells c0 < c1 < ... among all sets of k cells out of n is the sum of
// (ci choose i + 1); it lies below (n choose k), so it takes as many bits as that number does.
// The binomials up to it are tabled; where they would take much memory, or the rank more than
// four words, or no fewer bytes than the cells, the boxes are stored as cells.
namespace {
int RankLimbs(int boxes, int cells)
{
    if (boxes < 1 || cells < boxes)
        return 0;
    const double bits = (std::lgamma(cells + 1.0) - std::lgamma(boxes + 1.0) - std::lgamma(cells - boxes + 1.0)) / std::log(2.0);
    return static_cast<int>(bits / 64.0) + 1;
}
constexpr std::size_t MaxRankBytes = std::size_t(2) << 20;
} // namespace

std::size_t PositionTable::RankBytes(int boxCount, int cells)
{
    const int limbs = RankLimbs(boxCount, cells);
    const std::size_t bytes = static_cast<std::size_t>(boxCount + 1) * static_cast<std::size_t>(cells + 1) * static_cast<std::size_t>(limbs) * sizeof(std::uint64_t);
    return limbs > 0 && limbs <= MaxLimbs && bytes <= MaxRankBytes ? bytes : 0;
}

bool PositionTable::PrepareRanks(int cells)
{
    if (RankBytes(boxCount_, cells) == 0)
        return false;
    const int limbs = RankLimbs(boxCount_, cells);
    limbs_ = limbs;
    binomial_.assign(RankBytes(boxCount_, cells) / sizeof(std::uint64_t), 0);
    // Pascal's rule: (c choose j) = (c - 1 choose j - 1) + (c - 1 choose j).
    for (int c = 0; c <= cells; ++c) {
        binomial_[static_cast<std::size_t>(c) * static_cast<std::size_t>(limbs)] = 1;   // (c choose 0)
        for (int j = 1; j <= boxCount_ && c > 0; ++j)
            AddSaturating(Choose(c - 1, j - 1), Choose(c - 1, j), &binomial_[(static_cast<std::size_t>(j) * static_cast<std::size_t>(cells + 1) + static_cast<std::size_t>(c)) * static_cast<std::size_t>(limbs)], limbs);
    }
    // The bytes of the largest rank, (n choose k) - 1.
    Limbs top{};
    std::copy(Choose(cells, boxCount_), Choose(cells, boxCount_) + limbs, top);
    const Limbs one{1};
    Subtract(top, one, limbs);
    std::size_t bytes = 1;
    for (std::size_t b = 0; b < static_cast<std::size_t>(limbs) * 8; ++b)
        if ((top[b / 8] >> (b % 8 * 8)) & 0xFF)
            bytes = b + 1;
    if (bytes >= rowBytes_) {
        limbs_ = 0;
        std::vector<std::uint64_t>().swap(binomial_);
        return false;
    }
    narrow_ = false;
    rowBytes_ = bytes;
    return true;
}

std::size_t PositionTable::Bytes() const
{
    const std::size_t chunk = (std::size_t(1) << ChunkBits);
    return nodes_.size() * chunk * (sizeof(Node) + rowBytes_)
           + slots_.size() * sizeof(NodeId) + binomial_.size() * sizeof(std::uint64_t) + otherBytes_;
}

const std::uint8_t* PositionTable::Encode(const Cell* boxes) const
{
    if (limbs_ > 0) {
        // Every term is below the rank, and the rank below the number of such sets, which fits:
        // so plain carries do, without the saturation the binomials' table needs. Most boards
        // take one or two words, which get loops of their own.
        Limbs rank{};
        if (limbs_ == 1) {
            for (int i = 0; i < boxCount_; ++i)
                rank[0] += Choose(boxes[i], i + 1)[0];
        } else if (limbs_ == 2) {
            for (int i = 0; i < boxCount_; ++i) {
                const std::uint64_t* term = Choose(boxes[i], i + 1);
                rank[0] += term[0];
                rank[1] += term[1] + (rank[0] < term[0]);
            }
        } else {
            for (int i = 0; i < boxCount_; ++i)
                AddWithCarry(rank, Choose(boxes[i], i + 1), rank, limbs_);
        }
        // Little-endian machines store the words' bytes in order; elsewhere they are put in by hand.
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(encoded_.data(), rank, rowBytes_);
        } else {
            for (std::size_t b = 0; b < rowBytes_; ++b)
                encoded_[b] = static_cast<std::uint8_t>(rank[b / 8] >> (b % 8 * 8));
        }
        return encoded_.data();
    }
    if (narrow_)
        for (std::size_t i = 0; i < decoded_.size(); ++i)
            encoded_[i] = static_cast<std::uint8_t>(boxes[i]);
    else
        std::memcpy(encoded_.data(), boxes, rowBytes_);
    return encoded_.data();
}

// The cells back from a rank: the largest box is the largest c with (c choose k) at most the
// rank; take that off and go on with the next box, from one cell lower down.
void PositionTable::Decode(const std::uint8_t* row) const
{
    Limbs rank{};
    for (std::size_t b = 0; b < rowBytes_; ++b)
        rank[b / 8] |= std::uint64_t(row[b]) << (b % 8 * 8);
    int c = cells_ - 1;
    for (int i = boxCount_ - 1; i >= 0; --i) {
        while (Above(Choose(c, i + 1), rank, limbs_))
            --c;
        Subtract(rank, Choose(c, i + 1), limbs_);
        decoded_[static_cast<std::size_t>(i)] = static_cast<Cell>(c);
        --c;
    }
}

const Cell* PositionTable::Boxes(NodeId id) const
{
    const std::uint8_t* row = Row(id);
    if (limbs_ > 0)
        Decode(row);
    else if (narrow_)
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
        if (node.hash != static_cast<std::uint32_t>(hash) || node.keeper != keeper)
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
