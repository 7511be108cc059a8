// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// A player's flag on every season's row of the player: 0 none, 1 sleeper, 2 bust, 3 upside.
struct FlagRequest {
    int playerid = 0;
    int flag = 0;
};

// A player's note of one season (the projection season's, as the lists show it).
struct PlayerNoteRequest {
    int playerid = 0;
    int season = 0;
    std::string note;
};

// The notes of one draft.
struct DraftNoteRequest {
    int templateId = 0;
    std::string notes;
};

}  // namespace quorvane
