// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "store/TurnHistoryRepository.h"

namespace quorvane {

// A drafted player given another team, slot or price ("Change"). The pick keeps its number (a
// keeper stays a keeper); outside auctions the price is not read and stays what it was.
struct MoveRequest {
    int playerid = 0;
    int teamid = 0;
    std::string slot;
    double price = 0.0;
};

// The player's pick on `teamid` taken away ("Drop Player"); nothing when he is on another team.
struct DropRequest {
    int playerid = 0;
    int teamid = 0;
};

struct PlayerMoved {
    bool moved = false;  // false: the player was on no team of the draft any more
    bool outsideChange = false;
};

struct PlayerDropped {
    bool dropped = false;  // false: the player was not on that team
    // The history entry the drop rewrote as a skip, or took back; none when he had none.
    std::optional<HistoryEntry> entry;
    bool outsideChange = false;
};

}  // namespace quorvane
