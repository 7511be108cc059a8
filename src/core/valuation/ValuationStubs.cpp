// SPDX-License-Identifier: MIT
// Placeholders until the valuation lands: no values, no ranks.
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane {

bool calcDollarValues(ProgramState&, UserDialogs&, std::string_view) { return true; }
bool calcRanks(ProgramState&, UserDialogs&) { return true; }

}  // namespace quorvane
