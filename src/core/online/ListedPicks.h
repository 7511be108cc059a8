// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "online/Room.h"
#include "online/RoomPlayerList.h"

namespace quorvane {

// For rooms whose answers list every pick slot of the draft, made or not, with the player by id
// only (ESPN, Fantrax).

// A slot with a player: not empty, not ESPN's -1.
bool isMadeSlot(const RoomPick& slot);

// The draft of a league room filled in from its listed slots: the league's id as the draft's,
// who holds each slot (trades included) for the clock, and the mark that changes with its picks.
void fillFromSlots(RoomDraft& draft, const RoomLink& link, const std::vector<RoomPick>& slots);

// The made slots as picks, each player described from the room's player list (read or asked
// for as needed); the reply of a failed request for the list otherwise.
RoomRead<std::vector<RoomPick>> picksOfSlots(const std::vector<RoomPick>& slots,
                                             RoomPlayerList& players);

// The teams the draft lists with their names; a name that is no plain text is left out.
std::vector<RoomTeam> namedTeams(const RoomDraft& draft);

}  // namespace quorvane
