// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "store/SqlValue.h"

struct sqlite3_stmt;

namespace quorvane {

// The row a running statement stands on, read by column position. Values convert the forgiving
// way the old engine's fields did (NULL reads as 0 or empty text, numbers as their text, numeric
// text as its number); a position past the last column reads as NULL.
class StatementRow {
  public:
    explicit StatementRow(sqlite3_stmt* statement) : m_statement(statement) {}

    int columnCount() const;
    // The position of a column by the name the select gives it, compared without regard to case;
    // -1 when it has none. Only for a "select *", whose positions the schema decides.
    int column(std::string_view name) const;

    SqlValue value(int column) const;
    bool isNull(int column) const;
    std::int64_t integer(int column) const { return toInt(value(column)); }
    double real(int column) const { return toDouble(value(column)); }
    std::string text(int column) const { return toText(value(column)); }

    // The column as T: a whole number, bool, double, text, or std::optional of one (NULL as none).
    template <class T>
    T as(int column) const;

  private:
    sqlite3_stmt* m_statement;
};

namespace detail {
template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};
}  // namespace detail

template <class T>
T StatementRow::as(int column) const {
    if constexpr (detail::IsOptional<T>::value) {
        return isNull(column) ? T() : T(as<typename T::value_type>(column));
    } else if constexpr (std::is_same_v<T, bool>) {
        return integer(column) != 0;
    } else if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(integer(column));
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(real(column));
    } else {
        static_assert(std::is_same_v<T, std::string>, "a column reads as a number or text");
        return text(column);
    }
}

// Called once for each row a statement returns, while the statement stands on it. It must not
// run a statement of its own: the row is gone once it returns.
using RowSink = std::function<void(const StatementRow&)>;

}  // namespace quorvane
