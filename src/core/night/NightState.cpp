// SPDX-License-Identifier: MIT
#include "night/NightState.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

using nlohmann::json;

std::string_view kindName(int drafttype) {
    switch (drafttype) {
        case kDraftTypeAuction:
            return "auction";
        case kDraftTypeSnake:
            return "snake";
        default:
            return "straight";
    }
}

json secondsOr(const std::optional<std::int64_t>& deadlineMs, std::int64_t nowMs) {
    return deadlineMs ? json(secondsLeft(*deadlineMs, nowMs)) : json(nullptr);
}

json turnOf(const NightStateInput& input) {
    const auto team = teamOnClock(input.model);
    if (input.model.auction() || !team) {
        return nullptr;
    }
    const int turn = input.settings.turnNumber;
    const TurnSlot slot = turnSlot(input.settings.drafttype, input.model.teamCount(), turn);
    json clock = input.paused && input.clockLeftMs ? json(secondsLeft(*input.clockLeftMs, 0))
                                                   : secondsOr(input.pickDeadlineMs, input.nowMs);
    return {{"team", *team}, {"round", slot.round}, {"pick", turn}, {"seconds_left", clock}};
}

json lotOf(const NightStateInput& input) {
    if (!input.lot) {
        return nullptr;
    }
    const Lot& lot = *input.lot;
    const int left = input.paused && input.clockLeftMs ? secondsLeft(*input.clockLeftMs, 0)
                                                       : secondsLeft(lot.deadlineMs, input.nowMs);
    return {{"player", lot.playerid},     {"amount", lot.amount}, {"team", lot.teamid},
            {"nominator", lot.nominator}, {"seconds_left", left}, {"bids", lot.bids.size()}};
}

bool complete(const NightStateInput& input) {
    if (input.model.auction()) {
        return !input.lot && !nominatingTeamId(input.model);
    }
    return !teamOnClock(input.model);
}

int wholeDollars(double amount) {
    return static_cast<int>(std::lround(amount));
}

}  // namespace

NightTeamFigures nightTeamFigures(const DraftModel& model, int teamid) {
    double spent = 0.0;
    int players = 0;
    for (const ModelPick& pick : model.picks) {
        if (pick.teamid == teamid) {
            spent += pick.price;
            ++players;
        }
    }
    int places = 0;
    for (int count : model.slotCounts()) {
        places += count;
    }
    return {wholeDollars(model.cap() - spent), largestWholeBid(model, teamid),
            std::max(places - players, 0)};
}

std::string nightStateJson(const NightStateInput& input) {
    const DraftModel& model = input.model;
    json teams = json::array();
    for (const ModelTeam& team : model.teams) {
        const NightTeamFigures figures = nightTeamFigures(model, team.teamid);
        teams.push_back({{"team", team.teamid},
                         {"name", team.teamname},
                         {"position", team.draftposition},
                         {"money", figures.money},
                         {"max_bid", figures.maxBid},
                         {"open_slots", figures.openSlots}});
    }
    json picks = json::array();
    for (const ModelPick& pick : model.picks) {
        json entry = {{"pick", pick.pickNumber},
                      {"team", pick.teamid},
                      {"player", pick.playerid},
                      {"price", wholeDollars(pick.price)},
                      {"slot", pick.slot}};
        if (!model.auction() && pick.pickNumber > 0) {
            entry["round"] =
                turnSlot(input.settings.drafttype, model.teamCount(), pick.pickNumber).round;
        }
        picks.push_back(std::move(entry));
    }
    const auto nominator = model.auction() ? nominatingTeamId(model) : std::nullopt;
    const json state = {
        {"version", input.version},
        {"draft",
         {{"name", input.settings.template_name},
          {"kind", kindName(input.settings.drafttype)},
          {"rounds", input.settings.rounds()},
          {"minbid", wholeDollars(model.minbid())}}},
        {"paused", input.paused},
        {"complete", complete(input)},
        {"turn", turnOf(input)},
        {"nominating_team", nominator ? json(*nominator) : json(nullptr)},
        {"lot", lotOf(input)},
        {"teams", std::move(teams)},
        {"picks", std::move(picks)},
        {"notice", input.notice},
    };
    // Names typed by people may hold anything: bytes that are not UTF-8 are replaced, not thrown.
    return state.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string nightPlayersJson(const DraftModel& model) {
    std::vector<const ModelPlayer*> players;
    for (const ModelPlayer& player : model.players) {
        players.push_back(&player);
    }
    std::stable_sort(players.begin(), players.end(),
                     [](const ModelPlayer* a, const ModelPlayer* b) {
                         const int left = a->rank > 0 ? a->rank : INT32_MAX;
                         const int right = b->rank > 0 ? b->rank : INT32_MAX;
                         return left < right;
                     });
    json list = json::array();
    for (const ModelPlayer* player : players) {
        list.push_back({{"id", player->playerid},
                        {"name", player->firstname + " " + player->lastname},
                        {"pos", player->pos},
                        {"team", player->team.value_or("")},
                        {"value", wholeDollars(player->dollars)},
                        {"rank", player->rank}});
    }
    return list.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace quorvane
