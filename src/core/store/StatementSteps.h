// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string_view>

#include "store/SqlValue.h"
#include "store/StatementRow.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quorvane {

// The engine's own steps of one statement, shared by the kept statements, the ones compiled for
// a single run and the prepared ones. Each throws SQLite::Exception as the engine reports a
// failure, with the engine's description of it.

struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const;
};
using CompiledStatement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// Null for text that holds no statement (only blanks or a comment).
CompiledStatement compileStatement(sqlite3* database, std::string_view sql);

// Binds the parameters in order to the statement's `?` markers; markers left over are NULL.
void bindParameters(sqlite3* database, sqlite3_stmt* statement, const SqlParams& params);

// Hands every row to `read` as the statement steps onto it, then resets the statement, since a
// finished statement left as it is would hold up a vacuum.
void stepRows(sqlite3* database, sqlite3_stmt* statement, const RowSink& read);

}  // namespace quorvane
