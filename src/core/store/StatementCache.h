// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/SqlValue.h"
#include "store/StatementRow.h"
#include "store/StatementSteps.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quorvane {

// The statements a connection has compiled, kept by their text: a pick and the refresh after
// it run the same few dozen statements every time, and parsing and planning them again cost
// more than running some of them. The engine compiles a kept statement again by itself when
// another program changes the tables under it. Used by one thread at a time, like the rest of
// the connection's state (its busy report, its refusal).
class StatementCache {
  public:
    // Whether a statement of this text may be kept: reads, writes, pragmas, begin and commit.
    // Anything else is compiled for the one run.
    static bool keeps(std::string_view sql);
    // Whether it changes what kept statements were compiled against (create, alter, drop,
    // attach, detach): the cache is emptied before it runs.
    static bool changesTables(std::string_view sql);

    // Runs the kept statement of this text (compiled now when not kept) with `params`, handing
    // each row to `read`; throws SQLite::Exception as the engine reports a failure, after which
    // the statement is compiled afresh next time.
    void run(sqlite3* database, std::string_view sql, const SqlParams& params, const RowSink& read);
    // Drops every statement: before the database closes and before a statement that changes
    // tables.
    void clear();

  private:
    sqlite3_stmt* statementFor(sqlite3* database, std::string_view sql);

    // Texts joined at run time would grow the cache without end; past this many it starts
    // again.
    static constexpr std::size_t kMaxKept = 256;
    std::unordered_map<std::string, CompiledStatement> m_statements;
};

}  // namespace quorvane
