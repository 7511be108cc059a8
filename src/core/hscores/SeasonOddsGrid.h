// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "hscores/SeasonOdds.h"
#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// The season odds as the Projected Standings tab shows them, best chance of first place first:
// "Owner", "First" and "Top Half" as percents, "Mean Wins" (categories or weeks won, one
// decimal).
GridTable seasonOddsGrid(const DraftModel& model, std::vector<TeamSeasonOdds> odds);

}  // namespace quorvane
