// SPDX-License-Identifier: MIT
#include "valuation/HeadToHeadValues.h"

#include <optional>
#include <vector>

#include "advice/ZScores.h"
#include "headtohead/GScores.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "store/TransactionGuard.h"
#include "valuation/PointsValuation.h"
#include "valuation/StoredValues.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

constexpr std::string_view kStartFailed = " 90005 error: could not start dollar value calc";
constexpr std::string_view kWriteFailed = " 90080 error: could not store the G values";

Outcome<Done> storeHeadToHeadValues(DraftSession& session) {
    const Outcome<DraftModel*> held = modelForRun(session);
    if (!held) {
        return held.failure();
    }
    DraftModel* model = held.value();
    const ZScores zScores(*model);
    const GScores gScores(*model, zScores);
    std::vector<std::optional<double>> totals(gScores.totals().begin(), gScores.totals().end());
    const std::vector<int> ranks = ranksOf(totals);
    std::vector<double> dollars;
    dollars.reserve(model->players.size());
    for (std::size_t p = 0; p < model->players.size(); ++p) {
        dollars.push_back(gScores.dollars(p));
    }
    const auto figuresOf = [&](const ModelPlayer& row) -> StoredFigures {
        const ModelPlayer* player = findByPlayerid(model->players, row.playerid);
        if (player == nullptr) {
            return {0.0, 0};
        }
        const auto index = static_cast<std::size_t>(player - model->players.data());
        return {dollars[index], ranks[index]};
    };
    if (!storeValues(session.dbConnection, *model, figuresOf)) {
        return stepFailed(session.dbConnection, kWriteFailed, StepReport::LogOnly);
    }
    return Done{};
}

}  // namespace

Outcome<Done> calcHeadToHeadValues(DraftSession& session) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    TransactionGuard transaction(session.dbConnection);
    if (!transaction.begun()) {
        return stepFailed(session.dbConnection, kStartFailed, StepReport::LogOnly);
    }
    return committedRun(session, transaction, storeHeadToHeadValues(session));
}

}  // namespace quorvane
