// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "hscores/HScores.h"
#include "model/DraftModel.h"
#include "vocabulary/Progress.h"

namespace quorvane {

struct TeamHScores {
    std::vector<HScoreRow> rows;
    std::vector<double> neutral;  // v, per category
};

// H-scores of a team's candidates straight from the draft: its z-scores, G-scores and basis are
// worked out here (a caller that holds G-scores already builds an HScoreBasis from them). No
// rows outside head-to-head leagues; nullopt when progress asked to stop.
std::optional<TeamHScores> teamHScores(const DraftModel& model, const HScoreRequest& request,
                                       const Progress& progress = {});

}  // namespace quorvane
