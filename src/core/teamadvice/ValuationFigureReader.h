// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "advice/ExplainLines.h"
#include "model/DraftModel.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The valuation's figures for one player, worked out again over the model by the valuation's
// own functions (inflation as showInflation says): per category the statistic, denominator
// and SGP term, the replacement level and dollars per SGP; in a points league the weighted
// points, the baseline and the VBD. A failed read comes back with its message, its log lines
// written.
Outcome<ValuationFigures> readValuationFigures(DraftSession& session, bool showInflation,
                                               const DraftModel& model, int playerid);

}  // namespace quorvane
