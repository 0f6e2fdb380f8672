#include "solver/search.h"

#include "solver/backward.h"
#include "solver/corral.h"
#include "solver/deadlocks.h"
#include "solver/goalroom.h"
#include "solver/lowerbound.h"
#include "solver/table.h"
#include "solver/tuning.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <cassert>
#include <cstdint>
#include <memory>

namespace w4::solver {

Cell Reach::Flood(const Board& board, const std::uint8_t* occupied, Cell from)
{
    if (++current_ == 0) {
        std::fill(stamp_.begin(), stamp_.end(), 0);
        current_ = 1;
    }
    std::size_t head = 0, tail = 0;
    queue_[tail++] = from;
    stamp_[from] = current_;
    Cell smallest = from;
    while (head < tail) {
        const Cell at = queue_[head++];
        for (int d = 0; d < DirCount; ++d) {
            const Cell next = board.Next(at, d);
            if (next == NoCell || occupied[next] || stamp_[next] == current_)
                continue;
            stamp_[next] = current_;
            queue_[tail++] = next;
            smallest = std::min(smallest, next);
        }
    }
    count_ = static_cast<int>(tail);
    return smallest;
}

bool Ended(Expansion e, Outcome stop, SearchOutcome& out)
{
    switch (e) {
    case Expansion::Continue:
        return false;
    case Expansion::OutOfMemory:
        out.outcome = Outcome::OutOfMemory;
        break;
    case Expansion::Stopped:
        out.outcome = stop;
        break;
    case Expansion::Solved:
        break;
    }
    return true;
}

void MoveBox(const Cell* boxes, int count, Cell from, Cell to, Cell* out)
{
    std::copy(boxes, boxes + count, out);
    Cell* slot = std::find(out, out + count, from);
    *slot = to;
    for (; slot != out && *(slot - 1) > *slot; --slot)
        std::iter_swap(slot, slot - 1);
    for (; slot + 1 != out + count && *(slot + 1) < *slot; ++slot)
        std::iter_swap(slot, slot + 1);
}

namespace {
// On the threads of a two-thread search, the caller's cancel flag, watched beside the group's own
// stop flag: passed on by the watching thread instead, a cancel would wait for that thread's turn
// on a core and then for the workers', which on a busy machine takes longer than a cancel may.
thread_local const std::atomic<bool>* callerCancel = nullptr;
} // namespace

namespace {
std::atomic<std::clock_t> cpuStarted{0};
} // namespace

void StartProcessorClock()
{
    cpuStarted.store(std::clock(), std::memory_order_relaxed);
}

void WatchCallerCancel(const std::atomic<bool>* cancel)
{
    callerCancel = cancel;
}

bool MustStop(const Options& options, Clock::time_point started, Outcome& why)
{
    if ((options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) ||
        (callerCancel != nullptr && callerCancel->load(std::memory_order_relaxed))) {
        why = Outcome::Cancelled;
        return true;
    }
    const double spent = SearchTuning().cpuClock ? static_cast<double>(std::clock() - cpuStarted.load(std::memory_order_relaxed)) / CLOCKS_PER_SEC
                                                 : std::chrono::duration<double>(Clock::now() - started).count();
    if (spent >= options.timeLimitSeconds) {
        why = Outcome::OutOfTime;
        return true;
    }
    return false;
}

// Whether the free cells beside `to` stay connected to each other around it once a box stands
// there: walking the eight cells around it, consecutive ones touch, so the free side cells are
// joined when they all lie on one unbroken run of free cells.
bool RingConnected(const Board& board, const std::uint8_t* occupied, Cell to)
{
    const int x = board.cellX[to], y = board.cellY[to];
    static constexpr int RingX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int RingY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    bool free[8];
    for (int k = 0; k < 8; ++k) {
        const int cx = x + RingX[k], cy = y + RingY[k];
        int cell = -1;
        if (cx >= 0 && cy >= 0 && cx < board.width && cy < board.height)
            cell = board.cellOfGrid[static_cast<std::size_t>(cy * board.width + cx)];
        free[k] = cell >= 0 && !occupied[static_cast<std::size_t>(cell)];
    }
    int runsWithSide = 0;
    int start = 0;
    while (start < 8 && free[start])
        ++start;
    if (start == 8)
        return true;   // all free: one ring
    // Walk once round from a blocked cell, counting the runs that hold a side cell (even k).
    bool inRun = false, runHasSide = false;
    for (int step = 1; step <= 8; ++step) {
        const int k = (start + step) % 8;
        if (free[k]) {
            if (!inRun) {
                inRun = true;
                runHasSide = false;
            }
            runHasSide |= k % 2 == 0;
        } else if (inRun) {
            inRun = false;
            runsWithSide += runHasSide;
        }
    }
    return runsWithSide <= 1;
}

namespace {

// The open list: a binary heap of (priority, node), its memory counted against the budget.
class OpenList {
public:
    // Eight bytes an entry, as there is about one per stored position. Among equal keys the
    // newest node first (ids grow as nodes are stored): the search keeps going deep.
    struct Entry {
        std::uint32_t key;
        NodeId id;
    };
    bool Empty() const { return heap_.empty(); }
    std::size_t Bytes() const { return heap_.capacity() * sizeof(Entry); }
    // False when growing would pass the budget. `otherBytes`: what else the table's budget pays for.
    bool Push(std::uint32_t key, NodeId id, PositionTable& table, std::size_t otherBytes)
    {
        if (heap_.size() == heap_.capacity()) {
            const std::size_t bigger = std::max<std::size_t>(1024, heap_.capacity() * 2);
            if (!table.WithinBudget(bigger * sizeof(Entry)))
                return false;
            heap_.reserve(bigger);
            table.SetOtherBytes(Bytes() + otherBytes);
        }
        heap_.push_back({key, id});
        std::push_heap(heap_.begin(), heap_.end(), Later);
        return true;
    }
    NodeId Pop()
    {
        std::pop_heap(heap_.begin(), heap_.end(), Later);
        const NodeId id = heap_.back().id;
        heap_.pop_back();
        return id;
    }

private:
    static bool Later(const Entry& a, const Entry& b) { return a.key > b.key || (a.key == b.key && a.id < b.id); }
    std::vector<Entry> heap_;
};

// What is left of the budget for the position table once the fixed tables are paid for.
std::size_t TableBudget(std::size_t budget, std::size_t fixed)
{
    return budget > fixed ? budget - fixed : 0;
}

class Searcher : public SearchMember {
public:
    Searcher(const Board& board, const Options& options, Clock::time_point started, const Tuning& tuning, bool optimal,
             std::size_t budget, bool tunnels = false)
        : tunnels_(tunnels), board_(board), options_(options), started_(started), boxCount_(static_cast<int>(board.boxes.size())),
          dead_(DeadSquares(board)), freeze_(board, dead_), frozenTargets_(board, freeze_, budget / 64), corrals_(board, dead_), bound_(board), tuning_(tuning),
          optimal_(optimal), zobrist_(board.CellCount()), reach_(board.CellCount()), childReach_(board.CellCount()),
          occupied_(static_cast<std::size_t>(board.CellCount()), 0),
          table_(boxCount_, TableBudget(budget, bound_.Bytes() + frozenTargets_.Bytes() + (tuning.corrals && tuning.corralSearch ? CorralDeadlockSearch::Bytes() : 0)), board.CellCount()), child_(static_cast<std::size_t>(boxCount_))
    {
        corrals_.SearchDeadlocks(tuning.corrals && tuning.corralSearch);
        corrals_.LearnPatterns(tuning.corralPatterns);
        table_.SetCancel(options_.cancel);
        if (tunnels_ && tuning_.goalMacros) {
            goalMacros_ = std::make_unique<GoalMacros>(board);
            if (!goalMacros_->Any())
                goalMacros_.reset();
        }
    }

    bool Start(SearchOutcome& out) override;
    bool Step(Clock::time_point sliceEnd, SearchOutcome& out) override;
    std::size_t Positions() const override { return table_.Size(); }
    std::uint64_t Expanded() const override { return expanded_; }
    // Tunnel macros skip positions, so an emptied open list proves nothing for this search.
    bool Complete() const override { return !tunnels_; }
    void AddBudget(std::size_t bytes) override { table_.AddBudget(bytes); }
    const bool tunnels_;
    void MeetBackward(const BackwardSearcher* backward) override { backward_ = backward; }
    bool PushesTo(std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) const override
    {
        return routes_.PathToStored(table_, board_, hash, boxes, keeper, pushes);
    }

private:
    // With `macros` false the goal macros are left out (the pushes a cut put off).
    Expansion Expand(NodeId id, SearchOutcome& out, bool macros = true);
    static constexpr std::uint8_t PutOff = 2;   // Node::closed of a node the goal cut put off
    std::uint32_t Priority(int pushes, int bound) const;
    bool StartIsLost();
    bool TimeToStop(Outcome& why);
    void Place(const Cell* boxes, std::uint8_t value);
    std::vector<Push> PathTo(NodeId id) const { return routes_.PathTo(table_, board_, id); }
    Cell ChildKeeper(Cell parentKeeper, Cell from, Cell to, int dir);
    bool Walled(Cell at, int dir) const;
    Cell TunnelEnd(Cell to, int dir, int& run) const;
    bool GoalCorridor(Cell at, int dir) const;

    const Board& board_;
    const Options& options_;
    Clock::time_point started_;
    int boxCount_;
    std::vector<std::uint8_t> dead_;
    FreezeCheck freeze_;
    FrozenTargetCheck frozenTargets_;
    CorralPruner corrals_;
    LowerBound bound_;
    Tuning tuning_;
    bool optimal_;
    Zobrist zobrist_;
    Reach reach_;        // the expanded position's keeper reach, kept while its children are made
    Reach childReach_;   // floods for the children
    std::vector<std::uint8_t> occupied_;
    PositionTable table_;
    OpenList open_;
    std::vector<Push> pushes_;
    std::vector<Cell> child_;
    Outcome stop_ = Outcome::Unsolvable;
    std::uint64_t expanded_ = 0;
    const BackwardSearcher* backward_ = nullptr;
    std::unique_ptr<GoalMacros> goalMacros_;      // inexact searches on boards with goal rooms
    std::vector<std::vector<Push>> macros_;       // the expanded position's goal macros
    MacroRoutes routes_;                          // the pushes of the nodes reached by a goal macro
};

// A* orders by pushes + bound, ties to the smaller bound (deeper). The fast mode leans on the
// bound: weighted A*, which finds solutions far sooner on hard levels at the cost of optimality.
// Both halves are capped at 16 bits, as the nodes' push counts and bounds are.
std::uint32_t Searcher::Priority(int pushes, int bound) const
{
    const std::uint64_t f = optimal_ ? std::uint64_t(pushes) + std::uint64_t(bound)
                                     : std::uint64_t(pushes) + std::uint64_t(tuning_.weight) * std::uint64_t(bound);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(f, 0xFFFF) << 16 | std::min<std::uint64_t>(std::uint64_t(bound), 0xFFFF));
}

void Searcher::Place(const Cell* boxes, std::uint8_t value)
{
    for (int i = 0; i < boxCount_; ++i)
        occupied_[boxes[i]] = value;
}

bool Searcher::StartIsLost()
{
    Place(board_.boxes.data(), 1);
    bool lost = false;
    for (Cell box : board_.boxes)
        if (dead_[box] || freeze_.FrozenOffTarget(occupied_.data(), box))
            lost = true;
    Place(board_.boxes.data(), 0);
    return lost;
}

bool Searcher::TimeToStop(Outcome& why)
{
    return MustStop(options_, started_, why);
}


// The child's normalised keeper without a flood where the push cannot change the reach but for
// the two cells it touches: the keeper's area loses `to`, gains `from`, and nothing else joins
// or splits off. Otherwise, and when the smallest cell is the one lost, a flood decides.
Cell Searcher::ChildKeeper(Cell parentKeeper, Cell from, Cell to, int dir)
{
    // `occupied_` holds the child here: `from` free, `to` taken.
    bool simple = parentKeeper != to;
    for (int side : {(dir + 1) % DirCount, (dir + 3) % DirCount}) {
        const Cell c = board_.Next(from, side);
        if (c != NoCell && !occupied_[c] && !reach_.Reached(c))
            simple = false;   // the keeper may walk on into a region it could not reach before
    }
    if (simple && reach_.Reached(to))
        simple = RingConnected(board_, occupied_.data(), to);
    Cell keeper;
    if (simple) {
        keeper = std::min(parentKeeper, from);
#ifndef NDEBUG
        assert(keeper == childReach_.Flood(board_, occupied_.data(), from));
#endif
    } else {
        keeper = childReach_.Flood(board_, occupied_.data(), from);
    }
    return keeper;
}

// Walls on both sides of `at` across the direction `dir`: a one-wide passage.
bool Searcher::Walled(Cell at, int dir) const
{
    return board_.Next(at, (dir + 1) % DirCount) == NoCell && board_.Next(at, (dir + 3) % DirCount) == NoCell;
}

// From `at` on in the direction `dir`: a one-wide passage of targets only, closed at its end.
bool Searcher::GoalCorridor(Cell at, int dir) const
{
    for (Cell c = at; c != NoCell; c = board_.Next(c, dir))
        if (!board_.isTarget[c] || !Walled(c, dir))
            return false;
    return true;
}

// A box pushed into a one-wide tunnel goes on to its far end: the keeper, behind it, can do
// nothing else there but push again or turn back. It stops on a target, where the passage
// widens, or before a box or a dead square. Returns the end cell; `run` counts the pushes.
Cell Searcher::TunnelEnd(Cell to, int dir, int& run) const
{
    run = 1;
    Cell at = to;
    if (GoalCorridor(to, dir)) {
        // A dead-end passage of targets fills from its far end: a box left short of the deepest
        // free target shuts the ones behind it.
        for (Cell next = board_.Next(at, dir); next != NoCell && !occupied_[next] && run < 0xFF; next = board_.Next(at, dir)) {
            at = next;
            ++run;
        }
        return at;
    }
    while (run < 0xFF && !board_.isTarget[at] && Walled(at, dir)) {
        const Cell next = board_.Next(at, dir);
        if (next == NoCell || occupied_[next] || dead_[next])
            break;
        at = next;
        ++run;
    }
    return at;
}

bool Searcher::Start(SearchOutcome& out)
{
    const Cell* startBoxes = board_.boxes.data();
    const int startBound = bound_.Matching(startBoxes, boxCount_);
    if (startBound >= Infinite || StartIsLost()) {
        out.outcome = Outcome::Unsolvable;
        return true;
    }
    if (startBound == 0) {
        out.outcome = Outcome::Solved;
        return true;
    }
    const int bound = tuning_.matching ? startBound : bound_.Nearest(startBoxes, boxCount_);
    Node start;
    Place(startBoxes, 1);
    start.keeper = reach_.Flood(board_, occupied_.data(), board_.keeper);
    Place(startBoxes, 0);
    start.hash = static_cast<std::uint32_t>(zobrist_.Of(startBoxes, boxCount_, start.keeper));
    start.bound = static_cast<std::uint16_t>(std::min(bound, 0xFFFF));
    const NodeId root = table_.Add(start, startBoxes);
    if (root == NoNode || !open_.Push(Priority(0, bound), root, table_, routes_.Bytes())) {
        out.outcome = Outcome::OutOfMemory;
        return true;
    }
    return false;
}

bool Searcher::Step(Clock::time_point sliceEnd, SearchOutcome& out)
{
    for (;;) {
        if (open_.Empty()) {
            out.outcome = Outcome::Unsolvable;   // every reachable position was seen: proven
            break;
        }
        const NodeId id = open_.Pop();
        // A node the goal cut put off comes back for its other pushes.
        const bool putOff = table_.At(id).closed == PutOff;
        if (table_.At(id).closed && !putOff)
            continue;   // a stale entry: the node was reached again more cheaply and expanded
        table_.At(id).closed = 1;
        ++expanded_;
        const Expansion e = Expand(id, out, !putOff);
        if (Ended(e, stop_, out))
            break;
        if (Clock::now() >= sliceEnd)
            return false;
    }
    out.positions = table_.Size();
    out.expanded = expanded_;
    return true;
}

Expansion Searcher::Expand(NodeId id, SearchOutcome& out, bool macros)
{
    if (TimeToStop(stop_))
        return Expansion::Stopped;
    std::vector<Cell>& child = child_;
    const Node node = table_.At(id);
    const Cell* boxes = table_.Boxes(id);
    std::copy(boxes, boxes + boxCount_, child.begin());
    Place(child.data(), 1);
    reach_.Flood(board_, occupied_.data(), node.keeper);
    const CorralPruner::Verdict corral = tuning_.corrals ? corrals_.Examine(occupied_.data(), reach_) : CorralPruner::Verdict::None;
    if (corral == CorralPruner::Verdict::Deadlock) {
        Place(boxes, 0);
        return Expansion::Continue;
    }
    // The keeper's reach is overwritten by the children's floods, so keep which pushes exist.
    pushes_.clear();
    std::vector<Push>& pushes = pushes_;
    for (int i = 0; i < boxCount_; ++i)
        for (int d = 0; d < DirCount; ++d) {
            const Cell from = child[static_cast<std::size_t>(i)];
            if (corral == CorralPruner::Verdict::Prune && !corrals_.Fence(from))
                break;
            const Cell to = board_.Next(from, d);
            const Cell behind = board_.Next(from, Opposite(d));
            if (to == NoCell || behind == NoCell || occupied_[to] || dead_[to] || !reach_.Reached(behind))
                continue;
            pushes.push_back({from, d});
        }
    macros_.clear();
    if (goalMacros_ && macros)
        goalMacros_->Generate(occupied_.data(), reach_, pushes, macros_);
    const std::uint64_t boxHash = zobrist_.Of(boxes, boxCount_, node.keeper) ^ zobrist_.Keeper(node.keeper);
    bool failed = false;
    bool matched = false;   // the parent's matching is computed once, when a child needs it
    // The goal macros first, then the single pushes. Under the goal cut the pushes are left out
    // once a macro has brought a new, live position; a macro that only led to a lost or known
    // one leaves this position its pushes, so the search does not end there.
    bool macroLed = false;
    for (std::size_t move = 0; move < macros_.size() + pushes.size(); ++move) {
        if (move == macros_.size() && macroLed && tuning_.goalCut) {
            // The cut is a guess: the macro may run into a deadlock that no check here sees.
            // The node comes back for its other pushes once the macro's line has cost more.
            table_.At(id).closed = PutOff;
            if (!open_.Push(Priority(node.pushes + tuning_.goalCutDelay, node.bound), id, table_, routes_.Bytes()))
                failed = true;
            break;
        }
        const std::vector<Push>* macro = move < macros_.size() ? &macros_[move] : nullptr;
        const Push push = macro ? macro->front() : pushes[move - macros_.size()];
        int run = 1;
        int length = 1;   // pushes made
        Cell to = board_.Next(push.from, push.dir);
        Cell keeperAt = push.from;   // where the keeper stands after the last push
        if (macro && macro->size() > 1) {
            run = 0;   // a route with turns: its pushes go to routes_
            length = static_cast<int>(macro->size());
            keeperAt = macro->back().from;
            to = board_.Next(keeperAt, macro->back().dir);
        } else if (tunnels_) {
            to = TunnelEnd(to, push.dir, run);
            length = run;
            keeperAt = board_.Next(to, Opposite(push.dir));
        }
        occupied_[push.from] = 0;
        occupied_[to] = 1;
        const bool frozen = freeze_.PushFreezes(occupied_.data(), to);
        Cell keeper = NoCell;
        if (!frozen)
            keeper = run == 1 ? ChildKeeper(node.keeper, push.from, to, push.dir) : childReach_.Flood(board_, occupied_.data(), keeperAt);
        occupied_[push.from] = 1;
        occupied_[to] = 0;
        if (frozen)
            continue;

        MoveBox(boxes, boxCount_, push.from, to, child.data());
        const std::uint64_t hash = boxHash ^ zobrist_.Box(push.from) ^ zobrist_.Box(to) ^ zobrist_.Keeper(keeper);
        const int pushesSoFar = node.pushes + length;
        const NodeId known = table_.Find(hash, child.data(), keeper);
        if (known != NoNode) {
            Node& seen = table_.At(known);
            // A macro's pushes are stored with its own node only: a known position keeps its way.
            if (seen.pushes > pushesSoFar && seen.bound < 0xFFFF && run > 0) {
                // A shorter way to a known position: take it. Only A* needs the reopening,
                // and with a consistent bound it never reopens a closed node.
                seen.parent = id;
                seen.pushes = static_cast<std::uint16_t>(pushesSoFar);
                seen.pushedFrom = push.from;
                seen.dir = static_cast<std::uint8_t>(push.dir);
                seen.run = static_cast<std::uint8_t>(run);
                if (!seen.closed && !open_.Push(Priority(pushesSoFar, seen.bound), known, table_, routes_.Bytes())) {
                    failed = true;
                    break;
                }
            }
            continue;
        }
        int bound;
        bool shut = false;
        if (tuning_.frozenTargets && board_.isTarget[to]) {
            occupied_[push.from] = 0;
            occupied_[to] = 1;
            shut = freeze_.NeverMoves(occupied_.data(), to) && frozenTargets_.ShutsTargets(occupied_.data(), child.data(), boxCount_);
            occupied_[push.from] = 1;
            occupied_[to] = 0;
        }
        if (shut) {
            bound = Infinite;
        } else if (tuning_.matching) {
            if (!matched) {
                bound_.Matching(boxes, boxCount_);
                matched = true;
            }
            const int row = static_cast<int>(std::lower_bound(boxes, boxes + boxCount_, push.from) - boxes);
            bound = bound_.AfterMove(boxes, row, to);
        } else {
            bound = bound_.Nearest(child.data(), boxCount_);
        }
        Node next;
        next.hash = static_cast<std::uint32_t>(hash);
        next.parent = id;
        next.keeper = keeper;
        next.pushedFrom = push.from;
        next.dir = static_cast<std::uint8_t>(push.dir);
        next.run = static_cast<std::uint8_t>(run);
        next.pushes = static_cast<std::uint16_t>(std::min(pushesSoFar, 0xFFFF));
        next.bound = static_cast<std::uint16_t>(std::min(bound, 0xFFFF));
        // Lost positions are stored too, closed, so meeting them again costs one look-up.
        next.closed = bound >= Infinite;
        if (run == 0 && !table_.WithinBudget(MacroRoutes::Cost(macro->size()))) {
            failed = true;
            break;
        }
        const NodeId added = table_.Add(next, child.data());
        if (added == NoNode) {
            failed = true;
            break;
        }
        if (run == 0) {
            routes_.Keep(added, *macro);
            table_.SetOtherBytes(open_.Bytes() + routes_.Bytes());
        }
        std::vector<Push> rest;
        if (bound == 0 || (backward_ && backward_->PushesToSolved(hash, child.data(), keeper, rest))) {
            Place(boxes, 0);
            out.outcome = Outcome::Solved;
            out.pushes = PathTo(added);
            out.pushes.insert(out.pushes.end(), rest.begin(), rest.end());
            return Expansion::Solved;
        }
        if (!next.closed && !open_.Push(Priority(pushesSoFar, bound), added, table_, routes_.Bytes())) {
            failed = true;
            break;
        }
        macroLed |= macro != nullptr && !next.closed;
        if (TimeToStop(stop_)) {
            Place(boxes, 0);
            return Expansion::Stopped;
        }
    }
    Place(boxes, 0);
    return failed ? Expansion::OutOfMemory : Expansion::Continue;
}
} // namespace

std::unique_ptr<SearchMember> MakePushSearch(const Board& board, const Options& options, Clock::time_point started, const Tuning& tuning,
                                             bool optimal, std::size_t budgetBytes, bool tunnels)
{
    return std::make_unique<Searcher>(board, options, started, tuning, optimal, budgetBytes, tunnels);
}

} // namespace w4::solver
