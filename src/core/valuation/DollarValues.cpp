// SPDX-License-Identifier: MIT
#include "valuation/DollarValues.h"

#include <algorithm>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
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

Outcome<Done> rotisserieDollarValues(DraftSession& session, bool showInflation) {
    if (Outcome<Done> loaded = loadSgpDenominators(session); !loaded) {
        return loaded;
    }
    const Outcome<DraftModel*> held = modelForRun(session);
    if (!held) {
        return held.failure();
    }
    DraftModel& model = *held.value();
    const auto valuation = rotisserieValuation(*session.draftSettings(), session.sgpDenominators(),
                                               model, showInflation);
    if (!valuation) {
        return stepFailed(session.dbConnection, kUpdateFailed, StepReport::MessageAndLog);
    }
    if (!storeValues(session.dbConnection, model,
                     [&](const ModelPlayer& row) { return dollarsOf(*valuation, row); })) {
        return stepFailed(session.dbConnection, kWriteFailed, StepReport::LogOnly);
    }
    return Done{};
}

}  // namespace

Outcome<Done> calcDollarValues(DraftSession& session, bool showInflation) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    if (session.draftSettings()->scoringstyle == kScoringHeadToHead) {
        return calcHeadToHeadValues(session);
    }
    if (session.draftSettings()->scoringstyle == kScoringPoints) {
        return calcRanks(session, showInflation);
    }
    TransactionGuard transaction(session.dbConnection);
    if (!transaction.begun()) {
        return stepFailed(session.dbConnection, kStartFailed, StepReport::LogOnly);
    }
    return committedRun(session, transaction, rotisserieDollarValues(session, showInflation));
}

}  // namespace quorvane
