// SPDX-License-Identifier: MIT
#include "store/PracticeRows.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "store/RowReader.h"
#include "text/LetterCase.h"

namespace quorvane {

namespace {

SqlValue idValue(std::int64_t value) {
    return SqlValue{value};
}

// The columns of a table as the schema names them, less those given; nullopt after a failure.
std::optional<std::vector<std::string>> columnsOf(Connection& connection, const std::string& table,
                                                  const std::vector<std::string>& leftOut) {
    std::optional<std::vector<std::string>> columns =
        readRows<std::string>(connection, "select name from pragma_table_info(?) order by cid",
                              {table}, [](const StatementRow& row) { return row.text(0); });
    if (!columns) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (std::string& name : *columns) {
        bool skip = false;
        for (const std::string& out : leftOut) {
            // SQLite compares identifiers without regard to case.
            skip = skip || equalsIgnoringCase(name, out);
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

struct SourceTeam {
    std::int64_t teamid = 0;
    std::int64_t draftposition = 0;
    std::int64_t currentpick = 0;
};

std::optional<std::map<int, int>> copyTeams(Connection& connection, int sourceId, int newId,
                                            bool withPicks) {
    const std::optional<std::vector<std::string>> columns =
        columnsOf(connection, "DraftTeams", {"teamid", "template_id", "currentpick"});
    if (!columns) {
        return std::nullopt;
    }
    const std::optional<std::vector<SourceTeam>> teams =
        readRows<SourceTeam>(connection,
                             "select teamid, draftposition, currentpick from DraftTeams "
                             "where template_id = ? order by teamid",
                             {idValue(sourceId)}, [](const StatementRow& row) {
                                 return SourceTeam{row.integer(0), row.integer(1), row.integer(2)};
                             });
    if (!teams) {
        return std::nullopt;
    }
    const std::string list = columnList(*columns);
    std::map<int, int> newTeamOf;
    for (const SourceTeam& team : *teams) {
        const std::int64_t onClock =
            withPicks ? team.currentpick : (team.draftposition == 1 ? 1 : 0);
        if (!executeSql(connection,
                        "insert into DraftTeams (template_id, currentpick, " + list +
                            ") select ?, ?, " + list + " from DraftTeams where teamid = ?",
                        {idValue(newId), idValue(onClock), idValue(team.teamid)})) {
            return std::nullopt;
        }
        newTeamOf[static_cast<int>(team.teamid)] = static_cast<int>(connection.lastInsertId());
    }
    return newTeamOf;
}

// The values as stored, so the copy holds the same types the source does.
struct SourcePick {
    SqlValue playerid;
    int teamid = 0;
    SqlValue pos;
    SqlValue draftorder;
    SqlValue dollars;
};

bool copyPicks(Connection& connection, int sourceId, int newId, const std::map<int, int>& newTeamOf,
               bool withPicks) {
    const std::optional<std::vector<SourcePick>> picks =
        readRows<SourcePick>(connection,
                             std::string("select playerid, teamid, pos, draftorder, dollars from "
                                         "DraftTaken where template_id = ?") +
                                 (withPicks ? "" : " and draftorder = 0") + " order by rowid",
                             {idValue(sourceId)}, [](const StatementRow& row) {
                                 return SourcePick{row.value(0), row.as<int>(1), row.value(2),
                                                   row.value(3), row.value(4)};
                             });
    if (!picks) {
        return false;
    }
    for (const SourcePick& pick : *picks) {
        const auto team = newTeamOf.find(pick.teamid);
        if (team == newTeamOf.end()) {
            continue;  // a pick of a team the draft no longer has
        }
        if (!executeSql(connection,
                        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, "
                        "dollars) values (?, ?, ?, ?, ?, ?)",
                        {idValue(newId), pick.playerid, idValue(team->second), pick.pos,
                         pick.draftorder, pick.dollars})) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::vector<DraftListRow>> readDraftListRows(Connection& connection) {
    return readRows<DraftListRow>(
        connection,
        "select t.template_id, t.template_name, p.source_template_id from "
        "DraftTemplate t left join DraftPractice p on p.template_id = "
        "t.template_id order by t.template_id",
        {}, [](const StatementRow& row) {
            return DraftListRow{row.as<int>(0), row.text(1), row.as<int>(2)};
        });
}

bool readPractice(Connection& connection, int templateId, std::optional<PracticeRow>& row) {
    row.reset();
    std::optional<std::vector<PracticeRow>> practice = readRows<PracticeRow>(
        connection,
        "select source_template_id, seed, fromnow, startpick, startposition, "
        "startdirection, bots from DraftPractice where template_id = ?",
        {idValue(templateId)}, [templateId](const StatementRow& found) {
            return PracticeRow{templateId,        found.as<int>(0), found.integer(1),
                               found.as<bool>(2), found.as<int>(3), found.as<int>(4),
                               found.text(5),     found.text(6)};
        });
    if (!practice) {
        return false;
    }
    if (!practice->empty()) {
        row = std::move(practice->front());
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
    std::optional<std::vector<DraftPlace>> places = readRows<DraftPlace>(
        connection,
        "select (select ifnull(max(draftorder), 0) from DraftTaken where "
        "template_id = t.template_id) as lastpick, (select ifnull(max("
        "draftposition), 0) from DraftTeams where template_id = t.template_id and "
        "currentpick = 1) as onclock, t.draftdirection from DraftTemplate t where "
        "t.template_id = ?",
        {idValue(templateId)}, [](const StatementRow& row) {
            return DraftPlace{row.as<int>(0), row.as<int>(1), row.text(2)};
        });
    if (!places || places->empty()) {
        return std::nullopt;
    }
    return std::move(places->front());
}

bool deleteDraftRows(Connection& connection, int templateId) {
    const std::optional<std::vector<std::string>> tables = readRows<std::string>(
        connection,
        "select m.name from sqlite_master m, pragma_table_info(m.name) c where "
        "m.type = 'table' and c.name = 'template_id' collate nocase order by "
        "m.name",
        {}, [](const StatementRow& row) { return row.text(0); });
    if (!tables) {
        return false;
    }
    for (const std::string& table : *tables) {
        if (!executeSql(connection, "delete from \"" + table + "\" where template_id = ?",
                        {idValue(templateId)})) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
