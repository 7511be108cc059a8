// SPDX-License-Identifier: MIT
#include "room/TurnDecisions.h"

#include <string>

#include "room/CommonRefusals.h"
#include "room/KeeperRules.h"
#include "room/PickChecks.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

bool meantForAnotherTurn(const DraftModel& model, const std::optional<int>& turn) {
    return turn && *turn != model.turnNumber();
}

bool filledSinceSeen(const DraftModel& model, const std::optional<int>& seen) {
    const int last = model.settings ? lastPickOfDraft(*model.settings) : 0;
    return seen && last > 0 && *seen <= last && model.turnNumber() > last;
}

}  // namespace

Message turnMovedMessage(int meant, int onTheClock) {
    return {"Turn Moved",
            "Turn " + std::to_string(meant) +
                " is no longer on the clock: another program took it "
                "meanwhile, and turn " +
                std::to_string(onTheClock) + " is on the clock now.",
            MessageIcon::Exclamation};
}

Decision decidePick(const DraftModel& model, const PickRequest& request) {
    if (auto noTeam = teamRefusal(model, request.teamid)) {
        return refusedWith(std::move(*noTeam));
    }
    if (meantForAnotherTurn(model, request.turn)) {
        return refusedWith(turnMovedMessage(*request.turn, model.turnNumber()));
    }
    if (filledSinceSeen(model, request.seenTurn)) {
        return refusedWith(turnMovedMessage(*request.seenTurn, model.turnNumber()));
    }
    if (auto invalid = bidRefusal(model, request.price)) {
        return refusedWith(std::move(*invalid));
    }
    // Asking a question whose answer cannot matter would only mislead.
    if (model.drafted(request.playerid)) {
        return refusedWith(kPlayerAlreadySelected);
    }
    Decision decision;
    decision.questions =
        moneyAndSlotQuestions(model, request.playerid, request.teamid, request.slot, request.price);
    return decision;
}

Decision decideSkip(const DraftModel& model, const SkipRequest& request) {
    if (meantForAnotherTurn(model, request.turn)) {
        return refusedWith(turnMovedMessage(*request.turn, model.turnNumber()));
    }
    return {};
}

Decision decideUndo(const DraftModel&, const UndoRequest&) {
    return {};
}

}  // namespace quorvane
