// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSession;
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

// How an opening went for a run with nobody to tell: whether it worked, and what a person would
// have been told on the way, in order (a failure that did not stop it is there too). Every
// question met was answered No.
struct SessionOpening {
    bool opened = false;
    std::vector<Message> told;

    // The first thing told, or `otherwise` when nothing was.
    std::string firstText(std::string_view otherwise) const;
};

// The same two openings for a session alone (a host serving pages): the service settings, which
// only the front ends use, are not read; `appVersion` decides the start-up corrections.
SessionOpening openCommandStore(DraftSession& session, const std::optional<std::string>& dataFolder,
                                std::string_view appVersion);
SessionOpening openDraftByIdOrName(DraftSession& session, const std::string& draft);

}  // namespace quorvane
