// SPDX-License-Identifier: MIT
#include "room/ClockBanner.h"

#include <map>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "room/AuctionBanner.h"
#include "room/RoomValues.h"
#include "room/Rosters.h"
#include "room/Turns.h"
#include "valuation/PointsValuation.h"
#include "valuation/RotisserieValuation.h"
#include "valuation/SgpDenominators.h"
#include "vocabulary/OwnTeam.h"

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

std::string draftBanner(const LoadedDraft& loaded, const std::vector<DraftPick>& picks) {
    const DraftSettings& draft = *loaded.draftSettings;
    const int made = picksMade(picks);
    const TurnPosition turn = currentTurn(loaded);
    const DraftTeam* onTheClock = nullptr;
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.currentpick == 1 && team.draftposition == turn.position) {
            onTheClock = &team;
        }
    }
    if (onTheClock == nullptr || isDraftComplete(loaded)) {
        return "Draft complete" + std::string(kDot) + std::to_string(made) + " picks made";
    }
    // Numbered by turns, so a skipped turn keeps its number.
    const int overall = draft.turnNumber;
    const TurnSlot slot = turnSlot(draft.drafttype, draft.teams, overall);
    std::string text = "Round " + std::to_string(slot.round) + kDot + "Pick " +
                       std::to_string(slot.pick) + " (#" + std::to_string(overall) + ")" + kDash +
                       onTheClock->teamname + " on the clock";
    if (const DraftTeam* mine = teamWithId(draft, myTeamId(draft))) {
        const int turns = turnsUntil(loaded, mine->draftposition);
        if (turns == 0) {
            text += std::string(kDot) + "your pick";
        } else if (turns > 0) {
            text += std::string(kDot) + "you pick in " + std::to_string(turns);
        }
    }
    return text;
}

}  // namespace

int turnsUntil(const LoadedDraft& loaded, int position) {
    if (!loaded.draftSettings || loaded.draftSettings->drafttype == kDraftTypeAuction) {
        return -1;
    }
    const DraftSettings& draft = *loaded.draftSettings;
    for (int turn = draft.turnNumber; turn <= lastPickOfDraft(draft); ++turn) {
        if (turnSlot(draft.drafttype, draft.teams, turn).position == position) {
            return turn - draft.turnNumber;
        }
    }
    return -1;
}

std::string clockBanner(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                        const std::vector<PlayerValue>& values) {
    if (!loaded.draftSettings) {
        return {};
    }
    const DraftSettings& draft = *loaded.draftSettings;
    return draft.drafttype == kDraftTypeAuction
               ? auctionBannerLine(draft, myTeamId(draft), picks, values)
               : draftBanner(loaded, picks);
}

std::vector<PlayerValue> bannerValues(DraftSession& session) {
    if (!session.draftSettings() || session.draftSettings()->drafttype != kDraftTypeAuction) {
        return {};
    }
    // Held: reading the denominators may replace the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = session.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    // Values the list shows with inflation already hold the money spent: measured against them
    // the inflation would count it twice and move with the Show Inflation box. The banner reads
    // the values before any sale, whatever the list shows.
    const DraftModel* model = nullptr;
    if (draft.scoringstyle != kScoringHeadToHead) {
        // A failed read is logged only: the banner then shows no inflation.
        const Outcome<const DraftModel*> current = currentDraftModel(session);
        model = current ? current.value() : nullptr;
    }
    std::vector<PlayerValue> values;
    if (model != nullptr && draft.scoringstyle == kScoringPoints) {
        if (const auto valuation = pointsValuation(draft, *model, false)) {
            for (const PointsValuation::Player& player : valuation->players) {
                values.push_back({player.playerid, player.dollars});
            }
            return values;
        }
    } else if (model != nullptr && loadSgpDenominators(session).ok()) {
        if (const auto valuation =
                rotisserieValuation(draft, session.sgpDenominators(), *model, false)) {
            for (const RotisserieValuation::Player& player : valuation->players) {
                values.push_back({player.playerid, player.dollars});
            }
            return values;
        }
    }
    // Head-to-head values know no inflation: the stored ones are the values before any sale.
    return readPlayerValues(session.dbConnection, session.projectionYear)
        .value_or(std::vector<PlayerValue>{});
}

std::string clockBannerDetails(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                               const std::vector<PlayerValue>& values) {
    if (!loaded.draftSettings || loaded.draftSettings->drafttype != kDraftTypeAuction) {
        return {};
    }
    const DraftSettings& draft = *loaded.draftSettings;
    return auctionBannerDetails(draft, myTeamId(draft), picks, values);
}

}  // namespace quorvane
