// SPDX-License-Identifier: MIT
#include "store/PracticeRows.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace quorvane {

namespace {

SqlValue idValue(std::int64_t value) {
    return SqlValue{value};
}

// SQLite compares identifiers without regard to case.
bool sameIdentifier(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The columns of a table as the schema names them, less those given; nullopt after a failure.
std::optional<std::vector<std::string>> columnsOf(Connection& connection, const std::string& table,
                                                  const std::vector<std::string>& leftOut) {
    Recordset columns;
    if (!openRecordset(columns, connection, "select name from pragma_table_info(?) order by cid",
                       {table})) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (; !columns.eof(); columns.moveNext()) {
        std::string name = columns.getText("name");
        bool skip = false;
        for (const std::string& out : leftOut) {
            skip = skip || sameIdentifier(name, out);
        }
        if (!skip) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

// Identifiers come from the schema itself, never from a user; quoted all the same.
std::string columnList(const std::vector<std::string>& columns) {
    std::string list;
    for (const std::string& column : columns) {
        list += (list.empty() ? "\"" : ", \"") + column + "\"";
    }
    return list;
}

// Copies a draft's rows of a table that holds nothing but settings, in the order stored.
bool copySettingsRows(Connection& connection, const std::string& table, int sourceId, int newId) {
    const std::optional<std::vector<std::string>> columns =
        columnsOf(connection, table, {"template_id"});
    if (!columns) {
        return false;
    }
    if (columns->empty()) {
        return true;
    }
    const std::string list = columnList(*columns);
    return executeSql(connection,
                      "insert into \"" + table + "\" (template_id, " + list + ") select ?, " +
                          list + " from \"" + table + "\" where template_id = ? order by rowid",
                      {idValue(newId), idValue(sourceId)});
}

std::optional<std::map<int, int>> copyTeams(Connection& connection, int sourceId, int newId,
                                            bool withPicks) {
    const std::optional<std::vector<std::string>> columns =
        columnsOf(connection, "DraftTeams", {"teamid", "template_id", "currentpick"});
    Recordset teams;
    if (!columns || !openRecordset(teams, connection,
                                   "select teamid, draftposition, currentpick from DraftTeams "
                                   "where template_id = ? order by teamid",
                                   {idValue(sourceId)})) {
        return std::nullopt;
    }
    const std::string list = columnList(*columns);
    std::map<int, int> newTeamOf;
    for (; !teams.eof(); teams.moveNext()) {
        const std::int64_t onClock =
            withPicks ? teams.getInt("currentpick") : (teams.getInt("draftposition") == 1 ? 1 : 0);
        if (!executeSql(connection,
                        "insert into DraftTeams (template_id, currentpick, " + list +
                            ") select ?, ?, " + list + " from DraftTeams where teamid = ?",
                        {idValue(newId), idValue(onClock), idValue(teams.getInt("teamid"))})) {
            return std::nullopt;
        }
        newTeamOf[static_cast<int>(teams.getInt("teamid"))] =
            static_cast<int>(connection.lastInsertId());
    }
    return newTeamOf;
}

bool copyPicks(Connection& connection, int sourceId, int newId, const std::map<int, int>& newTeamOf,
               bool withPicks) {
    Recordset picks;
    if (!openRecordset(picks, connection,
                       std::string("select playerid, teamid, pos, draftorder, dollars from "
                                   "DraftTaken where template_id = ?") +
                           (withPicks ? "" : " and draftorder = 0") + " order by rowid",
                       {idValue(sourceId)})) {
        return false;
    }
    for (const auto& row : picks.rows()) {
        const auto team = newTeamOf.find(static_cast<int>(toInt(row[1])));
        if (team == newTeamOf.end()) {
            continue;  // a pick of a team the draft no longer has
        }
        if (!executeSql(connection,
                        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, "
                        "dollars) values (?, ?, ?, ?, ?, ?)",
                        {idValue(newId), row[0], idValue(team->second), row[2], row[3], row[4]})) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::vector<DraftListRow>> readDraftListRows(Connection& connection) {
    Recordset drafts;
    if (!openRecordset(drafts, connection,
                       "select t.template_id, t.template_name, p.source_template_id from "
                       "DraftTemplate t left join DraftPractice p on p.template_id = "
                       "t.template_id order by t.template_id")) {
        return std::nullopt;
    }
    std::vector<DraftListRow> rows;
    for (; !drafts.eof(); drafts.moveNext()) {
        rows.push_back({static_cast<int>(drafts.getInt("template_id")),
                        drafts.getText("template_name"),
                        static_cast<int>(drafts.getInt("source_template_id"))});
    }
    return rows;
}

bool readPractice(Connection& connection, int templateId, std::optional<PracticeRow>& row) {
    row.reset();
    Recordset practice;
    if (!openRecordset(practice, connection,
                       "select source_template_id, seed, fromnow, startpick, startposition, "
                       "startdirection, bots from DraftPractice where template_id = ?",
                       {idValue(templateId)})) {
        return false;
    }
    if (!practice.eof()) {
        row = PracticeRow{templateId,
                          static_cast<int>(practice.getInt("source_template_id")),
                          practice.getInt("seed"),
                          practice.getInt("fromnow") != 0,
                          static_cast<int>(practice.getInt("startpick")),
                          static_cast<int>(practice.getInt("startposition")),
                          practice.getText("startdirection"),
                          practice.getText("bots")};
    }
    return true;
}

bool writePractice(Connection& connection, const PracticeRow& row) {
    return executeSql(
        connection,
        "insert into DraftPractice (template_id, source_template_id, seed, fromnow, startpick, "
        "startposition, startdirection, bots) values (?, ?, ?, ?, ?, ?, ?, ?) on conflict "
        "(template_id) do update set source_template_id = excluded.source_template_id, seed = "
        "excluded.seed, fromnow = excluded.fromnow, startpick = excluded.startpick, "
        "startposition = excluded.startposition, startdirection = excluded.startdirection, bots "
        "= excluded.bots",
        {idValue(row.template_id), idValue(row.source_template_id), idValue(row.seed),
         idValue(row.fromNow ? 1 : 0), idValue(row.startPick), idValue(row.startPosition),
         row.startDirection, row.bots});
}

std::optional<int> copyDraft(Connection& connection, int sourceId, const std::string& name,
                             bool withPicks) {
    const std::optional<std::vector<std::string>> columns =
        columnsOf(connection, "DraftTemplate", {"template_id", "template_name", "draftdirection"});
    if (!columns) {
        return std::nullopt;
    }
    const std::string list = columnList(*columns);
    if (!executeSql(connection,
                    "insert into DraftTemplate (template_name, draftdirection, " + list +
                        ") select ?, iif(?, draftdirection, 'U'), " + list +
                        " from DraftTemplate where template_id = ?",
                    {name, idValue(withPicks ? 1 : 0), idValue(sourceId)}) ||
        connection.changes() != 1) {
        return std::nullopt;
    }
    const int newId = static_cast<int>(connection.lastInsertId());
    if (!executeSql(connection, "insert into DraftNotes (template_id, notes) values (?, '')",
                    {idValue(newId)})) {
        return std::nullopt;
    }
    for (const char* table : {"DraftRoster", "DraftCategory", "DraftPunts", "draftTargets",
                              "DraftAdpSpread", "DraftHeadToHead", "DraftVarianceRatio"}) {
        if (!copySettingsRows(connection, table, sourceId, newId)) {
            return std::nullopt;
        }
    }
    const std::optional<std::map<int, int>> teams =
        copyTeams(connection, sourceId, newId, withPicks);
    if (!teams || !copyPicks(connection, sourceId, newId, *teams, withPicks)) {
        return std::nullopt;
    }
    return newId;
}

bool rewindDraft(Connection& connection, int templateId, int keptPicks, int draftposition,
                 const std::string& direction) {
    const SqlValue draft = idValue(templateId);
    return executeSql(connection, "delete from DraftTaken where template_id = ? and draftorder > ?",
                      {draft, idValue(keptPicks)}) &&
           executeSql(connection,
                      "update DraftTeams set currentpick = iif(draftposition = ?, 1, 0) where "
                      "template_id = ?",
                      {idValue(draftposition), draft}) &&
           executeSql(connection,
                      "update DraftTemplate set draftdirection = ? where template_id = ?",
                      {direction, draft});
}

std::optional<DraftPlace> readDraftPlace(Connection& connection, int templateId) {
    Recordset place;
    if (!openRecordset(place, connection,
                       "select (select ifnull(max(draftorder), 0) from DraftTaken where "
                       "template_id = t.template_id) as lastpick, (select ifnull(max("
                       "draftposition), 0) from DraftTeams where template_id = t.template_id and "
                       "currentpick = 1) as onclock, t.draftdirection from DraftTemplate t where "
                       "t.template_id = ?",
                       {idValue(templateId)}) ||
        place.eof()) {
        return std::nullopt;
    }
    return DraftPlace{static_cast<int>(place.getInt("lastpick")),
                      static_cast<int>(place.getInt("onclock")), place.getText("draftdirection")};
}

bool deleteDraftRows(Connection& connection, int templateId) {
    Recordset tables;
    if (!openRecordset(tables, connection,
                       "select m.name from sqlite_master m, pragma_table_info(m.name) c where "
                       "m.type = 'table' and c.name = 'template_id' collate nocase order by "
                       "m.name")) {
        return false;
    }
    for (; !tables.eof(); tables.moveNext()) {
        if (!executeSql(connection,
                        "delete from \"" + tables.getText("name") + "\" where template_id = ?",
                        {idValue(templateId)})) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
