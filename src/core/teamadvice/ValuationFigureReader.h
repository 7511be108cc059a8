// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "advice/ExplainLines.h"
#include "model/DraftModel.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The valuation's figures for one player, worked out again over the model by the valuation's
// own functions (inflation as state.showInflation): per category the statistic, denominator
// and SGP term, the replacement level and dollars per SGP; in a points league the weighted
// points, the baseline and the VBD. nullopt after a failure was shown and logged.
std::optional<ValuationFigures> readValuationFigures(ProgramState& state, UserDialogs& dialogs,
                                                     const DraftModel& model, int playerid);

}  // namespace quorvane
