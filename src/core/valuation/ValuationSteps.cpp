// SPDX-License-Identifier: MIT
#include "valuation/ValuationSteps.h"

#include <string>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "store/TransactionGuard.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

WriteFailure stepFailed(const Connection& connection, std::string_view logLiteral,
                        StepReport report) {
    if (report == StepReport::MessageAndLog) {
        return statementFailed(connection, kDatabaseAccessMessage, logLiteral);
    }
    connection.log().writeEntry(logLiteral);
    WriteFailure failure;
    failure.logLine = std::string(logLiteral);
    return failure;
}

WriteFailure unspoken() {
    return WriteFailure{};
}

Outcome<DraftModel*> modelForRun(DraftSession& session) {
    Outcome<DraftModel*> held = heldDraftModel(session);
    if (held && held.value() == nullptr) {
        return unspoken();
    }
    return held;
}

Outcome<Done> committedRun(DraftSession& session, TransactionGuard& transaction,
                           Outcome<Done> run) {
    const bool done = run && transaction.commit();
    settleDraftModel(session, done);
    if (!run) {
        return run;
    }
    return done ? run : Outcome<Done>(unspoken());
}

}  // namespace quorvane
