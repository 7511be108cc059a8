// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <SQLiteCpp/SQLiteCpp.h>

#include "store/Connection.h"
#include "store/StatementCache.h"

namespace quorvane {

struct Connection::Impl {
    std::unique_ptr<SQLite::Database> database;
    // Declared after the database, so that its statements are finalized before it closes.
    StatementCache statements;
    // Where the last failed statement left the busy report (see Connection::takeUntoldBusy).
    enum class Busy { None, Untold, Told };
    Busy busy = Busy::None;
    // While an operation's transaction could not begin, its statements are refused with the
    // engine's code of that failure, so nothing it runs is written outside a transaction.
    int refusalCode = 0;
};

}  // namespace quorvane
