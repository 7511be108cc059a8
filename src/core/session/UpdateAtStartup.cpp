// SPDX-License-Identifier: MIT
#include "session/UpdateAtStartup.h"

#include "platform/Log.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane {

UpdateCheckRequest updateCheckRequest(const ProgramState& state) {
    return {state.appVersion, state.serviceHost, state.supportAddress};
}

UpdateOutcome runUpdateCheck(ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer,
                             ProgramLauncher& launcher, const std::string& updater) {
    const Log log(state.logFilePath);
    UpdateCheck check;
    {
        const BusyPointer busy(dialogs);
        check = checkForUpdate(updateCheckRequest(state), log, transfer);
    }
    if (check.failure) {
        showMessage(dialogs, *check.failure);
    }
    const Question question = updateQuestion();
    if (check.action != UpdateAction::Ask || !dialogs.askYesNo(question.title, question.text)) {
        return UpdateOutcome::Continue;
    }
    if (const auto failure = startUpdater(launcher, updater, state, check.serviceAnswer, log)) {
        showMessage(dialogs, *failure);
        return UpdateOutcome::Continue;
    }
    return UpdateOutcome::UpdaterStarted;
}

}  // namespace quorvane
