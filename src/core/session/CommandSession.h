// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

struct ProgramState;
class UserDialogs;

// What a run without the main window (a command, a chart drawn to a file) does before its work:
// opens the database of the data folder (the given one, or the usual candidates), creating it
// when missing, and applies the start-up corrections. False after the failure was told.
bool openCommandStore(ProgramState& state, UserDialogs& dialogs,
                      const std::optional<std::string>& dataFolder);

// Finds the draft by id or name, loads it and settles its turn history. False after
// "Error: No draft ..." was told.
bool openDraftByIdOrName(ProgramState& state, UserDialogs& dialogs, const std::string& draft);

}  // namespace quorvane
