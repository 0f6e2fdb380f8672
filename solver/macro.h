#pragma once
// Macro moves shared by the searches: a box routed onto a goal cell while the others stand still
// (found by pulling back from the goal), and the pushes of such macros kept beside the position
// table, where one node records only how its last straight run of pushes went.

#include "solver/search.h"
#include "solver/table.h"

#include <functional>
#include <unordered_map>
#include <vector>

namespace w4::solver {

class BoxRouter {
public:
    explicit BoxRouter(const Board& board);
    // A box pushed onto `goal` alone, the others standing still: pulls back from the goal until a
    // pull would land on a box the keeper (its area in `reach`) can push there; then `route`
    // holds that box's pushes, the first first. With `only` set, just that box may be taken.
    // `occupied` marks the boxes.
    bool Route(const std::uint8_t* occupied, const Reach& reach, Cell goal, std::vector<Push>& route, Cell only = NoCell);

private:
    void PullFlood(const std::uint8_t* occupied, Cell box, Cell keeper, Cell only);
    bool PullReached(Cell c) const { return pullStamp_[c] == pullMark_; }

    const Board& board_;
    // Per (box cell, keeper side) a stamp and the state it was pulled from, plus the keeper's
    // floods with the pulled box in place.
    std::vector<std::uint32_t> pullSeen_;
    std::vector<std::uint32_t> pullParent_;
    std::vector<std::uint32_t> pullQueue_;
    std::uint32_t pullRound_ = 0;
    std::vector<std::uint32_t> pullStamp_;   // per cell: wanted (stamp - 1) or reached (stamp)
    std::uint32_t pullMark_ = 0;
    std::vector<Cell> pullFlood_;
};

// The pushes from the start to `id`: straight runs from the nodes, and for a node of run 0 (a
// move of turns) whatever `turns` gives for it.
std::vector<Push> PathThrough(const PositionTable& table, const Board& board, NodeId id,
                              const std::function<std::vector<Push>(NodeId)>& turns);

// The pushes of the nodes reached by a macro of turns (stored with run 0), counted in bytes so
// the owner can charge them to its budget.
class MacroRoutes {
public:
    // Bytes one more macro of `pushes` pushes would take.
    static std::size_t Cost(std::size_t pushes) { return pushes * sizeof(Push) + Overhead; }
    void Keep(NodeId id, const std::vector<Push>& route);
    std::size_t Bytes() const { return bytes_; }
    // The pushes kept for `id`, which must have some.
    const std::vector<Push>& At(NodeId id) const { return routes_.at(id); }
    // The pushes from the start to `id`: macros from here, straight runs from the nodes.
    std::vector<Push> PathTo(const PositionTable& table, const Board& board, NodeId id) const;
    // For a meeting with the backward search: when `table` holds the position, the pushes from
    // the start to it.
    bool PathToStored(const PositionTable& table, const Board& board, std::uint64_t hash, const Cell* boxes, Cell keeper,
                      std::vector<Push>& pushes) const
    {
        const NodeId id = table.Find(hash, boxes, keeper);
        if (id == NoNode)
            return false;
        pushes = PathTo(table, board, id);
        return true;
    }

private:
    static constexpr std::size_t Overhead = 64;   // a map entry and a vector, roughly
    std::unordered_map<NodeId, std::vector<Push>> routes_;
    std::size_t bytes_ = 0;
};

} // namespace w4::solver
