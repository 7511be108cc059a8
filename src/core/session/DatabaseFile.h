// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quorvane {

struct DraftSession;

// Fills a new database with the sample projections. The front ends show the busy pointer and a
// failure; a run with nobody to tell keeps the failure's message.
using SampleImport = std::function<void(DraftSession& session, const std::string& sampleFile)>;

// Builds a new database at session.connectionString: every table, the category rows and, when
// `sampleFile` is given, its projections (through `importSample`). The file is built under a
// temporary name in the same folder and moved into place only when complete, so a program killed at
// any moment leaves no database or a complete one. When another program put a database there first,
// that one is kept. Leaves the connection closed; false when no database could be made.
bool buildDatabaseFile(DraftSession& session, const std::optional<std::string>& sampleFile,
                       const SampleImport& importSample);

}  // namespace quorvane
