// SPDX-License-Identifier: MIT
#include "draftconfig/AdpSpreadSetting.h"

#include "model/DraftModel.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/AdpRows.h"
#include "store/TransactionGuard.h"

namespace quorvane {

std::optional<double> readDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded,
                                         UserDialogs& dialogs) {
    if (!loaded.draftSettings) {
        return std::nullopt;
    }
    bool failed = false;
    const std::optional<double> spread =
        readAdpSpread(store.dbConnection, loaded.draftSettings->template_id, failed);
    if (failed) {
        reportDatabaseError(dialogs, store.dbConnection,
                            " 92010 error: could not read the draft's ADP spread");
        return std::nullopt;
    }
    return spread.value_or(kDefaultAdpSpread);
}

bool saveDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded, UserDialogs& dialogs,
                        double spread) {
    if (!loaded.draftSettings) {
        return false;
    }
    TransactionGuard transaction(store.dbConnection);
    if (!writeAdpSpread(store.dbConnection, loaded.draftSettings->template_id, spread) ||
        !transaction.commit()) {
        transaction.rollback();
        reportDatabaseError(dialogs, store.dbConnection,
                            " 92011 error: could not save the draft's ADP spread");
        return false;
    }
    return true;
}

}  // namespace quorvane
