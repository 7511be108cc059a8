// SPDX-License-Identifier: MIT
#include "session/TurnConversation.h"

#include <cmath>
#include <limits>

#include "model/DraftLoader.h"
#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "room/TurnDecisions.h"
#include "room/TurnWriters.h"
#include "session/AskConsent.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

// How a conversation ended without a stored change.
enum class Ending { Stored, Declined, Failed };

template <class Request>
using DecideFn = Decision (*)(const DraftModel&, const Request&);
template <class Request, class Result>
using WriteFn = Outcome<Result> (*)(Connection&, DraftModel&, const Request&, const Consent&);

// Asks, writes, and keeps the loaded draft and the held model in step with what was written.
template <class Request, class Result>
std::optional<Result> converse(ProgramState& state, UserDialogs& dialogs, const Request& request,
                               DecideFn<Request> decide, WriteFn<Request, Result> write,
                               Ending& ending) {
    ending = Ending::Failed;
    DraftModel* model = heldDraftModel(state, dialogs);
    if (model == nullptr) {
        return std::nullopt;
    }
    std::optional<Consent> consent = askConsent(dialogs, decide(*model, request));
    ending = Ending::Declined;
    while (consent) {
        Outcome<Result> outcome = write(state.dbConnection, *model, request, *consent);
        if (outcome) {
            state.replaceDraftSettings(*model->settings);
            // Whatever else another program changed is read when the model is next asked for.
            settleDraftModel(state, !outcome->outsideChange);
            ending = Ending::Stored;
            return std::move(outcome.value());
        }
        const WriteFailure& failure = outcome.failure();
        const int templateId = model->settings->template_id;
        // The writer read again what another program changed; the rest is read on next asking.
        settleDraftModel(state, false);
        loadDraft(state, templateId);
        if (failure.kind == WriteFailure::Kind::Unanswered) {
            if (!dialogs.askYesNo(failure.question.title, failure.question.text)) {
                return std::nullopt;
            }
            consent->agreed.push_back(failure.question);
            model = heldDraftModel(state, dialogs);
            if (model == nullptr) {
                ending = Ending::Failed;
                return std::nullopt;
            }
            continue;
        }
        showWriteFailure(dialogs, failure);
        if (failure.kind != WriteFailure::Kind::Refused) {
            ending = Ending::Failed;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

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

PickResult recordPick(ProgramState& state, UserDialogs& dialogs, int playerid, const PickForm& form,
                      int mainRosterTeamId, const PlayerListView& list) {
    PickResult result = storePick(state, dialogs, playerid, form);
    if (result.outcome == PickOutcome::Recorded) {
        result.view = refreshAfterPick(state, dialogs, list, mainRosterTeamId);
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
