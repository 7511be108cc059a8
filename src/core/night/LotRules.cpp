// SPDX-License-Identifier: MIT
#include "night/LotRules.h"

#include <algorithm>
#include <cmath>

#include "practice/PracticeAuction.h"
#include "room/KeeperRules.h"

namespace quorvane {

namespace {

std::optional<std::size_t> teamIndex(const DraftModel& model, int teamid) {
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        if (model.teams[t].teamid == teamid) {
            return t;
        }
    }
    return std::nullopt;
}

NightRefusal refuse(NightRefusal::Kind kind, std::string message) {
    return NightRefusal{kind, std::move(message)};
}

// The place in the model of the team a request acts for, or why the request goes no further:
// the team is not in the draft, or the room is paused.
struct ActingTeam {
    std::size_t index = 0;
    NightVerdict refusal;
};
ActingTeam actingTeam(const NightRoom& room, int teamid) {
    const auto team = teamIndex(room.model, teamid);
    if (!team) {
        return {0, refuse(NightRefusal::Kind::Malformed,
                          "No team with the id " + std::to_string(teamid))};
    }
    if (room.paused) {
        return {0, refuse(NightRefusal::Kind::MovedOn, "The draft is paused")};
    }
    return {*team, std::nullopt};
}

// What every change of a player's team is checked against: he must exist, be free and fit.
NightVerdict checkPlayer(const DraftModel& model, std::size_t team, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr) {
        return refuse(NightRefusal::Kind::AgainstRule,
                      "No player with the id " + std::to_string(playerid));
    }
    if (model.drafted(playerid)) {
        return refuse(NightRefusal::Kind::AgainstRule, std::string(kPlayerAlreadySelected.text));
    }
    if (!canRosterPlayer(model, team, *player)) {
        return refuse(NightRefusal::Kind::AgainstRule,
                      "No open roster slot for " + player->firstname + " " + player->lastname);
    }
    return std::nullopt;
}

NightVerdict checkAmount(const DraftModel& model, int teamid, int amount) {
    const int largest = largestWholeBid(model, teamid);
    if (amount > largest) {
        return refuse(NightRefusal::Kind::AgainstRule,
                      "The largest bid this team may make is $" + std::to_string(largest));
    }
    return std::nullopt;
}

}  // namespace

int largestWholeBid(const DraftModel& model, int teamid) {
    const auto team = teamIndex(model, teamid);
    if (!team) {
        return 0;
    }
    // Bids are whole dollars: a share of a dollar left over cannot be bid.
    const double largest = std::floor(largestAllowedBid(model, *team) + 1e-9);
    return largest < model.minbid() ? 0 : static_cast<int>(largest);
}

std::optional<int> nominatingTeamId(const DraftModel& model) {
    const auto team = nominatingTeam(model);
    if (!team) {
        return std::nullopt;
    }
    return model.teams[*team].teamid;
}

std::optional<int> teamOnClock(const DraftModel& model) {
    for (const ModelTeam& team : model.teams) {
        if (team.onClock) {
            return team.teamid;
        }
    }
    return std::nullopt;
}

NightVerdict decideNomination(const NightRoom& room, int teamid, int playerid, int amount) {
    const DraftModel& model = room.model;
    if (!model.auction()) {
        return refuse(NightRefusal::Kind::NotYours, "This draft is not an auction");
    }
    const ActingTeam team = actingTeam(room, teamid);
    if (team.refusal) {
        return team.refusal;
    }
    if (room.lot) {
        return refuse(NightRefusal::Kind::MovedOn, "A player is already on the block");
    }
    const auto nominator = nominatingTeamId(model);
    if (!nominator) {
        return refuse(NightRefusal::Kind::MovedOn, "The auction is complete");
    }
    if (*nominator != teamid) {
        return refuse(NightRefusal::Kind::NotYours, "It is not your turn to nominate");
    }
    if (auto problem = checkPlayer(model, team.index, playerid)) {
        return problem;
    }
    if (amount < model.minbid()) {
        return refuse(NightRefusal::Kind::AgainstRule,
                      "The opening bid must be at least $" +
                          std::to_string(static_cast<int>(std::ceil(model.minbid()))));
    }
    return checkAmount(model, teamid, amount);
}

NightVerdict decideBid(const NightRoom& room, int teamid, int playerid, int amount,
                       std::int64_t nowMs) {
    const DraftModel& model = room.model;
    const ActingTeam team = actingTeam(room, teamid);
    if (team.refusal) {
        return team.refusal;
    }
    if (!room.lot || room.lot->playerid != playerid || lotDue(*room.lot, nowMs)) {
        return refuse(NightRefusal::Kind::MovedOn, "The lot is closed");
    }
    if (amount <= room.lot->amount) {
        return refuse(NightRefusal::Kind::MovedOn,
                      "Outbid: the high bid is $" + std::to_string(room.lot->amount));
    }
    if (room.lot->teamid == teamid) {
        return refuse(NightRefusal::Kind::AgainstRule, "Your bid is already the high bid");
    }
    if (auto problem = checkPlayer(model, team.index, playerid)) {
        return problem;
    }
    return checkAmount(model, teamid, amount);
}

NightVerdict decidePick(const NightRoom& room, int teamid, int playerid) {
    const DraftModel& model = room.model;
    if (model.auction()) {
        return refuse(NightRefusal::Kind::NotYours,
                      "In an auction players are nominated and bought");
    }
    const ActingTeam team = actingTeam(room, teamid);
    if (team.refusal) {
        return team.refusal;
    }
    const auto onClock = teamOnClock(model);
    if (!onClock) {
        return refuse(NightRefusal::Kind::MovedOn, "The draft is complete");
    }
    if (*onClock != teamid) {
        return refuse(NightRefusal::Kind::NotYours, "It is not your turn to pick");
    }
    return checkPlayer(model, team.index, playerid);
}

NightVerdict decideSale(const DraftModel& model, const Lot& lot) {
    const auto team = teamIndex(model, lot.teamid);
    if (!team) {
        return refuse(NightRefusal::Kind::AgainstRule,
                      "No team with the id " + std::to_string(lot.teamid));
    }
    if (auto problem = checkPlayer(model, *team, lot.playerid)) {
        return problem;
    }
    return checkAmount(model, lot.teamid, lot.amount);
}

Lot openLot(int teamid, int playerid, int amount, std::int64_t nowMs, const NightClocks& clocks) {
    Lot lot;
    lot.playerid = playerid;
    lot.nominator = teamid;
    lot.amount = amount;
    lot.teamid = teamid;
    lot.deadlineMs = nowMs + clocks.lotMs;
    lot.bids.push_back({teamid, amount, nowMs});
    return lot;
}

void placeBid(Lot& lot, int teamid, int amount, std::int64_t nowMs, const NightClocks& clocks) {
    lot.amount = amount;
    lot.teamid = teamid;
    lot.bids.push_back({teamid, amount, nowMs});
    lot.deadlineMs = std::max(lot.deadlineMs, nowMs + clocks.lateBidMs);
}

bool lotDue(const Lot& lot, std::int64_t nowMs) {
    return nowMs >= lot.deadlineMs;
}

int secondsLeft(std::int64_t deadlineMs, std::int64_t nowMs) {
    const std::int64_t left = deadlineMs - nowMs;
    return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

}  // namespace quorvane
