// SPDX-License-Identifier: MIT
#include "online/FantraxAnswers.h"

#include <algorithm>
#include <cctype>

#include "text/LetterCase.h"

namespace quorvane {

namespace {

constexpr FieldRange kPickRange{1.0, 1000000.0};
constexpr FieldRange kRoundRange{0.0, 1000.0};

bool mentions(const std::string& text, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(),
                       [&text](const char* word) { return text.find(word) != std::string::npos; });
}

std::string typeOf(const std::string& draftType) {
    const std::string type = upperText(draftType);
    if (mentions(type, {"AUCTION"})) {
        return "auction";
    }
    return mentions(type, {"LINEAR", "STRAIGHT"}) ? "linear" : "snake";
}

// Fantrax's states are not published; the words it is known to use, and else what the slots
// show: every listed slot made is a complete draft, any made one a running draft.
std::string statusOf(const std::string& draftState, const std::vector<RoomPick>& slots) {
    const std::string state = upperText(draftState);
    const auto made = static_cast<std::size_t>(std::count_if(
        slots.begin(), slots.end(), [](const RoomPick& slot) { return !slot.playerId.empty(); }));
    if (mentions(state, {"COMPLETE", "FINISH", "DONE", "ENDED", "CLOSED"}) ||
        (!slots.empty() && made == slots.size())) {
        return "complete";
    }
    if (mentions(state, {"PAUSE"})) {
        return "paused";
    }
    return made > 0 || mentions(state, {"PROGRESS", "DRAFTING", "STARTED", "LIVE", "ACTIVE"})
               ? "drafting"
               : "pre_draft";
}

bool readSlot(const AnswerJson& entry, FantraxTeamNumbers& numbers, RoomPick& slot,
              std::string& problem) {
    const AnswerNumber number =
        wholeNumberOf(memberOf(entry, "pick"), kPickRange, "the pick number");
    if (!number.value) {
        problem = number.problem.empty() ? "a pick has no pick number" : number.problem;
        return false;
    }
    slot.pickNo = static_cast<int>(*number.value);
    const AnswerNumber round = wholeNumberOf(memberOf(entry, "round"), kRoundRange, "the round");
    if (!round.problem.empty()) {
        problem = "pick " + std::to_string(slot.pickNo) + ": " + round.problem;
        return false;
    }
    slot.round = static_cast<int>(round.value.value_or(0));
    const std::string team = textOf(memberOf(entry, "teamId"));
    slot.team = team.empty() ? 0 : numbers.numberOf(team);
    slot.teamLabel = team.empty() ? std::string() : "team " + team;
    slot.playerId = textOf(memberOf(entry, "playerId"));
    return true;
}

}  // namespace

int FantraxTeamNumbers::numberOf(const std::string& teamId) {
    const auto found = m_numbers.find(teamId);
    if (found != m_numbers.end()) {
        return found->second;
    }
    const int number = static_cast<int>(m_numbers.size()) + 1;
    m_numbers.emplace(teamId, number);
    return number;
}

std::string fantraxErrorOf(std::string_view text) {
    const auto json = parseAnswerJson(text);
    if (!json) {
        return {};
    }
    const AnswerJson& error = memberOf(*json, "error");
    if (error.is_null()) {
        return {};
    }
    std::string message = textOf(memberOf(error, "message"));
    if (message.empty() && error.is_string()) {
        message = error.get<std::string>();
    }
    // The room's words are shown only when they are plain text.
    return message.empty() || !roomTextProblem(message).empty() ? "an error without a message"
                                                                : message;
}

ParsedAnswer<FantraxLeague> parseFantraxLeague(std::string_view text) {
    ParsedAnswer<FantraxLeague> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_object()) {
        parsed.problem = json ? "the answer is no league" : "the answer is not JSON";
        return parsed;
    }
    FantraxLeague league;
    for (const auto& [id, team] : asObject(memberOf(*json, "teamInfo")).items()) {
        league.teamNames[id] = textOf(memberOf(team, "name"));
    }
    parsed.value = std::move(league);
    return parsed;
}

ParsedAnswer<FantraxDraft> parseFantraxDraft(std::string_view text, const FantraxLeague& league,
                                             FantraxTeamNumbers& numbers) {
    ParsedAnswer<FantraxDraft> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_object()) {
        parsed.problem = json ? "the answer is no draft" : "the answer is not JSON";
        return parsed;
    }
    FantraxDraft result;
    RoomDraft& draft = result.draft;
    // The league's teams are numbered first, in the order of their ids.
    for (const auto& [id, name] : league.teamNames) {
        draft.teamList.push_back({numbers.numberOf(id), name});
    }
    for (const AnswerJson& team : asArray(memberOf(*json, "draftOrder"))) {
        const std::string id = textOf(team);
        if (id.empty()) {
            parsed.problem = "the draft order names no team";
            return parsed;
        }
        draft.order.push_back(numbers.numberOf(id));
    }
    draft.teams =
        static_cast<int>(draft.teamList.empty() ? draft.order.size() : draft.teamList.size());
    for (const AnswerJson& entry : asArray(memberOf(*json, "draftPicks"))) {
        RoomPick slot;
        if (!readSlot(entry, numbers, slot, parsed.problem)) {
            return parsed;
        }
        result.slots.push_back(std::move(slot));
    }
    std::stable_sort(result.slots.begin(), result.slots.end(),
                     [](const RoomPick& a, const RoomPick& b) { return a.pickNo < b.pickNo; });
    draft.type = typeOf(textOf(memberOf(*json, "draftType")));
    draft.status = statusOf(textOf(memberOf(*json, "draftState")), result.slots);
    parsed.value = std::move(result);
    return parsed;
}

ParsedAnswer<RoomPlayerMap> parseFantraxPlayers(std::string_view text) {
    ParsedAnswer<RoomPlayerMap> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_object()) {
        parsed.problem = json ? "the answer is no list of players" : "the answer is not JSON";
        return parsed;
    }
    RoomPlayerMap players;
    for (const auto& [id, player] : json->items()) {
        const std::string position = textOf(memberOf(player, "position"));
        if (position == "Tm") {
            continue;
        }
        RoomPlayerInfo info;
        const std::string name = textOf(memberOf(player, "name"));
        const std::size_t comma = name.find(',');
        if (comma == std::string::npos) {
            info.lastName = name;
        } else {
            info.lastName = name.substr(0, comma);
            info.firstName = name.substr(comma + 1);
            while (!info.firstName.empty() && info.firstName.front() == ' ') {
                info.firstName.erase(0, 1);
            }
        }
        const std::string team = textOf(memberOf(player, "team"));
        info.proTeam = team == "(N/A)" ? std::string() : team;
        info.position = position;
        players[id] = std::move(info);
    }
    parsed.value = std::move(players);
    return parsed;
}

}  // namespace quorvane
