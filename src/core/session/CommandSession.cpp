// SPDX-License-Identifier: MIT
#include "session/CommandSession.h"

#include <utility>

#include "draftconfig/DraftLookup.h"
#include "model/DraftLoader.h"
#include "platform/DataFolder.h"
#include "platform/ServiceSettings.h"
#include "projections/ProjectionImport.h"
#include "room/TurnHistoryWriter.h"
#include "session/ApplyServiceSettings.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"
#include "valuation/SgpDenominators.h"

namespace quorvane {

namespace {

// "Error: No draft ..." for a draft the lookup did not find.
Message noDraft(const DraftLookup& found) {
    return {"Error", found.problem, MessageIcon::Critical};
}

}  // namespace

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
    const SessionOpening opening = openDraftByIdOrName(static_cast<DraftSession&>(state), draft);
    showFailures(dialogs, opening.told);
    return opening.opened;
}

std::string SessionOpening::firstText(std::string_view otherwise) const {
    return told.empty() ? std::string(otherwise) : told.front().text;
}

SessionOpening openCommandStore(DraftSession& session, const std::optional<std::string>& dataFolder,
                                std::string_view appVersion) {
    SessionOpening opening;
    if (session.dbConnection.isOpen()) {
        opening.opened = true;
        return opening;
    }
    const auto keepSampleFailure = [&opening](DraftSession& made, const std::string& sample) {
        keepFailure(opening.told,
                    importProjectionFile(made, made.projectionYear, sample, Progress{}));
    };
    const Outcome<Done> opened =
        openDataStore(session, dataFolderCandidates(dataFolder), keepSampleFailure);
    if (!opened) {
        opening.told.push_back(opened.failure().message);
        return opening;
    }
    for (const WriteFailure& failure : fixSgpDenominators(session.dbConnection, appVersion)) {
        if (failure.kind != WriteFailure::Kind::Unanswered && !failure.message.text.empty()) {
            opening.told.push_back(failure.message);
        }
    }
    opening.opened = true;
    return opening;
}

SessionOpening openDraftByIdOrName(DraftSession& session, const std::string& draft) {
    SessionOpening opening;
    const DraftLookup found = findDraftByIdOrName(session.dbConnection, draft);
    if (!found.templateId) {
        opening.told.push_back(noDraft(found));
        return opening;
    }
    loadDraft(session, *found.templateId);
    keepFailure(opening.told, settleTurnHistory(session));
    opening.opened = true;
    return opening;
}

}  // namespace quorvane
