// SPDX-License-Identifier: MIT
#include "room/KeeperRules.h"

#include <algorithm>

namespace quorvane {

std::optional<RuleMessage> keeperRefusal(bool onATeam) {
    if (onATeam) {
        return kPlayerAlreadySelected;
    }
    return std::nullopt;
}

std::optional<RuleMessage> keeperRefusal(const DraftModel& model, int playerid) {
    return keeperRefusal(model.drafted(playerid));
}

bool keptIn(const DraftModel& model, int playerid) {
    return std::any_of(model.picks.begin(), model.picks.end(), [playerid](const ModelPick& pick) {
        return pick.playerid == playerid && pick.pickNumber == 0;
    });
}

}  // namespace quorvane
