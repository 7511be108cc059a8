// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;
struct DraftSettings;

// The categories the user has given up in a draft, by categoryid ascending; a failed read comes
// back with its message (its log line written).
Outcome<std::vector<int>> readPunts(Connection& connection, int templateId);

// Replaces the draft's punted categories, in one transaction; ids that are not categories of
// the draft are left out. On a failure the punts are as they were.
Outcome<Done> writePunts(Connection& connection, const DraftSettings& settings,
                         const std::vector<int>& categoryids);

}  // namespace quorvane
