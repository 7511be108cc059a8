// SPDX-License-Identifier: MIT
#include "store/DraftSetupRows.h"

#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

SqlValue integer(long long value) {
    return SqlValue{std::int64_t{value}};
}

}  // namespace

std::optional<std::optional<DraftSettingsRow>> readDraftSettingsRow(Connection& connection,
                                                                    int templateId) {
    std::optional<std::vector<DraftSettingsRow>> settings = readRows<DraftSettingsRow>(
        connection,
        "select dt.template_name, dt.teams, dt.dollars, dt.rounds, dt.drafttype, "
        "dt.scoringstyle, dt.minbid, dt.draftdirection, dr.C, dr.f, dr.g, dr.sf, "
        "dr.pf, dr.sg, dr.pg, dr.ut, dr.R from DraftTemplate dt, DraftRoster dr "
        "where dt.template_id = dr.template_id and dt.template_id = ?",
        {integer(templateId)}, [](const StatementRow& row) {
            DraftSettingsRow read;
            read.template_name = row.text(0);
            read.teams = row.as<int>(1);
            read.dollars = row.real(2);
            read.rounds = row.as<int>(3);
            read.drafttype = row.as<int>(4);
            read.scoringstyle = row.as<int>(5);
            read.minbid = row.real(6);
            read.draftdirection = row.text(7);
            read.C = row.as<int>(8);
            read.F = row.as<int>(9);
            read.G = row.as<int>(10);
            read.SF = row.as<int>(11);
            read.PF = row.as<int>(12);
            read.SG = row.as<int>(13);
            read.PG = row.as<int>(14);
            read.UT = row.as<int>(15);
            read.R = row.as<int>(16);
            return read;
        });
    if (!settings) {
        return std::nullopt;
    }
    if (settings->empty()) {
        return std::optional<DraftSettingsRow>();
    }
    return std::optional<DraftSettingsRow>(std::move(settings->front()));
}

std::optional<std::vector<DraftCategoryRow>> readDraftCategoryRows(Connection& connection,
                                                                   int templateId) {
    return readRows<DraftCategoryRow>(
        connection,
        "select categoryID, points from DraftCategory where template_id = ? order by rowid",
        {integer(templateId)}, [](const StatementRow& row) {
            return DraftCategoryRow{row.as<int>(0), row.real(1)};
        });
}

std::optional<std::vector<DraftTeamRow>> readDraftTeamRows(Connection& connection, int templateId) {
    return readRows<DraftTeamRow>(
        connection,
        "select teamid, teamname, draftposition, owner, currentPick from DraftTeams "
        "where template_id = ? order by draftPosition, teamid",
        {integer(templateId)}, [](const StatementRow& row) {
            return DraftTeamRow{row.as<int>(0), row.text(1), row.as<int>(2), row.as<int>(4),
                                row.as<int>(3)};
        });
}

std::optional<std::int64_t> countDraftsNamed(Connection& connection,
                                             const std::string& templateName) {
    return readScalar<std::int64_t>(
        connection, "select count(*) as cnt from draftTemplate where template_name = ?",
        {templateName});
}

std::optional<std::int64_t> countDraftPicks(Connection& connection, int templateId) {
    return readScalar<std::int64_t>(connection,
                                    "select count(*) as cnt from drafttaken where template_id = ?",
                                    {integer(templateId)});
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
