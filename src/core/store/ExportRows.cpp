// SPDX-License-Identifier: MIT
#include "store/ExportRows.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

constexpr std::string_view kPicksSelect =
    "select dt.teamname, dp.firstname, dp.lastname, dp.team, dk.pos, dk.draftorder, dk.dollars "
    "from draftteams dt, draftplayers dp, draftTaken dk where dp.yearofprojection = ? and "
    "dt.teamid = dk.teamid and dt.template_id = dk.template_id and dk.playerid = dp.playerid and "
    "dt.template_id = ? order by ";

// Custom players have no projections to export.
constexpr std::string_view kProjectionsSelect =
    "select p.*, fgm*2.0+pt3m*1.0+ftm*1.0 as pts_scored from DraftPlayers p where "
    "yearofprojection = ? and playerid < 20000 and pos <> 'P' order by lastname, firstname";

constexpr const char* kStatisticColumns[] = {
    "games",  "minutes", "pts_scored", "fga",          "fgm",         "fta",
    "ftm",    "pt3a",    "pt3m",       "oreb",         "dreb",        "assists",
    "steals", "blocks",  "turnovers",  "doubledouble", "tripledouble"};

}  // namespace

std::optional<std::vector<PickExportRow>> readPickExportRows(Connection& connection, int season,
                                                             int templateId,
                                                             PickExportOrder order) {
    Recordset rows;
    const std::string_view orderBy =
        order == PickExportOrder::ByTeam ? "dt.teamid, dk.draftorder" : "dk.draftorder";
    if (!openRecordset(rows, connection, std::string(kPicksSelect) + std::string(orderBy),
                       {SqlValue{std::int64_t{season}}, SqlValue{std::int64_t{templateId}}})) {
        return std::nullopt;
    }
    std::vector<PickExportRow> picks;
    for (; !rows.eof(); rows.moveNext()) {
        picks.push_back({rows.getText("teamname"), rows.getText("firstname"),
                         rows.getText("lastname"), rows.getText("team"), rows.getText("pos"),
                         rows.getText("draftorder"), rows.getText("dollars")});
    }
    return picks;
}

std::optional<std::vector<ProjectionExportRow>> readProjectionExportRows(Connection& connection,
                                                                         int season) {
    Recordset rows;
    if (!openRecordset(rows, connection, kProjectionsSelect, {SqlValue{std::int64_t{season}}})) {
        return std::nullopt;
    }
    std::vector<ProjectionExportRow> players;
    for (; !rows.eof(); rows.moveNext()) {
        ProjectionExportRow player{rows.getText("draftorder"),
                                   rows.getText("firstname"),
                                   rows.getText("lastname"),
                                   rows.getText("pos"),
                                   rows.getText("team"),
                                   rows.getText("dollars"),
                                   {}};
        for (std::size_t i = 0; i < player.statistics.size(); ++i) {
            player.statistics[i] = rows.getText(kStatisticColumns[i]);
        }
        players.push_back(std::move(player));
    }
    return players;
}

}  // namespace quorvane
