// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

namespace quorvane {

struct DraftSession;
class UserDialogs;

// The categories the user has given up in the open draft, by categoryid ascending. nullopt
// after a failure was shown and logged.
std::optional<std::vector<int>> readPunts(DraftSession& state, UserDialogs& dialogs);

// Replaces the open draft's punted categories, in one transaction; ids that are not categories
// of the draft are left out. False after a failure was shown and logged; the punts are then as
// they were.
bool savePunts(DraftSession& state, UserDialogs& dialogs, const std::vector<int>& categoryids);

}  // namespace quorvane
