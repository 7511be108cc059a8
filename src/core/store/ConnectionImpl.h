// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <SQLiteCpp/SQLiteCpp.h>

#include "store/Connection.h"

namespace quorvane {

struct Connection::Impl {
    std::unique_ptr<SQLite::Database> database;
};

}  // namespace quorvane
