// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "advice/DraftModel.h"
#include "advice/ExplainLines.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// What the last valuation of the open draft left for one player in its work tables: per
// category the statistic, denominator and SGP term it used (each term evaluated with the
// valuation's own expression), the replacement level and dollars per SGP; in a points league
// the weighted points, the baseline and the VBD. The valuation must have run for this draft.
// nullopt after a failure was shown and logged.
std::optional<ValuationFigures> readValuationFigures(ProgramState& state, UserDialogs& dialogs,
                                                     const DraftModel& model, int playerid);

}  // namespace quorvane
