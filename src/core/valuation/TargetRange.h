// SPDX-License-Identifier: MIT
#pragma once

#include "text/CheckedNumber.h"

namespace quorvane {

// The figures a team's target in a category can be: what some team could reach. A percentage is
// a share of shots made, 0 to 1. A per-game figure or assists per turnover lies under 100 (no
// player has averaged 100 of anything a game). A season count lies under 1,000,000: the largest
// roster the setup allows (92 slots) of players at the largest season figure a projection file
// may hold (10,000) stays below it. None is negative, since a team's figures never are.
FieldRange targetRangeOf(int categoryid);

}  // namespace quorvane
