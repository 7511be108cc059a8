// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Players a completed import added and changed.
struct ImportResult {
    long long inserted = 0;
    long long updated = 0;
};

// Imports a projection CSV file (the file list's choice, `import FILE`). The whole file lands
// in one transaction or not at all; nullopt after the refusal or failure was reported.
std::optional<ImportResult> importProjectionFile(ProgramState& state, UserDialogs& dialogs,
                                                 const std::string& path);

// Imports projection CSV text (the download). Same guarantees as importProjectionFile.
std::optional<ImportResult> importProjectionText(ProgramState& state, UserDialogs& dialogs,
                                                 std::string_view text);

// "Projections updated through: " and the newest revision date of the projections.
std::string getRevisionText(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
