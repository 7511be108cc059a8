// SPDX-License-Identifier: MIT
#pragma once

struct sqlite3;

namespace quorvane {

// Functions the statements of this program use beyond SQLite's own:
//   vbformat(value, pattern) - the number as text in one of the patterns "0", "0.00", "#.000",
//                              ".000", "0.##" (see formatPattern); NULL stays NULL.
// and the collation NAMES, which orders names as the player lists do (see compareNames):
// accented letters among their base letters.
void registerSqlFunctions(sqlite3* handle);

}  // namespace quorvane
