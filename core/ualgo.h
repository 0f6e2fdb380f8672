#pragma once
#include "core/uglobal.h"

namespace w4 {

// Marks record 0: non-wall cells the keeper could reach ignoring boxes become floor, every other
// non-wall cell becomes 'X'; boxes, targets and keepers keep their characters.
void FillReachableArea(GameState& g);

} // namespace w4
