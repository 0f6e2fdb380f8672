#pragma once
// The search over pushes: a best-first loop over positions (boxes plus the keeper's area), each
// expanded into every push the keeper can reach, pruned by dead squares, freezes and the matching
// bound, and ordered by pushes made plus the bound (A*), or weighted toward the bound for speed.

#include "solver/board.h"
#include "solver/solver.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace w4::solver {

struct Push {
    Cell from = NoCell;   // the box's cell before the push
    int dir = 0;
};

struct SearchOutcome {
    Outcome outcome = Outcome::Unsolvable;
    std::vector<Push> pushes;      // when solved: the pushes from the start
    std::uint64_t positions = 0;   // distinct positions stored
    std::uint64_t expanded = 0;
};

using Clock = std::chrono::steady_clock;

// What one expansion came to, the same for every search.
enum class Expansion { Continue, Solved, OutOfMemory, Stopped };

// After an expansion: true when the search has ended, with the outcome set for a full store or
// a stop (`stop` says which); a solution has set its own.
bool Ended(Expansion e, Outcome stop, SearchOutcome& out);

// Whether the free cells beside `to` stay joined to each other round it once a box stands there
// (`occupied` marks the boxes), so a push there splits no floor region.
bool RingConnected(const Board& board, const std::uint8_t* occupied, Cell to);

// `boxes` (sorted, `count` of them) into `out` with the box on `from` moved to `to`, still
// sorted: the moved box slides to its place, which is cheaper than sorting them all again.
void MoveBox(const Cell* boxes, int count, Cell from, Cell to, Cell* out);

// True, with the reason in `why`, when the search must stop: cancelled, or out of time.
bool MustStop(const Options& options, Clock::time_point started, Outcome& why);
// With `Tuning::cpuClock` the limit counts the processor time the process spent since this was
// last called (Solve calls it as it starts), all threads together.
void StartProcessorClock();
// On a thread of a two-thread search, MustStop also watches the caller's own cancel flag.
void WatchCallerCancel(const std::atomic<bool>* cancel);

class BackwardSearcher;

// One search of the fast mode's portfolio (portfolio.h), run in turns of a few milliseconds.
class SearchMember {
public:
    virtual ~SearchMember() = default;
    // Sets up the start; true when that alone settles the search (out is filled).
    virtual bool Start(SearchOutcome& out) = 0;
    // Searches until `sliceEnd`; true when the search has ended (out is filled).
    virtual bool Step(Clock::time_point sliceEnd, SearchOutcome& out) = 0;
    virtual std::size_t Positions() const = 0;
    virtual std::uint64_t Expanded() const = 0;
    // Whether an emptied list proves the level unsolvable: not for searches that skip positions.
    virtual bool Complete() const = 0;
    // More memory, handed on from a member that left the portfolio.
    virtual void AddBudget(std::size_t bytes) = 0;
    // Forward searches look each new position up in the search from the solved end: a hit joins
    // the two paths. Null when there is none (any more).
    virtual void MeetBackward(const BackwardSearcher*) {}
    // When this search has stored the position, the pushes from the start to it.
    virtual bool PushesTo(std::uint64_t, const Cell*, Cell, std::vector<Push>&) const { return false; }
};

struct Tuning;

// The weighted and plain A* searches of the portfolio (portfolio.h), or the optimal modes' A*
// alone: `tunnels` lets it push a box on through one-wide tunnels, which skips positions.
std::unique_ptr<SearchMember> MakePushSearch(const Board& board, const Options& options, Clock::time_point started, const Tuning& tuning,
                                             bool optimal, std::size_t budgetBytes, bool tunnels);

// Flood fill of the keeper's reach, with stamps so nothing is cleared between calls.
class Reach {
public:
    explicit Reach(int cells) : stamp_(static_cast<std::size_t>(cells), 0), queue_(static_cast<std::size_t>(cells)) {}
    // Marks every cell the keeper reaches from `from` without passing a box; returns the smallest.
    Cell Flood(const Board& board, const std::uint8_t* occupied, Cell from);
    bool Reached(Cell c) const { return stamp_[c] == current_; }
    // How many cells the last flood reached.
    int Count() const { return count_; }

private:
    std::vector<std::uint32_t> stamp_;
    std::vector<Cell> queue_;
    std::uint32_t current_ = 0;
    int count_ = 0;
};

} // namespace w4::solver
