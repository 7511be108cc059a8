// SPDX-License-Identifier: MIT
#include "room/PlayerMarks.h"

#include "model/DraftModelLoader.h"
#include "model/ModelChanges.h"
#include "session/ProgramState.h"
#include "store/DraftPlayerRepository.h"
#include "store/TransactionGuard.h"
#include "text/TextChecks.h"

namespace quorvane {

int flagAfterChoice(int currentFlag, int chosen) {
    return currentFlag == chosen ? kNoFlag : chosen;
}

bool setPlayerFlag(ProgramState& state, int playerid, int flag) {
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    if (!writePlayerFlag(state.dbConnection, playerid, flag) || !transaction.commit()) {
        return false;
    }
    keepOwnChange(state, modelCurrent,
                  [playerid, flag](DraftModel& model) { applyFlag(model, playerid, flag); });
    return true;
}

int chooseFlag(ProgramState& state, int playerid, int currentFlag, int chosen) {
    const int flag = flagAfterChoice(currentFlag, chosen);
    // The row shows the choice even when the statement failed; the next fill shows the truth.
    setPlayerFlag(state, playerid, flag);
    return flag;
}

std::optional<Message> playerNoteRefusal(std::string_view note) {
    if (const auto problem = textProblem(note, kMaxPlayerNoteCharacters)) {
        return Message{"Invalid Note", "The note " + *problem, MessageIcon::Exclamation};
    }
    return std::nullopt;
}

bool savePlayerNote(ProgramState& state, int playerid, const std::string& note) {
    if (playerNoteRefusal(note)) {
        return false;
    }
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    if (!writePlayerNote(state.dbConnection, state.projectionYear, playerid, note) ||
        !transaction.commit()) {
        state.dbConnection.log().writeEntry(" 60050 error: could not add player note.");
        return false;
    }
    keepOwnChange(state, modelCurrent,
                  [playerid, &note](DraftModel& model) { applyNote(model, playerid, note); });
    return true;
}

}  // namespace quorvane
