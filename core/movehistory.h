#pragma once
// The positions of an attempt. Read and written like a deque of whole boards, one per position,
// but kept as the few cells each move changed (with a whole board every few hundred positions to
// start from), so a long attempt costs a few dozen bytes per move instead of a board, and
// rebuilding one copies no boards. The boards asked for are rebuilt into a small cache and
// handed out by reference; what is written through such a reference is kept.
//
// A reference stays valid while its position is in the list and fewer than CachedBoards other
// positions have been asked for since. Even reading changes the cache: one list is never read
// from two threads at once (workers get a copy).

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace w4 {

constexpr int MaxLevelSize = 50;

// Cells are indexed [x][y]: column first, as the board is stored column by column.
using BoardGrid = std::array<std::array<char, MaxLevelSize>, MaxLevelSize>;

struct BoardSnapshot {
    BoardGrid Board{};
    std::int32_t Pushes = 0;
    char MoveLetter = ' ';
};

// One cell a move changed, from Old to New.
struct CellChange {
    std::uint8_t X = 0, Y = 0;
    char Old = 0, New = 0;
};

class SnapshotList {
public:
    static constexpr std::size_t CachedBoards = 16;
    static constexpr std::size_t WholeBoardEvery = 256;
    static constexpr std::size_t MaxChanges = 3;

    SnapshotList() = default;
    explicit SnapshotList(std::size_t count);
    SnapshotList(std::size_t count, const BoardSnapshot& value);
    SnapshotList(std::initializer_list<BoardSnapshot> values);
    SnapshotList(const SnapshotList& other);
    SnapshotList(SnapshotList&& other) noexcept;
    SnapshotList& operator=(const SnapshotList& other);
    SnapshotList& operator=(SnapshotList&& other) noexcept;
    ~SnapshotList();

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }

    BoardSnapshot& operator[](std::size_t i) { return Shown(i); }
    const BoardSnapshot& operator[](std::size_t i) const { return Shown(i); }
    BoardSnapshot& front() { return Shown(0); }
    const BoardSnapshot& front() const { return Shown(0); }
    BoardSnapshot& back() { return Shown(size() - 1); }
    const BoardSnapshot& back() const { return Shown(size() - 1); }

    void push_back(const BoardSnapshot& value);
    // Positions added at the end are default ones (a blank board), as a deque's would be.
    void resize(std::size_t count);
    void assign(std::size_t count, const BoardSnapshot& value);
    void clear();
    void reserve(std::size_t count) { records_.reserve(count); }
    void swap(SnapshotList& other) noexcept;

    // The letter of position i and of positions 0 .. count - 1, without rebuilding any board.
    char MoveLetter(std::size_t i) const;
    std::string MoveLetters(std::size_t count) const;

    // One move played from the last position: it gets `letter`, and the new last position is it
    // with `changes` made (each cell's Old being what the last position holds there) and the push
    // counted. `board` is the new position whole, kept only where a whole board is due.
    void AppendMove(char letter, bool push, std::span<const CellChange> changes, const BoardGrid& board);

private:
    struct Record {
        std::int32_t Pushes = 0;
        char MoveLetter = ' ';
        bool HasChanges = false;   // Changes lead here from the position before
        std::uint8_t ChangeCount = 0;
        std::array<CellChange, MaxChanges> Changes{};
        // The whole board: the first position, every WholeBoardEvery-th, and one that differs
        // from the position before in more cells than Changes hold. Neither this nor Changes:
        // a blank board.
        std::unique_ptr<BoardGrid> Whole;

        Record() = default;
        Record(const Record& other);
        Record(Record&&) noexcept = default;
        Record& operator=(const Record& other);
        Record& operator=(Record&&) noexcept = default;
    };
    struct Slot {
        std::size_t Index = 0;
        std::uint64_t Used = 0;
        BoardSnapshot Shown;   // what the caller sees and may write
        BoardGrid Kept{};      // the board as the records describe it
    };

    BoardSnapshot& Shown(std::size_t i) const
    {
        if (hot_ != nullptr && hot_->Index == i)
            return hot_->Shown;
        return Fetch(i);
    }
    BoardSnapshot& Fetch(std::size_t i) const;
    Slot* Find(std::size_t i) const;
    void Describe(std::size_t i, BoardGrid& out) const;
    void WriteBack(Slot& slot) const;
    void Encode(std::size_t i, const BoardGrid* previous, const BoardGrid& board) const;
    void DropSlotsFrom(std::size_t count);

    // Mutable: asking for a board rebuilds it into the cache and writes back the one it evicts.
    mutable std::vector<Record> records_;
    mutable std::vector<std::unique_ptr<Slot>> slots_;
    mutable Slot* hot_ = nullptr;   // the slot asked for last
    mutable std::uint64_t clock_ = 0;
};

} // namespace w4
