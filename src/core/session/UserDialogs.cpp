// SPDX-License-Identifier: MIT
#include "session/UserDialogs.h"

#include "store/Connection.h"

namespace quorvane {

bool reportDatabaseBusy(UserDialogs& dialogs, const Connection& connection) {
    if (!connection.takeUntoldBusy()) {
        return false;
    }
    dialogs.showMessage(kDatabaseBusyTitle, kDatabaseBusyMessage, MessageIcon::Exclamation);
    connection.log().writeEntry(kDatabaseBusyLogLine);
    return true;
}

void showDatabaseFailure(UserDialogs& dialogs, const Connection& connection, std::string_view title,
                         std::string_view text, MessageIcon icon) {
    if (!reportDatabaseBusy(dialogs, connection)) {
        dialogs.showMessage(title, text, icon);
    }
}

void reportDatabaseError(UserDialogs& dialogs, const Connection& connection,
                         std::string_view logLiteral) {
    showDatabaseFailure(dialogs, connection, kDatabaseErrorTitle, kDatabaseAccessMessage,
                        MessageIcon::Exclamation);
    connection.log().writeEntry(logLiteral);
}

}  // namespace quorvane
