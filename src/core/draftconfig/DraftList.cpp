// SPDX-License-Identifier: MIT
#include "draftconfig/DraftList.h"

#include "model/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/PracticeRows.h"

namespace quorvane {

std::optional<std::vector<DraftListEntry>> fillDraftList(ProgramStore& state,
                                                         UserDialogs& dialogs) {
    if (!state.dbConnection.isOpen()) {
        state.dbConnection.log().writeEntry(": Error 30002 - Could get templates from database");
        dialogs.showMessage("Error",
                            "Err 30002: Could get draft templates. If the problem persists please "
                            "contact customer support.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    const std::optional<std::vector<DraftListRow>> drafts = readDraftListRows(state.dbConnection);
    if (!drafts) {
        state.dbConnection.log().writeEntry(": Error 30001 - Could get templates from database");
        showDatabaseFailure(dialogs, state.dbConnection, "Error",
                            "Err 30001: Could get draft templates. If the problem persists please "
                            "contact customer support.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    std::vector<DraftListEntry> entries;
    for (const DraftListRow& draft : *drafts) {
        entries.push_back({draft.template_id, draft.template_name, draft.practiceOf});
    }
    return entries;
}

std::string draftListCaption(const DraftListEntry& entry) {
    return entry.practiceOf != 0 ? entry.template_name + " (practice)" : entry.template_name;
}

bool openSelectedDraft(ProgramState& state, UserDialogs& dialogs,
                       std::optional<int> selectedTemplateId) {
    if (!selectedTemplateId) {
        dialogs.showMessage("No Draft Selected",
                            "You must select a draft/auction from the drop down menu.",
                            MessageIcon::Critical);
        return false;
    }
    loadDraft(state, *selectedTemplateId);
    settleTurnHistory(state, dialogs);
    return true;
}

}  // namespace quorvane
