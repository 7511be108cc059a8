// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Reads the loaded draft's SGP denominators again from the category table (a new loaded draft
// only when they changed), indexed by categoryid from 0 to the
// largest id + 1; ids without a row stay 0. On failure shows the database message, logs
// " 60006 error: could not access database" and keeps what the list held.
bool loadSgpDenominators(ProgramState& state, UserDialogs& dialogs);

// The start-up correction of the field-goal and free-throw denominators for versions before
// 14.0.0.
void fixSgpDenominators(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
