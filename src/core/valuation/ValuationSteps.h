// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "store/Connection.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftModel;
struct DraftSession;
class TransactionGuard;

// Whether a failed step shows the standard database message before its log line.
enum class StepReport { LogOnly, MessageAndLog };

// A valuation or standings run that could not go on: the failing statement (if any) was logged
// by the store; this writes the run's own numbered line and returns the failure the caller ends
// the run with (its transaction then rolls everything back). A log-only failure has no words.
WriteFailure stepFailed(const Connection& connection, std::string_view logLiteral,
                        StepReport report);

// A run that ended without a word for anyone: no open draft, or nothing to work on.
WriteFailure unspoken();

// The held model a run works on; without an open draft a failure without words.
Outcome<DraftModel*> modelForRun(DraftSession& session);

// The end of a run that writes in its own transaction: committed after a run that went (a
// commit that fails is a failure without words), and the held model follows either way.
Outcome<Done> committedRun(DraftSession& session, TransactionGuard& transaction, Outcome<Done> run);

// A whole number (id, year, count) as a statement parameter.
inline SqlValue whole(long long value) {
    return std::int64_t{value};
}

}  // namespace quorvane
