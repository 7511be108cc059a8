// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "online/AnswerJson.h"
#include "online/RoomData.h"

namespace quorvane {

// A Sleeper draft, with the slot each user sits at (for naming the rosters).
struct SleeperDraft {
    RoomDraft draft;
    std::map<std::string, int> userSlots;  // empty until the order is set
};

// A draft as /draft/{id} answers it. A missing or null `slot_to_roster_id` means slot k is
// roster k, which is what mock drafts send.
ParsedAnswer<SleeperDraft> parseSleeperDraft(std::string_view text);

// The picks of /draft/{id}/picks, each on the roster that made it; a pick without a roster id
// (mock drafts, seats the computer fills) is the roster of its draft slot in `draft`.
ParsedAnswer<std::vector<RoomPick>> parseSleeperPicks(std::string_view text,
                                                      const RoomDraft& draft);

// A member of the league: who sits at a slot, under the name the room shows.
struct SleeperUser {
    std::string userId;
    std::string name;  // the team name when the user gave one, else the display name
};
ParsedAnswer<std::vector<SleeperUser>> parseSleeperUsers(std::string_view text);

}  // namespace quorvane
