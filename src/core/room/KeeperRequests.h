// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// A player kept by a team before the draft: stored with pick number 0, so he holds no turn. The
// price counts in an auction only.
struct KeeperRequest {
    int playerid = 0;
    int teamid = 0;
    std::string slot;
    double price = 0.0;
};

// A keeper taken off his team; a player who is not a keeper is left where he is.
struct KeeperRemovalRequest {
    int playerid = 0;
};

struct KeeperAdded {
    int playerid = 0;
    int teamid = 0;
    std::string slot;
    double price = 0.0;
    // Another program had written to the file since the model was read (as for a pick).
    bool outsideChange = false;
};

struct KeeperRemoved {
    bool removed = false;  // false: the player was no keeper of the draft
    bool outsideChange = false;
};

}  // namespace quorvane
