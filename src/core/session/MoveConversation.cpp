// SPDX-License-Identifier: MIT
#include "session/MoveConversation.h"

#include "room/MoveRules.h"
#include "room/MoveWriters.h"
#include "session/TurnConversation.h"
#include "session/WriteConversation.h"

namespace quorvane {

namespace {

template <class Request, class Result>
MoveResult moveStep(ProgramState& state, UserDialogs& dialogs, const Request& request,
                    DecideFn<Request> decide, WriteFn<Request, Result> write,
                    const PlayerListView& list) {
    MoveResult result;
    Ending ending = Ending::Failed;
    if (converse<Request, Result>(state, dialogs, request, decide, write, ending)) {
        result.outcome = MoveOutcome::Changed;
        result.view = refreshMain(state, dialogs, list);
    } else {
        result.outcome = ending == Ending::Failed ? MoveOutcome::Failed : MoveOutcome::Stopped;
    }
    return result;
}

}  // namespace

MoveResult changePlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars,
                        const PlayerListView& list) {
    if (!state.draftSettings()) {
        return {};
    }
    const MoveRequest request{playerid, teamid, pos, typedPrice(*state.draftSettings(), dollars)};
    return moveStep<MoveRequest, PlayerMoved>(state, dialogs, request, &decideMove, &writeMove,
                                              list);
}

MoveResult dropPlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                      const PlayerListView& list) {
    if (!state.draftSettings()) {
        return {};
    }
    return moveStep<DropRequest, PlayerDropped>(state, dialogs, DropRequest{playerid, teamid},
                                                &decideDrop, &writeDrop, list);
}

}  // namespace quorvane
