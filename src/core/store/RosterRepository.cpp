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
        {id(season), id(templateId), id(teamid)}, [](const std::vector<SqlValue>& row) {
            return RosterPlayerRow{idOf(row[0]),  idOf(row[1]),     toText(row[2]), toText(row[3]),
                                   toInt(row[4]), toDouble(row[5]), toText(row[6])};
        });
}

std::optional<std::vector<TeamCountRow>> readTeamPlayerCounts(Connection& connection,
                                                              int templateId) {
    return readRows<TeamCountRow>(
        connection,
        "select dt.teamid, count(dk.teamid) as cnt from draftteams dt left outer "
        "join drafttaken dk on dt.teamid = dk.teamid where dt.template_id = ? "
        "group by dt.teamid",
        {id(templateId)}, [](const std::vector<SqlValue>& row) {
            return TeamCountRow{idOf(row[0]), toInt(row[1])};
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
        {SqlValue{cap}, id(templateId)}, [](const std::vector<SqlValue>& row) {
            return TeamSpendingRow{idOf(row[0]), toText(row[1]), toDouble(row[2]),
                                   toDouble(row[3])};
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
        {id(season), id(templateId)}, [](const std::vector<SqlValue>& row) {
            return DraftLogRow{
                toInt(row[0]), toText(row[1]), toText(row[2]), toText(row[3]),
                isNull(row[4]) ? std::nullopt : std::optional<double>(toDouble(row[4]))};
        });
}

}  // namespace quorvane
