// SPDX-License-Identifier: MIT
#include "room/KeeperRules.h"

#include <algorithm>

#include "room/CommonRefusals.h"

namespace quorvane {

Decision decideKeeper(const DraftModel& model, const KeeperRequest& request) {
    if (auto noTeam = teamRefusal(model, request.teamid)) {
        return refusedWith(std::move(*noTeam));
    }
    if (auto invalid = bidRefusal(model, request.price)) {
        return refusedWith(std::move(*invalid));
    }
    if (model.drafted(request.playerid)) {
        return refusedWith(kPlayerAlreadySelected);
    }
    return {};
}

Decision decideKeeperRemoval(const DraftModel&, const KeeperRemovalRequest&) {
    return {};
}

bool keptIn(const DraftModel& model, int playerid) {
    return std::any_of(model.picks.begin(), model.picks.end(), [playerid](const ModelPick& pick) {
        return pick.playerid == playerid && pick.pickNumber == 0;
    });
}

}  // namespace quorvane
