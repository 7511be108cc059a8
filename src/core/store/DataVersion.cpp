// SPDX-License-Identifier: MIT
#include "store/DataVersion.h"

#include "store/ConnectionImpl.h"

namespace quorvane {

std::optional<std::int64_t> dataVersion(Connection& connection) {
    if (!connection.isOpen() || connection.refusingStatements()) {
        return std::nullopt;
    }
    try {
        // Asked before every refresh: quietly, so a busy moment leaves no log line.
        std::optional<std::int64_t> version;
        connection.impl()->statements.run(connection.impl()->database->getHandle(),
                                          "PRAGMA data_version", {},
                                          [&version](const StatementRow& row) {
                                              if (row.columnCount() > 0) {
                                                  version = row.integer(0);
                                              }
                                          });
        return version;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::int64_t> fileChangeStamp(Connection& connection) {
    const std::optional<std::int64_t> version = dataVersion(connection);
    if (!version) {
        return std::nullopt;
    }
    // Both counts only grow; the data version moves by a few at a time, so it takes the high
    // bits and this connection's count of changed rows the low ones.
    return (*version << 40) ^ connection.totalChanges();
}

}  // namespace quorvane
