// SPDX-License-Identifier: MIT
#include "store/StatementCache.h"

#include <algorithm>
#include <array>
#include <cctype>

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

sqlite3_stmt* StatementCache::statementFor(sqlite3* database, std::string_view sql) {
    std::string key(sql);
    if (const auto kept = m_statements.find(key); kept != m_statements.end()) {
        return kept->second.get();
    }
    if (m_statements.size() >= kMaxKept) {
        m_statements.clear();
    }
    CompiledStatement compiled = compileStatement(database, sql);
    // Empty text (only blanks or a comment) compiles to no statement: nothing to keep.
    if (!compiled) {
        return nullptr;
    }
    sqlite3_stmt* statement = compiled.get();
    m_statements.emplace(std::move(key), std::move(compiled));
    return statement;
}

void StatementCache::run(sqlite3* database, std::string_view sql, const SqlParams& params,
                         const RowSink& read) {
    sqlite3_stmt* statement = statementFor(database, sql);
    if (statement == nullptr) {
        return;
    }
    try {
        bindParameters(database, statement, params);
        // The engine compiles the statement again, with the columns a "select *" now has, when
        // another program changed the table since it was kept.
        stepRows(database, statement, read);
    } catch (...) {
        m_statements.erase(std::string(sql));
        throw;
    }
}

void StatementCache::clear() {
    m_statements.clear();
}

}  // namespace quorvane
