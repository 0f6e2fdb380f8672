#pragma once
// The order to fill the targets in. Worked out backwards from the solved position: a box whose
// target can still be left by pulls (the reverse of pushes) toward a cell off the goal area is
// taken out, round after round. What comes out last is boxed in deepest, so it goes in first:
// in a goal room with one entrance this is the order in which the room must be filled.
//
// Taken out "to any cell that is no target", a box may leave into a pocket beside the goal area
// that no box can ever come from, and the order then says nothing about where boxes come in.
// With `fromSources` a box is out only once pulls bring it to a cell a box starts on: the targets
// are filled in the order the boxes can come in from where they stand.

#include "solver/board.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace w4::solver {

struct PackingOrder {
    // Per target number: the round it was taken out in (0 = the first round). Targets of the
    // same round do not block each other; a higher round must be filled before a lower one.
    std::vector<int> layer;
    // Target numbers, the first to fill first: highest round first, within a round the one
    // that needed more pulls to leave first.
    std::vector<int> order;
    int layers = 0;
    // The packing plan's parking (ComputePackingPlan; empty from ComputePackingOrder): per target
    // number the cell its box waits on inside the goal room until the target's round comes
    // (NoCell: it goes straight in), and the round from which on it waits there.
    std::vector<Cell> parking;
    std::vector<int> parkedFrom;
    // Per cell: 1 inside a goal room (a sink room, goalroom.h), where a box that is neither on a
    // target nor parked is in the plan's way.
    std::vector<std::uint8_t> sinkRoom;
};

// A raised `cancel` ends the work early with an order of no use: the search is stopping anyway,
// and on large levels the order takes long enough to hold a cancel up.
PackingOrder ComputePackingOrder(const Board& board, bool fromSources = false, const std::atomic<bool>* cancel = nullptr);

// The packing plan: the same backward walk from the solved position, under the sink-room
// assumption that a box pulled out of its goal room through a doorway is out (the floor beyond
// is taken to be free), and with parking: when no box can leave, one is pulled from its target
// onto a free cell of the room (the nearest that lets another box leave) and waits there. Read
// forwards, that box comes onto its parking cell once the rounds deeper than its own wait are
// due, the targets behind it are filled, and then it goes onto its target. Targets outside goal
// rooms leave as in ComputePackingOrder.
PackingOrder ComputePackingPlan(const Board& board, bool fromSources = false, const std::atomic<bool>* cancel = nullptr);

} // namespace w4::solver
