// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quorvane {

// One value read from or bound to a statement. NULL is std::monostate.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// Positional parameters, bound in order to the statement's `?` markers.
using SqlParams = std::vector<SqlValue>;

inline bool isNull(const SqlValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

// Conversions in the forgiving way the old engine's field values behaved: NULL reads as 0 or
// empty text, numbers as their text, numeric text as its number.
std::int64_t toInt(const SqlValue& value);
double toDouble(const SqlValue& value);
std::string toText(const SqlValue& value);

}  // namespace quorvane
