// SPDX-License-Identifier: MIT
#include "room/CustomPlayers.h"

#include "model/DraftSession.h"

namespace quorvane {

TeamSelector fillCustomTeamList(const DraftSession& state) {
    TeamSelector list;
    list.teams.push_back({std::string(kDoNotAddToTeam), 0});
    list.selected = 0;
    if (state.draftSettings()) {
        for (const DraftTeam& team : state.draftSettings()->draftTeams) {
            list.teams.push_back({team.teamname, team.teamid});
        }
    }
    return list;
}

}  // namespace quorvane
