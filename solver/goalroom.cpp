#include "solver/goalroom.h"

#include <algorithm>

namespace w4::solver {

bool DoorwayCell(const Board& board, Cell c)
{
    if (board.isTarget[c])
        return false;
    for (int d = 0; d < 2; ++d) {
        const bool walled = board.Next(c, d) == NoCell && board.Next(c, d + 2) == NoCell;
        const bool through = board.Next(c, d + 1) != NoCell && board.Next(c, (d + 3) % DirCount) != NoCell;
        if (walled && through)
            return true;
    }
    return false;
}

GoalRooms::GoalRooms(const Board& board, const PackingOrder& packing)
    : board_(board), layer_(packing.layer), roomOf_(static_cast<std::size_t>(board.CellCount()), -1), entranceOf_(roomOf_)
{
    const int cells = board.CellCount();
    std::vector<std::uint8_t> doorway(static_cast<std::size_t>(cells), 0);
    for (int c = 0; c < cells; ++c)
        doorway[static_cast<std::size_t>(c)] = DoorwayCell(board, static_cast<Cell>(c));
    std::vector<std::uint8_t> box(static_cast<std::size_t>(cells), 0);
    for (Cell b : board.boxes)
        box[b] = 1;
    std::vector<int> piece(static_cast<std::size_t>(cells), -1);
    std::vector<Cell> queue;
    int pieces = 0;
    for (Cell target : board.targets) {
        if (piece[target] >= 0)
            continue;
        // The floor round this target, up to the doorways.
        GoalRoom room;
        const int label = pieces++;
        queue.assign(1, target);
        piece[target] = label;
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const Cell at = queue[head];
            room.cells.push_back(at);
            for (int d = 0; d < DirCount; ++d) {
                const Cell n = board.Next(at, d);
                if (n == NoCell || piece[n] == label)
                    continue;
                if (doorway[n]) {
                    if (std::find(room.entrances.begin(), room.entrances.end(), n) == room.entrances.end())
                        room.entrances.push_back(n);
                    continue;
                }
                piece[n] = label;
                queue.push_back(n);
            }
        }
        // A room is entered from outside: boxes must start beyond its doorways.
        bool boxOutside = false;
        for (Cell b : board.boxes)
            boxOutside |= piece[b] != label;
        if (room.entrances.empty() || static_cast<int>(room.entrances.size()) > MaxEntrances || !boxOutside)
            continue;
        for (int t : packing.order)
            if (piece[board.targets[static_cast<std::size_t>(t)]] == label)
                room.order.push_back(t);
        const int number = static_cast<int>(rooms_.size());
        for (Cell c : room.cells)
            roomOf_[c] = number;
        for (Cell c : room.entrances)
            if (entranceOf_[c] < 0)
                entranceOf_[c] = number;
        std::sort(room.cells.begin(), room.cells.end());
        rooms_.push_back(std::move(room));
    }
}

void GoalRooms::DueTargets(int room, const std::uint8_t* occupied, std::vector<Cell>& due) const
{
    due.clear();
    int round = -1;
    for (int t : rooms_[static_cast<std::size_t>(room)].order) {
        const Cell cell = board_.targets[static_cast<std::size_t>(t)];
        const int layer = layer_[static_cast<std::size_t>(t)];
        if (round >= 0 && layer != round)
            break;
        if (!occupied[cell]) {
            due.push_back(cell);
            round = layer;
        }
    }
}

GoalMacros::GoalMacros(const Board& board)
    : board_(board), packing_(ComputePackingOrder(board)), rooms_(board, packing_), router_(board)
{
}

// A box coming onto a doorway from outside, or moving inside a room off its targets, is on its
// way in. One leaving a room, or one on a room's target, is not: it may have to make way.
int GoalMacros::Triggers(Cell from, Cell to) const
{
    const int fromRoom = rooms_.RoomOf(from);
    if (fromRoom >= 0 && board_.isTarget[from])
        return -1;
    const int room = rooms_.RoomOf(to);
    if (room >= 0)
        return room;
    const int entered = rooms_.EntranceOf(to);
    if (entered >= 0 && fromRoom != entered)
        return entered;
    return -1;
}

void GoalMacros::Generate(const std::uint8_t* occupied, const Reach& reach, std::vector<Push>& pushes, std::vector<std::vector<Push>>& macros)
{
    macros.clear();
    routed_.clear();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < pushes.size(); ++i) {
        const Push push = pushes[i];
        const int room = Triggers(push.from, board_.Next(push.from, push.dir));
        bool replaced = false;
        if (room >= 0) {
            // One route per box: its pushes all go to the same due target.
            bool tried = std::find(routed_.begin(), routed_.end(), push.from) != routed_.end();
            bool routed = false;
            for (const std::vector<Push>& m : macros)
                routed |= m.front().from == push.from;
            if (!tried) {
                routed_.push_back(push.from);
                rooms_.DueTargets(room, occupied, due_);
                for (std::size_t k = 0; k < due_.size() && !routed; ++k)
                    if (router_.Route(occupied, reach, due_[k], route_, push.from)) {
                        macros.push_back(route_);
                        routed = true;
                    }
            }
            replaced = routed;
        }
        if (!replaced)
            pushes[kept++] = push;
    }
    pushes.resize(kept);
}

} // namespace w4::solver
