// SPDX-License-Identifier: MIT
#include "session/TurnConversation.h"

#include <cmath>
#include <limits>

#include "model/DraftLoader.h"
#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "room/TurnDecisions.h"
#include "room/TurnWriters.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "session/WriteConversation.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

std::optional<TurnChanged> turnStep(ProgramState& state, UserDialogs& dialogs, bool skip) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    Ending ending = Ending::Failed;
    return skip ? converse<SkipRequest, TurnChanged>(state, dialogs, {}, &decideSkip, &writeSkip,
                                                     ending)
                : converse<UndoRequest, TurnChanged>(state, dialogs, {}, &decideUndo, &writeUndo,
                                                     ending);
}

std::optional<RoomView> viewOf(std::optional<TurnStep> step) {
    return step ? std::optional<RoomView>(std::move(step->view)) : std::nullopt;
}

}  // namespace

double typedPrice(const DraftSettings& draft, std::string_view text) {
    if (draft.drafttype != kDraftTypeAuction) {
        return 0.0;
    }
    return parseNumber(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

PickResult storePick(ProgramState& state, UserDialogs& dialogs, int playerid,
                     const PickForm& form) {
    PickResult result;
    if (!state.draftSettings()) {
        return result;
    }
    // The turn the person saw: two programs taking the last turn at once record one pick.
    const PickRequest request{playerid,     form.teamid,
                              form.pos,     typedPrice(*state.draftSettings(), form.dollars),
                              std::nullopt, state.draftSettings()->turnNumber};
    Ending ending = Ending::Failed;
    const std::optional<PickRecorded> recorded = converse<PickRequest, PickRecorded>(
        state, dialogs, request, &decidePick, &writePick, ending);
    if (recorded) {
        result.outcome = PickOutcome::Recorded;
        result.draftorder = recorded->pickNumber;
    } else {
        result.outcome = ending == Ending::Failed ? PickOutcome::Failed : PickOutcome::Stopped;
    }
    return result;
}

PickResult recordPick(ProgramState& state, UserDialogs& dialogs, int playerid,
                      const PickForm& form) {
    PickResult result = storePick(state, dialogs, playerid, form);
    if (result.outcome == PickOutcome::Recorded) {
        result.view = refreshAfterPick(state, dialogs);
    }
    return result;
}

std::optional<TurnStep> skipTurnStep(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list) {
    std::optional<TurnChanged> changed = turnStep(state, dialogs, true);
    if (!changed) {
        return std::nullopt;
    }
    return TurnStep{refreshMain(state, dialogs, list), std::move(changed->entry)};
}

std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs,
                                 const PlayerListView& list) {
    return viewOf(skipTurnStep(state, dialogs, list));
}

std::optional<TurnStep> undoLastEntry(ProgramState& state, UserDialogs& dialogs,
                                      const PlayerListView& list) {
    std::optional<TurnChanged> changed = turnStep(state, dialogs, false);
    if (!changed) {
        return std::nullopt;
    }
    return TurnStep{refreshMain(state, dialogs, list), std::move(changed->entry)};
}

std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list) {
    return viewOf(undoLastEntry(state, dialogs, list));
}

}  // namespace quorvane
