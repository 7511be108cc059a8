// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The online draft rooms a draft can follow.
enum class RoomKind { Sleeper, Espn, Fantrax };

// The word a kind is stored under ("sleeper", "espn", "fantrax") and the name users know it by.
std::string roomKindKey(RoomKind kind);
std::string roomKindName(RoomKind kind);
std::optional<RoomKind> roomKindOfKey(std::string_view key);

// Which room a draft follows: a Sleeper draft, an ESPN league in one season, a Fantrax league.
struct RoomLink {
    RoomKind kind = RoomKind::Sleeper;
    std::string id;  // the Sleeper draft id, or the league id
    int season = 0;  // ESPN: the year the season ends; 0 for the others

    // "Sleeper draft 2001", "ESPN league 123456", "Fantrax league 8xk2m"
    std::string title() const;
    bool operator==(const RoomLink&) const = default;
};

// One team of the room under the number it goes by here (Sleeper's roster id, ESPN's team id,
// Fantrax's place among its teams), and the name the room shows; empty when it shows none.
struct RoomTeam {
    int number = 0;
    std::string name;
};

// How a room team is shown beside ours: "Downtown Dribblers (roster 2)", "Roster 3", "Hoop
// Dreams (team 7)", "Team 4"; Fantrax's numbers are ours, so its named teams go by name alone.
std::string roomTeamLabel(RoomKind kind, const RoomTeam& team);

// A room's draft, whatever the room.
struct RoomDraft {
    std::string draftId;
    std::string leagueId;
    std::string status;  // pre_draft, drafting, paused, complete
    std::string type;    // snake, linear, auction
    int teams = 0;
    int rounds = 0;         // 0 when the room does not say: the draft's own rounds hold then
    int reversalRound = 0;  // 0: none
    // The room's team at each draft position of the first round (position k at k - 1).
    std::vector<int> order;
    // Every team the room lists, named where it names them.
    std::vector<RoomTeam> teamList;
    // Rooms that list their open picks say who holds each one, trades included: pick -> team.
    std::map<int, int> heldBy;
    std::optional<std::string> budgetText;  // an auction's budget per team, as the room wrote it
    std::int64_t lastPicked = 0;            // changes whenever a pick is made or undone
    std::string nominatedPlayerId;          // auctions, while a player is up
    std::string highestOffer;
    bool givesPrices = true;  // false for a room whose answers carry no auction prices
    std::string note;         // what the follower's status adds, for the user to know

    bool auction() const { return type == "auction"; }
    bool complete() const { return status == "complete"; }
    // An auction player is up for bids: the room changes by the second.
    bool playerUp() const { return auction() && !nominatedPlayerId.empty(); }
    // The teams the room lists: its team list, else its first round's order.
    std::vector<int> listedTeams() const;
};

// One pick the room has made, the player as the room writes him (names without accents).
struct RoomPick {
    int pickNo = 0;
    int round = 0;
    int team = 0;           // the room's team that made the pick; 0 when the answer names none
    std::string teamLabel;  // the room's own words for it: "roster 3", "team 7", "team 06anf"
    std::string playerId;
    bool isKeeper = false;
    std::string firstName;
    std::string lastName;
    std::string proTeam;
    std::string position;
    std::optional<std::string> priceText;  // as the room wrote it; nullopt when it gave none
    std::optional<double> amount;          // the price once the answer check has read it

    std::string fullName() const;
};

}  // namespace quorvane
