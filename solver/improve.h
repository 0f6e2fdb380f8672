#pragma once
// The improvement pass: a found solution passes through a chain of box arrangements. Any of them
// may be reachable from another by a single push, in the chain's order or skipping ahead, and
// each push can be made from the keeper's current cell by a shortest walk. A cheapest-moves
// search (Dijkstra) over those arrangements and the keeper's exact cell finds the shortest
// solution through them; it never has more pushes or moves than the one it starts from.

#include "solver/board.h"
#include "solver/search.h"

#include <atomic>
#include <vector>

namespace w4::solver {

// Returns the improved pushes, or the given ones when nothing better is found, the deadline
// passes or the cancel flag is raised. With keepPushes the push count never grows.
std::vector<Push> ShortenMoves(const Board& board, const std::vector<Push>& pushes, bool keepPushes, Clock::time_point deadline,
                               const std::atomic<bool>* cancel);

} // namespace w4::solver
