#pragma once
// Goal rooms and their macros, after Junghanns' Rolling Stone: an area holding targets that the
// rest of the floor reaches only through a few one-wide doorways. Once a box comes onto a
// doorway or into such a room, the only sensible thing to do with it is to take it all the way
// to the target the room's packing order wants next; one macro move does that, and with the goal
// cut it is the only move tried from that position. Both skip positions, so only the inexact
// searches use them.

#include "solver/macro.h"
#include "solver/packing.h"

#include <vector>

namespace w4::solver {

// A straight one-wide passage cell, no target: walls on both sides, floor ahead and behind. A box
// pushed through it cannot turn, and the floor beyond is reached only across it (or round
// another way).
bool DoorwayCell(const Board& board, Cell c);

struct GoalRoom {
    std::vector<Cell> cells;       // the room's floor, its targets included
    std::vector<Cell> entrances;   // the doorway cells just outside it
    std::vector<int> order;        // its target numbers, the first to fill first
};

// The rooms of a board: the floor cut at one-wide doorways (cells walled on both sides of a
// straight passage, targets excepted), each piece with targets and at most `MaxEntrances`
// doorways round it, and not the whole floor.
class GoalRooms {
public:
    static constexpr int MaxEntrances = 3;
    GoalRooms(const Board& board, const PackingOrder& packing);

    const std::vector<GoalRoom>& Rooms() const { return rooms_; }
    // The room a cell lies in, -1 for none.
    int RoomOf(Cell c) const { return roomOf_[c]; }
    // The room a doorway cell leads into (the first such room), -1 for none.
    int EntranceOf(Cell c) const { return entranceOf_[c]; }
    // The room's first target in its order that holds no box, and after it the other free ones
    // of the same packing round (they do not block each other), into `due`; empty when full.
    void DueTargets(int room, const std::uint8_t* occupied, std::vector<Cell>& due) const;

private:
    const Board& board_;
    std::vector<int> layer_;   // the packing round per target number
    std::vector<GoalRoom> rooms_;
    std::vector<int> roomOf_, entranceOf_;
};

// Turns the pushes of a position into goal macros where they bring a box onto a doorway or into a
// room: that box's route onto the room's due target, the others standing still.
class GoalMacros {
public:
    explicit GoalMacros(const Board& board);
    bool Any() const { return !rooms_.Rooms().empty(); }
    const GoalRooms& Rooms() const { return rooms_; }

    // `occupied` and `reach` hold the position, `pushes` its pushes. On return `macros` holds the
    // routes found (one per box; a single push when the target is just one push away) and
    // `pushes` lost the ones those routes replace. The goal cut is the caller's: it drops the
    // other pushes too once a macro has led somewhere new and alive.
    void Generate(const std::uint8_t* occupied, const Reach& reach, std::vector<Push>& pushes, std::vector<std::vector<Push>>& macros);

private:
    // Whether the push of a box from `from` onto `to` brings it toward a room: the room, or -1.
    int Triggers(Cell from, Cell to) const;

    const Board& board_;
    PackingOrder packing_;
    GoalRooms rooms_;
    BoxRouter router_;
    std::vector<Push> route_;
    std::vector<Cell> due_;
    std::vector<Cell> routed_;   // boxes already tried this position
};

} // namespace w4::solver
