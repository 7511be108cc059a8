// SPDX-License-Identifier: MIT
#include "session/MarkConversation.h"

#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "room/PlayerMarks.h"
#include "session/AskConsent.h"
#include "session/ProgramState.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

// The writer changes the held model only when it is still the file's under the lock; else an
// empty one, which it leaves alone.
template <class Write>
bool keepingHeldModel(ProgramState& state, Write&& write) {
    TransactionGuard transaction(state.dbConnection);
    const bool current = heldModelIsCurrent(state);
    DraftModel unheld;
    DraftModel* held = current ? state.draftModel->model() : nullptr;
    const Outcome<Done> written = write(held != nullptr ? *held : unheld);
    const bool committed = written.ok() && transaction.commit();
    if (!committed) {
        transaction.rollback();
    }
    if (held != nullptr) {
        settleDraftModel(state, committed);
    }
    return committed;
}

}  // namespace

bool setPlayerFlag(ProgramState& state, int playerid, int flag) {
    return keepingHeldModel(state, [&](DraftModel& model) {
        return writeFlag(state.dbConnection, model, FlagRequest{playerid, flag});
    });
}

int chooseFlag(ProgramState& state, int playerid, int currentFlag, int chosen) {
    const int flag = flagAfterChoice(currentFlag, chosen);
    // The row shows the choice even when the statement failed; the next fill shows the truth.
    setPlayerFlag(state, playerid, flag);
    return flag;
}

bool savePlayerNote(ProgramState& state, int playerid, const std::string& note) {
    return keepingHeldModel(state, [&](DraftModel& model) {
        return writeNote(state.dbConnection, model,
                         PlayerNoteRequest{playerid, state.projectionYear, note});
    });
}

bool saveDraftNotes(ProgramState& state, UserDialogs& dialogs, const std::string& notes) {
    if (!state.draftSettings()) {
        return false;
    }
    const Outcome<Done> written =
        writeNote(state.dbConnection, DraftNoteRequest{state.draftSettings()->template_id, notes});
    if (!written) {
        showWriteFailure(dialogs, written.failure());
    }
    return written.ok();
}

}  // namespace quorvane
