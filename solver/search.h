#pragma once
// The search over pushes: a best-first loop over positions (boxes plus the keeper's area), each
// expanded into every push the keeper can reach, pruned by dead squares, freezes and the matching
// bound, and ordered by pushes made plus the bound (A*), or weighted toward the bound for speed.

#include "solver/board.h"
#include "solver/solver.h"

#include <chrono>
#include <cstdint>
#include <string>
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

// Switches and weights for measuring what each technique buys; the defaults are the tuned ones.
struct Tuning {
    bool corrals = true;      // PI-corral pruning
    bool matching = true;     // matching bound (false: each box to its nearest target)
    int weight = 5;           // the fast mode's weight on the bound
    bool portfolio = true;    // the fast mode takes turns with other searches
    bool frozenTargets = true; // boxes frozen on targets as walls: do the others still fit?
    bool tunnels = true;      // the fast mode's inexact searches push a box on through a one-wide tunnel
    bool corralSearch = true; // corrals whose boxes alone cannot be solved are deadlocks
    // And those proofs, cut down to the boxes they need, are looked for everywhere after.
    bool corralPatterns = true;
    // The feature searches learn and use them too. Measured with whole box moves: two or three
    // more development levels within ten seconds (with single pushes alone it had bought none).
    bool fessPatterns = true;
    bool fess = true;         // the fast mode also runs the feature-space search (fess.h)
    int fessShare = 40;       // its milliseconds per turn in the first seconds (fessEarlySeconds)
    // And after them, when what is left are the long searches: the feature searches solve most
    // levels that take that long, the plain ones hardly any. Measured on one core, sixty seconds,
    // the 21 development levels not solved within ten: 6 at 80 ms, 6 and 5 in two runs at 160,
    // against 5 at 40; the levels solved at 40 came sooner in every run. Within the first
    // seconds nothing changes.
    int fessLateShare = 160;
    // Its greedy macros find their solutions early or hardly at all (measured: none of the
    // Sasquatch levels needs it, three shipped levels do, within seconds), so it leads at first
    // and then leaves the time to the searches that pay off in long runs.
    int fessEarlyShare = 400;
    double fessEarlySeconds = 10;
    bool backward = true;     // the fast mode also pulls boxes back from the solved end, meeting the others
    // Its milliseconds per turn. Where it meets the others is where most hard levels are solved
    // within seconds, so on the first thread it takes the larger part (measured at 60 ms: one or
    // two development levels fewer within ten seconds on one core; with its two orders below,
    // 600 ms made 27 + 17 in three runs where 400 made 26 + 17 and 27 + 16).
    int backwardShare = 600;
    // Its positions in two orders taking turns, each weight on the bound (pulls back to the
    // start's cells): one weight alone gains some levels and loses others, both together keep
    // most of each (measured on one core, ten seconds: 26 and 27 of 50 development levels
    // against 24 with the single weight 5 of the other searches). 0 for the second: one order.
    int backwardWeight = 3;
    int backwardWeight2 = 20;
    // On one thread the two extra feature searches join once the first seconds are over: within
    // them they cost the others time (measured on one core: a level or two fewer in ten seconds),
    // after them they pay as on a second thread (a level more in sixty).
    bool fessLate = true;
    bool fessOnly = false;    // the fast mode runs the feature-space search alone, to measure it
    bool fessBoxMoves = true; // its weights count box moves, not pushes: going on with the same box is free
    int fessMacroTargets = 2; // due targets its packing advisor routes a box to, per expansion
    bool fessAreas = true;    // each goal area (targets near each other) follows the packing order on its own
    bool fessCornerAreas = true; // targets touching corner to corner join one area too
    int fessAreaReach = 2;    // targets this many cells apart (in both directions) join one area
    bool fessSources = true;  // its packing order takes boxes out to where boxes start (packing.h)
    bool fessContacts = false; // its features count boxes side by side, and parting them is advised
    bool fessRooms = false;   // its features count room links a box stands in, and clearing one is advised
    bool fessOneAdvice = false; // each connectivity advisor names one move per position, not every move it likes
    // Which feature searches move one box anywhere it can be pushed, not one push: bit 0 the
    // first (and one run alone), bit 1 the one counting boxes side by side, bit 2 the one packing
    // to any free cell. Measured: the two extra ones gain a level or so on the development sets;
    // the first loses a shipped level (a staircase of pockets) within ten seconds.
    int fessRelocations = 6;
    // Which feature searches count hotspots, boxes in another box's way (hotspots.h), as a
    // feature, moving one out of the way being advised: bits as for fessRelocations. Measured on
    // one core, sixty seconds, the 21 development levels not solved within ten, in two runs side
    // by side: the second alone 6 and 5 where none made 5 and 4 (one level more each time, the
    // same one); the third alone 5, all three 4; all three taking it as advice only, no feature,
    // 2 (a free move for every box it frees is too many free moves).
    int fessHotspots = 2;
    // The first moves whole boxes too on levels with at most this many boxes (0: never). Its
    // children grow with the boxes times the cells each can reach: on a staircase of 44 boxes in
    // pockets whole moves took 23 s where single pushes took 2. Measured on one core, ten seconds:
    // 19 of 50 development levels where single pushes solved 17, the other set at 27 either way.
    int fessFirstWholeUpTo = 30;
    bool goalMacros = false;  // the inexact searches take a box onto a goal room's due target in one move (goalroom.h)
    bool goalCut = true;      // and then try nothing else from that position, for a while:
    int goalCutDelay = 10;    // its other pushes come when they rank as if this many pushes later
};
Tuning& SearchTuning();

// For measuring techniques side by side without rebuilding: "name=value,name=value" sets the
// switches and weights named as in Tuning. Returns the names it did not know (empty: all taken).
std::string SetTuning(const std::string& settings, Tuning& tuning);

SearchOutcome SearchPushes(const Board& board, const Options& options, Clock::time_point started);

// One search of the fast mode's portfolio, run in turns of a few milliseconds.
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

class BackwardSearcher;

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
