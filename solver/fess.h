#pragma once
// A search in feature space, after Shoham and Schaeffer's FESS. Each position is described by a
// few features: how many targets are filled in the packing order's sense (each goal area on its
// own), how many filled out of it, and into how many regions the boxes cut the keeper's floor.
// Positions with the same features share a cell of feature space; the search visits the
// non-empty cells in turn and in each expands the position reached at the least weight, where
// pushes that advisors recommend (filling the target next in the packing order, joining keeper
// regions) and pushes going on with the box pushed last weigh nothing, and all others weigh one:
// the weight counts box moves, as Festival's moves take one box anywhere. Progress along any
// feature is thus tried side by side, instead of trusting one bound.
//
// Optionally (`Tuning::fessContacts`) a fourth feature counts boxes standing side by side, not
// both on targets: boxes packed together in a store block each other's pushes and the keeper's
// way, much as Festival's hotspots do, so parting them is progress too, and advised.
//
// Optionally (`Tuning::fessRooms`) a fifth, FESS's room connectivity: the floor is cut into rooms
// at its one-wide passages, and a passage joining two rooms is blocked while a box stands in it.
// The keeper may still get round, so the floor regions need not change, but a box parked in a
// corridor that others must come through is in the way; moving it out of the passage is advised.
//
// Optionally (`Tuning::fessHotspots`) a sixth, FESS's hotspots: boxes standing where, walled up,
// they would keep another box from every target (hotspots.h), such as a box in a pocket's one
// way out; a move that leaves fewer is advised.

#include "solver/search.h"
#include "solver/tuning.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace w4::solver {

// The feature-space search as a member of the fast mode's portfolio. It stores every position
// once and skips those met again, so an emptied list proves nothing; Complete() is false.
std::unique_ptr<SearchMember> MakeFeatureSearch(const Board& board, const Options& options, Clock::time_point started,
                                                std::size_t budgetBytes, const Tuning& tuning = SearchTuning());

// The features a position is filed under: packed and out-of-plan targets, floor regions, and
// (when the tuning counts them) boxes side by side, blocked room links and hotspots.
struct FeatureVector {
    int packed = 0;      // filled targets of their goal area's round due now or deeper, and
                         // (with the plan) boxes waiting on their parking cells
    int outOfPlan = 0;   // filled targets of shallower rounds, which may be in the way, and
                         // (`Tuning::fessOutOfPlan`) boxes in a goal room off its targets, not parked
    int regions = 0;     // separate floor regions the boxes cut
    int contacts = 0;    // pairs of boxes side by side, not both on targets (when counted)
    int rooms = 0;       // passages between two rooms with a box in them (when counted)
    int hotspots = 0;    // boxes that block another off its targets (when counted)
    bool operator==(const FeatureVector&) const = default;
};

// The key of the feature cell a position goes to (`Tuning::fessCells`): at 0 every feature; above
// it the published four, packed, out of plan, regions and room links.
std::uint64_t FeatureCellKey(const FeatureVector& f, int cellsMode);
// Whether a child is worse than the cell its parent was taken from and better in nothing: as many
// or fewer packed, as many or more out of plan, regions and blocked room links, and not the same.
// At `fessCells` 2 it is filed in that cell.
bool WorseThanHome(const FeatureVector& child, const FeatureVector& home);

// The children of the start after its expansion, each as the box it moved, the weight it waits
// with (0: advised) and the cell it was filed in (0: the start's own), for tests of the advisors
// and the cells.
struct FirstChild {
    Cell from = NoCell;
    Cell to = NoCell;
    int weight = 0;
    std::size_t cell = 0;
};
std::vector<FirstChild> FirstChildren(const Board& board, const Tuning& tuning);
FeatureVector MeasureFeatures(const Board& board, const std::vector<Cell>& boxes, Cell keeper, const Tuning& tuning = SearchTuning());

} // namespace w4::solver
