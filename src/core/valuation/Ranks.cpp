// SPDX-License-Identifier: MIT
#include "valuation/Ranks.h"

#include <algorithm>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/DollarValues.h"
#include "valuation/HeadToHeadValues.h"
#include "valuation/PointsValuation.h"
#include "valuation/StoredValues.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

constexpr std::string_view kStartFailed = " 90005 error: could not start dollar value calc";

// Each player's rank goes to his row of every season; rows of players the season does not
// list drop to 0.
StoredFigures rankOf(const DraftModel& model, const std::vector<int>& ranks,
                     const ModelPlayer& row) {
    const ModelPlayer* player = findByPlayerid(model.players, row.playerid);
    if (player == nullptr) {
        return {std::nullopt, 0};
    }
    return {std::nullopt, ranks[static_cast<std::size_t>(player - model.players.data())]};
}

bool rotisserieRanks(ProgramState& state, UserDialogs& dialogs) {
    if (!calcDollarValues(state, dialogs, "RANK")) {
        return false;
    }
    DraftModel* model = heldDraftModel(state, dialogs);
    if (model == nullptr) {
        return false;
    }
    // Equal dollars share a rank and the next rank is skipped (1, 2, 2, 4).
    std::vector<std::optional<double>> dollars;
    dollars.reserve(model->players.size());
    for (const ModelPlayer& player : model->players) {
        dollars.emplace_back(player.dollars);
    }
    const std::vector<int> ranks = ranksOf(dollars);
    if (!storeValues(state.dbConnection, *model,
                     [&](const ModelPlayer& row) { return rankOf(*model, ranks, row); })) {
        ValuationSteps(state.dbConnection, dialogs)
            .fail(" 90072 error: could get points sum", StepReport::LogOnly);
        return false;
    }
    return true;
}

bool pointsRanks(ProgramState& state, UserDialogs& dialogs) {
    DraftModel* model = heldDraftModel(state, dialogs);
    if (model == nullptr) {
        return false;
    }
    const auto valuation = pointsValuation(*state.draftSettings(), *model, state.showInflation);
    ValuationSteps steps(state.dbConnection, dialogs);
    if (!valuation) {
        // A draft without categories has no points to sum.
        steps.fail(" 90024 error: could not insert into vbd_player_points", StepReport::LogOnly);
        return false;
    }
    std::vector<int> ranks;
    ranks.reserve(valuation->players.size());
    for (const PointsValuation::Player& player : valuation->players) {
        ranks.push_back(player.rank);
    }
    const auto figuresOf = [&](const ModelPlayer& row) {
        StoredFigures figures = rankOf(*model, ranks, row);
        // Only the season's players get auction dollars; other rows keep theirs.
        if (valuation->auction) {
            if (const auto* valued = findByPlayerid(valuation->players, row.playerid)) {
                figures.dollars = valued->dollars;
            }
        }
        return figures;
    };
    if (!storeValues(state.dbConnection, *model, figuresOf)) {
        steps.fail(" 90025 error: could get points sum", StepReport::LogOnly);
        return false;
    }
    return true;
}

}  // namespace

bool calcRanks(ProgramState& state, UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return false;
    }
    if (state.draftSettings()->scoringstyle == kScoringHeadToHead) {
        return calcHeadToHeadValues(state, dialogs);
    }
    TransactionGuard transaction(state.dbConnection);
    if (!transaction.begun()) {
        ValuationSteps(state.dbConnection, dialogs).fail(kStartFailed, StepReport::LogOnly);
        return false;
    }
    const bool valued = state.draftSettings()->scoringstyle == kScoringRotisserie
                            ? rotisserieRanks(state, dialogs)
                            : pointsRanks(state, dialogs);
    const bool done = valued && transaction.commit();
    settleDraftModel(state, done);
    return done;
}

bool calcRoomValues(ProgramState& state, UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return false;
    }
    return state.draftSettings()->drafttype == kDraftTypeAuction
               ? calcDollarValues(state, dialogs, "B")
               : calcRanks(state, dialogs);
}

}  // namespace quorvane
