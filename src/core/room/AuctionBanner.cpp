// SPDX-License-Identifier: MIT
#include "room/AuctionBanner.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <unordered_set>

#include "model/DraftSession.h"
#include "room/RoomValues.h"
#include "room/Rosters.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

constexpr const char* kDot = " \u00b7 ";

std::vector<const DraftTeam*> teamsByPosition(const DraftSettings& draft) {
    std::vector<const DraftTeam*> teams;
    for (const DraftTeam& team : draft.draftTeams) {
        teams.push_back(&team);
    }
    std::stable_sort(teams.begin(), teams.end(), [](const DraftTeam* a, const DraftTeam* b) {
        return a->draftposition < b->draftposition;
    });
    return teams;
}

const DraftTeam* teamWithId(const DraftSettings& draft, int teamid) {
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return &team;
        }
    }
    return nullptr;
}

std::string teamName(const DraftSettings& draft, int teamid) {
    const DraftTeam* team = teamWithId(draft, teamid);
    return team != nullptr ? team->teamname : std::string("?");
}

const DraftPick* lastSale(const std::vector<DraftPick>& picks) {
    const DraftPick* last = nullptr;
    for (const DraftPick& pick : picks) {
        if (pick.draftorder > 0 && (last == nullptr || pick.draftorder > last->draftorder)) {
            last = &pick;
        }
    }
    return last;
}

int startingSlots(const DraftSettings& draft) {
    return draft.rosterSize() - draft.R;
}

struct MyMoney {
    double left = 0.0;
    double largestBid = 0.0;
};

std::optional<MyMoney> myMoney(const DraftSettings& draft, int myTeamId,
                               const std::vector<DraftPick>& picks) {
    if (teamWithId(draft, myTeamId) == nullptr) {
        return std::nullopt;
    }
    double spent = 0.0;
    int players = 0;
    for (const DraftPick& pick : picks) {
        if (pick.teamid == myTeamId) {
            spent += pick.dollars;
            ++players;
        }
    }
    const double left = draft.dollars - spent;
    return MyMoney{left, largestBid(draft, left, players)};
}

double sumOfBest(std::vector<double> values, int count) {
    if (count <= 0) {
        return 0.0;
    }
    const auto taken = std::min(values.size(), static_cast<std::size_t>(count));
    std::partial_sort(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(taken),
                      values.end(), std::greater<>());
    double sum = 0.0;
    for (std::size_t i = 0; i < taken; ++i) {
        sum += std::max(values[i], 0.0);
    }
    return sum;
}

bool auctionComplete(const DraftSettings& draft, const std::vector<DraftPick>& picks) {
    return draft.teams > 0 && static_cast<int>(picks.size()) >= draft.teams * draft.rosterSize();
}

}  // namespace

int nominatingTeam(const DraftSettings& draft, const std::vector<DraftPick>& picks) {
    const std::vector<const DraftTeam*> teams = teamsByPosition(draft);
    if (teams.empty()) {
        return 0;
    }
    std::map<int, int> held;
    std::vector<const DraftPick*> sales;
    for (const DraftPick& pick : picks) {
        if (pick.draftorder == 0) {
            ++held[pick.teamid];
        } else {
            sales.push_back(&pick);
        }
    }
    std::stable_sort(sales.begin(), sales.end(), [](const DraftPick* a, const DraftPick* b) {
        return a->draftorder < b->draftorder;
    });
    const int size = draft.rosterSize();
    // The first team at or after `from`, in turn, with room on its roster; -1 when none has.
    const auto nextWithRoom = [&](std::size_t from) -> int {
        for (std::size_t step = 0; step < teams.size(); ++step) {
            const std::size_t index = (from + step) % teams.size();
            if (held[teams[index]->teamid] < size) {
                return static_cast<int>(index);
            }
        }
        return -1;
    };
    int turn = nextWithRoom(0);
    for (const DraftPick* sale : sales) {
        ++held[sale->teamid];
        if (turn < 0) {
            break;
        }
        turn = nextWithRoom(static_cast<std::size_t>(turn) + 1);
    }
    return turn < 0 ? 0 : teams[static_cast<std::size_t>(turn)]->teamid;
}

std::optional<int> nominatingTeamOf(DraftSession& session) {
    if (!session.draftSettings() || session.draftSettings()->drafttype != kDraftTypeAuction) {
        return std::nullopt;
    }
    const auto picks = readDraftPicks(session);
    const int team = picks ? nominatingTeam(*session.draftSettings(), *picks) : 0;
    return team > 0 ? std::optional<int>(team) : std::nullopt;
}

int playersStillToBuy(const DraftSettings& draft, const std::vector<DraftPick>& picks) {
    return std::max(0, draft.teams * draft.rosterSize() - static_cast<int>(picks.size()));
}

std::optional<double> auctionInflation(const DraftSettings& draft,
                                       const std::vector<DraftPick>& picks,
                                       const std::vector<PlayerValue>& values) {
    const double money = draft.teams * draft.dollars;
    const int priced = draft.teams * startingSlots(draft);
    std::unordered_set<int> heldPlayers;
    double spent = 0.0;
    int heldStarting = 0;
    for (const DraftPick& pick : picks) {
        heldPlayers.insert(pick.playerid);
        spent += pick.dollars;
        heldStarting += pick.slot == "R" ? 0 : 1;
    }
    std::vector<double> all;
    std::vector<double> undrafted;
    all.reserve(values.size());
    for (const PlayerValue& value : values) {
        all.push_back(value.dollars);
        if (heldPlayers.count(value.playerid) == 0) {
            undrafted.push_back(value.dollars);
        }
    }
    const double valueAtStart = sumOfBest(std::move(all), priced);
    const double valueLeft = sumOfBest(std::move(undrafted), priced - heldStarting);
    if (money <= 0.0 || valueAtStart <= 0.0 || valueLeft <= 0.0) {
        return std::nullopt;
    }
    return ((money - spent) / money) / (valueLeft / valueAtStart) - 1.0;
}

std::string inflationText(double rate) {
    const double percent = std::round(rate * 1000.0) / 10.0;
    if (percent == 0.0) {
        return "0.0%";
    }
    return (percent > 0 ? "+" : "\u2212") + fmt::format("{:.1f}%", std::abs(percent));
}

std::string auctionBannerLine(const DraftSettings& draft, int myTeamId,
                              const std::vector<DraftPick>& picks,
                              const std::vector<PlayerValue>& values) {
    if (auctionComplete(draft, picks)) {
        return "Auction complete" + std::string(kDot) + std::to_string(picks.size()) +
               " players bought";
    }
    std::string text;
    if (const int nominator = nominatingTeam(draft, picks); nominator > 0) {
        text = teamName(draft, nominator) + " nominates" + kDot;
    }
    text += std::to_string(playersStillToBuy(draft, picks)) + " to buy";
    if (const auto inflation = auctionInflation(draft, picks, values)) {
        text += kDot + std::string("inflation ") + inflationText(*inflation);
    }
    if (const auto mine = myMoney(draft, myTeamId, picks)) {
        const int decimals = priceDecimals(draft);
        text += kDot + std::string("you ") + formatMoney(mine->left, decimals) + " left, max bid " +
                formatMoney(mine->largestBid, decimals);
    }
    return text;
}

std::string auctionBannerDetails(const DraftSettings& draft, int myTeamId,
                                 const std::vector<DraftPick>& picks,
                                 const std::vector<PlayerValue>& values) {
    const int decimals = priceDecimals(draft);
    std::string text = "No sales yet";
    if (const DraftPick* sale = lastSale(picks)) {
        const std::string name =
            sale->firstname.empty() ? sale->lastname : sale->firstname + " " + sale->lastname;
        text = "Last sale: " + name + " to " + teamName(draft, sale->teamid) + " for " +
               formatMoney(sale->dollars, decimals);
    }
    double spent = 0.0;
    for (const DraftPick& pick : picks) {
        spent += pick.dollars;
    }
    text += "\n" + std::to_string(playersStillToBuy(draft, picks)) +
            " players still to buy; the league has " +
            formatMoney(draft.teams * draft.dollars - spent, decimals) + " left";
    if (const auto inflation = auctionInflation(draft, picks, values)) {
        text += "\nInflation " + inflationText(*inflation) +
                ": the share of the league's money left over the share of the players' value "
                "left to buy";
    }
    if (const auto mine = myMoney(draft, myTeamId, picks)) {
        text += "\nYou have " + formatMoney(mine->left, decimals) + " left, largest bid " +
                formatMoney(mine->largestBid, decimals);
    }
    return text;
}

}  // namespace quorvane
