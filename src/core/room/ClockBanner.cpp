// SPDX-License-Identifier: MIT
#include "room/ClockBanner.h"

#include <map>

#include "app/ProgramState.h"
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

std::string fullName(const DraftPick& pick) {
    return pick.firstname.empty() ? pick.lastname : pick.firstname + " " + pick.lastname;
}

std::string draftBanner(const ProgramState& state, const std::vector<DraftPick>& picks) {
    const DraftSettings& draft = *state.draftSettings;
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

std::string auctionBanner(const ProgramState& state, const std::vector<DraftPick>& picks) {
    const DraftSettings& draft = *state.draftSettings;
    const int decimals = priceDecimals(draft);
    const int bought = static_cast<int>(picks.size());
    if (draft.teams > 0 && bought >= draft.teams * draft.rosterSize()) {
        return "Auction complete" + std::string(kDot) + std::to_string(bought) + " players bought";
    }
    const DraftPick* lastSale = nullptr;
    for (const DraftPick& pick : picks) {
        if (pick.draftorder > 0 &&
            (lastSale == nullptr || pick.draftorder > lastSale->draftorder)) {
            lastSale = &pick;
        }
    }
    std::string text = "No sales yet";
    if (lastSale != nullptr) {
        const DraftTeam* buyer = teamWithId(draft, lastSale->teamid);
        text = "Last sale: " + fullName(*lastSale) + " to " +
               (buyer != nullptr ? buyer->teamname : std::string("?")) + " for $" +
               formatPrice(lastSale->dollars, decimals);
    }
    const int mine = myTeamId(state);
    if (mine > 0) {
        double spent = 0.0;
        int players = 0;
        for (const DraftPick& pick : picks) {
            if (pick.teamid == mine) {
                spent += pick.dollars;
                ++players;
            }
        }
        const double left = draft.dollars - spent;
        text += std::string(kDot) + "you have $" + formatPrice(left, decimals) +
                " left, largest bid $" + formatPrice(largestBid(draft, left, players), decimals);
    }
    return text;
}

}  // namespace

int turnsUntil(const ProgramState& state, int position) {
    if (!state.draftSettings || state.draftSettings->drafttype == kDraftTypeAuction) {
        return -1;
    }
    const DraftSettings& draft = *state.draftSettings;
    for (int turn = draft.turnNumber; turn <= lastPickOfDraft(draft); ++turn) {
        if (turnSlot(draft.drafttype, draft.teams, turn).position == position) {
            return turn - draft.turnNumber;
        }
    }
    return -1;
}

std::string clockBanner(const ProgramState& state, const std::vector<DraftPick>& picks) {
    if (!state.draftSettings) {
        return {};
    }
    return state.draftSettings->drafttype == kDraftTypeAuction ? auctionBanner(state, picks)
                                                               : draftBanner(state, picks);
}

}  // namespace quorvane
