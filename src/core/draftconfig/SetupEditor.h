// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "draftconfig/SetupForm.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

struct SetupSaveOutcome {
    bool saved = false;
    std::optional<SetupTab> showTab;  // the tab to bring to the front after a refusal
};

// Validates the whole form (the first failing check is shown and nothing is written), then
// writes the draft's settings, slots, categories and teams in one transaction, gives the turn
// to draft position 1 while no pick exists, and reloads the draft into state.draftSettings().
// On success the form shows the saved draft.
SetupSaveOutcome saveSetup(ProgramState& state, UserDialogs& dialogs, SetupForm& form);

enum class DeleteTeamOutcome { Refused, Cancelled, Discarded, Deleted, Failed };

// "Delete" on a team row. Refuses the user's own team; an unsaved row discards the unsaved
// team rows; a saved team is deleted with every pick of the draft after a Yes. The form's team
// rows are then rebuilt from the database.
DeleteTeamOutcome deleteTeam(ProgramState& state, UserDialogs& dialogs, SetupForm& form,
                             std::size_t row);

}  // namespace quorvane
