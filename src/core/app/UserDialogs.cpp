// SPDX-License-Identifier: MIT
#include "app/UserDialogs.h"

#include "store/Connection.h"

namespace quorvane {

void reportDatabaseError(UserDialogs& dialogs, const Connection& connection,
                         std::string_view logLiteral) {
    dialogs.showMessage(kDatabaseErrorTitle, kDatabaseAccessMessage, MessageIcon::Exclamation);
    connection.log().writeEntry(logLiteral);
}

}  // namespace quorvane
