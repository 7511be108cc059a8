// SPDX-License-Identifier: MIT
#include "room/WriteFailures.h"

#include <string>

#include "store/Connection.h"
#include "vocabulary/DatabaseMessages.h"

namespace quorvane {

WriteFailure databaseFailure(const Connection& connection, std::string_view logLine) {
    WriteFailure failure;
    if (connection.takeUntoldBusy()) {
        failure.kind = WriteFailure::Kind::Busy;
        failure.message = {std::string(kDatabaseBusyTitle), std::string(kDatabaseBusyMessage),
                           MessageIcon::Exclamation};
        connection.log().writeEntry(kDatabaseBusyLogLine);
    } else {
        failure.message = {std::string(kDatabaseErrorTitle), std::string(kDatabaseAccessMessage),
                           MessageIcon::Exclamation};
    }
    if (!logLine.empty()) {
        connection.log().writeEntry(logLine);
    }
    failure.logLine = std::string(logLine);
    return failure;
}

WriteFailure unanswered(const Question& question) {
    WriteFailure failure;
    failure.kind = WriteFailure::Kind::Unanswered;
    failure.message = {question.title, question.text, MessageIcon::Question};
    failure.question = question;
    return failure;
}

}  // namespace quorvane
