// SPDX-License-Identifier: MIT
#include "store/Recordset.h"

#include <algorithm>
#include <cctype>

#include "text/NumberText.h"

namespace quorvane {

namespace {
const SqlValue kNullValue{};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

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

Recordset::Recordset(std::vector<std::string> columnNames, std::vector<std::vector<SqlValue>> rows)
    : m_columnNames(std::move(columnNames)), m_rows(std::move(rows)) {}

int Recordset::columnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < m_columnNames.size(); ++i) {
        if (equalsIgnoringCase(m_columnNames[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const SqlValue& Recordset::field(std::string_view name) const {
    const int index = columnIndex(name);
    if (eof() || index < 0) {
        return kNullValue;
    }
    return m_rows[m_position][static_cast<std::size_t>(index)];
}

}  // namespace quorvane
