// SPDX-License-Identifier: MIT
#include "store/StatementSteps.h"

#include <limits>
#include <string>

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace quorvane {

namespace {

void check(sqlite3* database, int code) {
    if (code != SQLITE_OK) {
        throw SQLite::Exception(database, code);
    }
}

}  // namespace

void FinalizeStatement::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

CompiledStatement compileStatement(sqlite3* database, std::string_view sql) {
    if (sql.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw SQLite::Exception("statement too long", SQLITE_TOOBIG);
    }
    sqlite3_stmt* compiled = nullptr;
    check(database, sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()),
                                       &compiled, nullptr));
    return CompiledStatement(compiled);
}

void bindParameters(sqlite3* database, sqlite3_stmt* statement, const SqlParams& params) {
    sqlite3_clear_bindings(statement);
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

void stepRows(sqlite3* database, sqlite3_stmt* statement, const RowSink& read) {
    try {
        int code = SQLITE_OK;
        const StatementRow row(statement);
        while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
            if (read) {
                read(row);
            }
        }
        if (code != SQLITE_DONE) {
            throw SQLite::Exception(database, code);
        }
    } catch (...) {
        sqlite3_reset(statement);
        throw;
    }
    sqlite3_reset(statement);
}

}  // namespace quorvane
