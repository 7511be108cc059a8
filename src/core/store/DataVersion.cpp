// SPDX-License-Identifier: MIT
#include "store/DataVersion.h"

#include "store/ConnectionImpl.h"

namespace quorvane {

std::optional<std::int64_t> dataVersion(Connection& connection) {
    if (!connection.isOpen() || connection.refusingStatements()) {
        return std::nullopt;
    }
    try {
        const Recordset rows = connection.impl()->statements.run(
            connection.impl()->database->getHandle(), "PRAGMA data_version", {});
        if (rows.rows().empty() || rows.rows().front().empty()) {
            return std::nullopt;
        }
        return toInt(rows.rows().front().front());
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
