// SPDX-License-Identifier: MIT
#include "room/ClockBanner.h"

#include <map>

#include "app/ProgramState.h"
#include "room/AuctionBanner.h"
#include "room/RoomValues.h"
#include "room/Rosters.h"
#include "room/Turns.h"
#include "valuation/CategoryTargets.h"

namespace quorvane {

namespace {

constexpr const char* kDot = " \u00b7 ";
constexpr const char* kDash = " \u2014 ";

const DraftTeam* teamWithId(const DraftSettings& draft, int teamid) {
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return &team;
        }
    }
    return nullptr;
}

std::string draftBanner(const ProgramState& state, const std::vector<DraftPick>& picks) {
    const DraftSettings& draft = *state.draftSettings();
    const int made = picksMade(picks);
    const TurnPosition turn = currentTurn(state);
    const DraftTeam* onTheClock = nullptr;
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.currentpick == 1 && team.draftposition == turn.position) {
            onTheClock = &team;
        }
    }
    if (onTheClock == nullptr || isDraftComplete(state)) {
        return "Draft complete" + std::string(kDot) + std::to_string(made) + " picks made";
    }
    // Numbered by turns, so a skipped turn keeps its number.
    const int overall = draft.turnNumber;
    const TurnSlot slot = turnSlot(draft.drafttype, draft.teams, overall);
    std::string text = "Round " + std::to_string(slot.round) + kDot + "Pick " +
                       std::to_string(slot.pick) + " (#" + std::to_string(overall) + ")" + kDash +
                       onTheClock->teamname + " on the clock";
    if (const DraftTeam* mine = teamWithId(draft, myTeamId(state))) {
        const int turns = turnsUntil(state, mine->draftposition);
        if (turns == 0) {
            text += std::string(kDot) + "your pick";
        } else if (turns > 0) {
            text += std::string(kDot) + "you pick in " + std::to_string(turns);
        }
    }
    return text;
}

}  // namespace

int turnsUntil(const ProgramState& state, int position) {
    if (!state.draftSettings() || state.draftSettings()->drafttype == kDraftTypeAuction) {
        return -1;
    }
    const DraftSettings& draft = *state.draftSettings();
    for (int turn = draft.turnNumber; turn <= lastPickOfDraft(draft); ++turn) {
        if (turnSlot(draft.drafttype, draft.teams, turn).position == position) {
            return turn - draft.turnNumber;
        }
    }
    return -1;
}

std::string clockBanner(const ProgramState& state, const std::vector<DraftPick>& picks,
                        const std::vector<PlayerValue>& values) {
    if (!state.draftSettings()) {
        return {};
    }
    return state.draftSettings()->drafttype == kDraftTypeAuction
               ? auctionBannerLine(*state.draftSettings(), myTeamId(state), picks, values)
               : draftBanner(state, picks);
}

std::vector<PlayerValue> bannerValues(ProgramState& state) {
    if (!state.draftSettings() || state.draftSettings()->drafttype != kDraftTypeAuction) {
        return {};
    }
    return readPlayerValues(state.dbConnection, state.projectionYear)
        .value_or(std::vector<PlayerValue>{});
}

std::string clockBannerDetails(const ProgramState& state, const std::vector<DraftPick>& picks,
                               const std::vector<PlayerValue>& values) {
    if (!state.draftSettings() || state.draftSettings()->drafttype != kDraftTypeAuction) {
        return {};
    }
    return auctionBannerDetails(*state.draftSettings(), myTeamId(state), picks, values);
}

}  // namespace quorvane
