// SPDX-License-Identifier: MIT
#include "store/DataVersion.h"

#include "store/ConnectionImpl.h"

namespace quorvane {

std::optional<std::int64_t> dataVersion(Connection& connection) {
    if (!connection.isOpen() || connection.refusingStatements()) {
        return std::nullopt;
    }
    try {
        SQLite::Statement statement(*connection.impl()->database, "PRAGMA data_version");
        if (!statement.executeStep()) {
            return std::nullopt;
        }
        return statement.getColumn(0).getInt64();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace quorvane
