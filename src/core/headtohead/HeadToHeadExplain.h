// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "advice/ExplainLines.h"
#include "headtohead/GScores.h"
#include "model/DraftModel.h"

namespace quorvane {

// What a head-to-head league adds to the math of a player's value: the games of a week, the
// counted roster N and kappa; per category its variance ratio r, tau (weekly units, or the
// ratio's own units) and his G; his total G and, in an auction, his G$. Empty for a player the
// model does not hold.
std::vector<ExplainLine> headToHeadExplainLines(const DraftModel& model, const GScores& gScores,
                                                int playerid);

}  // namespace quorvane
