// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

class Connection;

// The schema version this program writes into `PRAGMA user_version`.
int schemaVersion();

// Brings the database to the program's schema: runs the numbered steps the file lacks (every
// table, key and index, the rows of `category`, later additions), all in one writer's
// transaction. A database that is already up to date is only read.
bool upgradeSchema(Connection& connection);

}  // namespace quorvane
