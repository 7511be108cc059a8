// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "follow/RoomData.h"

namespace quorvane {

// Whether round `round` of a room's draft runs from slot 1 upwards. A snake alternates; with a
// reversal round R, round R runs like round R-1 and the alternation flips from there. A linear
// draft always runs upwards, and so does an auction, which has no order.
bool roundRunsUp(const RoomDraft& draft, int round);

// The board column (slot) of an overall pick number; 0 outside the draft's rounds.
int slotOfPick(const RoomDraft& draft, int pickNo);

// The pick on the clock: the first pick number the room has not made. Keepers stand at the
// numbers they cost, possibly ahead of the draft, so this is not the count of picks plus one.
// 0 when every pick of every round is made.
int firstOpenPick(const RoomDraft& draft, const std::vector<RoomPick>& picks);

// Turns from the pick on the clock until the slot picks (0 when it is on the clock); -1 when it
// has no open pick left. Keepers already placed ahead are passed over.
int turnsUntilSlot(const RoomDraft& draft, const std::vector<RoomPick>& picks, int slot);

}  // namespace quorvane
