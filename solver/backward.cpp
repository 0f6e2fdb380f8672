#include "solver/backward.h"

#include <algorithm>
#include <cassert>

namespace w4::solver {

BackwardSearcher::BackwardSearcher(const Board& board, const Options& options, Clock::time_point started, int weight,
                                   std::size_t budget, int weight2)
    : board_(board), options_(options), started_(started), boxCount_(static_cast<int>(board.boxes.size())), weight_(weight), weight2_(weight2),
      bound_(board, board.boxes, true), bound2_(bound_), zobrist_(board.CellCount()), reach_(board.CellCount()), childReach_(board.CellCount()),
      occupied_(static_cast<std::size_t>(board.CellCount()), 0),
      table_(boxCount_, budget > 2 * bound_.Bytes() ? budget - 2 * bound_.Bytes() : 0, board.CellCount()), child_(static_cast<std::size_t>(boxCount_))
{
    table_.SetCancel(options_.cancel);
}

std::uint64_t BackwardSearcher::Priority(int pulls, int bound, int weight) const
{
    const std::uint64_t f = std::uint64_t(pulls) + std::uint64_t(weight) * std::uint64_t(bound);
    return (f << 24) | std::uint64_t(bound);
}

namespace {
// Among equal keys the newest first, as in the forward searches: it keeps going deep.
template <class Entry> bool Later(const Entry& a, const Entry& b)
{
    return a.key > b.key || (a.key == b.key && a.order < b.order);
}
} // namespace

bool BackwardSearcher::Enqueue(std::vector<Entry>& open, std::uint64_t key, NodeId id)
{
    if (open.size() == open.capacity()) {
        const std::size_t bigger = std::max<std::size_t>(1024, open.capacity() * 2);
        if (!table_.WithinBudget(bigger * sizeof(Entry)))
            return false;
        open.reserve(bigger);
        table_.SetOtherBytes((open_.capacity() + open2_.capacity()) * sizeof(Entry));
    }
    open.push_back({key, id, order_});
    std::push_heap(open.begin(), open.end(), Later<Entry>);
    return true;
}

bool BackwardSearcher::Open(int pulls, int bound, NodeId id)
{
    ++order_;
    return Enqueue(open_, Priority(pulls, bound, weight_), id) && (weight2_ <= 0 || Enqueue(open2_, Priority(pulls, bound, weight2_), id));
}

void BackwardSearcher::Place(const Cell* boxes, std::uint8_t value)
{
    for (int i = 0; i < boxCount_; ++i)
        occupied_[boxes[i]] = value;
}

// The child's normalised keeper without a flood where the pull changes the keeper's area only by
// the two cells it touches: the area loses `to`, where the box now stands, and gains `from`,
// which it left. That holds when `from` opens onto nothing the keeper could not reach before
// and the cells round `to` stay joined without it. `occupied_` holds the child here.
Cell BackwardSearcher::PullKeeper(Cell parentKeeper, Cell from, Cell to, int dir)
{
    bool simple = parentKeeper != to;
    for (int d = 0; d < DirCount && simple; ++d) {
        const Cell c = board_.Next(from, d);
        if (c != NoCell && c != to && !occupied_[c] && !reach_.Reached(c))
            simple = false;
    }
    // With the ring round `to` unbroken, `from` lies on one run with the keeper's cell beyond
    // the box, so it has joined the area.
    if (simple && RingConnected(board_, occupied_.data(), to)) {
        const Cell keeper = std::min(parentKeeper, from);
        assert(keeper == childReach_.Flood(board_, occupied_.data(), from));
        return keeper;
    }
    return childReach_.Flood(board_, occupied_.data(), board_.Next(to, dir));
}

bool BackwardSearcher::TimeToStop(Outcome& why) const
{
    return MustStop(options_, started_, why);
}

// Each stored pull, undone, is a push; walking up to a solved end gives them in playing order.
void BackwardSearcher::AppendPushes(NodeId id, std::vector<Push>& pushes) const
{
    for (; table_.At(id).parent != NoNode; id = table_.At(id).parent) {
        const Node& node = table_.At(id);
        pushes.push_back({board_.Next(node.pushedFrom, node.dir), Opposite(node.dir)});
    }
}

bool BackwardSearcher::PushesToSolved(std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) const
{
    const NodeId id = table_.Find(hash, boxes, keeper);
    if (id == NoNode)
        return false;
    AppendPushes(id, pushes);
    return true;
}

// Stores a new position; true when the search has ended, with `ended` saying how: the start
// reached, a forward search met, or the budget gone.
bool BackwardSearcher::Add(const Node& node, std::uint64_t hash, const Cell* boxes, SearchOutcome& out, Expansion& ended)
{
    const NodeId added = table_.Add(node, boxes);
    if (added == NoNode) {
        ended = Expansion::OutOfMemory;
        return true;
    }
    const bool isStart = node.keeper == startKeeper_ && std::equal(boxes, boxes + boxCount_, board_.boxes.begin());
    joined_.clear();
    if (isStart || (forward_ && forward_(hash, boxes, node.keeper, joined_))) {
        out.outcome = Outcome::Solved;
        out.pushes = joined_;
        AppendPushes(added, out.pushes);
        ended = Expansion::Solved;
        return true;
    }
    if (!Open(node.pushes, node.bound, added)) {
        ended = Expansion::OutOfMemory;
        return true;
    }
    return false;
}

bool BackwardSearcher::Start(SearchOutcome& out)
{
    out.positions = 0;
    if (std::equal(board_.boxes.begin(), board_.boxes.end(), board_.targets.begin())) {
        out.outcome = Outcome::Solved;
        return true;
    }
    Place(board_.boxes.data(), 1);
    startKeeper_ = reach_.Flood(board_, occupied_.data(), board_.keeper);
    Place(board_.boxes.data(), 0);

    // Every area the keeper may end in, boxes on all targets, is a start of its own, as long as a
    // last push can have left the keeper there: a pull must be possible from it.
    const Cell* solved = board_.targets.data();
    const int bound = bound_.Matching(solved, boxCount_);
    if (bound >= Infinite) {
        out.outcome = Outcome::Unsolvable;   // some start box can reach no target
        return true;
    }
    Place(solved, 1);
    std::vector<std::uint8_t> seen(occupied_);
    for (Cell c = 0; c < board_.CellCount(); ++c) {
        if (seen[c])
            continue;
        const Cell keeper = reach_.Flood(board_, occupied_.data(), c);
        bool pullable = false;
        for (Cell at = 0; at < board_.CellCount(); ++at) {
            if (!reach_.Reached(at))
                continue;
            seen[at] = 1;
            for (int d = 0; d < DirCount; ++d) {
                const Cell box = board_.Next(at, Opposite(d));
                const Cell beyond = board_.Next(at, d);
                pullable |= box != NoCell && occupied_[box] && beyond != NoCell && !occupied_[beyond];
            }
        }
        if (!pullable)
            continue;
        Node node;
        node.keeper = keeper;
        const std::uint64_t hash = zobrist_.Of(solved, boxCount_, keeper);
        node.hash = static_cast<std::uint32_t>(hash);
        node.bound = static_cast<std::uint16_t>(std::min(bound, 0xFFFF));
        Expansion ended = Expansion::Continue;
        if (Add(node, hash, solved, out, ended)) {
            Place(solved, 0);
            if (ended == Expansion::OutOfMemory)
                out.outcome = Outcome::OutOfMemory;
            return true;
        }
    }
    Place(solved, 0);
    return false;
}

bool BackwardSearcher::Step(Clock::time_point sliceEnd, SearchOutcome& out)
{
    for (;;) {
        // Every position goes on both lists, so one list emptied means every position was expanded.
        const bool second = weight2_ > 0 && turn_;
        std::vector<Entry>& open = second ? open2_ : open_;
        if (open.empty()) {
            out.outcome = Outcome::Unsolvable;
            break;
        }
        std::pop_heap(open.begin(), open.end(), Later<Entry>);
        const NodeId id = open.back().id;
        open.pop_back();
        if (table_.At(id).closed)
            continue;   // expanded from the other list
        table_.At(id).closed = 1;
        turn_ = !turn_;
        ++expanded_;
        const Expansion e = Expand(id, second ? bound2_ : bound_, out);
        if (Ended(e, stop_, out))
            break;
        if (Clock::now() >= sliceEnd)
            return false;
    }
    out.positions = table_.Size();
    out.expanded = expanded_;
    return true;
}

Expansion BackwardSearcher::Expand(NodeId id, LowerBound& bound, SearchOutcome& out)
{
    if (TimeToStop(stop_))
        return Expansion::Stopped;
    const Node node = table_.At(id);
    const Cell* boxes = table_.Boxes(id);
    Place(boxes, 1);
    reach_.Flood(board_, occupied_.data(), node.keeper);
    // A pull: the keeper beside the box steps away from it and the box follows. The children's
    // floods overwrite the reach, so the pulls are listed first.
    pulls_.clear();
    for (int i = 0; i < boxCount_; ++i)
        for (int d = 0; d < DirCount; ++d) {
            const Cell to = board_.Next(boxes[i], d);
            if (to == NoCell || !reach_.Reached(to) || bound_.NearestDistance(to) >= Unreachable)
                continue;
            const Cell beyond = board_.Next(to, d);
            if (beyond != NoCell && !occupied_[beyond])
                pulls_.push_back({boxes[i], d});
        }
    const std::uint64_t boxHash = zobrist_.Of(boxes, boxCount_, node.keeper) ^ zobrist_.Keeper(node.keeper);
    bool matched = false;
    Expansion ended = Expansion::Continue;
    for (const Push& pull : pulls_) {
        const Cell to = board_.Next(pull.from, pull.dir);
        occupied_[pull.from] = 0;
        occupied_[to] = 1;
        const Cell keeper = PullKeeper(node.keeper, pull.from, to, pull.dir);
        occupied_[pull.from] = 1;
        occupied_[to] = 0;

        MoveBox(boxes, boxCount_, pull.from, to, child_.data());
        const std::uint64_t hash = boxHash ^ zobrist_.Box(pull.from) ^ zobrist_.Box(to) ^ zobrist_.Keeper(keeper);
        if (table_.Find(hash, child_.data(), keeper) != NoNode)
            continue;
        if (!matched) {
            bound.Matching(boxes, boxCount_);
            matched = true;
        }
        const int row = static_cast<int>(std::lower_bound(boxes, boxes + boxCount_, pull.from) - boxes);
        const int cost = bound.AfterMove(boxes, row, to);
        if (cost >= Infinite)
            continue;   // the boxes can no longer all get back to start cells of their own
        Node next;
        next.hash = static_cast<std::uint32_t>(hash);
        next.parent = id;
        next.keeper = keeper;
        next.pushedFrom = pull.from;
        next.dir = static_cast<std::uint8_t>(pull.dir);
        next.pushes = static_cast<std::uint16_t>(std::min(node.pushes + 1, 0xFFFF));
        next.bound = static_cast<std::uint16_t>(std::min(cost, 0xFFFF));
        if (Add(next, hash, child_.data(), out, ended))
            break;
        if (TimeToStop(stop_)) {
            ended = Expansion::Stopped;
            break;
        }
    }
    Place(boxes, 0);
    return ended;
}

SearchOutcome SearchBackward(const Board& board, const Options& options, Clock::time_point started, int weight, int weight2)
{
    BackwardSearcher searcher(board, options, started, weight, options.memoryBudgetBytes, weight2);
    SearchOutcome out;
    if (!searcher.Start(out))
        while (!searcher.Step(Clock::now() + std::chrono::milliseconds(50), out)) {
        }
    out.positions = searcher.Positions();
    out.expanded = searcher.Expanded();
    return out;
}

} // namespace w4::solver
