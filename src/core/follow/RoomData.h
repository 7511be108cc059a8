// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// One online draft room as its service describes it.
struct RoomDraft {
    std::string draftId;
    std::string leagueId;
    std::string status;  // pre_draft, drafting, paused, complete
    std::string type;    // snake, linear, auction
    int teams = 0;
    int rounds = 0;
    int reversalRound = 0;                  // 0: none
    std::map<std::string, int> draftOrder;  // user id -> slot; empty until the order is set
    std::map<int, int> slotToRoster;        // slot -> roster id
    std::int64_t lastPicked = 0;            // milliseconds
    std::string nominatedPlayerId;          // auctions, while a player is up
    std::string highestOffer;

    bool auction() const { return type == "auction"; }
    bool complete() const { return status == "complete"; }
    // An auction player is up for bids: the room changes by the second.
    bool playerUp() const { return auction() && !nominatedPlayerId.empty(); }
};

// One pick the room has made, its metadata as the room writes it (names without accents).
struct RoomPick {
    int pickNo = 0;
    int round = 0;
    int draftSlot = 0;
    int rosterId = 0;
    std::string pickedBy;
    std::string playerId;
    bool isKeeper = false;
    std::string firstName;
    std::string lastName;
    std::string team;
    std::string position;
    std::optional<double> amount;  // auction price in dollars

    std::string fullName() const;
};

// A member of the room's league: who sits at a slot, under the name the room shows.
struct RoomUser {
    std::string userId;
    std::string name;  // the team name when the user gave one, else the display name
};

// nullopt when the text is not a draft: not JSON, `null` (an unknown id), or no object.
std::optional<RoomDraft> parseRoomDraft(std::string_view text);
// The picks ordered by pick number; nullopt when the text is not an array of picks.
std::optional<std::vector<RoomPick>> parseRoomPicks(std::string_view text);
std::optional<std::vector<RoomUser>> parseRoomUsers(std::string_view text);

}  // namespace quorvane
