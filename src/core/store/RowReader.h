// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/Connection.h"
#include "store/StatementRow.h"

namespace quorvane {

// The one way the repositories read: each row made into a Row by `make` straight from the
// statement. nullopt after a failure the connection logged (nothing of a half-read answer is
// kept). `make` only reads the row it is given.
template <class Row, class Make>
std::optional<std::vector<Row>> readRows(Connection& connection, std::string_view sql,
                                         const SqlParams& parameters, Make make) {
    std::vector<Row> rows;
    if (!openRecordset(connection, sql, parameters,
                       [&rows, &make](const StatementRow& row) { rows.push_back(make(row)); })) {
        return std::nullopt;
    }
    return rows;
}

namespace detail {

template <class T>
auto firstColumnInto(std::optional<T>& first) {
    return [&first](const StatementRow& row) {
        if (!first) {
            first.emplace(row.as<T>(0));
        }
    };
}

template <class T>
std::optional<T> scalarOf(bool ran, std::optional<T>& first) {
    if (!ran) {
        return std::nullopt;
    }
    return first ? std::move(first) : std::optional<T>(T{});
}

}  // namespace detail

// The first column of the first row as T (see StatementRow::as); an answer without rows reads as
// NULL does: 0, empty text, false or none. nullopt after a failure the connection logged.
template <class T>
std::optional<T> readScalar(Connection& connection, std::string_view sql,
                            const SqlParams& parameters = {}) {
    std::optional<T> first;
    const bool ran = openRecordset(connection, sql, parameters, detail::firstColumnInto(first));
    return detail::scalarOf(ran, first);
}

// readScalar over a statement prepared once for many runs.
template <class T>
std::optional<T> readScalar(PreparedStatement& statement, const SqlParams& parameters) {
    std::optional<T> first;
    const bool ran = statement.query(parameters, detail::firstColumnInto(first));
    return detail::scalarOf(ran, first);
}

}  // namespace quorvane
