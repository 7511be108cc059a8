// SPDX-License-Identifier: MIT
#include "online/SleeperAnswers.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr FieldRange kTeamsRange{1.0, 100.0};
constexpr FieldRange kRoundsRange{1.0, 100.0};
constexpr FieldRange kSlotRange{1.0, 100.0};
constexpr FieldRange kRosterRange{1.0, 1000.0};
constexpr FieldRange kPickRange{1.0, 1000000.0};
constexpr FieldRange kMillisecondsRange{0.0, 1e15};

// Reads one whole-number field into `target` (left alone when absent); false with the problem.
bool readWhole(const AnswerJson& object, std::string_view name, FieldRange range,
               std::string_view what, std::int64_t& target, std::string& problem) {
    const AnswerNumber number = wholeNumberOf(memberOf(object, name), range, what);
    if (!number.problem.empty()) {
        problem = number.problem;
        return false;
    }
    if (number.value) {
        target = *number.value;
    }
    return true;
}

bool readWhole(const AnswerJson& object, std::string_view name, FieldRange range,
               std::string_view what, int& target, std::string& problem) {
    std::int64_t value = target;
    const bool read = readWhole(object, name, range, what, value, problem);
    target = static_cast<int>(value);
    return read;
}

}  // namespace

ParsedAnswer<SleeperDraft> parseSleeperDraft(std::string_view text) {
    ParsedAnswer<SleeperDraft> parsed;
    const auto json = parseAnswerJson(text);
    if (!json) {
        parsed.problem = "the answer is not JSON";
        return parsed;
    }
    if (!json->is_object()) {
        parsed.problem = "the answer is no draft";
        return parsed;
    }
    SleeperDraft result;
    RoomDraft& draft = result.draft;
    draft.draftId = textOf(memberOf(*json, "draft_id"));
    draft.leagueId = textOf(memberOf(*json, "league_id"));
    draft.status = textOf(memberOf(*json, "status"));
    draft.type = textOf(memberOf(*json, "type"));
    const AnswerJson& settings = memberOf(*json, "settings");
    std::string& problem = parsed.problem;
    if (!readWhole(settings, "teams", kTeamsRange, "the number of teams", draft.teams, problem) ||
        !readWhole(settings, "rounds", kRoundsRange, "the number of rounds", draft.rounds,
                   problem) ||
        !readWhole(settings, "reversal_round", {0.0, 100.0}, "the reversal round",
                   draft.reversalRound, problem) ||
        !readWhole(*json, "last_picked", kMillisecondsRange, "the time of the last pick",
                   draft.lastPicked, problem)) {
        return parsed;
    }
    if (const AnswerJson& budget = memberOf(settings, "budget"); !budget.is_null()) {
        draft.budgetText = textOf(budget);
    }
    std::map<int, int> slotToRoster;
    for (const auto& [slot, roster] : asObject(memberOf(*json, "slot_to_roster_id")).items()) {
        const AnswerNumber slotNumber = wholeNumberOf(AnswerJson(slot), kSlotRange, "a slot");
        const AnswerNumber rosterNumber = wholeNumberOf(roster, kRosterRange, "a roster id");
        if (!slotNumber.problem.empty() || !rosterNumber.problem.empty() || !slotNumber.value) {
            problem = "slot_to_roster_id: " +
                      (slotNumber.problem.empty() ? rosterNumber.problem : slotNumber.problem);
            return parsed;
        }
        if (rosterNumber.value) {
            slotToRoster[static_cast<int>(*slotNumber.value)] =
                static_cast<int>(*rosterNumber.value);
        }
    }
    for (int slot = 1; slot <= draft.teams; ++slot) {
        const auto found = slotToRoster.find(slot);
        draft.order.push_back(slotToRoster.empty()          ? slot
                              : found == slotToRoster.end() ? 0
                                                            : found->second);
    }
    for (const auto& [user, slot] : asObject(memberOf(*json, "draft_order")).items()) {
        if (const AnswerNumber number = wholeNumberOf(slot, kSlotRange, "a slot"); number.value) {
            result.userSlots[user] = static_cast<int>(*number.value);
        }
    }
    const AnswerJson& metadata = memberOf(*json, "metadata");
    draft.nominatedPlayerId = textOf(memberOf(metadata, "nominated_player_id"));
    draft.highestOffer = textOf(memberOf(metadata, "highest_offer"));
    parsed.value = std::move(result);
    return parsed;
}

ParsedAnswer<std::vector<RoomPick>> parseSleeperPicks(std::string_view text,
                                                      const RoomDraft& draft) {
    ParsedAnswer<std::vector<RoomPick>> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_array()) {
        parsed.problem = json ? "the answer is no list of picks" : "the answer is not JSON";
        return parsed;
    }
    std::vector<RoomPick> picks;
    for (const AnswerJson& entry : *json) {
        std::string& problem = parsed.problem;
        if (!entry.is_object()) {
            problem = "a pick is no object";
            return parsed;
        }
        RoomPick pick;
        std::int64_t roster = 0;
        int slot = 0;
        if (!readWhole(entry, "pick_no", kPickRange, "the pick number", pick.pickNo, problem)) {
            return parsed;
        }
        if (pick.pickNo == 0) {
            problem = "a pick has no pick number";
            return parsed;
        }
        if (!readWhole(entry, "round", kRoundsRange, "the round", pick.round, problem) ||
            !readWhole(entry, "draft_slot", kSlotRange, "the draft slot", slot, problem) ||
            !readWhole(entry, "roster_id", kRosterRange, "the roster id", roster, problem)) {
            problem = "pick " + std::to_string(pick.pickNo) + ": " + problem;
            return parsed;
        }
        if (roster == 0 && slot >= 1 && slot <= static_cast<int>(draft.order.size())) {
            roster = draft.order[static_cast<std::size_t>(slot - 1)];
        }
        pick.team = static_cast<int>(roster);
        pick.teamLabel = roster != 0 ? "roster " + std::to_string(roster)
                         : slot != 0 ? "slot " + std::to_string(slot)
                                     : std::string();
        pick.playerId = textOf(memberOf(entry, "player_id"));
        pick.isKeeper = memberOf(entry, "is_keeper") == true;
        const AnswerJson& metadata = memberOf(entry, "metadata");
        pick.firstName = textOf(memberOf(metadata, "first_name"));
        pick.lastName = textOf(memberOf(metadata, "last_name"));
        pick.proTeam = textOf(memberOf(metadata, "team"));
        pick.position = textOf(memberOf(metadata, "position"));
        if (const AnswerJson& amount = memberOf(metadata, "amount"); !amount.is_null()) {
            pick.priceText = amount.is_string() ? amount.get<std::string>() : amount.dump();
        }
        picks.push_back(std::move(pick));
    }
    std::stable_sort(picks.begin(), picks.end(),
                     [](const RoomPick& a, const RoomPick& b) { return a.pickNo < b.pickNo; });
    parsed.value = std::move(picks);
    return parsed;
}

ParsedAnswer<std::vector<SleeperUser>> parseSleeperUsers(std::string_view text) {
    ParsedAnswer<std::vector<SleeperUser>> parsed;
    const auto json = parseAnswerJson(text);
    if (!json || !json->is_array()) {
        parsed.problem = "the answer is no list of users";
        return parsed;
    }
    std::vector<SleeperUser> users;
    for (const AnswerJson& entry : *json) {
        SleeperUser user{textOf(memberOf(entry, "user_id")),
                         textOf(memberOf(memberOf(entry, "metadata"), "team_name"))};
        if (user.name.empty()) {
            user.name = textOf(memberOf(entry, "display_name"));
        }
        if (!user.userId.empty()) {
            users.push_back(std::move(user));
        }
    }
    parsed.value = std::move(users);
    return parsed;
}

}  // namespace quorvane
