// SPDX-License-Identifier: MIT
#include "practice/PracticeAuction.h"

#include <algorithm>
#include <cmath>

#include "availability/PortableRandom.h"
#include "availability/RosterRoom.h"
#include "model/TeamFigures.h"

namespace quorvane {

namespace {

constexpr double kLimitSpread = 0.15;
// Keeps the opinions of a practice apart from its players' noisy positions.
constexpr std::uint64_t kLimitSalt = 0x4c494d4954ULL;

bool canRosterAnyone(const DraftModel& model, const OpenSlots& open) {
    if (open.mask == 0) {
        return false;
    }
    return std::any_of(model.players.begin(), model.players.end(), [&](const ModelPlayer& p) {
        return p.available() && open.canRoster(slotPreferenceOf(p));
    });
}

}  // namespace

double largestAllowedBid(const DraftModel& model, std::size_t team) {
    return largestBid(model, model.teams[team].teamid);
}

bool canRosterPlayer(const DraftModel& model, std::size_t team, const ModelPlayer& player) {
    return team < model.teams.size() &&
           openSlotsOf(model)[team].canRoster(slotPreferenceOf(player));
}

std::optional<std::size_t> nominatingTeam(const DraftModel& model) {
    const int teams = model.teamCount();
    if (teams == 0) {
        return std::nullopt;
    }
    const auto sales = std::count_if(model.picks.begin(), model.picks.end(),
                                     [](const ModelPick& pick) { return pick.pickNumber > 0; });
    const std::vector<OpenSlots> open = openSlotsOf(model);
    for (int step = 0; step < teams; ++step) {
        const int position = static_cast<int>((sales + step) % teams) + 1;
        for (std::size_t t = 0; t < model.teams.size(); ++t) {
            if (model.teams[t].draftposition == position &&
                largestAllowedBid(model, t) >= model.minbid() && canRosterAnyone(model, open[t])) {
                return t;
            }
        }
    }
    return std::nullopt;
}

double opponentLimit(double value, double z, double largestBid, bool canRoster) {
    if (!canRoster) {
        return 0.0;
    }
    const double limit = std::floor(value * (1.0 + kLimitSpread * z));
    return std::max(0.0, std::min(limit, largestBid));
}

double limitNoise(std::uint64_t seed, int teamid, int playerid) {
    const std::uint64_t team = mixSeed(seed ^ kLimitSalt, static_cast<std::uint64_t>(teamid));
    return normalFromBits(mixSeed(team, static_cast<std::uint64_t>(playerid)));
}

std::optional<AuctionSale> settleSale(const std::vector<AuctionBid>& bids, double minbid) {
    std::vector<AuctionBid> valid;
    std::copy_if(bids.begin(), bids.end(), std::back_inserter(valid),
                 [minbid](const AuctionBid& bid) { return bid.limit >= minbid && bid.limit > 0; });
    if (valid.empty()) {
        return std::nullopt;
    }
    std::stable_sort(valid.begin(), valid.end(), [](const AuctionBid& a, const AuctionBid& b) {
        if (a.limit != b.limit) {
            return a.limit > b.limit;
        }
        return a.draftposition < b.draftposition;
    });
    const AuctionBid& winner = valid.front();
    const double second = valid.size() > 1 ? valid[1].limit + 1.0 : minbid;
    return AuctionSale{winner.team, std::max(minbid, std::min(winner.limit, second))};
}

}  // namespace quorvane
