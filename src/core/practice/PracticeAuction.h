// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The most a team (by index into model.teams) may bid: its money left less the minimum bid for
// every other place its roster still has, as the pick window's money check counts them.
double largestAllowedBid(const DraftModel& model, std::size_t team);

// Whether the team has an open slot the player may fill.
bool canRosterPlayer(const DraftModel& model, std::size_t team, const ModelPlayer& player);

// The team that nominates the next sale: sale k (k - 1 sales made, keepers not counted) falls
// to draft position (k - 1) mod teams + 1, passing on to the next position while a team can
// neither roster an undrafted player nor bid the minimum. nullopt when no team can: the auction
// is over.
std::optional<std::size_t> nominatingTeam(const DraftModel& model);

// An opponent's limit for a player: his value v × (1 + 0.15·z), z the opponent's own opinion of
// him, rounded down to whole dollars, at most its largest allowed bid, never below 0; 0 when it
// has no open slot for him.
double opponentLimit(double value, double z, double largestBid, bool canRoster);

// The opponent's opinion z of a player in a practice draft: standard normal, fixed for the
// practice (its seed), the team and the player.
double limitNoise(std::uint64_t seed, int teamid, int playerid);

struct AuctionBid {
    std::size_t team = 0;  // index into model.teams
    int draftposition = 0;
    double limit = 0.0;
};

struct AuctionSale {
    std::size_t team = 0;
    double price = 0.0;
};

// The sale of one player: the highest limit buys, at the second-highest limit + 1 but never
// above his own limit nor below the minimum bid (the minimum bid when he bids alone); equal
// limits go to the earlier draft position. A limit under the minimum bid is no bid. nullopt when
// nobody bids.
std::optional<AuctionSale> settleSale(const std::vector<AuctionBid>& bids, double minbid);

}  // namespace quorvane
