#include "solver/corraldeadlock.h"

#include <algorithm>

namespace w4::solver {

namespace {
constexpr std::size_t SeenSize = 1024;   // a power of two above twice MaxPositions
static_assert(SeenSize >= 2 * CorralDeadlockSearch::MaxPositions);
}

CorralDeadlockSearch::CorralDeadlockSearch(const Board& board, const std::vector<std::uint8_t>& dead)
    : board_(board), dead_(dead), freeze_(board, dead), zobrist_(board.CellCount()), reach_(board.CellCount()),
      occupied_(static_cast<std::size_t>(board.CellCount()), 0), seen_(SeenSize, 0)
{}

Cell CorralDeadlockSearch::Normalise(Cell keeper)
{
    return reach_.Flood(board_, occupied_.data(), keeper);
}

// True when the position is new; zero marks an empty slot, so hash 0 is stored as 1.
bool CorralDeadlockSearch::Visit(std::uint64_t hash)
{
    hash |= 1;
    for (std::size_t slot = hash & (SeenSize - 1);; slot = (slot + 1) & (SeenSize - 1)) {
        if (seen_[slot] == hash)
            return false;
        if (seen_[slot] == 0) {
            seen_[slot] = hash;
            return true;
        }
    }
}

bool CorralDeadlockSearch::Lost(const Cell* boxes, int count, Cell keeper)
{
    if (count <= 0 || count > MaxBoxes)
        return false;
    bool home = true;
    for (int i = 0; i < count; ++i)
        home &= board_.isTarget[boxes[i]] != 0;
    if (home)
        return false;
    // The verdict depends only on these boxes and the cell the keeper stands on (the caller
    // passes its area's smallest cell), so a remembered one costs no flood.
    const std::uint64_t key = zobrist_.Of(boxes, count, keeper) | 1;
    if (cache_.empty())
        cache_.resize(CacheSize);   // on first use: most easy levels never need it
    CacheEntry& entry = cache_[key & (CacheSize - 1)];
    if (entry.key == key)
        return entry.lost;
    if (double(nodes_) > EffortShare * double(examined_) + 10000.0)
        return false;   // over its share of the effort: only remembered verdicts count now
    Begin(boxes, count, keeper);
    ++searches_;
    const bool lost = Search();
    nodes_ += keepers_.size();
    proven_ += lost;
    entry = {key, lost};
    // Cutting a proof down costs up to a search per box: that work has a share of its own, so
    // learning never starves the proofs themselves.
    if (lost && learn_ && double(learnNodes_) <= EffortShare * double(examined_) + 10000.0)
        Learn();
    return lost;
}

void CorralDeadlockSearch::Begin(const Cell* boxes, int count, Cell keeper)
{
    count_ = count;
    boxes_.assign(boxes, boxes + count);
    std::sort(boxes_.begin(), boxes_.end());
    for (Cell b : boxes_)
        occupied_[b] = 1;
    const Cell start = Normalise(keeper);
    for (Cell b : boxes_)
        occupied_[b] = 0;
    keepers_.assign(1, start);
}

// The boxes of a proof just made, cut down: each box in turn is left out, and stays out when the
// rest are still proven lost (with the keeper where it was, its area now maybe larger). What is
// left is kept as a pattern. The searches are small and proofs rare, so this costs little.
void CorralDeadlockSearch::Learn()
{
    if (patterns_.size() >= MaxPatterns)
        return;
    // The search left its positions after the first in boxes_: the first is the one proven.
    std::vector<Cell> kept(boxes_.begin(), boxes_.begin() + count_);
    const Cell keeper = keepers_[0];
    for (std::size_t i = kept.size(); i-- > 0 && kept.size() > 1;) {
        std::vector<Cell> fewer = kept;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        bool home = true;
        for (Cell b : fewer)
            home &= board_.isTarget[b] != 0;
        if (home)
            continue;
        Begin(fewer.data(), static_cast<int>(fewer.size()), keeper);
        const bool lost = Search();
        learnNodes_ += keepers_.size();
        if (lost)
            kept.swap(fewer);
    }
    for (Cell b : kept)
        occupied_[b] = 1;
    Pattern pattern;
    pattern.first = static_cast<std::uint32_t>(patternCells_.size());
    pattern.count = static_cast<std::uint32_t>(kept.size());
    pattern.keeper = Normalise(keeper);
    for (Cell b : kept)
        occupied_[b] = 0;
    patternCells_.insert(patternCells_.end(), kept.begin(), kept.end());
    if (byAnchor_.empty())
        byAnchor_.resize(static_cast<std::size_t>(board_.CellCount()));
    std::vector<std::uint32_t>& here = byAnchor_[kept.front()];
    if (here.empty())
        anchors_.push_back(kept.front());
    here.push_back(static_cast<std::uint32_t>(patterns_.size()));
    patterns_.push_back(pattern);
}

bool CorralDeadlockSearch::MatchesPattern(const std::uint8_t* occupied, const Reach& reach)
{
    for (Cell anchor : anchors_) {
        if (!occupied[anchor])
            continue;
        for (std::uint32_t p : byAnchor_[anchor]) {
            const Pattern& pattern = patterns_[p];
            const Cell* cells = &patternCells_[pattern.first];
            bool all = true;
            for (std::uint32_t i = 1; i < pattern.count && all; ++i)
                all = occupied[cells[i]] != 0;
            if (!all)
                continue;
            // The keeper's side: flood from any cell it reaches with the pattern's boxes alone.
            Cell from = NoCell;
            for (int c = 0; c < board_.CellCount() && from == NoCell; ++c)
                if (reach.Reached(static_cast<Cell>(c)))
                    from = static_cast<Cell>(c);
            if (from == NoCell)
                return false;
            for (std::uint32_t i = 0; i < pattern.count; ++i)
                occupied_[cells[i]] = 1;
            const bool same = Normalise(from) == pattern.keeper;
            for (std::uint32_t i = 0; i < pattern.count; ++i)
                occupied_[cells[i]] = 0;
            if (same)
                return true;
        }
    }
    return false;
}

// Depth first over the pushes of these boxes alone, pruned by dead squares and freezes. Ends
// "not lost" as soon as all boxes stand on targets or the position limit is reached; "lost" only
// when every position was seen.
bool CorralDeadlockSearch::Search()
{
    std::fill(seen_.begin(), seen_.end(), 0);
    const std::size_t n = static_cast<std::size_t>(count_);
    Visit(zobrist_.Of(boxes_.data(), count_, keepers_[0]));
    std::vector<std::uint32_t> stack{0};
    struct Move {
        Cell from, to;
    };
    std::vector<Move> moves;
    bool lost = true;
    while (!stack.empty() && lost) {
        const std::uint32_t at = stack.back();
        stack.pop_back();
        work_.assign(boxes_.begin() + static_cast<std::ptrdiff_t>(at * n), boxes_.begin() + static_cast<std::ptrdiff_t>((at + 1) * n));
        for (Cell b : work_)
            occupied_[b] = 1;
        reach_.Flood(board_, occupied_.data(), keepers_[at]);
        moves.clear();
        for (Cell from : work_)
            for (int d = 0; d < DirCount; ++d) {
                const Cell to = board_.Next(from, d);
                const Cell behind = board_.Next(from, Opposite(d));
                if (to != NoCell && behind != NoCell && !occupied_[to] && !dead_[to] && reach_.Reached(behind))
                    moves.push_back({from, to});
            }
        const std::uint64_t base = zobrist_.Of(work_.data(), count_, 0) ^ zobrist_.Keeper(0);
        for (const Move& move : moves) {
            occupied_[move.from] = 0;
            occupied_[move.to] = 1;
            if (!freeze_.PushFreezes(occupied_.data(), move.to)) {
                const Cell keeper = Normalise(move.from);
                const std::uint64_t hash = base ^ zobrist_.Box(move.from) ^ zobrist_.Box(move.to) ^ zobrist_.Keeper(keeper);
                if (Visit(hash)) {
                    bool home = true;
                    for (Cell b : work_)
                        home &= b == move.from ? board_.isTarget[move.to] != 0 : board_.isTarget[b] != 0;
                    // The keeper reaching every free cell means the corral has opened up: from there
                    // the boxes are as free as they get, so the search stops without a proof.
                    const bool open = reach_.Count() == board_.CellCount() - count_;
                    if (home || open || keepers_.size() >= static_cast<std::size_t>(MaxPositions)) {
                        lost = false;   // solved, opened, or too big to tell
                    } else {
                        stack.push_back(static_cast<std::uint32_t>(keepers_.size()));
                        keepers_.push_back(keeper);
                        for (Cell b : work_)
                            boxes_.push_back(b == move.from ? move.to : b);
                    }
                }
            }
            occupied_[move.from] = 1;
            occupied_[move.to] = 0;
            if (!lost)
                break;
        }
        for (Cell b : work_)
            occupied_[b] = 0;
    }
    return lost;
}

} // namespace w4::solver
