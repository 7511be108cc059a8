// SPDX-License-Identifier: MIT
#include "session/CustomPlayerConversation.h"

#include "room/CustomPlayerWriter.h"
#include "session/AskConsent.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "session/WriteConversation.h"
#include "store/DraftPlayerRepository.h"

namespace quorvane {

std::optional<std::vector<std::string>> fillNbaTeams(ProgramState& state, UserDialogs& dialogs) {
    std::optional<std::vector<std::string>> names = readNbaTeams(state.dbConnection);
    if (!names) {
        reportDatabaseError(dialogs, state.dbConnection, " 12001 error: could not access database");
    }
    return names;
}

std::optional<int> addCustomPlayer(ProgramState& state, UserDialogs& dialogs,
                                   const CustomPlayer& player) {
    const Outcome<PlayerAdded> added = writeKeepingHeldModel(state, [&](DraftModel& model) {
        return writeAddedPlayer(state.dbConnection, model,
                                AddPlayerRequest{player, state.projectionYear});
    });
    if (!added) {
        showWriteFailure(dialogs, added.failure());
        return std::nullopt;
    }
    return added->playerid;
}

}  // namespace quorvane
