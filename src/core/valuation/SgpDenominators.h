// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;
struct DraftSession;

// Reads the loaded draft's SGP denominators again from the category table (a new loaded draft
// only when they changed), indexed by categoryid from 0 to the
// largest id + 1; ids without a row stay 0. A failure comes back with the database message,
// " 60006 error: could not access database" logged, and the list keeps what it held.
Outcome<Done> loadSgpDenominators(DraftSession& session);

// The start-up correction of the field-goal and free-throw denominators for versions before
// 14.0.0. The failures of its writes, in their order, each with " 60005 error: could not edit
// sgp" logged; a busy database ends it at the first.
std::vector<WriteFailure> fixSgpDenominators(Connection& connection, std::string_view appVersion);

}  // namespace quorvane
