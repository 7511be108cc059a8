// SPDX-License-Identifier: MIT
#include "store/StatementRow.h"

#include <sqlite3.h>

#include "text/LetterCase.h"

namespace quorvane {

int StatementRow::columnCount() const {
    return sqlite3_data_count(m_statement);
}

int StatementRow::column(std::string_view name) const {
    const int columns = columnCount();
    for (int i = 0; i < columns; ++i) {
        const char* columnName = sqlite3_column_name(m_statement, i);
        if (columnName != nullptr && equalsIgnoringCase(columnName, name)) {
            return i;
        }
    }
    return -1;
}

SqlValue StatementRow::value(int column) const {
    if (column < 0 || column >= columnCount()) {
        return std::monostate{};
    }
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(m_statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
            const int size = sqlite3_column_bytes(m_statement, column);
            return bytes != nullptr ? std::string(bytes, static_cast<std::size_t>(size))
                                    : std::string();
        }
        default:
            return std::monostate{};
    }
}

bool StatementRow::isNull(int column) const {
    return column < 0 || column >= columnCount() ||
           sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

}  // namespace quorvane
