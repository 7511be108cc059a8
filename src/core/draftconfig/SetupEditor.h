// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>

#include "draftconfig/SetupForm.h"
#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSession;

struct SetupSaveOutcome {
    bool saved = false;
    std::optional<SetupTab> showTab;  // the tab to bring to the front after a refusal
    // What the person is told when nothing was saved (none when the failing step only logged).
    std::optional<Message> failure;
};

// Validates the whole form (the first failing check comes back and nothing is written), then
// writes the draft's settings, slots, categories and teams in one transaction, gives the turn
// to draft position 1 while no pick exists, and reloads the draft into the session. On success
// the form shows the saved draft.
SetupSaveOutcome saveSetup(DraftSession& session, SetupForm& form);

enum class DeleteTeamOutcome { Refused, Cancelled, Discarded, Deleted, Failed };

// "Delete" on a team row: the user's own team is refused, a saved team asks first (every pick
// of the draft goes with it); an unsaved row goes without asking; a row past the form's is
// refused without words.
Decision decideDeleteTeam(const SetupForm& form, std::size_t row);

struct DeleteTeamResult {
    DeleteTeamOutcome outcome = DeleteTeamOutcome::Refused;
    std::optional<Message> failure;  // a refusal's or failed write's message
};

// An unsaved row discards the unsaved team rows; a saved team is deleted with every pick of the
// draft when `consent` covers the question. The form's team rows are then rebuilt from the
// database.
DeleteTeamResult deleteTeam(DraftSession& session, SetupForm& form, std::size_t row,
                            const Consent& consent);

}  // namespace quorvane
