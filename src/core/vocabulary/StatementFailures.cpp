// SPDX-License-Identifier: MIT
#include "vocabulary/StatementFailures.h"

#include "platform/Log.h"
#include "store/Connection.h"
#include "vocabulary/DatabaseMessages.h"

namespace quorvane {

WriteFailure loggedRefusal(const Log& log, std::string_view title, std::string text,
                           std::string logLine) {
    log.writeEntry(logLine);
    return {WriteFailure::Kind::Refused,
            Message{std::string(title), std::move(text), MessageIcon::Exclamation},
            std::move(logLine),
            {}};
}

WriteFailure statementFailed(const Connection& connection, std::string_view text,
                             std::string_view logLine) {
    return statementFailed(
        connection,
        Message{std::string(kDatabaseErrorTitle), std::string(text), MessageIcon::Exclamation},
        logLine);
}

WriteFailure statementFailed(const Connection& connection, Message shown,
                             std::string_view logLine) {
    WriteFailure failure;
    if (connection.takeUntoldBusy()) {
        connection.log().writeEntry(kDatabaseBusyLogLine);
        failure.kind = WriteFailure::Kind::Busy;
        failure.message = {std::string(kDatabaseBusyTitle), std::string(kDatabaseBusyMessage),
                           MessageIcon::Exclamation};
        failure.logLine = std::string(kDatabaseBusyLogLine);
    } else {
        failure.message = std::move(shown);
    }
    if (!logLine.empty()) {
        connection.log().writeEntry(logLine);
        failure.logLine = std::string(logLine);
    }
    return failure;
}

}  // namespace quorvane
