#include "core/movehistory.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace w4 {

SnapshotList::Record::Record(const Record& other)
    : Pushes(other.Pushes), MoveLetter(other.MoveLetter), HasChanges(other.HasChanges),
      ChangeCount(other.ChangeCount), Changes(other.Changes),
      Whole(other.Whole ? std::make_unique<BoardGrid>(*other.Whole) : nullptr)
{
}

SnapshotList::Record& SnapshotList::Record::operator=(const Record& other)
{
    if (this != &other) {
        Record copy(other);
        *this = std::move(copy);
    }
    return *this;
}

SnapshotList::SnapshotList(std::size_t count)
    : records_(count)
{
}

SnapshotList::SnapshotList(std::size_t count, const BoardSnapshot& value)
{
    assign(count, value);
}

SnapshotList::SnapshotList(std::initializer_list<BoardSnapshot> values)
{
    for (const BoardSnapshot& value : values)
        push_back(value);
}

SnapshotList::SnapshotList(const SnapshotList& other)
    : records_(other.records_), clock_(other.clock_)
{
    for (const auto& slot : other.slots_) {
        slots_.push_back(std::make_unique<Slot>(*slot));
        if (slot.get() == other.hot_)
            hot_ = slots_.back().get();
    }
}

SnapshotList::SnapshotList(SnapshotList&& other) noexcept
{
    swap(other);
}

SnapshotList& SnapshotList::operator=(const SnapshotList& other)
{
    if (this != &other) {
        SnapshotList copy(other);
        swap(copy);
    }
    return *this;
}

SnapshotList& SnapshotList::operator=(SnapshotList&& other) noexcept
{
    if (this != &other) {
        clear();
        swap(other);
    }
    return *this;
}

SnapshotList::~SnapshotList() = default;

void SnapshotList::swap(SnapshotList& other) noexcept
{
    records_.swap(other.records_);
    slots_.swap(other.slots_);
    std::swap(hot_, other.hot_);
    std::swap(clock_, other.clock_);
}

void SnapshotList::clear()
{
    records_.clear();
    slots_.clear();
    hot_ = nullptr;
}

void SnapshotList::push_back(const BoardSnapshot& value)
{
    const std::size_t i = records_.size();
    BoardGrid previous;
    if (i > 0)
        Describe(i - 1, previous);
    records_.emplace_back();
    records_.back().Pushes = value.Pushes;
    records_.back().MoveLetter = value.MoveLetter;
    Encode(i, i > 0 ? &previous : nullptr, value.Board);
}

void SnapshotList::resize(std::size_t count)
{
    DropSlotsFrom(count);
    records_.resize(count);
}

void SnapshotList::assign(std::size_t count, const BoardSnapshot& value)
{
    clear();
    records_.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        push_back(value);
}

char SnapshotList::MoveLetter(std::size_t i) const
{
    if (const Slot* slot = Find(i))
        return slot->Shown.MoveLetter;
    return records_[i].MoveLetter;
}

std::string SnapshotList::MoveLetters(std::size_t count) const
{
    count = std::min(count, records_.size());
    std::string letters(count, ' ');
    for (std::size_t i = 0; i < count; ++i)
        letters[i] = records_[i].MoveLetter;
    // A letter written through a reference is in its slot until the slot is written back.
    for (const auto& slot : slots_)
        if (slot->Index < count)
            letters[slot->Index] = slot->Shown.MoveLetter;
    return letters;
}

void SnapshotList::AppendMove(char letter, bool push, std::span<const CellChange> changes, const BoardGrid& board)
{
    assert(!records_.empty() && changes.size() <= MaxChanges);
    const std::size_t last = records_.size() - 1;
    // The changes start from the last position as the caller sees it: that is what the records
    // must describe first.
    if (Slot* slot = Find(last)) {
        WriteBack(*slot);
        slot->Shown.MoveLetter = letter;
    }
    records_[last].MoveLetter = letter;
    const std::int32_t pushes = records_[last].Pushes + (push ? 1 : 0);

    const std::size_t i = records_.size();
    Record& r = records_.emplace_back();
    r.Pushes = pushes;
    r.HasChanges = true;
    r.ChangeCount = static_cast<std::uint8_t>(changes.size());
    std::copy(changes.begin(), changes.end(), r.Changes.begin());
    if (i % WholeBoardEvery == 0)
        r.Whole = std::make_unique<BoardGrid>(board);
}

SnapshotList::Slot* SnapshotList::Find(std::size_t i) const
{
    for (const auto& slot : slots_)
        if (slot->Index == i)
            return slot.get();
    return nullptr;
}

BoardSnapshot& SnapshotList::Fetch(std::size_t i) const
{
    assert(i < records_.size());
    if (Slot* slot = Find(i)) {
        slot->Used = ++clock_;
        hot_ = slot;
        return slot->Shown;
    }
    Slot* slot = nullptr;
    if (slots_.size() < CachedBoards) {
        slot = slots_.emplace_back(std::make_unique<Slot>()).get();
    } else {
        slot = std::min_element(slots_.begin(), slots_.end(), [](const auto& a, const auto& b) {
                   return a->Used < b->Used;
               })->get();
        WriteBack(*slot);
    }
    slot->Index = records_.size();   // out of the way while the board is rebuilt
    Describe(i, slot->Kept);
    slot->Shown.Board = slot->Kept;
    slot->Shown.Pushes = records_[i].Pushes;
    slot->Shown.MoveLetter = records_[i].MoveLetter;
    slot->Index = i;
    slot->Used = ++clock_;
    hot_ = slot;
    return slot->Shown;
}

void SnapshotList::Describe(std::size_t i, BoardGrid& out) const
{
    if (const Slot* slot = Find(i)) {
        out = slot->Kept;
        return;
    }
    // From below: the nearest cached board, whole board or blank position at or before i.
    const Slot* below = nullptr;
    const Slot* above = nullptr;
    for (const auto& slot : slots_) {
        if (slot->Index < i && (below == nullptr || slot->Index > below->Index))
            below = slot.get();
        if (slot->Index > i && slot->Index < records_.size() && (above == nullptr || slot->Index < above->Index))
            above = slot.get();
    }
    std::size_t base = i;
    while (!(below != nullptr && base == below->Index) && !records_[base].Whole && records_[base].HasChanges)
        --base;   // the first position always has a whole board or none at all

    // From above, undoing changes, when a cached board is nearer that way (undo's case).
    if (above != nullptr && above->Index - i < i - base) {
        bool linked = true;
        for (std::size_t k = i + 1; k <= above->Index && linked; ++k)
            linked = records_[k].HasChanges;
        if (linked) {
            out = above->Kept;
            for (std::size_t k = above->Index; k > i; --k) {
                const Record& r = records_[k];
                for (std::size_t c = r.ChangeCount; c-- > 0;)
                    out[r.Changes[c].X][r.Changes[c].Y] = r.Changes[c].Old;
            }
            return;
        }
    }

    if (below != nullptr && base == below->Index)
        out = below->Kept;
    else if (records_[base].Whole)
        out = *records_[base].Whole;
    else
        out = BoardGrid{};
    for (std::size_t k = base + 1; k <= i; ++k) {
        const Record& r = records_[k];
        for (std::size_t c = 0; c < r.ChangeCount; ++c)
            out[r.Changes[c].X][r.Changes[c].Y] = r.Changes[c].New;
    }
}

void SnapshotList::WriteBack(Slot& slot) const
{
    const std::size_t i = slot.Index;
    Record& r = records_[i];
    r.Pushes = slot.Shown.Pushes;
    r.MoveLetter = slot.Shown.MoveLetter;
    if (slot.Shown.Board == slot.Kept)
        return;
    // The board was written. Every other position keeps its board: the next one is described
    // again from this one's new board.
    const bool hasNext = i + 1 < records_.size();
    BoardGrid next;
    BoardGrid previous;
    if (hasNext)
        Describe(i + 1, next);
    if (i > 0)
        Describe(i - 1, previous);
    Encode(i, i > 0 ? &previous : nullptr, slot.Shown.Board);
    slot.Kept = slot.Shown.Board;
    if (hasNext)
        Encode(i + 1, &slot.Kept, next);
}

void SnapshotList::Encode(std::size_t i, const BoardGrid* previous, const BoardGrid& board) const
{
    Record& r = records_[i];
    r.HasChanges = false;
    r.ChangeCount = 0;
    if (previous != nullptr) {
        bool fits = true;
        for (std::size_t x = 0; x < board.size() && fits; ++x) {
            const auto& was = (*previous)[x];
            const auto& now = board[x];
            if (was == now)
                continue;
            for (std::size_t y = 0; y < now.size() && fits; ++y) {
                if (was[y] == now[y])
                    continue;
                if (r.ChangeCount == MaxChanges)
                    fits = false;
                else
                    r.Changes[r.ChangeCount++] = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), was[y], now[y]};
            }
        }
        r.HasChanges = fits;
        if (!fits)
            r.ChangeCount = 0;
    }
    if (!r.HasChanges || i % WholeBoardEvery == 0) {
        if (r.Whole)
            *r.Whole = board;
        else
            r.Whole = std::make_unique<BoardGrid>(board);
    } else {
        r.Whole.reset();
    }
}

void SnapshotList::DropSlotsFrom(std::size_t count)
{
    if (hot_ != nullptr && hot_->Index >= count)
        hot_ = nullptr;
    std::erase_if(slots_, [count](const auto& slot) { return slot->Index >= count; });
}

} // namespace w4
