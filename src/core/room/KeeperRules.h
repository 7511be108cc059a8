// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "model/DraftModel.h"
#include "room/RuleMessage.h"

namespace quorvane {

inline constexpr RuleMessage kPlayerAlreadySelected{
    "Player Already Selected",
    "This player is currently on a team in your league and cannot be added to another team"};

inline constexpr RuleMessage kRemoveKeeperQuestion{
    "Remove This Keeper?",
    "Are you sure that you want to remove this player from the keeper list?"};

// Why the player cannot be kept; nullopt when he can. Any pick of him in the draft, a keeper's
// too, refuses him.
std::optional<RuleMessage> keeperRefusal(bool onATeam);
std::optional<RuleMessage> keeperRefusal(const DraftModel& model, int playerid);

// Whether the draft holds the player as a keeper (a pick numbered 0).
bool keptIn(const DraftModel& model, int playerid);

}  // namespace quorvane
