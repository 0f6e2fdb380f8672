#pragma once
// The search from the other end: boxes on all targets, the keeper in any area it could have
// ended in, and boxes pulled back toward where they start. Levels whose hard part is filling a
// goal room in the right order are easy this way round: pulled out of the room, the boxes come
// in the order they must have gone in. Positions are normalised as the forward searches do
// (sorted boxes, smallest cell of the keeper's reach, the same Zobrist keys), so a position met
// from both ends joins a forward path to a backward one.

#include "solver/board.h"
#include "solver/lowerbound.h"
#include "solver/search.h"
#include "solver/tuning.h"
#include "solver/table.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace w4::solver {

class BackwardSearcher : public SearchMember {
public:
    // Asked for every new position: whether a forward search has stored it, and if so the
    // pushes from the start to it.
    using ForwardLookup = std::function<bool(std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes)>;

    // With `weight2` above 0 a second open list orders the same positions by that weight, and
    // the two take turns: weights that pull greedily and ones that look wider each find some
    // levels the other misses, and sharing the table costs neither the other's positions.
    BackwardSearcher(const Board& board, const Options& options, Clock::time_point started, int weight, std::size_t budget,
                     int weight2 = 0);

    // Sets up the solved ends; true when that alone settles the search (out is filled).
    bool Start(SearchOutcome& out) override;
    // Expands positions until `sliceEnd`; true when the search has ended (out is filled). An
    // emptied list is a proof: every position from which some solved one can be reached was seen.
    bool Step(Clock::time_point sliceEnd, SearchOutcome& out) override;

    void MeetForward(ForwardLookup lookup) { forward_ = std::move(lookup); }
    // For the forward searches: when this search has stored the position, the pushes from it to
    // a solved one.
    bool PushesToSolved(std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) const;

    std::size_t Positions() const override { return table_.Size(); }
    std::uint64_t Expanded() const override { return expanded_; }
    // It stores every position, skipping only those that can no longer get back to the start.
    bool Complete() const override { return true; }
    void AddBudget(std::size_t bytes) override { table_.AddBudget(bytes); }

private:
    struct Entry {
        std::uint64_t key;
        NodeId id;
        std::uint32_t order;
    };
    Expansion Expand(NodeId id, LowerBound& bound, SearchOutcome& out);
    bool Add(const Node& node, std::uint64_t hash, const Cell* boxes, SearchOutcome& out, Expansion& ended);
    bool Open(int pulls, int bound, NodeId id);
    bool Enqueue(std::vector<Entry>& open, std::uint64_t key, NodeId id);
    std::uint64_t Priority(int pulls, int bound, int weight) const;
    bool TimeToStop(Outcome& why) const;
    Cell PullKeeper(Cell parentKeeper, Cell from, Cell to, int dir);
    void Place(const Cell* boxes, std::uint8_t value);
    void AppendPushes(NodeId id, std::vector<Push>& pushes) const;

    const Board& board_;
    const Options& options_;
    Clock::time_point started_;
    int boxCount_;
    int weight_;
    int weight2_;
    LowerBound bound_;   // pulls back to the start's box cells
    // The same for the positions of the second list: each keeps the matching of the last position
    // it expanded, which its next one is mostly near (the other list's seldom is).
    LowerBound bound2_;
    Zobrist zobrist_;
    Reach reach_, childReach_;
    std::vector<std::uint8_t> occupied_;
    PositionTable table_;
    std::vector<Entry> open_, open2_;
    bool turn_ = false;   // which list the next position comes from
    std::uint32_t order_ = 0;
    std::vector<Push> pulls_;   // box cell and the direction it is pulled in
    std::vector<Cell> child_;
    Cell startKeeper_ = NoCell;
    ForwardLookup forward_;
    std::vector<Push> joined_;
    Outcome stop_ = Outcome::Unsolvable;
    std::uint64_t expanded_ = 0;
};

// The backward search alone, for tests and measuring; by default in the orders the portfolio uses.
SearchOutcome SearchBackward(const Board& board, const Options& options, Clock::time_point started,
                            int weight = SearchTuning().backwardWeight, int weight2 = SearchTuning().backwardWeight2);

} // namespace w4::solver
