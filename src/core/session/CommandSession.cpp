// SPDX-License-Identifier: MIT
#include "session/CommandSession.h"

#include "draftconfig/DraftLookup.h"
#include "model/DraftLoader.h"
#include "platform/DataFolder.h"
#include "platform/ServiceSettings.h"
#include "room/TurnHistoryWriter.h"
#include "session/ApplyServiceSettings.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "valuation/SgpDenominators.h"

namespace quorvane {

bool openCommandStore(ProgramState& state, UserDialogs& dialogs,
                      const std::optional<std::string>& dataFolder) {
    if (state.dbConnection.isOpen()) {
        return true;
    }
    if (!openDataStore(state, dialogs, dataFolderCandidates(dataFolder))) {
        return false;
    }
    applyServiceSettings(state);
    fixSgpDenominators(state, dialogs);
    return true;
}

bool openDraftByIdOrName(ProgramState& state, UserDialogs& dialogs, const std::string& draft) {
    const DraftLookup found = findDraftByIdOrName(state.dbConnection, draft);
    if (!found.templateId) {
        dialogs.showMessage("Error", found.problem, MessageIcon::Critical);
        return false;
    }
    loadDraft(state, *found.templateId);
    shown(dialogs, settleTurnHistory(state));
    return true;
}

}  // namespace quorvane
