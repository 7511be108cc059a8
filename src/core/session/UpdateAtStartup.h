// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "update/UpdateCheck.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

enum class UpdateOutcome {
    Continue,        // go on with start-up
    UpdaterStarted,  // the program is to end now
};

// The whole check of start-up: asks when the check calls for it and starts the updater on Yes,
// with the announced version. An unreachable service and an updater that cannot be started are
// reported and the program goes on.
UpdateOutcome runUpdateCheck(ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer,
                             ProgramLauncher& launcher, const std::string& updater = updaterPath());

// What the update check needs of the program's state.
UpdateCheckRequest updateCheckRequest(const ProgramState& state);

}  // namespace quorvane
