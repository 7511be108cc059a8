// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "model/DraftModel.h"
#include "room/CustomPlayerRules.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// A player the user adds, with rows of the projection season `season` and the one before it.
struct AddPlayerRequest {
    CustomPlayer player;
    int season = 0;
};

struct PlayerAdded {
    int playerid = 0;
};

// The rule of an added player over what the file holds: a blank first or last name is refused,
// then a name or team that is no text it can be (with what is wrong), then a position the
// window never offers (refused without a word: the refusal's text is empty), then a name any
// player of any season has already.
Decision decideAddPlayer(const AddPlayerRequest& request, std::int64_t namesakes);

// Under the writer's lock: counts the namesakes, decides, numbers the player after the highest
// custom id and stores his rows in one transaction. A model that holds a season gets his rows
// as the file now holds them; an empty one (no draft open) is left alone.
Outcome<PlayerAdded> writeAddedPlayer(Connection& connection, DraftModel& model,
                                      const AddPlayerRequest& request);

}  // namespace quorvane
