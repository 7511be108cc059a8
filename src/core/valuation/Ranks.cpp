// SPDX-License-Identifier: MIT
#include "valuation/Ranks.h"

#include <algorithm>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
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

Outcome<Done> rotisserieRanks(DraftSession& session, bool showInflation) {
    if (Outcome<Done> valued = calcDollarValues(session, showInflation); !valued) {
        return valued;
    }
    const Outcome<DraftModel*> held = modelForRun(session);
    if (!held) {
        return held.failure();
    }
    DraftModel* model = held.value();
    // Equal dollars share a rank and the next rank is skipped (1, 2, 2, 4).
    std::vector<std::optional<double>> dollars;
    dollars.reserve(model->players.size());
    for (const ModelPlayer& player : model->players) {
        dollars.emplace_back(player.dollars);
    }
    const std::vector<int> ranks = ranksOf(dollars);
    if (!storeValues(session.dbConnection, *model,
                     [&](const ModelPlayer& row) { return rankOf(*model, ranks, row); })) {
        return stepFailed(session.dbConnection, " 90072 error: could get points sum",
                          StepReport::LogOnly);
    }
    return Done{};
}

Outcome<Done> pointsRanks(DraftSession& session, bool showInflation) {
    const Outcome<DraftModel*> held = modelForRun(session);
    if (!held) {
        return held.failure();
    }
    DraftModel* model = held.value();
    const auto valuation = pointsValuation(*session.draftSettings(), *model, showInflation);
    if (!valuation) {
        // A draft without categories has no points to sum.
        return stepFailed(session.dbConnection,
                          " 90024 error: could not insert into vbd_player_points",
                          StepReport::LogOnly);
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
    if (!storeValues(session.dbConnection, *model, figuresOf)) {
        return stepFailed(session.dbConnection, " 90025 error: could get points sum",
                          StepReport::LogOnly);
    }
    return Done{};
}

}  // namespace

Outcome<Done> calcRanks(DraftSession& session, bool showInflation) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    if (session.draftSettings()->scoringstyle == kScoringHeadToHead) {
        return calcHeadToHeadValues(session);
    }
    TransactionGuard transaction(session.dbConnection);
    if (!transaction.begun()) {
        return stepFailed(session.dbConnection, kStartFailed, StepReport::LogOnly);
    }
    Outcome<Done> valued = session.draftSettings()->scoringstyle == kScoringRotisserie
                               ? rotisserieRanks(session, showInflation)
                               : pointsRanks(session, showInflation);
    return committedRun(session, transaction, std::move(valued));
}

Outcome<Done> calcRoomValues(DraftSession& session, bool showInflation) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    return session.draftSettings()->drafttype == kDraftTypeAuction
               ? calcDollarValues(session, showInflation)
               : calcRanks(session, showInflation);
}

}  // namespace quorvane
