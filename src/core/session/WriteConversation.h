// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>

#include "model/DraftLoader.h"
#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "room/WriteFailures.h"
#include "session/AskConsent.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/TransactionGuard.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// How a conversation ended without a stored change, or that it stored one.
enum class Ending { Stored, Declined, Failed };

template <class Request>
using DecideFn = Decision (*)(const DraftModel&, const Request&);
template <class Request, class Result>
using WriteFn = Outcome<Result> (*)(Connection&, DraftModel&, const Request&, const Consent&);

// A change as the desktop program and the command line make it: the rule is asked over the held
// model, its refusal shown and its questions put to the person, then the writer stores the
// change and the loaded draft follows it. A question the writer meets under its lock that the
// person was not asked (another program changed the draft meanwhile) is asked then, and a Yes
// writes again. `Result` says whether the writer found an outside change.
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

// A writer of what a program may change without an open draft (flags, notes, added players):
// under the lock it is handed the held model when that is still the file's, else an empty one it
// leaves alone, and the held model is kept or dropped with the commit.
template <class Write>
auto writeKeepingHeldModel(ProgramState& state, Write&& write)
    -> decltype(write(std::declval<DraftModel&>())) {
    TransactionGuard transaction(state.dbConnection);
    const bool current = heldModelIsCurrent(state);
    DraftModel unheld;
    DraftModel* held = current ? state.draftModel->model() : nullptr;
    auto written = std::forward<Write>(write)(held != nullptr ? *held : unheld);
    const bool committed = written.ok() && transaction.commit();
    if (!committed) {
        transaction.rollback();
    }
    if (held != nullptr) {
        settleDraftModel(state, committed);
    }
    if (written.ok() && !committed) {
        return databaseFailure(state.dbConnection, {});
    }
    return written;
}

}  // namespace quorvane
