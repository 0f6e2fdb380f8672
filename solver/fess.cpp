#include "solver/fess.h"

#include "solver/backward.h"
#include "solver/corral.h"
#include "solver/corraldeadlock.h"
#include "solver/deadlocks.h"
#include "solver/goalroom.h"
#include "solver/hotspots.h"
#include "solver/lowerbound.h"
#include "solver/macro.h"
#include "solver/packing.h"
#include "solver/table.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <unordered_map>

namespace w4::solver {

namespace {

class FeatureSearch final : public SearchMember {
public:
    FeatureSearch(const Board& board, const Options& options, Clock::time_point started, std::size_t budget, const Tuning& tuning)
        : board_(board), options_(options), started_(started), boxCount_(static_cast<int>(board.boxes.size())), dead_(DeadSquares(board)),
          freeze_(board, dead_), frozenTargets_(board, freeze_, budget / 64), corrals_(board, dead_), bound_(board), packing_(tuning.fessPlan ? ComputePackingPlan(board, tuning.fessSources, options.cancel) : ComputePackingOrder(board, tuning.fessSources, options.cancel)),
          zobrist_(board.CellCount()), reach_(board.CellCount()), occupied_(static_cast<std::size_t>(board.CellCount()), 0),
          targetOf_(static_cast<std::size_t>(board.CellCount()), -1), region_(static_cast<std::size_t>(board.CellCount()), 0),
          parentRegion_(region_),
          queue_(static_cast<std::size_t>(board.CellCount())), child_(static_cast<std::size_t>(boxCount_)),
          hotspots_((tuning.fessHotspots & 1) != 0 ? std::make_unique<HotspotTable>(board, dead_) : nullptr),
          router_(board),
          table_(boxCount_, Remaining(budget, bound_.Bytes() + frozenTargets_.Bytes() + (hotspots_ ? hotspots_->Bytes() : 0)
                                                  + (tuning.corrals && tuning.corralSearch ? CorralDeadlockSearch::Bytes() : 0)), board.CellCount()),
          corralsOn_(tuning.corrals), boxMoves_(tuning.fessBoxMoves), contactsOn_(tuning.fessContacts), oneAdvice_(tuning.fessOneAdvice), cellsMode_(tuning.fessCells),
          macroTargets_(tuning.fessMacroTargets), relocations_((tuning.fessRelocations & 1) != 0), planAdvice_(tuning.fessPlanAdvice)
    {
        if (relocations_) {
            const auto states = static_cast<std::size_t>(board.CellCount()) * DirCount;
            moveSeen_.assign(states, 0);
            moveCovered_.assign(states, 0);
            moveParent_.assign(states, 0);
            moveSides_.assign(states, 0);
            moveKnown_.assign(states, 0);
            moveQueue_.assign(states, 0);
            sideStamp_.assign(static_cast<std::size_t>(board.CellCount()), 0);
        }
        if (tuning.fessRooms)
            FindRoomLinks();
        corrals_.SearchDeadlocks(tuning.corrals && tuning.corralSearch);
        corrals_.LearnPatterns(tuning.corralPatterns && tuning.fessPatterns);
        table_.SetCancel(options_.cancel);
        for (std::size_t t = 0; t < board.targets.size(); ++t)
            targetOf_[board.targets[t]] = static_cast<int>(t);
        FindGoalAreas(tuning.fessAreas, tuning.fessCornerAreas, tuning.fessAreaReach);
        parkingOf_.assign(static_cast<std::size_t>(board.CellCount()), -1);
        for (std::size_t t = 0; t < packing_.parking.size(); ++t)
            if (packing_.parking[t] != NoCell) {
                parkingOf_[packing_.parking[t]] = static_cast<int>(t);
                parkings_.push_back(static_cast<int>(t));
            }
        for (std::size_t c = 0; tuning.fessOutOfPlan && c < packing_.sinkRoom.size(); ++c)
            if (packing_.sinkRoom[c])
                sinkCells_.push_back(static_cast<Cell>(c));
    }

    bool Start(SearchOutcome& out) override;
    FeatureVector FeaturesOf(const std::vector<Cell>& boxes, Cell keeper)
    {
        Place(boxes.data(), 1);
        Cell area = NoCell;
        const Features f = Measure(keeper, area);
        Place(boxes.data(), 0);
        return {f.packed, f.outOfPlan, f.regions, f.contacts, f.rooms, HotspotsOf(boxes.data())};
    }
    bool Step(Clock::time_point sliceEnd, SearchOutcome& out) override;
    // The positions waiting in the cells, each as the box moved from the start (for tests, after
    // the start alone was expanded).
    std::vector<FirstChild> Waiting() const
    {
        std::vector<FirstChild> children;
        const std::vector<Cell> start(table_.Boxes(0), table_.Boxes(0) + boxCount_);
        for (std::size_t c = 0; c < cells_.size(); ++c)
            for (const Entry& entry : cells_[c]) {
                const Node& node = table_.At(entry.Id());
                if (node.parent != 0)
                    continue;
                const Cell* boxes = table_.Boxes(entry.Id());
                FirstChild child;
                child.from = node.pushedFrom;
                child.to = node.pushedFrom;
                for (int i = 0; i < boxCount_; ++i)
                    if (!std::binary_search(start.begin(), start.end(), boxes[i]))
                        child.to = boxes[i];
                child.weight = static_cast<int>(entry.Weight(cellsMode_ > 0));
                child.cell = c;
                children.push_back(child);
            }
        return children;
    }
    std::size_t Positions() const override { return table_.Size(); }
    std::uint64_t Expanded() const override { return expanded_; }
    bool Complete() const override { return false; }
    void AddBudget(std::size_t bytes) override { table_.AddBudget(bytes); }
    void MeetBackward(const BackwardSearcher* backward) override { backward_ = backward; }
    bool PushesTo(std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) const override
    {
        const NodeId id = table_.Find(hash, boxes, keeper);
        if (id == NoNode)
            return false;
        pushes = PathTo(id);
        return true;
    }

private:
    // An open-list entry in eight bytes: weight, then bound, so the lightest comes first, then
    // the closest. With the published cells (`Tuning::fessCells`) the features left out of the
    // key break ties before the bound: fewer hotspots, then fewer boxes side by side.
    struct Entry {
        std::uint32_t key;
        NodeId id;
        static Entry Of(std::uint32_t weight, int bound, NodeId id)
        {
            return {std::min<std::uint32_t>(weight, 0xFFFF) << 16 | static_cast<std::uint32_t>(std::clamp(bound, 0, 0xFFFF)), id};
        }
        static Entry Tied(std::uint32_t weight, int hotspots, int contacts, int bound, NodeId id)
        {
            return {std::min<std::uint32_t>(weight, 0x3FFF) << 18 | static_cast<std::uint32_t>(std::clamp(hotspots, 0, 15)) << 14
                        | static_cast<std::uint32_t>(std::clamp(contacts, 0, 15)) << 10 | static_cast<std::uint32_t>(std::clamp(bound, 0, 0x3FF)),
                    id};
        }
        std::uint32_t Weight(bool tied) const { return key >> (tied ? 18 : 16); }
        NodeId Id() const { return id; }
    };
    using Features = FeatureVector;
    // Whether the plan wants target t's box on its parking cell now: the target empty, and the
    // rounds deeper than the box's wait filled (`due` per goal area).
    bool ParkingDue(int t, const int* due) const
    {
        const auto ut = static_cast<std::size_t>(t);
        return !occupied_[board_.targets[ut]] && due[area_[ut]] <= packing_.parkedFrom[ut];
    }
    int HotspotsOf(const Cell* boxes) const { return hotspots_ ? hotspots_->Count(boxes, boxCount_) : 0; }

    void Place(const Cell* boxes, std::uint8_t value);
    Features Measure(Cell keeperAt, Cell& keeperArea, bool keep = false);
    void MeasurePacking(Features& f, int* due);
    void FindGoalAreas(bool split, bool corners, int reach);
    bool MeasureChild(Cell from, Cell to, const Features& parent, Features& f, Cell& keeperArea);
    int ContactsOf(Cell box) const;
    void FindRoomLinks();
    int BlockedLinks() const;
    bool TimeToStop();
    // The heaps and the feature cells share the table's budget.
    void CountOtherBytes()
    {
        table_.SetOtherBytes(heapBytes_ + cells_.capacity() * sizeof(std::vector<Entry>) + cellFeatures_.capacity() * sizeof(Features)
                             + cellOf_.size() * RouteOverhead);
    }
    bool Queue(const Features& f, std::uint32_t weight, int bound, NodeId id);
    Expansion Expand(NodeId id, std::uint32_t weight, SearchOutcome& out);
    Expansion AddChild(NodeId id, const Node& parent, const Cell* boxes, const Features& here, const std::vector<Push>& route,
                       std::uint32_t weight, SearchOutcome& out);
    Expansion Advise(const Features& here, std::uint32_t weight);
    Expansion Relocate(NodeId id, const Node& parent, const Cell* boxes, const Features& here, Cell from, std::uint32_t weight,
                       SearchOutcome& out);
    int SidesReached(Cell box, Cell keeper);
    // Whether the keeper (its reach in `reach_`) can push the box on `from` one cell toward `d`.
    bool CanPush(Cell from, int d) const
    {
        const Cell to = board_.Next(from, d);
        const Cell behind = board_.Next(from, Opposite(d));
        return to != NoCell && behind != NoCell && !occupied_[to] && !dead_[to] && reach_.Reached(behind);
    }

    // The pushes from the start to `id`. A move of turns is not stored but found again when read
    // (for a solution or a meeting): kept, its pushes took more memory than the position itself.
    std::vector<Push> PathTo(NodeId id) const;
    std::vector<Push> RouteTo(NodeId id) const;
    Cell MovedTo(NodeId id) const;

    const Board& board_;
    const Options& options_;
    Clock::time_point started_;
    int boxCount_;
    std::vector<std::uint8_t> dead_;
    FreezeCheck freeze_;
    FrozenTargetCheck frozenTargets_;
    CorralPruner corrals_;
    LowerBound bound_;
    PackingOrder packing_;
    Zobrist zobrist_;
    Reach reach_;
    std::vector<std::uint8_t> occupied_;
    std::vector<int> targetOf_;
    std::vector<int> area_;         // per target: its goal area
    int areas_ = 1;
    std::vector<int> parentDue_;    // per goal area: the round due in the expanded position
    std::vector<int> childDue_;     // the same for a child, while it is measured
    std::vector<std::uint32_t> region_;   // region stamp per free cell, for Measure
    std::uint32_t regionBase_ = 0;
    std::vector<std::uint32_t> parentRegion_;   // the expanded position's labelling, kept for its children
    std::uint32_t parentBase_ = 0;
    std::uint32_t parentLabels_ = 0;            // its labels start above this
    std::vector<Cell> labelMin_;                 // per label: the region's smallest cell
    std::vector<Cell> queue_;
    std::vector<Cell> child_;
    std::vector<Push> route_;
    std::unique_ptr<HotspotTable> hotspots_;   // null unless hotspots are a feature
    BoxRouter router_;      // the packing advisor's macros
    PositionTable table_;
    std::vector<std::vector<Entry>> cells_;        // feature cell -> heap of its unexpanded positions
    std::unordered_map<std::uint64_t, std::size_t> cellOf_;
    std::vector<std::size_t> active_;   // the non-empty cells, visited in turn
    std::size_t cursor_ = 0;
    std::size_t queued_ = 0;                       // entries in all heaps
    std::size_t heapBytes_ = 0;
    static constexpr std::size_t RouteOverhead = 64;   // a map entry and a vector, roughly
    Outcome stop_ = Outcome::OutOfTime;
    std::uint64_t expanded_ = 0;
    std::uint64_t boxHash_ = 0;   // the expanded position's boxes' part of the hash
    bool matched_ = false;   // the expanded position's matching is computed once, when a child needs it
    bool corralsOn_;
    bool boxMoves_;             // pushing the box pushed last costs nothing (see Expand)
    bool contactsOn_;           // the boxes side by side are a feature
    int oneAdvice_;             // 1: each connectivity advisor picks one child, 2: every advisor does (see Advise); 0: all they like weigh nothing
    // 0: every feature keys a cell; 1: the published four do, the others break ties; 2: and a
    // child worse than the cell its parent was taken from is filed there (see Queue).
    int cellsMode_;
    std::vector<Features> cellFeatures_;   // per cell: the features it was keyed on
    std::size_t homeCell_ = 0;             // the cell the expanded position was taken from
    int macroTargets_;          // due targets the packing advisor tries per expansion
    bool relocations_;          // a child takes one box anywhere it can go, not one push
    bool planAdvice_;           // the out-of-plan advisor names one move (see Advise)
    std::vector<int> parkingOf_;    // per cell: the target whose box the plan parks there, -1 none
    std::vector<int> parkings_;     // the targets with a parking cell
    std::vector<Cell> sinkCells_;   // the goal rooms' cells no target, when boxes there count out of plan
    // Relocate's states, a box cell and the side the keeper stands on (cell * DirCount + side),
    // with round stamps so nothing is cleared between boxes.
    std::vector<std::uint32_t> moveSeen_, moveCovered_, moveParent_, moveQueue_;
    std::vector<std::uint32_t> moveKnown_;   // a state whose sides are known without a flood
    std::vector<std::uint8_t> moveSides_;   // the sides of a covered or known state
    std::uint32_t moveRound_ = 0;
    std::vector<std::uint32_t> sideStamp_;   // SidesReached's flood: wanted (stamp - 1) or reached (stamp)
    std::uint32_t sideMark_ = 0;
    // With oneAdvice_, the expanded position's new children wait here until all are measured.
    struct Pending {
        Features f;
        int bound;
        NodeId id;
        bool free;   // weighs nothing whatever the advisors say: it packs, or the box pushed last goes on
        bool joins;  // lowers a connectivity feature: free too when oneAdvice_ is 0
    };
    std::vector<Pending> pending_;
    // The passages that join two rooms, their cells side by side: link k's cells are
    // linkCells_[linkStart_[k]] up to linkCells_[linkStart_[k + 1]]. Empty unless counted.
    std::vector<std::size_t> linkStart_;
    std::vector<Cell> linkCells_;
    Cell lastBox_ = NoCell;     // where the expanded position's last pushed box stands
    const BackwardSearcher* backward_ = nullptr;   // met when it shares this search's thread
    std::vector<Push> rest_;    // a meeting's pushes on to the solved end
    static std::size_t Remaining(std::size_t budget, std::size_t fixed) { return budget > fixed ? budget - fixed : 0; }
};

bool Later(const auto& a, const auto& b) { return a.key > b.key; }

void FeatureSearch::Place(const Cell* boxes, std::uint8_t value)
{
    for (int i = 0; i < boxCount_; ++i)
        occupied_[boxes[i]] = value;
}

// The features of the position in `occupied_`, and the keeper's area as the smallest cell of the
// region holding `keeperAt`. One labelling of the free floor gives both; with `keep` it goes to
// the parent's labels, which the children then start from.
FeatureSearch::Features FeatureSearch::Measure(Cell keeperAt, Cell& keeperArea, bool keep)
{
    Features f;
    MeasurePacking(f, keep ? parentDue_.data() : childDue_.data());
    std::vector<std::uint32_t>& region = keep ? parentRegion_ : region_;
    std::uint32_t& regionBase = keep ? parentBase_ : regionBase_;
    const auto cells = static_cast<std::uint32_t>(board_.CellCount());
    if (regionBase > 0xFFFFFFFFu - cells - 1) {
        std::fill(region.begin(), region.end(), 0);
        regionBase = 0;
    }
    const std::uint32_t base = regionBase;
    std::uint32_t next = base;
    keeperArea = keeperAt;
    if (keep)
        labelMin_.clear();
    for (std::uint32_t start = 0; start < cells; ++start) {
        if (occupied_[start] && contactsOn_)
            f.contacts += ContactsOf(static_cast<Cell>(start));
        if (occupied_[start] || region[start] > base)
            continue;
        const std::uint32_t label = ++next;
        std::size_t head = 0, tail = 0;
        queue_[tail++] = static_cast<Cell>(start);
        region[start] = label;
        bool keeperHere = false;
        while (head < tail) {
            const Cell at = queue_[head++];
            keeperHere |= at == keeperAt;
            for (int d = 0; d < DirCount; ++d) {
                const Cell n = board_.Next(at, d);
                if (n == NoCell || occupied_[n] || region[n] > base)
                    continue;
                region[n] = label;
                queue_[tail++] = n;
            }
        }
        // Cells are labelled from the smallest up, so the first is the region's smallest.
        if (keeperHere)
            keeperArea = static_cast<Cell>(start);
        if (keep)
            labelMin_.push_back(static_cast<Cell>(start));
    }
    if (keep) {
        parentLabels_ = base;
        regionBase = next;
    } else {
        regionBase = next;
    }
    f.regions = static_cast<int>(next - base);
    f.contacts /= 2;   // each pair was met from both boxes
    f.rooms = BlockedLinks();
    return f;
}

// The floor without its doorway cells falls into rooms; each run of doorway cells side by side is
// a straight passage, and one whose ends open into two different rooms links them. A room with no
// target and no other passage is a pocket: a box in its passage cuts a floor region off, which
// the regions count already, and blocks no way through.
void FeatureSearch::FindRoomLinks()
{
    const auto cells = static_cast<std::size_t>(board_.CellCount());
    std::vector<std::uint8_t> doorway(cells, 0);
    for (std::size_t c = 0; c < cells; ++c)
        doorway[c] = DoorwayCell(board_, static_cast<Cell>(c));
    std::vector<int> room(cells, -1), passage(cells, -1);
    int rooms = 0, passages = 0;
    std::vector<Cell> stack;
    const auto label = [&](std::vector<int>& of, Cell first, int number, bool doors) {
        stack.assign(1, first);
        of[first] = number;
        while (!stack.empty()) {
            const Cell at = stack.back();
            stack.pop_back();
            for (int d = 0; d < DirCount; ++d) {
                const Cell n = board_.Next(at, d);
                if (n != NoCell && of[n] < 0 && (doorway[n] != 0) == doors) {
                    of[n] = number;
                    stack.push_back(n);
                }
            }
        }
    };
    for (std::size_t c = 0; c < cells; ++c) {
        if (!doorway[c] && room[c] < 0)
            label(room, static_cast<Cell>(c), rooms++, false);
        if (doorway[c] && passage[c] < 0)
            label(passage, static_cast<Cell>(c), passages++, true);
    }
    // A passage is straight (its cells are walled on both sides), so it has two ends at most.
    std::vector<std::vector<Cell>> members(static_cast<std::size_t>(passages));
    std::vector<std::pair<int, int>> ends(static_cast<std::size_t>(passages), {-1, -1});
    std::vector<int> passagesOf(static_cast<std::size_t>(rooms), 0);
    std::vector<std::uint8_t> targets(static_cast<std::size_t>(rooms), 0);
    for (Cell t : board_.targets)
        targets[static_cast<std::size_t>(room[t])] = 1;   // targets are never doorway cells
    for (std::size_t c = 0; c < cells; ++c) {
        const int p = passage[c];
        if (p < 0)
            continue;
        auto& [a, b] = ends[static_cast<std::size_t>(p)];
        members[static_cast<std::size_t>(p)].push_back(static_cast<Cell>(c));
        for (int d = 0; d < DirCount; ++d) {
            const Cell n = board_.Next(static_cast<Cell>(c), d);
            if (n == NoCell || room[n] < 0 || room[n] == a || room[n] == b)
                continue;
            (a < 0 ? a : b) = room[n];
            ++passagesOf[static_cast<std::size_t>(room[n])];
        }
    }
    const auto pocket = [&](int r) { return !targets[static_cast<std::size_t>(r)] && passagesOf[static_cast<std::size_t>(r)] == 1; };
    linkStart_.assign(1, 0);
    for (std::size_t p = 0; p < members.size(); ++p) {
        const auto [a, b] = ends[p];
        if (b < 0 || pocket(a) || pocket(b))
            continue;
        linkCells_.insert(linkCells_.end(), members[p].begin(), members[p].end());
        linkStart_.push_back(linkCells_.size());
    }
}

// The room links with a box in their passage, from `occupied_`.
int FeatureSearch::BlockedLinks() const
{
    int blocked = 0;
    for (std::size_t k = 0; k + 1 < linkStart_.size(); ++k)
        for (std::size_t i = linkStart_[k]; i < linkStart_[k + 1]; ++i)
            if (occupied_[linkCells_[i]]) {
                ++blocked;
                break;
            }
    return blocked;
}

// The boxes beside the one on `box` that make a pair with it: not both on targets, where they
// are home and in nobody's way.
int FeatureSearch::ContactsOf(Cell box) const
{
    int count = 0;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(box, d);
        if (n != NoCell && occupied_[n] && !(board_.isTarget[n] && board_.isTarget[box]))
            ++count;
    }
    return count;
}

// Per goal area, the round due now (the deepest with an empty target; -1: all filled), into
// `due`; then the filled targets of that round or deeper count as packed, the others as out of plan.
void FeatureSearch::MeasurePacking(Features& f, int* due)
{
    std::fill(due, due + areas_, -1);
    for (std::size_t t = 0; t < board_.targets.size(); ++t)
        if (!occupied_[board_.targets[t]])
            due[area_[t]] = std::max(due[area_[t]], packing_.layer[t]);
    for (std::size_t t = 0; t < board_.targets.size(); ++t)
        if (occupied_[board_.targets[t]]) {
            if (packing_.layer[t] >= due[area_[t]])
                ++f.packed;
            else
                ++f.outOfPlan;
        }
    // A box waiting on its parking cell while the rounds behind it are filled is packed as far as
    // the plan goes; any other box in a goal room off its targets is in the plan's way.
    int parked = 0;
    for (int t : parkings_)
        if (ParkingDue(t, due) && occupied_[packing_.parking[static_cast<std::size_t>(t)]]) {
            ++f.packed;
            ++parked;
        }
    for (Cell c : sinkCells_)
        f.outOfPlan += occupied_[c];
    if (!sinkCells_.empty())
        f.outOfPlan -= parked;
}

// Targets up to `reach` cells apart across and down form one goal area: boxes on diagonal
// targets still block each other's way in, and so does a box on every other cell of a passage.
// The packing order's rounds are one sequence for the whole board, but a room far off does not
// wait for this one: each area keeps its own round due, so filling either counts as progress.
// Without `split` the board is one area; without `corners` only targets side by side join.
void FeatureSearch::FindGoalAreas(bool split, bool corners, int reach)
{
    const std::size_t count = board_.targets.size();
    area_.assign(count, split ? -1 : 0);
    areas_ = split ? 0 : 1;
    const auto near = [&](std::size_t a, std::size_t b) {
        const int dx = std::abs(board_.cellX[board_.targets[a]] - board_.cellX[board_.targets[b]]);
        const int dy = std::abs(board_.cellY[board_.targets[a]] - board_.cellY[board_.targets[b]]);
        return corners ? dx <= reach && dy <= reach : dx + dy <= 1;
    };
    for (std::size_t first = 0; split && first < count; ++first) {
        if (area_[first] >= 0)
            continue;
        std::vector<std::size_t> stack = {first};
        area_[first] = areas_;
        while (!stack.empty()) {
            const std::size_t at = stack.back();
            stack.pop_back();
            for (std::size_t t = 0; t < count; ++t)
                if (area_[t] < 0 && near(at, t)) {
                    area_[t] = areas_;
                    stack.push_back(t);
                }
        }
        ++areas_;
    }
    parentDue_.assign(static_cast<std::size_t>(areas_), -1);
    childDue_.assign(static_cast<std::size_t>(areas_), -1);
}

// The child's features from the parent's labelling, where moving a box changes the regions only
// at the two cells it touches: `from` joins the regions around it, and `to` leaves its region
// without cutting it (the free cells round it stay joined) or was a region of its own. The keeper
// ends in the joined area, however far it walked: it never left the cells the move freed it into.
// False when a full labelling must decide, also when the keeper's area loses its smallest cell.
// `occupied_` holds the child.
bool FeatureSearch::MeasureChild(Cell from, Cell to, const Features& parent, Features& f, Cell& keeperArea)
{
    if (from == to)
        return false;
    const std::uint32_t toLabel = parentRegion_[to];
    std::uint32_t joined[DirCount];
    int count = 0;
    bool joinsTo = false;
    Cell area = from;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(from, d);
        if (n == NoCell || occupied_[n])
            continue;
        const std::uint32_t label = parentRegion_[n];
        if (std::find(joined, joined + count, label) != joined + count)
            continue;
        joined[count++] = label;
        joinsTo |= label == toLabel;
        area = std::min(area, labelMin_[label - parentLabels_ - 1]);
    }
    bool alone = true;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(to, d);
        if (n != NoCell && n != from && !occupied_[n])
            alone = false;
    }
    if (!alone && !RingConnected(board_, occupied_.data(), to))
        return false;
    if (joinsTo && labelMin_[toLabel - parentLabels_ - 1] == to)
        return false;
    f = Features{};
    MeasurePacking(f, childDue_.data());
    f.regions = parent.regions - count + 1 - (alone ? 1 : 0);
    if (contactsOn_) {
        // The pairs the box had on `from` (without itself on `to`) go, those on `to` come.
        occupied_[to] = 0;
        const int before = ContactsOf(from);
        occupied_[to] = 1;
        f.contacts = parent.contacts - before + ContactsOf(to);
    }
    f.rooms = BlockedLinks();
    keeperArea = area;
    return true;
}

bool FeatureSearch::TimeToStop()
{
    return MustStop(options_, started_, stop_);
}

// A child goes to its features' cell; with cellsMode_ 2 one worse than the cell its parent came
// from goes there instead, so a line of worse positions stays in the cell it set out from and
// takes its turns there rather than opening cells of its own: as the published search files
// them. The start (`homeCell_` not yet set) has no such cell.
bool FeatureSearch::Queue(const Features& f, std::uint32_t weight, int bound, NodeId id)
{
    std::size_t cell = 0;
    if (cellsMode_ >= 2 && !cells_.empty() && WorseThanHome(f, cellFeatures_[homeCell_])) {
        cell = homeCell_;
    } else {
        auto [it, added] = cellOf_.try_emplace(FeatureCellKey(f, cellsMode_), cells_.size());
        if (added) {
            cells_.emplace_back();
            cellFeatures_.push_back(f);
        }
        cell = it->second;
    }
    std::vector<Entry>& heap = cells_[cell];
    if (heap.size() == heap.capacity()) {
        const std::size_t bigger = std::max<std::size_t>(16, heap.capacity() * 2);
        const std::size_t extra = (bigger - heap.capacity()) * sizeof(Entry);
        if (!table_.WithinBudget(extra))
            return false;
        heap.reserve(bigger);
        heapBytes_ += extra;
        CountOtherBytes();
    }
    if (heap.empty())
        active_.push_back(cell);
    heap.push_back(cellsMode_ > 0 ? Entry::Tied(weight, f.hotspots, f.contacts, bound, id) : Entry::Of(weight, bound, id));
    std::push_heap(heap.begin(), heap.end(), Later<Entry, Entry>);
    ++queued_;
    return true;
}

bool FeatureSearch::Start(SearchOutcome& out)
{
    const Cell* boxes = board_.boxes.data();
    const int bound = bound_.Matching(boxes, boxCount_);
    Place(boxes, 1);
    bool lost = bound >= Infinite;
    for (Cell box : board_.boxes)
        lost = lost || dead_[box] || freeze_.FrozenOffTarget(occupied_.data(), box);
    Node start;
    Features f = Measure(board_.keeper, start.keeper);
    f.hotspots = HotspotsOf(boxes);
    Place(boxes, 0);
    if (lost || bound == 0) {
        out.outcome = lost ? Outcome::Unsolvable : Outcome::Solved;
        return true;
    }
    start.hash = static_cast<std::uint32_t>(zobrist_.Of(boxes, boxCount_, start.keeper));
    start.bound = static_cast<std::uint16_t>(std::min(bound, 0xFFFF));
    const NodeId root = table_.Add(start, boxes);
    if (root == NoNode || !Queue(f, 0, bound, root)) {
        out.outcome = Outcome::OutOfMemory;
        return true;
    }
    return false;
}

bool FeatureSearch::Step(Clock::time_point sliceEnd, SearchOutcome& out)
{
    for (;;) {
        if (queued_ == 0) {
            out.outcome = Outcome::Unsolvable;   // not a proof: see Complete()
            break;
        }
        // The next non-empty cell in turn.
        if (cursor_ >= active_.size())
            cursor_ = 0;
        homeCell_ = active_[cursor_];
        std::vector<Entry>& heap = cells_[homeCell_];
        std::pop_heap(heap.begin(), heap.end(), Later<Entry, Entry>);
        const Entry entry = heap.back();
        heap.pop_back();
        --queued_;
        if (heap.empty()) {
            // An emptied cell gives its memory back; the last cell in the list takes its place
            // and its turn comes next.
            heapBytes_ -= heap.capacity() * sizeof(Entry);
            std::vector<Entry>().swap(heap);
            CountOtherBytes();
            active_[cursor_] = active_.back();
            active_.pop_back();
        } else {
            ++cursor_;
        }
        if (table_.At(entry.Id()).closed)
            continue;
        table_.At(entry.Id()).closed = 1;
        ++expanded_;
        const Expansion e = Expand(entry.Id(), entry.Weight(cellsMode_ > 0), out);
        if (Ended(e, stop_, out))
            break;
        if (Clock::now() >= sliceEnd)
            return false;
    }
    out.positions = table_.Size();
    out.expanded = expanded_;
    return true;
}

Expansion FeatureSearch::Expand(NodeId id, std::uint32_t weight, SearchOutcome& out)
{
    if (TimeToStop())
        return Expansion::Stopped;
    const Node node = table_.At(id);
    const Cell* boxes = table_.Boxes(id);
    Place(boxes, 1);
    Cell ignored = NoCell;
    Features here = Measure(node.keeper, ignored, true);
    here.hotspots = HotspotsOf(boxes);
    reach_.Flood(board_, occupied_.data(), node.keeper);
    const CorralPruner::Verdict corral = corralsOn_ ? corrals_.Examine(occupied_.data(), reach_) : CorralPruner::Verdict::None;
    if (corral == CorralPruner::Verdict::Deadlock) {
        Place(boxes, 0);
        return Expansion::Continue;
    }
    matched_ = false;
    boxHash_ = zobrist_.Of(boxes, boxCount_, node.keeper) ^ zobrist_.Keeper(node.keeper);
    // Festival's moves take one box anywhere it can go, as ours do with relocations_; with single
    // pushes, going on with the same box is free instead, so a box's whole walk weighs one move,
    // as it does there, and a relocation is not outweighed by as many stray pushes elsewhere.
    lastBox_ = NoCell;
    if (boxMoves_ && !relocations_ && node.parent != NoNode) {
        if (node.run == 0) {
            lastBox_ = MovedTo(id);
            boxes = table_.Boxes(id);   // reading the parent's boxes overwrote these
        } else {
            lastBox_ = node.pushedFrom;
            for (int k = 0; k < node.run; ++k)
                lastBox_ = board_.Next(lastBox_, node.dir);
        }
    }
    Expansion result = Expansion::Continue;
    pending_.clear();
    // First the packing advisor's macros: a box brought all the way onto a target of the round
    // due now, for the first few such targets in the packing order. They weigh nothing.
    int tried = 0;
    for (std::size_t k = 0; k < packing_.order.size() && tried < macroTargets_ && result == Expansion::Continue; ++k) {
        const int t = packing_.order[k];
        const Cell goal = board_.targets[static_cast<std::size_t>(t)];
        if (occupied_[goal] || packing_.layer[static_cast<std::size_t>(t)] != parentDue_[area_[static_cast<std::size_t>(t)]])
            continue;
        ++tried;
        if (router_.Route(occupied_.data(), reach_, goal, route_) && route_.size() > 1)
            result = AddChild(id, node, boxes, here, route_, weight, out);
    }
    // Then every box the corral check leaves: taken anywhere it can go, or pushed once.
    for (int i = 0; i < boxCount_ && result == Expansion::Continue; ++i) {
        const Cell from = boxes[i];
        if (corral == CorralPruner::Verdict::Prune && !corrals_.Fence(from))
            continue;
        if (relocations_) {
            result = Relocate(id, node, boxes, here, from, weight, out);
            continue;
        }
        for (int d = 0; d < DirCount && result == Expansion::Continue; ++d)
            if (CanPush(from, d)) {
                route_.assign(1, Push{from, d});
                result = AddChild(id, node, boxes, here, route_, weight, out);
            }
    }
    Place(boxes, 0);
    if (result == Expansion::Continue && (oneAdvice_ > 0 || planAdvice_))
        result = Advise(here, weight);
    return result;
}

// One child: a box moved along `route` (one push, or a packing macro). `occupied_` holds the
// parent on entry and on return.
Expansion FeatureSearch::AddChild(NodeId id, const Node& parent, const Cell* boxes, const Features& here,
                                                 const std::vector<Push>& route, std::uint32_t weight, SearchOutcome& out)
{
    const Cell from = route.front().from;
    const Cell to = board_.Next(route.back().from, route.back().dir);
    const Cell keeperAt = route.back().from;
    occupied_[from] = 0;
    occupied_[to] = 1;
    const auto restore = [&] {
        occupied_[to] = 0;
        occupied_[from] = 1;
    };
    if (freeze_.PushFreezes(occupied_.data(), to)) {
        restore();
        return Expansion::Continue;
    }
    Cell keeper = NoCell;
    Features f;
    if (!MeasureChild(from, to, here, f, keeper)) {
        f = Measure(keeperAt, keeper);
    } else {
#ifndef NDEBUG
        Cell fullKeeper = NoCell;
        const Features full = Measure(keeperAt, fullKeeper);
        assert(full.regions == f.regions && fullKeeper == keeper && full.packed == f.packed && full.contacts == f.contacts
               && full.rooms == f.rooms);
#endif
    }
    MoveBox(boxes, boxCount_, from, to, child_.data());
    const std::uint64_t hash = boxHash_ ^ zobrist_.Box(from) ^ zobrist_.Box(to) ^ zobrist_.Keeper(keeper);
    if (table_.Find(hash, child_.data(), keeper) != NoNode) {
        restore();
        return Expansion::Continue;   // met before: the first way in is kept
    }
    f.hotspots = HotspotsOf(child_.data());
    const bool shut = board_.isTarget[to] && freeze_.NeverMoves(occupied_.data(), to)
                      && frozenTargets_.ShutsTargets(occupied_.data(), child_.data(), boxCount_);
    restore();
    int bound = Infinite;
    if (!shut) {
        if (!matched_) {
            bound_.Matching(boxes, boxCount_);
            matched_ = true;
        }
        const int row = static_cast<int>(std::lower_bound(boxes, boxes + boxCount_, from) - boxes);
        bound = bound_.AfterMove(boxes, row, to);
    }
    // The advisors: a packing macro or a push that fills a target of the round due now costs
    // nothing; so does one that joins floor regions, parts boxes or clears a room link, but with
    // oneAdvice_ only the one that does so most (see Advise).
    const int target = targetOf_[to];
    const bool packs = (target >= 0 && packing_.layer[static_cast<std::size_t>(target)] == parentDue_[area_[static_cast<std::size_t>(target)]])
                       || (parkingOf_[to] >= 0 && ParkingDue(parkingOf_[to], parentDue_.data()));
    const bool joins = f.regions < here.regions || f.contacts < here.contacts || f.rooms < here.rooms || f.hotspots < here.hotspots;
    Node next;
    next.hash = static_cast<std::uint32_t>(hash);
    next.parent = id;
    next.keeper = keeper;
    next.pushedFrom = from;
    next.dir = static_cast<std::uint8_t>(route.front().dir);
    // A straight route is a run the node holds itself; any other is found again when read (run 0).
    const bool straight = route.size() <= 0xFF && std::all_of(route.begin(), route.end(), [&](const Push& p) { return p.dir == route.front().dir; });
    next.run = straight ? static_cast<std::uint8_t>(route.size()) : 0;
    next.pushes = static_cast<std::uint16_t>(std::min<std::size_t>(parent.pushes + route.size(), 0xFFFF));
    next.bound = static_cast<std::uint16_t>(std::min(bound, 0xFFFF));
    next.closed = bound >= Infinite;   // lost: stored so meeting it again costs one look-up
    const NodeId added = table_.Add(next, child_.data());
    if (added == NoNode)
        return Expansion::OutOfMemory;
    if (bound == 0 || (backward_ && backward_->PushesToSolved(hash, child_.data(), keeper, rest_))) {
        out.outcome = Outcome::Solved;
        out.pushes = PathTo(added);
        if (bound != 0)
            out.pushes.insert(out.pushes.end(), rest_.begin(), rest_.end());
        return Expansion::Solved;
    }
    // With every advisor naming one move, filling a due target is the packing advisor's to name.
    const bool free = (packs && oneAdvice_ < 2) || from == lastBox_;
    if (next.closed)
        return Expansion::Continue;
    if (oneAdvice_ > 0 || planAdvice_) {
        pending_.push_back({f, bound, added, free, joins});
        return Expansion::Continue;
    }
    return Queue(f, weight + (free || joins ? 0 : 1), bound, added) ? Expansion::Continue : Expansion::OutOfMemory;
}

// Every place the box on `from` can be pushed to while the others stand still, each a child
// reached by the fewest pushes: one per box cell and keeper area, as Festival's moves are.
// `occupied_` holds the parent on entry and on return; `reach_` the keeper's reach in it.
Expansion FeatureSearch::Relocate(NodeId id, const Node& parent, const Cell* boxes, const Features& here, Cell from,
                                  std::uint32_t weight, SearchOutcome& out)
{
    if (++moveRound_ == 0) {
        std::fill(moveSeen_.begin(), moveSeen_.end(), 0);
        std::fill(moveCovered_.begin(), moveCovered_.end(), 0);
        std::fill(moveKnown_.begin(), moveKnown_.end(), 0);
        moveRound_ = 1;
    }
    constexpr std::uint32_t Root = 0xFFFFFFFF;
    const auto state = [](Cell c, int side) { return static_cast<std::uint32_t>(c) * DirCount + static_cast<std::uint32_t>(side); };
    std::size_t head = 0, tail = 0;
    const auto visit = [&](Cell to, int side, std::uint32_t before) {
        const std::uint32_t s = state(to, side);
        if (moveSeen_[s] == moveRound_)
            return;
        moveSeen_[s] = moveRound_;
        moveParent_[s] = before;
        moveQueue_[tail++] = s;
    };
    const auto freeSides = [&](Cell c) {
        int mask = 0;
        for (int d = 0; d < DirCount; ++d) {
            const Cell n = board_.Next(c, d);
            if (n != NoCell && !occupied_[n])
                mask |= 1 << d;
        }
        return mask;
    };
    // When the keeper reaches every free side of the box but the one it pushes toward, the push
    // takes the box out of its region: the keeper, now on the box's old cell, reaches none of the
    // box's other sides, so no flood need say so. A box pushed along a corridor costs no floods.
    const auto push = [&](Cell at, int sides, int d, std::uint32_t before) {
        const Cell to = board_.Next(at, d);
        visit(to, Opposite(d), before);
        if ((sides & (1 << d)) == 0 && sides == (freeSides(at) & ~(1 << d))) {
            moveKnown_[state(to, Opposite(d))] = moveRound_;
            moveSides_[state(to, Opposite(d))] = static_cast<std::uint8_t>(1 << Opposite(d));
        }
    };
    int reached = 0;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(from, d);
        if (n != NoCell && !occupied_[n] && reach_.Reached(n))
            reached |= 1 << d;
    }
    for (int d = 0; d < DirCount; ++d)
        if (CanPush(from, d))
            push(from, reached, d, Root);
    // The box leaves its cell with the first push; the children are added once the walk is done,
    // as AddChild wants the parent in `occupied_`.
    occupied_[from] = 0;
    std::size_t emitted = 0;
    while (head < tail) {
        const std::uint32_t s = moveQueue_[head++];
        const Cell at = static_cast<Cell>(s / DirCount);
        // A side the keeper reached from another side reaches the same sides: no second flood.
        int sides = moveSides_[s];
        if (moveCovered_[s] != moveRound_) {
            if (moveKnown_[s] != moveRound_)
                sides = SidesReached(at, board_.Next(at, static_cast<int>(s % DirCount)));
            assert(sides == SidesReached(at, board_.Next(at, static_cast<int>(s % DirCount))));   // the shortcut, checked
            moveQueue_[emitted++] = s;   // behind the head: those slots are read already
            for (int e = 0; e < DirCount; ++e)
                if (sides & (1 << e)) {
                    moveCovered_[state(at, e)] = moveRound_;
                    moveSides_[state(at, e)] = static_cast<std::uint8_t>(sides);
                }
        }
        for (int d = 0; d < DirCount; ++d) {
            const Cell to = board_.Next(at, d);
            if (to != NoCell && !occupied_[to] && !dead_[to] && (sides & (1 << Opposite(d))))
                push(at, sides, d, s);
        }
    }
    occupied_[from] = 1;
    Expansion result = Expansion::Continue;
    for (std::size_t k = 0; k < emitted && result == Expansion::Continue; ++k) {
        route_.clear();
        for (std::uint32_t s = moveQueue_[k]; s != Root; s = moveParent_[s]) {
            const Cell at = static_cast<Cell>(s / DirCount);
            const int side = static_cast<int>(s % DirCount);
            route_.push_back({board_.Next(at, side), Opposite(side)});
        }
        std::reverse(route_.begin(), route_.end());
        result = AddChild(id, parent, boxes, here, route_, weight, out);
    }
    return result;
}

// The sides of the box on `box` (bit d: the cell beside it in direction d) the keeper reaches
// from `keeper`. The flood stops once it has them all, as most of the time that is a few steps.
std::vector<Push> FeatureSearch::PathTo(NodeId id) const
{
    return PathThrough(table_, board_, id, [this](NodeId at) { return RouteTo(at); });
}

// Where the box of a move of turns went: the cell the parent had no box on, or its own cell when it
// was taken round and back (only the keeper's side changed). Reads both positions' boxes.
Cell FeatureSearch::MovedTo(NodeId id) const
{
    const std::vector<Cell> after(table_.Boxes(id), table_.Boxes(id) + boxCount_);
    const Cell* before = table_.Boxes(table_.At(id).parent);
    for (const Cell c : after)
        if (!std::binary_search(before, before + boxCount_, c))
            return c;
    return table_.At(id).pushedFrom;
}

// The fewest pushes that take the box on the node's `pushedFrom` in its parent to where it stands
// in the node, the other boxes still, leaving the keeper in the node's area: a walk over the
// box's cell and the side the keeper stands on, as Relocate made it.
std::vector<Push> FeatureSearch::RouteTo(NodeId id) const
{
    const Node node = table_.At(id);
    const Cell from = node.pushedFrom;
    const Cell to = MovedTo(id);
    const Cell* before = table_.Boxes(node.parent);
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board_.CellCount()), 0);
    for (int i = 0; i < boxCount_; ++i)
        occupied[before[i]] = 1;
    occupied[from] = 0;
    Reach reach(board_.CellCount());
    const auto state = [](Cell c, int side) { return static_cast<std::size_t>(c) * DirCount + static_cast<std::size_t>(side); };
    constexpr std::uint32_t Root = 0xFFFFFFFF;
    std::vector<std::uint32_t> parent(static_cast<std::size_t>(board_.CellCount()) * DirCount, 0);
    std::vector<std::uint8_t> seen(parent.size(), 0);
    std::vector<std::uint32_t> queue;
    // The keeper's reach with the box on `at`, from `keeper`.
    const auto flood = [&](Cell at, Cell keeper) {
        occupied[at] = 1;
        const Cell area = reach.Flood(board_, occupied.data(), keeper);
        occupied[at] = 0;
        return area;
    };
    const auto pushes = [&](Cell at, std::uint32_t came) {
        for (int d = 0; d < DirCount; ++d) {
            const Cell next = board_.Next(at, d);
            const Cell behind = board_.Next(at, Opposite(d));
            if (next == NoCell || behind == NoCell || occupied[next] || !reach.Reached(behind))
                continue;
            const std::size_t s = state(next, Opposite(d));
            if (seen[s])
                continue;
            seen[s] = 1;
            parent[s] = came;
            queue.push_back(static_cast<std::uint32_t>(s));
        }
    };
    flood(from, table_.At(node.parent).keeper);
    pushes(from, Root);
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t s = queue[head];
        const Cell at = static_cast<Cell>(s / DirCount);
        const Cell keeper = board_.Next(at, static_cast<int>(s % DirCount));
        const Cell area = flood(at, keeper);
        if (at == to && area == node.keeper) {
            std::vector<Push> route;
            for (std::uint32_t t = s; t != Root; t = parent[t]) {
                const Cell box = static_cast<Cell>(t / DirCount);
                const int side = static_cast<int>(t % DirCount);
                route.push_back({board_.Next(box, side), Opposite(side)});
            }
            std::reverse(route.begin(), route.end());
            return route;
        }
        pushes(at, s);
    }
    assert(false && "a stored move can always be made again");
    return {};
}

int FeatureSearch::SidesReached(Cell box, Cell keeper)
{
    if (sideMark_ >= 0xFFFFFFF0u) {
        std::fill(sideStamp_.begin(), sideStamp_.end(), 0);
        sideMark_ = 0;
    }
    sideMark_ += 2;
    const std::uint32_t wanted = sideMark_ - 1;
    int missing = 0;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(box, d);
        if (n != NoCell && !occupied_[n] && n != keeper) {
            sideStamp_[n] = wanted;
            ++missing;
        }
    }
    sideStamp_[keeper] = sideMark_;
    std::size_t head = 0, tail = 0;
    queue_[tail++] = keeper;
    while (head < tail && missing > 0) {
        const Cell at = queue_[head++];
        for (int d = 0; d < DirCount; ++d) {
            const Cell n = board_.Next(at, d);
            if (n == NoCell || n == box || occupied_[n] || sideStamp_[n] == sideMark_)
                continue;
            missing -= sideStamp_[n] == wanted;
            sideStamp_[n] = sideMark_;
            queue_[tail++] = n;
        }
    }
    int sides = 0;
    for (int d = 0; d < DirCount; ++d) {
        const Cell n = board_.Next(box, d);
        if (n != NoCell && sideStamp_[n] == sideMark_)
            sides |= 1 << d;
    }
    return sides;
}

// With `Tuning::fessOneAdvice`, the connectivity advisors each recommend one move, as Festival's
// do: the one joining the most regions, parting the most boxes, clearing the most room links,
// each tie going to the lower bound. Those weigh nothing, as do every push filling a due target
// and going on with the box pushed last; every other child weighs one box move more. At 2 the
// packing advisor names one move too (the one packing most), and so do out of plan and hotspots:
// only the named moves (and, with single pushes, going on with the same box) weigh nothing. Measured:
// letting every push that lowers a feature go free makes about half of all children weightless,
// yet naming one solved no more levels overall (one gained, a staircase of pockets lost, where
// many pushes each open one), so it is off.
Expansion FeatureSearch::Advise(const Features& here, std::uint32_t weight)
{
    constexpr std::size_t None = static_cast<std::size_t>(-1);
    constexpr int Unadvised = std::numeric_limits<int>::max();
    // The child scoring least (ties: the lower bound), or None when every one is Unadvised.
    const auto best = [&](auto score) {
        std::size_t chosen = None;
        int least = Unadvised;
        for (std::size_t k = 0; k < pending_.size(); ++k) {
            const int s = score(pending_[k]);
            if (s != Unadvised && (chosen == None || s < least || (s == least && pending_[k].bound < pending_[chosen].bound))) {
                chosen = k;
                least = s;
            }
        }
        return chosen;
    };
    const bool all = oneAdvice_ >= 2;
    // With oneAdvice_ 0 (only the out-of-plan advisor naming one) every connectivity move is free.
    const bool some = oneAdvice_ > 0;
    const std::size_t advised[] = {
        some ? best([&](const Pending& p) { return p.f.regions < here.regions ? p.f.regions : Unadvised; }) : None,
        some ? best([&](const Pending& p) { return p.f.contacts < here.contacts ? p.f.contacts : Unadvised; }) : None,
        some ? best([&](const Pending& p) { return p.f.rooms < here.rooms ? p.f.rooms : Unadvised; }) : None,
        // With oneAdvice_ 2 the packing, out-of-plan and hotspot advisors name one move each too.
        all ? best([&](const Pending& p) { return p.f.packed > here.packed ? -p.f.packed : Unadvised; }) : None,
        all || planAdvice_ ? best([&](const Pending& p) { return p.f.outOfPlan < here.outOfPlan ? p.f.outOfPlan : Unadvised; }) : None,
        all ? best([&](const Pending& p) { return p.f.hotspots < here.hotspots ? p.f.hotspots : Unadvised; }) : None,
    };
    for (std::size_t k = 0; k < pending_.size(); ++k) {
        const Pending& p = pending_[k];
        const bool free = p.free || (!some && p.joins) || std::find(std::begin(advised), std::end(advised), k) != std::end(advised);
        if (!Queue(p.f, weight + (free ? 0 : 1), p.bound, p.id))
            return Expansion::OutOfMemory;
    }
    return Expansion::Continue;
}

} // namespace

std::uint64_t FeatureCellKey(const FeatureVector& f, int cellsMode)
{
    const auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    if (cellsMode > 0)
        return clamp(f.packed) | clamp(f.outOfPlan) << 8 | clamp(f.regions) << 16 | clamp(f.rooms) << 24;
    return clamp(f.packed) | clamp(f.outOfPlan) << 8 | clamp(f.regions) << 16 | clamp(f.contacts) << 24
           | std::uint64_t(clamp(f.rooms)) << 32 | std::uint64_t(clamp(f.hotspots)) << 40;
}

bool WorseThanHome(const FeatureVector& child, const FeatureVector& home)
{
    const bool noBetter = child.packed <= home.packed && child.outOfPlan >= home.outOfPlan && child.regions >= home.regions
                          && child.rooms >= home.rooms;
    const bool same = child.packed == home.packed && child.outOfPlan == home.outOfPlan && child.regions == home.regions
                      && child.rooms == home.rooms;
    return noBetter && !same;
}

std::vector<FirstChild> FirstChildren(const Board& board, const Tuning& tuning)
{
    const Options options;
    FeatureSearch search(board, options, Clock::now(), std::size_t(64) << 20, tuning);
    SearchOutcome out;
    if (search.Start(out) || search.Step(Clock::now(), out))
        return {};
    return search.Waiting();
}

FeatureVector MeasureFeatures(const Board& board, const std::vector<Cell>& boxes, Cell keeper, const Tuning& tuning)
{
    assert(boxes.size() == board.boxes.size());
    const Options options;
    FeatureSearch search(board, options, Clock::now(), std::size_t(1) << 20, tuning);
    return search.FeaturesOf(boxes, keeper);
}

std::unique_ptr<SearchMember> MakeFeatureSearch(const Board& board, const Options& options, Clock::time_point started,
                                                std::size_t budgetBytes, const Tuning& tuning)
{
    return std::make_unique<FeatureSearch>(board, options, started, budgetBytes, tuning);
}

} // namespace w4::solver
