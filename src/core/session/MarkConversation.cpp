// SPDX-License-Identifier: MIT
#include "session/MarkConversation.h"

#include "room/PlayerMarks.h"
#include "session/AskConsent.h"
#include "session/ProgramState.h"
#include "session/WriteConversation.h"

namespace quorvane {

bool setPlayerFlag(ProgramState& state, int playerid, int flag) {
    return writeKeepingHeldModel(
               state,
               [&](DraftModel& model) {
                   return writeFlag(state.dbConnection, model, FlagRequest{playerid, flag});
               })
        .ok();
}

int chooseFlag(ProgramState& state, int playerid, int currentFlag, int chosen) {
    const int flag = flagAfterChoice(currentFlag, chosen);
    // The row shows the choice even when the statement failed; the next fill shows the truth.
    setPlayerFlag(state, playerid, flag);
    return flag;
}

bool savePlayerNote(ProgramState& state, int playerid, const std::string& note) {
    return writeKeepingHeldModel(state,
                                 [&](DraftModel& model) {
                                     return writeNote(
                                         state.dbConnection, model,
                                         PlayerNoteRequest{playerid, state.projectionYear, note});
                                 })
        .ok();
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
