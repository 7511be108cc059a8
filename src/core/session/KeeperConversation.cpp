// SPDX-License-Identifier: MIT
#include "session/KeeperConversation.h"

#include "room/KeeperRules.h"
#include "room/KeeperWriters.h"
#include "session/TurnConversation.h"
#include "session/WriteConversation.h"

namespace quorvane {

namespace {

template <class T>
std::optional<T> shown(UserDialogs& dialogs, Outcome<T> read) {
    if (!read) {
        showWriteFailure(dialogs, read.failure());
        return std::nullopt;
    }
    return std::move(read.value());
}

}  // namespace

std::optional<GridTable> fillKeeperFreeAgents(ProgramState& state, UserDialogs& dialogs) {
    return shown(dialogs, readKeeperFreeAgents(state));
}

std::optional<GridTable> fillKeepers(ProgramState& state, UserDialogs& dialogs, int teamid) {
    return shown(dialogs, readKeepersOf(state, teamid));
}

std::optional<KeeperDialog> openKeeperDialog(ProgramState& state, UserDialogs& dialogs,
                                             int playerid) {
    return shown(dialogs, readKeeperDialog(state, playerid));
}

RoomView doneAddingKeepers(ProgramState& state, UserDialogs& dialogs) {
    return refreshAfterPick(state, dialogs);
}

KeeperOutcome addKeeper(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars) {
    if (!state.draftSettings()) {
        return KeeperOutcome::Failed;
    }
    const KeeperRequest request{playerid, teamid, pos, typedPrice(*state.draftSettings(), dollars)};
    Ending ending = Ending::Failed;
    if (converse<KeeperRequest, KeeperAdded>(state, dialogs, request, &decideKeeper, &writeKeeper,
                                             ending)) {
        return KeeperOutcome::Added;
    }
    return ending == Ending::Failed ? KeeperOutcome::Failed : KeeperOutcome::Stopped;
}

bool removeKeeper(ProgramState& state, UserDialogs& dialogs, int playerid) {
    if (!state.draftSettings() || !dialogs.askYesNo(std::string(kRemoveKeeperQuestion.title),
                                                    std::string(kRemoveKeeperQuestion.text))) {
        return false;
    }
    Ending ending = Ending::Failed;
    const std::optional<KeeperRemoved> removed = converse<KeeperRemovalRequest, KeeperRemoved>(
        state, dialogs, KeeperRemovalRequest{playerid}, &decideKeeperRemoval, &writeKeeperRemoval,
        ending);
    return removed && removed->removed;
}

bool isKeeper(ProgramState& state, UserDialogs& dialogs, int playerid) {
    const DraftModel* model = currentDraftModel(state, dialogs);
    return model != nullptr && keptIn(*model, playerid);
}

}  // namespace quorvane
