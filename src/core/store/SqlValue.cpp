// SPDX-License-Identifier: MIT
#include "store/SqlValue.h"

#include "text/NumberText.h"

namespace quorvane {

std::int64_t toInt(const SqlValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return *i;
    }
    if (const auto* d = std::get_if<double>(&value)) {
        return static_cast<std::int64_t>(*d);
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        const auto number = parseNumber(*s);
        return number ? static_cast<std::int64_t>(*number) : 0;
    }
    return 0;
}

double toDouble(const SqlValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*i);
    }
    if (const auto* d = std::get_if<double>(&value)) {
        return *d;
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return parseNumber(*s).value_or(0.0);
    }
    return 0.0;
}

std::string toText(const SqlValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*i);
    }
    if (const auto* d = std::get_if<double>(&value)) {
        return numberText(*d);
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        return *s;
    }
    return {};
}

}  // namespace quorvane
