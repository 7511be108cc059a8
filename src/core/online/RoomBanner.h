// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "online/FollowStore.h"
#include "room/DraftPicks.h"

namespace quorvane {

// The banner of a draft that follows an online room: the clock as the room has it, "Round 3 ·
// Pick 2 (#26) — Owner 5 on the clock · you pick in 4 · following Sleeper draft 1240", or
// "Draft complete · 26 picks made · following ESPN league 123456"; an auction's own banner with
// the room named after it.
std::string roomClockBanner(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                            const RoomClock& clock);

}  // namespace quorvane
