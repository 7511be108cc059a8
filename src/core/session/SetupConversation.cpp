// SPDX-License-Identifier: MIT
#include "session/SetupConversation.h"

#include "session/AskConsent.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"

namespace quorvane {

SetupSaveOutcome saveSetup(ProgramState& state, UserDialogs& dialogs, SetupForm& form) {
    SetupSaveOutcome outcome = saveSetup(static_cast<DraftSession&>(state), form);
    if (outcome.failure) {
        showMessage(dialogs, *outcome.failure);
    }
    return outcome;
}

DeleteTeamOutcome deleteTeam(ProgramState& state, UserDialogs& dialogs, SetupForm& form,
                             std::size_t row) {
    if (!state.draftSettings()) {
        return DeleteTeamOutcome::Refused;
    }
    const Decision decision = decideDeleteTeam(form, row);
    const std::optional<Consent> consent = askConsent(dialogs, decision);
    if (!consent) {
        return decision.refused() ? DeleteTeamOutcome::Refused : DeleteTeamOutcome::Cancelled;
    }
    const DeleteTeamResult result = deleteTeam(state, form, row, *consent);
    if (result.failure) {
        showMessage(dialogs, *result.failure);
    }
    return result.outcome;
}

}  // namespace quorvane
