// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "model/DraftModel.h"
#include "room/RuleMessage.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// The refusals that several of the room's rules share, word for word.

Decision refusedWith(Message message);
Decision refusedWith(const RuleMessage& rule);

// "No Team Selected" when the team is none of the draft's (or the model holds no settings).
std::optional<Message> teamRefusal(const DraftModel& model, int teamid);

// "Invalid Bid" for an auction price that is not a number from 0 to the league's whole pot,
// teams x salary cap: a negative price would hand the team money, and no team could pay more
// than the pot. Outside auctions the price is not read.
std::optional<Message> bidRefusal(const DraftModel& model, double price);

}  // namespace quorvane
