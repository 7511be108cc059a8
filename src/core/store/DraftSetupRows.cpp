// SPDX-License-Identifier: MIT
#include "store/DraftSetupRows.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

SqlValue integer(long long value) {
    return SqlValue{std::int64_t{value}};
}

int intOf(const Recordset& row, std::string_view column) {
    return static_cast<int>(row.getInt(column));
}

std::optional<std::int64_t> countOf(Connection& connection, std::string_view sql,
                                    const SqlValue& key) {
    Recordset count;
    if (!openRecordset(count, connection, sql, {key})) {
        return std::nullopt;
    }
    return count.getInt("cnt");
}

}  // namespace

std::optional<std::optional<DraftSettingsRow>> readDraftSettingsRow(Connection& connection,
                                                                    int templateId) {
    Recordset settings;
    if (!openRecordset(settings, connection,
                       "select dt.template_name, dt.teams, dt.dollars, dt.rounds, dt.drafttype, "
                       "dt.scoringstyle, dt.minbid, dt.draftdirection, dr.C, dr.f, dr.g, dr.sf, "
                       "dr.pf, dr.sg, dr.pg, dr.ut, dr.R from DraftTemplate dt, DraftRoster dr "
                       "where dt.template_id = dr.template_id and dt.template_id = ?",
                       {integer(templateId)})) {
        return std::nullopt;
    }
    if (settings.eof()) {
        return std::optional<DraftSettingsRow>();
    }
    DraftSettingsRow row;
    row.template_name = settings.getText("template_name");
    row.scoringstyle = intOf(settings, "scoringstyle");
    row.drafttype = intOf(settings, "drafttype");
    row.rounds = intOf(settings, "rounds");
    row.dollars = settings.getDouble("dollars");
    row.teams = intOf(settings, "teams");
    row.minbid = settings.getDouble("minbid");
    row.draftdirection = settings.getText("draftdirection");
    row.C = intOf(settings, "C");
    row.G = intOf(settings, "g");
    row.F = intOf(settings, "f");
    row.SG = intOf(settings, "sg");
    row.PG = intOf(settings, "pg");
    row.SF = intOf(settings, "sf");
    row.PF = intOf(settings, "pf");
    row.UT = intOf(settings, "ut");
    row.R = intOf(settings, "R");
    return std::optional<DraftSettingsRow>(std::move(row));
}

std::optional<std::vector<DraftCategoryRow>> readDraftCategoryRows(Connection& connection,
                                                                   int templateId) {
    Recordset categories;
    if (!openRecordset(categories, connection,
                       "select categoryID, points from DraftCategory where template_id = ? "
                       "order by rowid",
                       {integer(templateId)})) {
        return std::nullopt;
    }
    std::vector<DraftCategoryRow> rows;
    for (; !categories.eof(); categories.moveNext()) {
        rows.push_back({intOf(categories, "categoryID"), categories.getDouble("points")});
    }
    return rows;
}

std::optional<std::vector<DraftTeamRow>> readDraftTeamRows(Connection& connection, int templateId) {
    Recordset teams;
    if (!openRecordset(teams, connection,
                       "select teamid, teamname, draftposition, owner, currentPick from DraftTeams "
                       "where template_id = ? order by draftPosition, teamid",
                       {integer(templateId)})) {
        return std::nullopt;
    }
    std::vector<DraftTeamRow> rows;
    for (; !teams.eof(); teams.moveNext()) {
        rows.push_back({intOf(teams, "teamid"), teams.getText("teamname"),
                        intOf(teams, "draftposition"), intOf(teams, "currentPick"),
                        intOf(teams, "owner")});
    }
    return rows;
}

std::optional<std::int64_t> countDraftsNamed(Connection& connection,
                                             const std::string& templateName) {
    return countOf(connection, "select count(*) as cnt from draftTemplate where template_name = ?",
                   SqlValue{templateName});
}

std::optional<std::int64_t> countDraftPicks(Connection& connection, int templateId) {
    return countOf(connection, "select count(*) as cnt from drafttaken where template_id = ?",
                   integer(templateId));
}

std::optional<int> insertDraftTemplate(Connection& connection, const std::string& templateName,
                                       int teams, int drafttype, int scoringstyle) {
    if (!executeSql(connection,
                    "insert into draftTemplate (template_name, teams, drafttype, scoringstyle) "
                    "values(?,?,?,?)",
                    {templateName, integer(teams), integer(drafttype), integer(scoringstyle)})) {
        return std::nullopt;
    }
    return static_cast<int>(connection.lastInsertId());
}

bool insertDraftNotes(Connection& connection, int templateId) {
    return executeSql(connection, "insert into draftNotes (template_id, notes) values(?,'')",
                      {integer(templateId)});
}

bool insertDraftTeam(Connection& connection, int templateId, const std::string& teamname,
                     std::int64_t draftposition, int owner, std::optional<int> currentpick) {
    if (currentpick) {
        return executeSql(connection,
                          "insert into DraftTeams (template_id, teamname, draftposition, owner, "
                          "currentpick) values(?,?,?,?,?)",
                          {integer(templateId), teamname, integer(draftposition), integer(owner),
                           integer(*currentpick)});
    }
    return executeSql(connection,
                      "insert into draftTeams (template_id, teamname, draftposition, owner) "
                      "values(?,?,?,?)",
                      {integer(templateId), teamname, integer(draftposition), integer(owner)});
}

bool updateDraftTeam(Connection& connection, int templateId, int teamid,
                     const std::string& teamname, std::int64_t draftposition, int owner) {
    return executeSql(
        connection,
        "update draftTeams set teamname = ?, draftPosition = ?, owner = ? "
        "where template_id = ? and teamid = ?",
        {teamname, integer(draftposition), integer(owner), integer(templateId), integer(teamid)});
}

bool deleteDraftTeam(Connection& connection, int templateId, int teamid) {
    return executeSql(connection, "delete from draftteams where template_id = ? and teamid = ?",
                      {integer(templateId), integer(teamid)});
}

bool insertDraftCategory(Connection& connection, int templateId, int categoryid, double points) {
    return executeSql(connection,
                      "insert into DraftCategory(template_id, categoryid, points) values(?,?,?)",
                      {integer(templateId), integer(categoryid), points});
}

bool deleteDraftCategories(Connection& connection, int templateId) {
    return executeSql(connection, "delete from draftCategory where template_id = ?",
                      {integer(templateId)});
}

bool insertDraftRoster(Connection& connection, int templateId) {
    return executeSql(connection, "insert into DraftRoster(template_id) values(?)",
                      {integer(templateId)});
}

bool ensureDraftRoster(Connection& connection, int templateId) {
    return executeSql(connection, "insert or ignore into DraftRoster(template_id) values(?)",
                      {integer(templateId)});
}

bool updateDraftRoster(Connection& connection, int templateId, const RosterSlotsRow& s) {
    return executeSql(
        connection,
        "update draftroster set c = ?, g = ?, pg = ?, sg = ?, f = ?, pf = ?, sf = ?, "
        "ut = ?, r = ? where template_id = ?",
        {integer(s.c), integer(s.g), integer(s.pg), integer(s.sg), integer(s.f), integer(s.pf),
         integer(s.sf), integer(s.ut), integer(s.r), integer(templateId)});
}

bool updateDraftTemplate(Connection& connection, int templateId,
                         const DraftTemplateUpdate& update) {
    if (update.auction) {
        return executeSql(connection,
                          "update draftTemplate set scoringstyle = ?, drafttype = ?, dollars = ?, "
                          "minbid = ?, teams = ?, rounds = ? where template_id = ?",
                          {integer(update.scoringstyle), integer(update.drafttype),
                           update.auction->dollars, update.auction->minbid, integer(update.teams),
                           integer(update.rounds), integer(templateId)});
    }
    return executeSql(connection,
                      "update draftTemplate set scoringstyle = ?, drafttype = ?, teams = ?, "
                      "rounds = ? where template_id = ?",
                      {integer(update.scoringstyle), integer(update.drafttype),
                       integer(update.teams), integer(update.rounds), integer(templateId)});
}

bool setDraftDirectionUp(Connection& connection, int templateId) {
    return executeSql(connection,
                      "update draftTemplate set draftdirection = 'U' where template_id = ?",
                      {integer(templateId)});
}

bool deleteDraftPicks(Connection& connection, int templateId) {
    return executeSql(connection, "delete from drafttaken where template_id = ?",
                      {integer(templateId)});
}

bool resetCurrentPick(Connection& connection, int templateId, ClockReset reset) {
    switch (reset) {
        case ClockReset::NoTeam:
            return executeSql(connection,
                              "update draftteams set currentpick = 0 where template_id = ?",
                              {integer(templateId)});
        case ClockReset::FirstPosition:
            return executeSql(connection,
                              "update draftteams set currentpick = 1 where draftposition = 1 and "
                              "template_id = ?",
                              {integer(templateId)});
        case ClockReset::OnlyFirst:
            return executeSql(
                connection,
                "update draftteams set currentpick = iif(draftposition = 1, 1, 0) where "
                "template_id = ?",
                {integer(templateId)});
    }
    return false;
}

}  // namespace quorvane
