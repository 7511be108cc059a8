// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// A player the user follows in one draft (table DraftWatch), with what the draft room shows of
// him: his figures of the projection season and the team that took him, if any.
struct WatchedPlayerRow {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string team;
    std::string pos;
    double dollars = 0.0;  // of the last valuation
    int rank = 0;          // of the last valuation; 0 when it gave him none
    int takenBy = 0;       // the teamid that holds him, 0 while he is available
    std::string takenByName;
};

// The draft's watched players in the order they were marked. nullopt after a failed read.
std::optional<std::vector<WatchedPlayerRow>> readWatchList(Connection& connection, int templateId,
                                                           int season);

// Each runs in a transaction of its own and returns false after a failure. Marking a
// player twice or unmarking one who is not marked changes nothing and succeeds.
bool addToWatchList(Connection& connection, int templateId, int playerid);
bool removeFromWatchList(Connection& connection, int templateId, int playerid);

}  // namespace quorvane
