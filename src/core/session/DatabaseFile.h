// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Builds a new database at state.connectionString: every table, the category rows and, when
// `sampleFile` is given, its projections. The file is built under a temporary name in the same
// folder and moved into place only when complete, so a program killed at any moment leaves no
// database or a complete one. When another program put a database there first, that one is
// kept. Leaves the connection closed; false when no database could be made.
bool buildDatabaseFile(ProgramState& state, UserDialogs& dialogs,
                       const std::optional<std::string>& sampleFile);

}  // namespace quorvane
