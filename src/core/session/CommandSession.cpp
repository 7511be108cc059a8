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
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"

namespace quorvane {

namespace {

// Keeps what core tells or asks, answering every question No.
class KeptDialogs final : public UserDialogs {
  public:
    explicit KeptDialogs(std::vector<Message>& told) : m_told(told) {}
    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        m_told.push_back({std::string(title), std::string(text), icon});
    }
    bool askYesNo(std::string_view title, std::string_view text) override {
        m_told.push_back({std::string(title), std::string(text), MessageIcon::Question});
        return false;
    }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}

  private:
    std::vector<Message>& m_told;
};

// The start-up corrections and the settling of the turn history still take the program's state
// and tell through dialogs: the session is lent to a program state for the call, and what they
// tell is kept.
template <class Call>
void lentToProgram(DraftSession& session, std::string_view appVersion, std::vector<Message>& told,
                   Call&& call) {
    ProgramState program;
    program.appVersion = std::string(appVersion);
    static_cast<DraftSession&>(program) = std::move(session);
    KeptDialogs dialogs(told);
    std::forward<Call>(call)(program, dialogs);
    session = std::move(static_cast<DraftSession&>(program));
}

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
    const DraftLookup found = findDraftByIdOrName(state.dbConnection, draft);
    if (!found.templateId) {
        const Message problem = noDraft(found);
        dialogs.showMessage(problem.title, problem.text, problem.icon);
        return false;
    }
    loadDraft(state, *found.templateId);
    settleTurnHistory(state, dialogs);
    return true;
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
        const Outcome<ImportResult> imported =
            importProjectionFile(made, made.projectionYear, sample, Progress{});
        if (!imported && !imported.failure().message.text.empty()) {
            opening.told.push_back(imported.failure().message);
        }
    };
    const Outcome<Done> opened =
        openDataStore(session, dataFolderCandidates(dataFolder), keepSampleFailure);
    if (!opened) {
        opening.told.push_back(opened.failure().message);
        return opening;
    }
    lentToProgram(
        session, appVersion, opening.told,
        [](ProgramState& program, UserDialogs& dialogs) { fixSgpDenominators(program, dialogs); });
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
    lentToProgram(
        session, kAppVersion, opening.told,
        [](ProgramState& program, UserDialogs& dialogs) { settleTurnHistory(program, dialogs); });
    opening.opened = true;
    return opening;
}

}  // namespace quorvane
