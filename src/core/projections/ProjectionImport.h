// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "projections/ProjectionLines.h"

namespace quorvane {

struct ProgramState;
struct ProgramStore;
class UserDialogs;

// Players a completed import added and changed.
struct ImportResult {
    long long inserted = 0;
    long long updated = 0;
};

// Where projection lines come from. The import walks the source twice, once to check every
// line (and decide the file's code page) and once to write them, and refuses to commit when the
// two walks disagree.
struct ProjectionSource {
    std::string label;          // names the source in messages: the path, or the download
    std::string headerLogLine;  // logged when the first line is not a projection header
    // Walks every line, the header included; false when the lines could not all be read.
    std::function<bool(const LineVisitor&)> walk;
};

// Imports any projection source; the file and the download below are two of them.
std::optional<ImportResult> importProjectionSource(ProgramState& state, UserDialogs& dialogs,
                                                   const ProjectionSource& source);

// Imports a projection CSV file (the file list's choice, `import FILE`). The whole file lands
// in one transaction or not at all; nullopt after the refusal or failure was reported.
std::optional<ImportResult> importProjectionFile(ProgramState& state, UserDialogs& dialogs,
                                                 const std::string& path);

// Imports projection CSV text (the download). Same guarantees as importProjectionFile.
std::optional<ImportResult> importProjectionText(ProgramState& state, UserDialogs& dialogs,
                                                 std::string_view text);

// "Projections updated through: " and the newest revision date of the projections.
std::string getRevisionText(ProgramStore& state, UserDialogs& dialogs);

}  // namespace quorvane
