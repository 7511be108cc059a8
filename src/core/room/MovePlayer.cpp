// SPDX-License-Identifier: MIT
#include "room/MovePlayer.h"

#include "model/DraftSession.h"
#include "store/DraftTakenRepository.h"

namespace quorvane {

std::optional<MoveForm> openMovePlayer(DraftSession& state, int playerid, int teamid) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const auto held = readHeldPlayer(state.dbConnection, draft.template_id, teamid, playerid,
                                     state.projectionYear);
    if (!held || !*held) {
        return std::nullopt;
    }
    const HeldPlayerRow& pick = **held;
    MoveForm form;
    form.playerName = pick.firstname + " " + pick.lastname;
    form.teams.teams.reserve(draft.draftTeams.size());
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            form.teams.selected = static_cast<int>(form.teams.teams.size());
        }
        form.teams.teams.push_back({team.teamname, team.teamid});
    }
    form.positions = choosePosition(draft, pick.slot);
    form.dollars = pick.price;
    form.showDollars = draft.drafttype == kDraftTypeAuction;
    return form;
}

int teamOfPlayer(DraftSession& state, int playerid) {
    if (!state.draftSettings()) {
        return 0;
    }
    return readTeamOfPlayer(state.dbConnection, state.draftSettings()->template_id, playerid)
        .value_or(0);
}

}  // namespace quorvane
