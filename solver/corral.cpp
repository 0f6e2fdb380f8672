#include "solver/corral.h"

#include <algorithm>

namespace w4::solver {

CorralPruner::CorralPruner(const Board& board, const std::vector<std::uint8_t>& dead)
    : board_(board), dead_(dead), region_(static_cast<std::size_t>(board.CellCount()), 0),
      fence_(static_cast<std::size_t>(board.CellCount()), 0), chosenFence_(static_cast<std::size_t>(board.CellCount()), 0)
{
}

void CorralPruner::SearchDeadlocks(bool on)
{
    if (on && !search_)
        search_ = std::make_unique<CorralDeadlockSearch>(board_, dead_);
    else if (!on)
        search_.reset();
    if (search_)
        search_->Learning(learn_);
}

void CorralPruner::LearnPatterns(bool on)
{
    learn_ = on;
    if (search_)
        search_->Learning(on);
}

CorralPruner::Verdict CorralPruner::Examine(const std::uint8_t* occupied, const Reach& reach)
{
    const int n = board_.CellCount();
    if (search_)
        search_->CountExamined();
    // Every free cell reached: there is no corral to look at.
    if (reach.Count() + static_cast<int>(board_.boxes.size()) >= n)
        return Verdict::None;
    if (search_ && search_->MatchesPattern(occupied, reach))
        return Verdict::Deadlock;
    if (base_ > 0xF0000000u) {
        std::fill(region_.begin(), region_.end(), 0);
        std::fill(fence_.begin(), fence_.end(), 0);
        std::fill(chosenFence_.begin(), chosenFence_.end(), 0);
        base_ = 0;
        chosenMark_ = 0;
    }
    const std::uint32_t first = base_ + 1;
    std::uint32_t next = first;
    chosen_ = 0;
    int bestPushes = 0;
    Cell keeper = NoCell;   // any cell the keeper reaches, found when first needed

    for (int start = 0; start < n; ++start) {
        const Cell s = static_cast<Cell>(start);
        if (occupied[s] || reach.Reached(s) || region_[s] >= first)
            continue;
        // One corral: its free cells, then the boxes fencing it.
        const std::uint32_t id = next++;
        cells_.assign(1, s);
        region_[s] = id;
        boxes_.clear();
        bool unfinished = false;
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            const Cell at = cells_[i];
            unfinished |= board_.isTarget[at] != 0;
            for (int d = 0; d < DirCount; ++d) {
                const Cell c = board_.Next(at, d);
                if (c == NoCell)
                    continue;
                if (occupied[c]) {
                    if (fence_[c] != id) {
                        fence_[c] = id;
                        boxes_.push_back(c);
                        unfinished |= board_.isTarget[c] == 0;
                    }
                } else if (region_[c] != id) {
                    region_[c] = id;
                    cells_.push_back(c);
                }
            }
        }
        if (!unfinished)
            continue;   // nothing in it needs doing, so nothing forces a push into it

        const auto inCorral = [&](Cell c) { return !occupied[c] && region_[c] == id; };
        const auto blocks = [&](Cell c) { return c == NoCell || (occupied[c] && fence_[c] == id) || inCorral(c); };
        bool pi = true;
        int pushes = 0;
        for (std::size_t i = 0; i < boxes_.size() && pi; ++i) {
            const Cell box = boxes_[i];
            for (int d = 0; d < DirCount && pi; ++d) {
                const Cell to = board_.Next(box, d);
                const Cell from = board_.Next(box, Opposite(d));
                if (to == NoCell || blocks(from))
                    continue;   // never pushable this way from outside while the fence stands
                if (inCorral(to)) {
                    if (dead_[to])
                        continue;
                    // P: a push into the corral must be possible now.
                    if (occupied[from] || !reach.Reached(from))
                        pi = false;
                    else
                        ++pushes;
                } else {
                    // I: no push out of the corral or along it, unless it is pointless or blocked
                    // by the fence itself.
                    if (!dead_[to] && !(occupied[to] && fence_[to] == id))
                        pi = false;
                }
            }
        }
        if (search_ && !(pi && pushes == 0) && static_cast<int>(boxes_.size()) <= CorralDeadlockSearch::MaxBoxes) {
            if (keeper == NoCell)
                for (int c = 0; c < n && keeper == NoCell; ++c)
                    if (reach.Reached(static_cast<Cell>(c)))
                        keeper = static_cast<Cell>(c);
            // The boxes touching the fence from outside join it: they are often what holds the
            // fence in place, and the search stays small.
            extended_ = boxes_;
            for (std::size_t i = 0; i < boxes_.size(); ++i)
                for (int d = 0; d < DirCount; ++d) {
                    const Cell c = board_.Next(boxes_[i], d);
                    if (c != NoCell && occupied[c] && fence_[c] != id && std::find(extended_.begin(), extended_.end(), c) == extended_.end())
                        extended_.push_back(c);
                }
            if (static_cast<int>(extended_.size()) > CorralDeadlockSearch::MaxBoxes)
                extended_.resize(boxes_.size());
            if (search_->Lost(extended_.data(), static_cast<int>(extended_.size()), keeper)) {
                base_ = next;
                return Verdict::Deadlock;
            }
        }
        if (!pi)
            continue;
        if (pushes == 0) {
            base_ = next;
            return Verdict::Deadlock;
        }
        if (chosen_ == 0 || pushes < bestPushes) {
            chosen_ = id;
            bestPushes = pushes;
            chosenBoxes_ = boxes_;
        }
    }
    base_ = next;
    if (chosen_ == 0)
        return Verdict::None;
    // A fence box may border a later corral too, so the chosen fence is marked apart.
    ++chosenMark_;
    for (Cell c : chosenBoxes_)
        chosenFence_[c] = chosenMark_;
    return Verdict::Prune;
}

} // namespace w4::solver
