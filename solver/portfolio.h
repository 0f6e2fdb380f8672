#pragma once
// The fast mode's portfolio: searches that differ in bound, weight and direction take turns of a
// few milliseconds on one thread (or two groups on two), share the memory budget and hand it on
// when one leaves, and meet the search from the solved end. The optimal modes run A* alone.
// solver/README.md draws it.

#include "solver/search.h"

namespace w4::solver {

SearchOutcome SearchPushes(const Board& board, const Options& options, Clock::time_point started);

} // namespace w4::solver
