// SPDX-License-Identifier: MIT
#include "room/DraftPicks.h"

#include <algorithm>

#include "session/ProgramState.h"
#include "store/DraftTakenRepository.h"

namespace quorvane {

std::optional<std::vector<DraftPick>> readDraftPicks(ProgramState& state) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const auto rows = readNamedPicks(state.dbConnection, state.projectionYear,
                                     state.draftSettings()->template_id);
    if (!rows) {
        state.dbConnection.log().writeEntry(" 90200 error: could not read the draft's picks");
        return std::nullopt;
    }
    std::vector<DraftPick> picks;
    picks.reserve(rows->size());
    for (const NamedPickRow& row : *rows) {
        picks.push_back({row.playerid, row.teamid, row.draftorder, row.dollars, row.firstname,
                         row.lastname, row.pos, row.slot, row.rank});
    }
    return picks;
}

int picksMade(const std::vector<DraftPick>& picks) {
    return static_cast<int>(std::count_if(picks.begin(), picks.end(),
                                          [](const DraftPick& p) { return p.draftorder > 0; }));
}

}  // namespace quorvane
