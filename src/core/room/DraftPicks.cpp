// SPDX-License-Identifier: MIT
#include "room/DraftPicks.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "store/Recordset.h"

namespace quorvane {

std::optional<std::vector<DraftPick>> readDraftPicks(ProgramState& state) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    Recordset rows;
    if (!openRecordset(
            rows, state.dbConnection,
            "select dt.playerid, dt.teamid, dt.draftorder, dt.dollars, "
            "iif(dp.firstname is null,'',dp.firstname) as firstname, "
            "iif(dp.lastname is null,'',dp.lastname) as lastname, "
            "iif(dp.pos is null,'',dp.pos) as pos, upper(iif(dt.pos is null,'',dt.pos)) as slot, "
            "dp.draftorder as playerrank from DraftTaken dt left join DraftPlayers dp on "
            "dp.playerid = dt.playerid and dp.yearofprojection = ? where dt.template_id = ? "
            "order by dt.draftorder, dt.rowid",
            {SqlValue{std::int64_t{state.projectionYear}},
             SqlValue{std::int64_t{state.draftSettings->template_id}}})) {
        state.dbConnection.log().writeEntry(" 90200 error: could not read the draft's picks");
        return std::nullopt;
    }
    std::vector<DraftPick> picks;
    picks.reserve(rows.rowCount());
    for (; !rows.eof(); rows.moveNext()) {
        DraftPick pick;
        pick.playerid = static_cast<int>(rows.getInt("playerid"));
        pick.teamid = static_cast<int>(rows.getInt("teamid"));
        pick.draftorder = static_cast<int>(rows.getInt("draftorder"));
        pick.dollars = rows.getDouble("dollars");
        pick.firstname = rows.getText("firstname");
        pick.lastname = rows.getText("lastname");
        pick.pos = rows.getText("pos");
        pick.slot = rows.getText("slot");
        pick.rank = static_cast<int>(rows.getInt("playerrank"));
        picks.push_back(std::move(pick));
    }
    return picks;
}

int picksMade(const std::vector<DraftPick>& picks) {
    return static_cast<int>(std::count_if(picks.begin(), picks.end(),
                                          [](const DraftPick& p) { return p.draftorder > 0; }));
}

}  // namespace quorvane
