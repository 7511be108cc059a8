// SPDX-License-Identifier: MIT
#include "draftconfig/DraftList.h"

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "draftconfig/DraftLoader.h"
#include "room/TurnHistoryWriter.h"

namespace quorvane {

std::optional<std::vector<DraftListEntry>> fillDraftList(ProgramState& state,
                                                         UserDialogs& dialogs) {
    if (!state.dbConnection.isOpen()) {
        state.dbConnection.log().writeEntry(": Error 30002 - Could get templates from database");
        dialogs.showMessage("Error",
                            "Err 30002: Could get draft templates. If the problem persists please "
                            "contact customer support.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    Recordset drafts;
    if (!openRecordset(drafts, state.dbConnection,
                       "select template_id, template_name from DraftTemplate order by "
                       "template_id")) {
        state.dbConnection.log().writeEntry(": Error 30001 - Could get templates from database");
        showDatabaseFailure(dialogs, state.dbConnection, "Error",
                            "Err 30001: Could get draft templates. If the problem persists please "
                            "contact customer support.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    std::vector<DraftListEntry> entries;
    for (; !drafts.eof(); drafts.moveNext()) {
        entries.push_back(
            {static_cast<int>(drafts.getInt("template_id")), drafts.getText("template_name")});
    }
    return entries;
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
