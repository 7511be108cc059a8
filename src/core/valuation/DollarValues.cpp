// SPDX-License-Identifier: MIT
#include "valuation/DollarValues.h"

#include <algorithm>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/HeadToHeadValues.h"
#include "valuation/Ranks.h"
#include "valuation/RotisserieValuation.h"
#include "valuation/SgpDenominators.h"
#include "valuation/StoredValues.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

constexpr std::string_view kStartFailed = " 90005 error: could not start dollar value calc";
constexpr std::string_view kUpdateFailed = " 90005 error: could not update proj_cats";
constexpr std::string_view kWriteFailed = " 90005 error: could get points sum";

// The dollars of a run by playerid; players it did not value are worth 0.
StoredFigures dollarsOf(const RotisserieValuation& valuation, const ModelPlayer& row) {
    const RotisserieValuation::Player* valued = findByPlayerid(valuation.players, row.playerid);
    return {valued != nullptr ? valued->dollars : 0.0, std::nullopt};
}

bool rotisserieDollarValues(ProgramState& state, UserDialogs& dialogs) {
    if (!loadSgpDenominators(state, dialogs)) {
        return false;
    }
    DraftModel* model = heldDraftModel(state, dialogs);
    if (model == nullptr) {
        return false;
    }
    const auto valuation = rotisserieValuation(*state.draftSettings(), state.sgpDenominators(),
                                               *model, state.showInflation);
    if (!valuation) {
        ValuationSteps(state.dbConnection, dialogs).fail(kUpdateFailed, StepReport::MessageAndLog);
        return false;
    }
    if (!storeValues(state.dbConnection, *model,
                     [&](const ModelPlayer& row) { return dollarsOf(*valuation, row); })) {
        ValuationSteps(state.dbConnection, dialogs).fail(kWriteFailed, StepReport::LogOnly);
        return false;
    }
    return true;
}

}  // namespace

bool calcDollarValues(ProgramState& state, UserDialogs& dialogs, std::string_view /*mode*/) {
    if (!state.hasDraft()) {
        return false;
    }
    if (state.draftSettings()->scoringstyle == kScoringHeadToHead) {
        return calcHeadToHeadValues(state, dialogs);
    }
    if (state.draftSettings()->scoringstyle == kScoringPoints) {
        return calcRanks(state, dialogs);
    }
    TransactionGuard transaction(state.dbConnection);
    if (!transaction.begun()) {
        ValuationSteps(state.dbConnection, dialogs).fail(kStartFailed, StepReport::LogOnly);
        return false;
    }
    const bool done = rotisserieDollarValues(state, dialogs) && transaction.commit();
    settleDraftModel(state, done);
    return done;
}

}  // namespace quorvane
