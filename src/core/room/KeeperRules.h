// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/KeeperRequests.h"
#include "room/RuleMessage.h"
#include "vocabulary/Decision.h"

namespace quorvane {

inline constexpr RuleMessage kPlayerAlreadySelected{
    "Player Already Selected",
    "This player is currently on a team in your league and cannot be added to another team"};

// What the person is asked before he takes a keeper off: a confirmation of his own, which a
// caller without a person (a followed room) does not ask.
inline constexpr RuleMessage kRemoveKeeperQuestion{
    "Remove This Keeper?",
    "Are you sure that you want to remove this player from the keeper list?"};

// A keeper: refused for a team not of the draft ("No Team Selected"), an auction price that is
// not a number from 0 to the league's whole pot ("Invalid Bid"), and a player any team holds
// already, a keeper too. A keeper asks nothing of money or slots: he was on the team before the
// draft began.
Decision decideKeeper(const DraftModel& model, const KeeperRequest& request);

// Taking a keeper off always goes (with the draft's settings held); a player who is no keeper is
// left alone by the writer.
Decision decideKeeperRemoval(const DraftModel& model, const KeeperRemovalRequest& request);

// Whether the draft holds the player as a keeper (a pick numbered 0).
bool keptIn(const DraftModel& model, int playerid);

}  // namespace quorvane
