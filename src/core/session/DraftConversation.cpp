// SPDX-License-Identifier: MIT
#include "session/DraftConversation.h"

#include "draftconfig/AdpSpreadSetting.h"
#include "model/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane {

std::optional<std::vector<DraftListEntry>> fillDraftList(ProgramStore& store,
                                                         UserDialogs& dialogs) {
    return shown(dialogs, readDraftList(store.dbConnection));
}

bool openSelectedDraft(ProgramState& state, UserDialogs& dialogs,
                       std::optional<int> selectedTemplateId) {
    if (!selectedTemplateId) {
        showMessage(dialogs, noDraftSelected());
        return false;
    }
    loadDraft(state, *selectedTemplateId);
    shown(dialogs, settleTurnHistory(state));
    return true;
}

std::optional<int> createDraft(ProgramState& state, UserDialogs& dialogs,
                               const NewDraftChoice& choice) {
    const std::optional<int> templateId = shown(dialogs, writeNewDraft(state.dbConnection, choice));
    if (templateId) {
        loadDraft(state, *templateId);
    }
    return templateId;
}

std::optional<double> readDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded,
                                         UserDialogs& dialogs) {
    if (!loaded.draftSettings) {
        return std::nullopt;
    }
    return shown(dialogs,
                 readDraftAdpSpread(store.dbConnection, loaded.draftSettings->template_id));
}

bool saveDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded, UserDialogs& dialogs,
                        double spread) {
    if (!loaded.draftSettings) {
        return false;
    }
    return shown(dialogs,
                 writeDraftAdpSpread(store.dbConnection, loaded.draftSettings->template_id, spread))
        .has_value();
}

}  // namespace quorvane
