// SPDX-License-Identifier: MIT
#include "store/ExportRows.h"

#include "store/Connection.h"
#include "store/RowReader.h"

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
    const std::string_view orderBy =
        order == PickExportOrder::ByTeam ? "dt.teamid, dk.draftorder" : "dk.draftorder";
    return readRows<PickExportRow>(
        connection, std::string(kPicksSelect) + std::string(orderBy),
        {SqlValue{std::int64_t{season}}, SqlValue{std::int64_t{templateId}}},
        [](const StatementRow& row) {
            return PickExportRow{row.text(0), row.text(1), row.text(2), row.text(3),
                                 row.text(4), row.text(5), row.text(6)};
        });
}

std::optional<std::vector<ProjectionExportRow>> readProjectionExportRows(Connection& connection,
                                                                         int season) {
    // "p.*" leaves the positions to the schema, so the columns are found by name.
    return readRows<ProjectionExportRow>(
        connection, kProjectionsSelect, {SqlValue{std::int64_t{season}}},
        [](const StatementRow& row) {
            const auto text = [&row](std::string_view name) { return row.text(row.column(name)); };
            ProjectionExportRow player{text("draftorder"),
                                       text("firstname"),
                                       text("lastname"),
                                       text("pos"),
                                       text("team"),
                                       text("dollars"),
                                       {}};
            for (std::size_t i = 0; i < player.statistics.size(); ++i) {
                player.statistics[i] = text(kStatisticColumns[i]);
            }
            return player;
        });
}

}  // namespace quorvane
