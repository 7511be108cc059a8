// SPDX-License-Identifier: MIT
#include "store/StatementCache.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace quorvane {

namespace {

std::string firstWordInCapitals(std::string_view sql) {
    std::size_t at = 0;
    while (at < sql.size() && std::isspace(static_cast<unsigned char>(sql[at])) != 0) {
        ++at;
    }
    std::string word;
    for (; at < sql.size() && std::isalpha(static_cast<unsigned char>(sql[at])) != 0; ++at) {
        word.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(sql[at]))));
    }
    return word;
}

void check(sqlite3* database, int code) {
    if (code != SQLITE_OK) {
        throw SQLite::Exception(database, code);
    }
}

void bind(sqlite3* database, sqlite3_stmt* statement, const SqlParams& params) {
    int index = 1;
    for (const SqlValue& value : params) {
        int code = SQLITE_OK;
        if (const auto* whole = std::get_if<std::int64_t>(&value)) {
            code = sqlite3_bind_int64(statement, index, *whole);
        } else if (const auto* real = std::get_if<double>(&value)) {
            code = sqlite3_bind_double(statement, index, *real);
        } else if (const auto* text = std::get_if<std::string>(&value)) {
            code = sqlite3_bind_text64(statement, index, text->data(), text->size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
        } else {
            code = sqlite3_bind_null(statement, index);
        }
        check(database, code);
        ++index;
    }
}

SqlValue columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, column);
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
            const int size = sqlite3_column_bytes(statement, column);
            return bytes != nullptr ? std::string(bytes, static_cast<std::size_t>(size))
                                    : std::string();
        }
        default:
            return std::monostate{};
    }
}

}  // namespace

bool StatementCache::keeps(std::string_view sql) {
    // Savepoints carry a new name every time: kept, they would only crowd the others out.
    static constexpr std::array<std::string_view, 10> kKept = {
        "SELECT", "INSERT", "UPDATE", "DELETE", "REPLACE",
        "WITH",   "PRAGMA", "BEGIN",  "COMMIT", "END"};
    const std::string word = firstWordInCapitals(sql);
    return std::find(kKept.begin(), kKept.end(), word) != kKept.end();
}

bool StatementCache::changesTables(std::string_view sql) {
    static constexpr std::array<std::string_view, 5> kChanging = {"CREATE", "ALTER", "DROP",
                                                                  "ATTACH", "DETACH"};
    const std::string word = firstWordInCapitals(sql);
    return std::find(kChanging.begin(), kChanging.end(), word) != kChanging.end();
}

void StatementCache::Finalize::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

sqlite3_stmt* StatementCache::statementFor(sqlite3* database, std::string_view sql) {
    std::string key(sql);
    if (const auto kept = m_statements.find(key); kept != m_statements.end()) {
        return kept->second.get();
    }
    if (m_statements.size() >= kMaxKept) {
        m_statements.clear();
    }
    if (sql.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw SQLite::Exception("statement too long", SQLITE_TOOBIG);
    }
    sqlite3_stmt* compiled = nullptr;
    check(database, sqlite3_prepare_v2(database, key.data(), static_cast<int>(key.size()),
                                       &compiled, nullptr));
    // Empty text (only blanks or a comment) compiles to no statement: nothing to keep.
    if (compiled == nullptr) {
        return nullptr;
    }
    m_statements.emplace(std::move(key), Statement(compiled));
    return compiled;
}

Recordset StatementCache::run(sqlite3* database, std::string_view sql, const SqlParams& params) {
    sqlite3_stmt* statement = statementFor(database, sql);
    if (statement == nullptr) {
        return Recordset();
    }
    const auto drop = [&] { m_statements.erase(std::string(sql)); };
    try {
        sqlite3_clear_bindings(statement);
        bind(database, statement, params);
        std::vector<std::vector<SqlValue>> rows;
        int code = SQLITE_OK;
        while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(statement);
            std::vector<SqlValue> row;
            row.reserve(static_cast<std::size_t>(columns));
            for (int i = 0; i < columns; ++i) {
                row.push_back(columnValue(statement, i));
            }
            rows.push_back(std::move(row));
        }
        if (code != SQLITE_DONE) {
            throw SQLite::Exception(database, code);
        }
        // Counted after the run: the engine compiles the statement again, with the columns a
        // "select *" now has, when another program changed the table since it was kept.
        std::vector<std::string> names;
        const int columns = sqlite3_column_count(statement);
        names.reserve(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            const char* name = sqlite3_column_name(statement, i);
            names.emplace_back(name != nullptr ? name : "");
        }
        // Reset at once: a finished statement left as it is would hold up a vacuum.
        sqlite3_reset(statement);
        return Recordset(std::move(names), std::move(rows));
    } catch (...) {
        drop();
        throw;
    }
}

void StatementCache::clear() {
    m_statements.clear();
}

}  // namespace quorvane
