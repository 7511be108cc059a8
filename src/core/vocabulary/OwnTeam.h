// SPDX-License-Identifier: MIT
#pragma once

#include "vocabulary/DraftSettings.h"

namespace quorvane {

// The user's own team (the last one marked when several are); 0 when no team is his.
inline int myTeamId(const DraftSettings& draft) {
    int teamid = 0;
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.owner == 1) {
            teamid = team.teamid;
        }
    }
    return teamid;
}

}  // namespace quorvane
