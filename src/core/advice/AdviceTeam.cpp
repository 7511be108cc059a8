// SPDX-License-Identifier: MIT
#include "advice/AdviceTeam.h"

namespace quorvane {

std::optional<std::size_t> adviceTeamIndex(const DraftModel& model, int teamid) {
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        if (teamid == 0 ? model.teams[t].mine : model.teams[t].teamid == teamid) {
            return t;
        }
    }
    return std::nullopt;
}

}  // namespace quorvane
