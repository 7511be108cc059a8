// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "projections/PlayerNameMatcher.h"
#include "store/ProjectionRow.h"

namespace quorvane {

class Connection;

// Every player-season the database holds, read once for an import that matches by name.
class StoredPlayers {
  public:
    // False (logged by the statement) when the players could not be read.
    bool load(Connection& connection);

    // The player's row of a season, or null.
    const ProjectionRow* row(int playerid, int season) const;
    // Any row of the player, the season's first, then the latest; null for an unknown id.
    const ProjectionRow* anyRow(int playerid, int season) const;

    bool empty() const { return m_rows.empty(); }
    // Every stored player's id, in no particular order.
    std::vector<int> playerIds() const;

    // A matcher over every stored player, each under his season's team first.
    PlayerNameMatcher matcher(int season) const;

    // The share of offensive rebounds to split a total by: the player's own in the nearest other
    // season that has rebounds, else that of all players in the other season nearest to this
    // one, else of this season, else a typical league figure.
    double offensiveReboundShare(std::optional<int> playerid, int season) const;

  private:
    std::unordered_map<int, std::vector<ProjectionRow>> m_rows;
    struct Rebounds {
        long long offensive = 0;
        long long total = 0;
    };
    std::map<int, Rebounds> m_seasonRebounds;
};

}  // namespace quorvane
