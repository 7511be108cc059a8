// SPDX-License-Identifier: MIT
#include "online/EspnAnswers.h"

#include <algorithm>
#include <array>
#include <set>

namespace quorvane {

namespace {

constexpr FieldRange kTeamIdRange{1.0, 1000.0};
constexpr FieldRange kPickRange{1.0, 1000000.0};
constexpr FieldRange kRoundRange{0.0, 1000.0};
constexpr FieldRange kCodeRange{0.0, 1000.0};

constexpr std::array<const char*, 31> kProTeams{
    "",    "ATL", "BOS", "NOP", "CHI", "CLE", "DAL", "DEN", "DET", "GSW", "HOU",
    "IND", "LAC", "LAL", "MIA", "MIL", "MIN", "BKN", "NYK", "ORL", "PHI", "PHX",
    "POR", "SAC", "SAS", "OKC", "UTA", "WAS", "TOR", "MEM", "CHA"};

// Lineup slots 0-4 and default positions 1-5 name the same five positions.
constexpr std::array<const char*, 5> kSlotPositions{"PG", "SG", "SF", "PF", "C"};

std::string teamName(const AnswerJson& team) {
    std::string name = textOf(memberOf(team, "name"));
    if (name.empty()) {
        const std::string location = textOf(memberOf(team, "location"));
        const std::string nickname = textOf(memberOf(team, "nickname"));
        name =
            location.empty() || nickname.empty() ? location + nickname : location + " " + nickname;
    }
    return name.empty() ? textOf(memberOf(team, "abbrev")) : name;
}

std::string statusOf(const AnswerJson& detail) {
    if (memberOf(detail, "drafted") == true) {
        return "complete";
    }
    return memberOf(detail, "inProgress") == true ? "drafting" : "pre_draft";
}

std::string typeOf(const std::string& espnType) {
    if (espnType == "AUCTION") {
        return "auction";
    }
    return espnType == "LINEAR" ? "linear" : "snake";
}

bool readPickSlot(const AnswerJson& entry, RoomPick& pick, std::string& problem) {
    const AnswerNumber number =
        wholeNumberOf(memberOf(entry, "overallPickNumber"), kPickRange, "the pick number");
    if (!number.value) {
        problem = number.problem.empty() ? "a pick has no pick number" : number.problem;
        return false;
    }
    pick.pickNo = static_cast<int>(*number.value);
    const AnswerNumber round = wholeNumberOf(memberOf(entry, "roundId"), kRoundRange, "the round");
    const AnswerNumber team = wholeNumberOf(memberOf(entry, "teamId"), kTeamIdRange, "the team");
    if (!round.problem.empty() || !team.problem.empty()) {
        problem = "pick " + std::to_string(pick.pickNo) + ": " +
                  (round.problem.empty() ? team.problem : round.problem);
        return false;
    }
    pick.round = static_cast<int>(round.value.value_or(0));
    pick.team = static_cast<int>(team.value.value_or(0));
    pick.teamLabel = pick.team != 0 ? "team " + std::to_string(pick.team) : std::string();
    pick.playerId = textOf(memberOf(entry, "playerId"));
    pick.isKeeper = memberOf(entry, "keeper") == true;
    if (const AnswerJson& bid = memberOf(entry, "bidAmount"); !bid.is_null()) {
        pick.priceText = bid.is_string() ? bid.get<std::string>() : bid.dump();
    }
    return true;
}

}  // namespace

std::string espnProTeam(int proTeamId) {
    return proTeamId >= 0 && proTeamId < static_cast<int>(kProTeams.size())
               ? kProTeams[static_cast<std::size_t>(proTeamId)]
               : "";
}

ParsedAnswer<EspnDraft> parseEspnDraft(std::string_view text) {
    ParsedAnswer<EspnDraft> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_object()) {
        parsed.problem = json ? "the answer is no league" : "the answer is not JSON";
        return parsed;
    }
    EspnDraft result;
    RoomDraft& draft = result.draft;
    const AnswerJson& settings = memberOf(memberOf(*json, "settings"), "draftSettings");
    const AnswerJson& detail = memberOf(*json, "draftDetail");
    draft.leagueId = textOf(memberOf(*json, "id"));
    draft.status = statusOf(detail);
    draft.type = typeOf(textOf(memberOf(settings, "type")));
    for (const AnswerJson& teamId : asArray(memberOf(settings, "pickOrder"))) {
        const AnswerNumber number = wholeNumberOf(teamId, kTeamIdRange, "a team of the pick order");
        if (!number.value) {
            parsed.problem =
                number.problem.empty() ? "the pick order names no team" : number.problem;
            return parsed;
        }
        draft.order.push_back(static_cast<int>(*number.value));
    }
    for (const AnswerJson& team : asArray(memberOf(*json, "teams"))) {
        const AnswerNumber number = wholeNumberOf(memberOf(team, "id"), kTeamIdRange, "a team id");
        if (!number.value) {
            parsed.problem = number.problem.empty() ? "a team has no id" : number.problem;
            return parsed;
        }
        draft.teamList.push_back({static_cast<int>(*number.value), teamName(team)});
    }
    draft.teams =
        static_cast<int>(draft.order.empty() ? draft.teamList.size() : draft.order.size());
    if (draft.auction()) {
        if (const AnswerJson& budget = memberOf(settings, "auctionBudget"); !budget.is_null()) {
            draft.budgetText = textOf(budget);
        }
    }
    for (const AnswerJson& entry : asArray(memberOf(detail, "picks"))) {
        RoomPick slot;
        if (!readPickSlot(entry, slot, parsed.problem)) {
            return parsed;
        }
        result.slots.push_back(std::move(slot));
    }
    std::stable_sort(result.slots.begin(), result.slots.end(),
                     [](const RoomPick& a, const RoomPick& b) { return a.pickNo < b.pickNo; });
    parsed.value = std::move(result);
    return parsed;
}

ParsedAnswer<RoomPlayerMap> parseEspnPlayers(std::string_view text) {
    ParsedAnswer<RoomPlayerMap> parsed;
    const auto json = parseAnswerJson(text);
    if (!json) {
        parsed.problem = "the answer is not JSON";
        return parsed;
    }
    // A bare list, or the players under "players", each possibly wrapped in "player".
    const AnswerJson& list = json->is_array() ? *json : memberOf(*json, "players");
    if (!list.is_array()) {
        parsed.problem = "the answer is no list of players";
        return parsed;
    }
    RoomPlayerMap players;
    for (const AnswerJson& entry : list) {
        const AnswerJson& player =
            memberOf(entry, "player").is_object() ? memberOf(entry, "player") : entry;
        const std::string id = textOf(memberOf(player, "id"));
        if (id.empty()) {
            continue;
        }
        RoomPlayerInfo info;
        info.firstName = textOf(memberOf(player, "firstName"));
        info.lastName = textOf(memberOf(player, "lastName"));
        if (info.firstName.empty() && info.lastName.empty()) {
            info.lastName = textOf(memberOf(player, "fullName"));
        }
        const AnswerNumber proTeam = wholeNumberOf(memberOf(player, "proTeamId"), kCodeRange, "");
        info.proTeam = espnProTeam(static_cast<int>(proTeam.value.value_or(0)));
        std::set<long long> slots;
        for (const AnswerJson& slot : asArray(memberOf(player, "eligibleSlots"))) {
            if (const AnswerNumber number = wholeNumberOf(slot, kCodeRange, ""); number.value) {
                slots.insert(*number.value);
            }
        }
        for (std::size_t at = 0; at < kSlotPositions.size(); ++at) {
            if (slots.count(static_cast<long long>(at)) != 0) {
                info.position +=
                    (info.position.empty() ? "" : ",") + std::string(kSlotPositions[at]);
            }
        }
        const AnswerNumber position =
            wholeNumberOf(memberOf(player, "defaultPositionId"), kCodeRange, "");
        if (info.position.empty() && position.value && *position.value >= 1 &&
            *position.value <= 5) {
            info.position = kSlotPositions[static_cast<std::size_t>(*position.value - 1)];
        }
        players[id] = std::move(info);
    }
    parsed.value = std::move(players);
    return parsed;
}

}  // namespace quorvane
