// SPDX-License-Identifier: MIT
#include "room/MoveRules.h"

#include "room/CommonRefusals.h"
#include "room/PickChecks.h"

namespace quorvane {

Decision decideMove(const DraftModel& model, const MoveRequest& request) {
    if (auto noTeam = teamRefusal(model, request.teamid)) {
        return refusedWith(std::move(*noTeam));
    }
    if (auto invalid = bidRefusal(model, request.price)) {
        return refusedWith(std::move(*invalid));
    }
    Decision decision;
    decision.questions =
        moneyAndSlotQuestions(model, request.playerid, request.teamid, request.slot, request.price);
    return decision;
}

Decision decideDrop(const DraftModel&, const DropRequest&) {
    return {};
}

}  // namespace quorvane
