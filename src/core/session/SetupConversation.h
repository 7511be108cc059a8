// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "draftconfig/SetupEditor.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The setup as the desktop program and the command line save it (draftconfig/SetupEditor.h):
// the refusal or failure is shown, the question asked.

SetupSaveOutcome saveSetup(ProgramState& state, UserDialogs& dialogs, SetupForm& form);

DeleteTeamOutcome deleteTeam(ProgramState& state, UserDialogs& dialogs, SetupForm& form,
                             std::size_t row);

}  // namespace quorvane
