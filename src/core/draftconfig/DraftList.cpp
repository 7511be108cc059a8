// SPDX-License-Identifier: MIT
#include "draftconfig/DraftList.h"

#include "platform/Log.h"
#include "store/Connection.h"
#include "store/PracticeRows.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

Outcome<std::vector<DraftListEntry>> readDraftList(Connection& connection) {
    if (!connection.isOpen()) {
        const std::string logLine = ": Error 30002 - Could get templates from database";
        connection.log().writeEntry(logLine);
        return WriteFailure{WriteFailure::Kind::Failed,
                            Message{"Error",
                                    "Err 30002: Could get draft templates. If the problem persists "
                                    "please contact customer support.",
                                    MessageIcon::Critical},
                            logLine,
                            {}};
    }
    const std::optional<std::vector<DraftListRow>> drafts = readDraftListRows(connection);
    if (!drafts) {
        // The numbered line first, then the busy one when that is what happened.
        connection.log().writeEntry(": Error 30001 - Could get templates from database");
        return statementFailed(connection,
                               Message{"Error",
                                       "Err 30001: Could get draft templates. If the problem "
                                       "persists please contact customer support.",
                                       MessageIcon::Critical});
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

Message noDraftSelected() {
    return {"No Draft Selected", "You must select a draft/auction from the drop down menu.",
            MessageIcon::Critical};
}

}  // namespace quorvane
