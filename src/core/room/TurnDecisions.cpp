// SPDX-License-Identifier: MIT
#include "room/TurnDecisions.h"

#include <cmath>
#include <string>

#include "model/TeamFigures.h"
#include "room/KeeperRules.h"
#include "room/PickChecks.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

Decision refuse(std::string_view title, std::string_view text) {
    Decision decision;
    decision.refusal = Message{std::string(title), std::string(text), MessageIcon::Exclamation};
    return decision;
}

Decision refuse(Message message) {
    Decision decision;
    decision.refusal = std::move(message);
    return decision;
}

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
    if (!model.settings || model.findTeam(request.teamid) == nullptr) {
        return refuse("No Team Selected", "Please select the team that made this pick.");
    }
    const DraftSettings& draft = *model.settings;
    if (meantForAnotherTurn(model, request.turn)) {
        return refuse(turnMovedMessage(*request.turn, model.turnNumber()));
    }
    if (filledSinceSeen(model, request.seenTurn)) {
        return refuse(turnMovedMessage(*request.seenTurn, model.turnNumber()));
    }
    const double pot = static_cast<double>(draft.teams) * draft.dollars;
    // A negative price would hand the team money, and no team could pay more than the pot.
    if (model.auction() &&
        (!std::isfinite(request.price) || request.price < 0 || request.price > pot)) {
        return refuse("Invalid Bid", "Bid for this player is invalid");
    }
    // Asking a question whose answer cannot matter would only mislead.
    if (model.drafted(request.playerid)) {
        return refuse(kPlayerAlreadySelected.title, kPlayerAlreadySelected.text);
    }
    Decision decision;
    if (model.auction()) {
        if (auto money = moneyQuestion(draft, request.price,
                                       moneySpent(model, request.teamid, request.playerid),
                                       playersOn(model, request.teamid, request.playerid))) {
            decision.questions.push_back(std::move(*money));
        }
    }
    if (auto slot =
            slotQuestion(draft, request.slot,
                         slotHolders(model, request.teamid, request.slot, request.playerid))) {
        decision.questions.push_back(std::move(*slot));
    }
    return decision;
}

Decision decideSkip(const DraftModel& model, const SkipRequest& request) {
    if (meantForAnotherTurn(model, request.turn)) {
        return refuse(turnMovedMessage(*request.turn, model.turnNumber()));
    }
    return {};
}

Decision decideUndo(const DraftModel&, const UndoRequest&) {
    return {};
}

}  // namespace quorvane
