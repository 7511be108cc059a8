// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "online/RoomData.h"

namespace quorvane {

// A room's answer once judged: its picks with their prices read, or what was wrong with it.
struct CheckedAnswer {
    std::vector<RoomPick> picks;
    std::string problem;  // "pick 7 is for roster 13, which the room never listed"; empty if fit
};

// The rounds a room's draft has: its own, else those of the draft that follows it.
int roomRounds(const RoomDraft& draft, int ownRounds);

// Judges a whole answer before any pick of it is written, so that a hostile or broken room
// records nothing at all: no pick number twice, none beyond the draft's last pick (teams times
// `rounds`), no more picks than the draft holds, every pick by a team the room lists and naming
// a player, every name valid UTF-8 without control characters, and in an auction every price a
// plain number from 0 to what the team can still pay of the budget (the room's when it gives
// one, else `ownBudget`), keepers' prices counted in pick-number order (a keeper may come
// without one).
CheckedAnswer checkRoomAnswer(const RoomDraft& draft, std::vector<RoomPick> picks, int rounds,
                              double ownBudget);

}  // namespace quorvane
