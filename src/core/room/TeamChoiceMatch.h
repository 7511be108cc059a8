// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "room/PlayerLists.h"

namespace quorvane {

// The team a typed text names in a list of teams by draft position: the team whose name is the
// text (any case), else the first whose name begins with it; a text of digits that begins no
// name is a draft position ("3" the third team). Blanks at either end are ignored; blanks
// inside count ("owner 1" names "Owner 1", not "Owner 10"). nullopt when nothing fits.
std::optional<std::size_t> matchTeamChoice(const std::vector<TeamChoice>& teams,
                                           std::string_view typed);

}  // namespace quorvane
