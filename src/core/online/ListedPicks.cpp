// SPDX-License-Identifier: MIT
#include "online/ListedPicks.h"

#include <functional>

namespace quorvane {

namespace {

// Changes whenever a pick is made, undone, changes hands or price, so the loop knows to look.
std::int64_t madeSlotsDigest(const std::vector<RoomPick>& slots) {
    std::string text;
    for (const RoomPick& slot : slots) {
        if (isMadeSlot(slot)) {
            text += std::to_string(slot.pickNo) + ":" + slot.playerId + ":" +
                    std::to_string(slot.team) + ":" + slot.priceText.value_or("") +
                    (slot.isKeeper ? "k" : "") + ";";
        }
    }
    return static_cast<std::int64_t>(std::hash<std::string>{}(text) >> 1);
}

}  // namespace

bool isMadeSlot(const RoomPick& slot) {
    return !slot.playerId.empty() && slot.playerId != "-1";
}

void fillFromSlots(RoomDraft& draft, const RoomLink& link, const std::vector<RoomPick>& slots) {
    draft.draftId = link.id;
    draft.leagueId = link.id;
    for (const RoomPick& slot : slots) {
        draft.heldBy[slot.pickNo] = slot.team;
    }
    draft.lastPicked = madeSlotsDigest(slots);
}

RoomRead<std::vector<RoomPick>> picksOfSlots(const std::vector<RoomPick>& slots,
                                             RoomPlayerList& players) {
    RoomRead<std::vector<RoomPick>> read;
    read.reply.kind = RoomReply::Kind::Fresh;
    std::vector<RoomPick> picks;
    std::vector<std::string> ids;
    for (const RoomPick& slot : slots) {
        if (isMadeSlot(slot)) {
            picks.push_back(slot);
            ids.push_back(slot.playerId);
        }
    }
    if (!picks.empty()) {
        if (std::optional<RoomReply> failed = players.know(ids)) {
            read.reply = std::move(*failed);
            return read;
        }
    }
    for (RoomPick& pick : picks) {
        players.describe(pick);
    }
    read.value = std::move(picks);
    return read;
}

std::vector<RoomTeam> namedTeams(const RoomDraft& draft) {
    std::vector<RoomTeam> teams = draft.teamList;
    if (teams.empty()) {
        for (const int team : draft.listedTeams()) {
            teams.push_back({team, {}});
        }
    }
    for (RoomTeam& team : teams) {
        if (!roomTextProblem(team.name).empty()) {
            team.name.clear();
        }
    }
    return teams;
}

}  // namespace quorvane
