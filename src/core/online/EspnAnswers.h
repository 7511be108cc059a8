// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "online/AnswerJson.h"
#include "online/RoomData.h"
#include "online/RoomPlayerList.h"

namespace quorvane {

// An ESPN league's draft as one answer of the draft, settings and team views gives it: the
// draft, and every pick slot it lists, made or not (a slot not made has player id -1).
struct EspnDraft {
    RoomDraft draft;
    std::vector<RoomPick> slots;  // made and open, by pick number; players by id only
};

// The draft: complete once `drafted`, running while `inProgress`; snake or auction from the
// settings; the first round's team order from `pickOrder`; the teams and their names from the
// team view (`name`, else `location` and `nickname`, else `abbrev`).
ParsedAnswer<EspnDraft> parseEspnDraft(std::string_view text);

// The players call: id -> names, pro team (from `proTeamId`) and positions (from the slots PG,
// SG, SF, PF, C he may fill, else his default position).
ParsedAnswer<RoomPlayerMap> parseEspnPlayers(std::string_view text);

// The pro team code of an ESPN `proTeamId`; empty for 0 (a free agent) or an unknown id.
std::string espnProTeam(int proTeamId);

}  // namespace quorvane
