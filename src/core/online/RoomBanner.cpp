// SPDX-License-Identifier: MIT
#include "online/RoomBanner.h"

#include <algorithm>

#include "model/LoadedDraft.h"
#include "room/ClockBanner.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

constexpr const char* kDot = " \u00b7 ";
constexpr const char* kDash = " \u2014 ";

std::string teamName(const DraftSettings& draft, int teamid) {
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return "a roster mapped to no team";
}

}  // namespace

std::string roomClockBanner(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                            const RoomClock& clock) {
    if (!loaded.draftSettings) {
        return {};
    }
    std::string room = "following " + clock.link.title();
    if (clock.status == "paused") {
        room += ", paused";
    }
    const DraftSettings& draft = *loaded.draftSettings;
    if (draft.drafttype == kDraftTypeAuction || clock.teams <= 0) {
        return clockBanner(loaded, picks) + kDot + room;
    }
    if (clock.pickNo <= 0) {
        return "Draft complete" + std::string(kDot) + std::to_string(picksMade(picks)) +
               " picks made" + kDot + room;
    }
    const int round = (clock.pickNo - 1) / clock.teams + 1;
    const int pick = (clock.pickNo - 1) % clock.teams + 1;
    std::string text = "Round " + std::to_string(round) + kDot + "Pick " + std::to_string(pick) +
                       " (#" + std::to_string(clock.pickNo) + ")" + kDash +
                       teamName(draft, clock.teamid) + " on the clock";
    if (clock.turnsMine == 0) {
        text += std::string(kDot) + "your pick";
    } else if (clock.turnsMine > 0) {
        text += std::string(kDot) + "you pick in " + std::to_string(clock.turnsMine);
    }
    return text + kDot + room;
}

}  // namespace quorvane
