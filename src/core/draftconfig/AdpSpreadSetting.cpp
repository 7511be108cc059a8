// SPDX-License-Identifier: MIT
#include "draftconfig/AdpSpreadSetting.h"

#include "model/DraftModel.h"
#include "store/AdpRows.h"
#include "store/Connection.h"
#include "store/TransactionGuard.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

Outcome<double> readDraftAdpSpread(Connection& connection, int templateId) {
    bool failed = false;
    const std::optional<double> spread = readAdpSpread(connection, templateId, failed);
    if (failed) {
        return statementFailed(connection, kDatabaseAccessMessage,
                               " 92010 error: could not read the draft's ADP spread");
    }
    return spread.value_or(kDefaultAdpSpread);
}

Outcome<Done> writeDraftAdpSpread(Connection& connection, int templateId, double spread) {
    TransactionGuard transaction(connection);
    if (!writeAdpSpread(connection, templateId, spread) || !transaction.commit()) {
        transaction.rollback();
        return statementFailed(connection, kDatabaseAccessMessage,
                               " 92011 error: could not save the draft's ADP spread");
    }
    return Done{};
}

}  // namespace quorvane
