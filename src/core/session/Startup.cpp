// SPDX-License-Identifier: MIT
#include "session/Startup.h"

#include <exception>
#include <string>

#include "platform/ServiceSettings.h"
#include "session/ApplyServiceSettings.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"
#include "store/DraftTemplateRows.h"

namespace quorvane {

namespace {

// A run-time failure in one step is logged and start-up goes on with the next.
template <typename Step>
void guarded(const ProgramStore& state, Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        Log(state.logFilePath).writeEntry(std::string(": ") + error.what());
    }
}

}  // namespace

int countDrafts(ProgramStore& state, UserDialogs& dialogs) {
    const std::optional<int> drafts = countDraftRows(state.dbConnection);
    if (!drafts) {
        reportDatabaseError(dialogs, state.dbConnection, " 007 error: could not access database");
        return -1;
    }
    return *drafts;
}

StartupOutcome runStartup(ProgramState& state, UserDialogs& dialogs, StartupShell& shell,
                          const DataFolderCandidates& candidates) {
    bool opened = false;
    guarded(state, [&] { opened = openDataStore(state, dialogs, candidates); });
    // The user was told the database is busy and to try again: the messages of a missing
    // database would only contradict that.
    if (!opened && state.dbConnection.lastFailureWasBusy()) {
        return StartupOutcome::Ended;
    }
    guarded(state, [&] { applyServiceSettings(state); });

    state.appVersion = std::string(kAppVersion);
    state.draftLoaded = false;
    state.projectionYear = kProjectionYear;
    state.statsMode = 0;
    state.researchYear = state.projectionYear;

    guarded(state, [&] { shell.showMainWindow(); });

    bool goOn = true;
    guarded(state, [&] { goOn = shell.runUpdateCheck(); });
    if (!goOn) {
        return StartupOutcome::Ended;
    }

    guarded(state, [&] { fixSgpDenominators(state, dialogs); });
    if (opened) {
        guarded(state, [&] { offerSampleProjections(state, dialogs); });
    }

    const int drafts = countDrafts(state, dialogs);
    if (drafts < 0) {
        return StartupOutcome::Ended;
    }

    guarded(state, [&] { shell.chooseDraft(drafts > 0); });
    // Once a draft is open the draft windows offer Cancel again, also when the first draft was
    // created at start-up: otherwise a later "New Draft" could not be left without creating one.
    state.draftLoaded = drafts > 0 || state.hasDraft();

    guarded(state, [&] { shell.fillSearchList(); });
    if (state.hasDraft()) {
        guarded(state, [&] { shell.prepareDraftRoom(); });
    }
    return StartupOutcome::Running;
}

}  // namespace quorvane
