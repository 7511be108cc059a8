// SPDX-License-Identifier: MIT
#include "follow/RoomData.h"

#include <algorithm>
#include <charconv>

#include <nlohmann/json.hpp>

namespace quorvane {

namespace {

using Json = nlohmann::json;

std::optional<Json> parsed(std::string_view text) {
    Json value = Json::parse(text.begin(), text.end(), nullptr, false);
    if (value.is_discarded()) {
        return std::nullopt;
    }
    return value;
}

// The room writes most numbers as numbers and every metadata value as a string; either is read.
std::optional<std::int64_t> wholeNumber(const Json& value) {
    if (value.is_number_integer() || value.is_number_unsigned()) {
        return value.get<std::int64_t>();
    }
    if (value.is_number_float()) {
        return static_cast<std::int64_t>(value.get<double>());
    }
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        std::int64_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size()) {
            return number;
        }
    }
    return std::nullopt;
}

int intField(const Json& object, const char* name, int fallback = 0) {
    const auto found = object.find(name);
    if (found == object.end()) {
        return fallback;
    }
    return static_cast<int>(wholeNumber(*found).value_or(fallback));
}

std::string textField(const Json& object, const char* name) {
    const auto found = object.find(name);
    if (found == object.end() || found->is_null()) {
        return {};
    }
    if (found->is_string()) {
        return found->get<std::string>();
    }
    return found->dump();
}

std::optional<double> amountOf(const Json& metadata) {
    const std::string text = textField(metadata, "amount");
    if (text.empty()) {
        return std::nullopt;
    }
    double amount = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), amount);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return amount;
}

const Json& objectField(const Json& object, const char* name) {
    static const Json empty = Json::object();
    const auto found = object.find(name);
    return found != object.end() && found->is_object() ? *found : empty;
}

}  // namespace

std::string RoomPick::fullName() const {
    if (firstName.empty()) {
        return lastName;
    }
    return lastName.empty() ? firstName : firstName + " " + lastName;
}

std::optional<RoomDraft> parseRoomDraft(std::string_view text) {
    const auto value = parsed(text);
    if (!value || !value->is_object()) {
        return std::nullopt;
    }
    const Json& json = *value;
    RoomDraft draft;
    draft.draftId = textField(json, "draft_id");
    draft.leagueId = textField(json, "league_id");
    draft.status = textField(json, "status");
    draft.type = textField(json, "type");
    const Json& settings = objectField(json, "settings");
    draft.teams = intField(settings, "teams");
    draft.rounds = intField(settings, "rounds");
    draft.reversalRound = intField(settings, "reversal_round");
    for (const auto& [user, slot] : objectField(json, "draft_order").items()) {
        if (const auto number = wholeNumber(slot)) {
            draft.draftOrder[user] = static_cast<int>(*number);
        }
    }
    for (const auto& [slot, roster] : objectField(json, "slot_to_roster_id").items()) {
        const auto slotNumber = wholeNumber(Json(slot));
        const auto rosterNumber = wholeNumber(roster);
        if (slotNumber && rosterNumber) {
            draft.slotToRoster[static_cast<int>(*slotNumber)] = static_cast<int>(*rosterNumber);
        }
    }
    if (const auto found = json.find("last_picked"); found != json.end()) {
        draft.lastPicked = wholeNumber(*found).value_or(0);
    }
    const Json& metadata = objectField(json, "metadata");
    draft.nominatedPlayerId = textField(metadata, "nominated_player_id");
    draft.highestOffer = textField(metadata, "highest_offer");
    return draft;
}

std::optional<std::vector<RoomPick>> parseRoomPicks(std::string_view text) {
    const auto value = parsed(text);
    if (!value || !value->is_array()) {
        return std::nullopt;
    }
    std::vector<RoomPick> picks;
    for (const Json& json : *value) {
        if (!json.is_object()) {
            return std::nullopt;
        }
        RoomPick pick;
        pick.pickNo = intField(json, "pick_no");
        pick.round = intField(json, "round");
        pick.draftSlot = intField(json, "draft_slot");
        pick.rosterId = intField(json, "roster_id");
        pick.pickedBy = textField(json, "picked_by");
        pick.playerId = textField(json, "player_id");
        const auto keeper = json.find("is_keeper");
        pick.isKeeper = keeper != json.end() && keeper->is_boolean() && keeper->get<bool>();
        const Json& metadata = objectField(json, "metadata");
        pick.firstName = textField(metadata, "first_name");
        pick.lastName = textField(metadata, "last_name");
        pick.team = textField(metadata, "team");
        pick.position = textField(metadata, "position");
        pick.amount = amountOf(metadata);
        if (pick.pickNo <= 0) {
            return std::nullopt;
        }
        picks.push_back(std::move(pick));
    }
    std::stable_sort(picks.begin(), picks.end(),
                     [](const RoomPick& a, const RoomPick& b) { return a.pickNo < b.pickNo; });
    return picks;
}

std::optional<std::vector<RoomUser>> parseRoomUsers(std::string_view text) {
    const auto value = parsed(text);
    if (!value || !value->is_array()) {
        return std::nullopt;
    }
    std::vector<RoomUser> users;
    for (const Json& json : *value) {
        if (!json.is_object()) {
            continue;
        }
        RoomUser user{textField(json, "user_id"),
                      textField(objectField(json, "metadata"), "team_name")};
        if (user.name.empty()) {
            user.name = textField(json, "display_name");
        }
        users.push_back(std::move(user));
    }
    return users;
}

}  // namespace quorvane
