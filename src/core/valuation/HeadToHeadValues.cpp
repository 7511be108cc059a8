// SPDX-License-Identifier: MIT
#include "valuation/HeadToHeadValues.h"

#include <optional>
#include <vector>

#include "advice/ZScores.h"
#include "headtohead/GScores.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/PointsValuation.h"
#include "valuation/StoredValues.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

constexpr std::string_view kStartFailed = " 90005 error: could not start dollar value calc";
constexpr std::string_view kWriteFailed = " 90080 error: could not store the G values";

bool storeHeadToHeadValues(ProgramState& state, UserDialogs& dialogs) {
    DraftModel* model = heldDraftModel(state, dialogs);
    if (model == nullptr) {
        return false;
    }
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
    if (!storeValues(state.dbConnection, *model, figuresOf)) {
        ValuationSteps(state.dbConnection, dialogs).fail(kWriteFailed, StepReport::LogOnly);
        return false;
    }
    return true;
}

}  // namespace

bool calcHeadToHeadValues(ProgramState& state, UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return false;
    }
    TransactionGuard transaction(state.dbConnection);
    if (!transaction.begun()) {
        ValuationSteps(state.dbConnection, dialogs).fail(kStartFailed, StepReport::LogOnly);
        return false;
    }
    const bool done = storeHeadToHeadValues(state, dialogs) && transaction.commit();
    settleDraftModel(state, done);
    return done;
}

}  // namespace quorvane
