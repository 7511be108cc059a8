// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/Connection.h"

namespace quorvane {

// The rows a bound query returns, each made into a Row by `make`; nullopt after a failure the
// connection logged.
template <class Row, class Make>
std::optional<std::vector<Row>> readRows(Connection& connection, std::string_view sql,
                                         const std::vector<SqlValue>& parameters, Make make) {
    Recordset records;
    if (!openRecordset(records, connection, sql, parameters)) {
        return std::nullopt;
    }
    std::vector<Row> rows;
    rows.reserve(records.rowCount());
    for (const std::vector<SqlValue>& row : records.rows()) {
        rows.push_back(make(row));
    }
    return rows;
}

}  // namespace quorvane
