// SPDX-License-Identifier: MIT
#include "store/RosterRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

std::optional<std::vector<RosterPlayerRow>> readRosterPlayers(Connection& connection, int season,
                                                              int templateId, int teamid) {
    // The team's few picks lead, each finding its player by key; led by the season's players
    // instead, the planner read every one of them for a roster of thirteen.
    return readRows<RosterPlayerRow>(
        connection,
        "select dp.playerid, dt.teamid, dp.lastname || ', ' || dp.firstname as name, "
        "iif(dp.team is null,'',dp.team) as team, dt.draftorder, dt.dollars, "
        "iif(dt.pos is null,'',dt.pos) as pos from draftTaken dt cross join draftPlayers dp where "
        "dp.yearofprojection = ? and dp.playerid = dt.playerid and dt.template_id = ? and "
        "dt.teamid = ? order by case upper(dt.pos) when 'G' then 1 when 'PG' then 2 when "
        "'SG' then 3 when 'F' then 4 when 'SF' then 5 when 'PF' then 6 when 'C' then 7 when "
        "'UT' then 8 when 'R' then 9 end, dt.rowid",
        {id(season), id(templateId), id(teamid)}, [](const StatementRow& row) {
            return RosterPlayerRow{row.as<int>(0), row.as<int>(1), row.text(2), row.text(3),
                                   row.integer(4), row.real(5),    row.text(6)};
        });
}

std::optional<std::vector<TeamCountRow>> readTeamPlayerCounts(Connection& connection,
                                                              int templateId) {
    return readRows<TeamCountRow>(
        connection,
        "select dt.teamid, count(dk.teamid) as cnt from draftteams dt left outer "
        "join drafttaken dk on dt.teamid = dk.teamid where dt.template_id = ? "
        "group by dt.teamid",
        {id(templateId)}, [](const StatementRow& row) {
            return TeamCountRow{row.as<int>(0), row.integer(1)};
        });
}

std::optional<std::vector<TeamSpendingRow>> readTeamSpending(Connection& connection, int templateId,
                                                             double cap) {
    return readRows<TeamSpendingRow>(
        connection,
        "select dt.teamid, dt.teamname, iif(sum(dk.dollars) is null,0,"
        "sum(dk.dollars)) as spent, ? - iif(sum(dk.dollars) is null,0,"
        "sum(dk.dollars)) as amt from draftteams dt left outer join drafttaken dk "
        "on dt.teamid = dk.teamid where dt.template_id = ? group by dt.teamid, "
        "dt.teamname, dt.draftposition order by dt.draftposition",
        {SqlValue{cap}, id(templateId)}, [](const StatementRow& row) {
            return TeamSpendingRow{row.as<int>(0), row.text(1), row.real(2), row.real(3)};
        });
}

std::optional<std::vector<DraftLogRow>> readDraftLog(Connection& connection, int season,
                                                     int templateId) {
    return readRows<DraftLogRow>(
        connection,
        "select dt.draftorder, dp.firstname || ' ' || dp.lastname as name, dt.pos, "
        "dm.teamname, dt.dollars from drafttaken dt, draftteams dm, draftplayers "
        "dp where yearofprojection = ? and dm.teamid = dt.teamid and dp.playerid = "
        "dt.playerid and dt.draftorder > 0 and dt.template_id = ? order by "
        "dt.draftorder desc",
        {id(season), id(templateId)}, [](const StatementRow& row) {
            return DraftLogRow{row.integer(0), row.text(1), row.text(2), row.text(3),
                               row.as<std::optional<double>>(4)};
        });
}

}  // namespace quorvane
