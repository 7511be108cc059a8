// SPDX-License-Identifier: MIT
#include "draftconfig/AdpSpreadSetting.h"

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "model/DraftModel.h"
#include "store/AdpRows.h"
#include "store/TransactionGuard.h"

namespace quorvane {

std::optional<double> readDraftAdpSpread(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    bool failed = false;
    const std::optional<double> spread =
        readAdpSpread(state.dbConnection, state.draftSettings()->template_id, failed);
    if (failed) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 92010 error: could not read the draft's ADP spread");
        return std::nullopt;
    }
    return spread.value_or(kDefaultAdpSpread);
}

bool saveDraftAdpSpread(ProgramState& state, UserDialogs& dialogs, double spread) {
    if (!state.draftSettings()) {
        return false;
    }
    TransactionGuard transaction(state.dbConnection);
    if (!writeAdpSpread(state.dbConnection, state.draftSettings()->template_id, spread) ||
        !transaction.commit()) {
        transaction.rollback();
        reportDatabaseError(dialogs, state.dbConnection,
                            " 92011 error: could not save the draft's ADP spread");
        return false;
    }
    return true;
}

}  // namespace quorvane
