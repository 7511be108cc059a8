// SPDX-License-Identifier: MIT
#include "store/ProjectionRepository.h"

#include <string>

#include "store/RowReader.h"

namespace quorvane {

namespace {

std::string statAssignments() {
    std::string text;
    for (const char* column : kProjectionStatColumns) {
        text += std::string(", ") + column + " = ?";
    }
    return text;
}

std::string columnList(const auto& columns) {
    std::string text;
    for (const char* column : columns) {
        text += std::string(", ") + column;
    }
    return text;
}

std::string markers(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += ", ?";
    }
    return text;
}

SqlValue number(int value) {
    return SqlValue{std::int64_t{value}};
}

SqlValue dateValue(const std::optional<std::string>& dob) {
    return dob ? SqlValue{*dob} : SqlValue{};
}

}  // namespace

ProjectionWriter::ProjectionWriter(Connection& connection) : m_connection(connection) {
    m_params.reserve(40);
}

bool ProjectionWriter::prepare() {
    const std::string flags = columnList(kProjectionFlagColumns);
    std::string flagAssignments;
    for (const char* column : kProjectionFlagColumns) {
        flagAssignments += std::string(", ") + column + " = ?";
    }
    return m_count.prepare(m_connection,
                           "select count(*) as cnt from DraftPlayers where playerid = ? and "
                           "yearofprojection = ?") &&
           m_insert.prepare(
               m_connection,
               "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, firstname, "
               "lastname, pos, team, dob" +
                   columnList(kProjectionStatColumns) + ", revisiondate, dollars, draftorder" +
                   flags + ") values (?, 'P', ?, ?, ?, ?, ?, ?" + markers(kProjectionStatCount) +
                   ", ?, 0, 0" + markers(kProjectionFlagCount) + ")") &&
           m_update.prepare(m_connection,
                            // A date of birth that could not be read keeps the stored one.
                            "update DraftPlayers set stat_indicator = 'P', firstname = ?, "
                            "lastname = ?, pos = ?, team = ?, dob = coalesce(?, dob)" +
                                statAssignments() + ", revisiondate = ?" + flagAssignments +
                                " where playerid = ? and yearofprojection = ?");
}

ProjectionWriter::Outcome ProjectionWriter::importLine(const ProjectionRow& row,
                                                       Presence presence) {
    bool present = presence == Presence::Stored;
    if (presence == Presence::Unknown) {
        const std::optional<std::int64_t> count =
            readScalar<std::int64_t>(m_count, {number(row.playerid), number(row.yearofprojection)});
        if (!count) {
            m_connection.log().writeEntry(" 91000 error: could not select player count");
            return Outcome::Failed;
        }
        present = *count != 0;
    }

    m_params.clear();
    if (!present) {
        m_params.push_back(number(row.playerid));
        m_params.push_back(number(row.yearofprojection));
    }
    m_params.push_back(row.firstname);
    m_params.push_back(row.lastname);
    m_params.push_back(row.pos);
    m_params.push_back(row.team);
    m_params.push_back(dateValue(row.dob));
    for (const int stat : row.stats) {
        m_params.push_back(number(stat));
    }
    m_params.push_back(row.revisiondate);
    for (const int flag : row.flags) {
        m_params.push_back(number(flag));
    }
    if (present) {
        m_params.push_back(number(row.playerid));
        m_params.push_back(number(row.yearofprojection));
        if (!m_update.run(m_params)) {
            m_connection.log().writeEntry(" 91002 error: could not update draftplayers");
            return Outcome::Failed;
        }
        return Outcome::Updated;
    }
    if (!m_insert.run(m_params)) {
        m_connection.log().writeEntry(" 91001 error: could not insert into draftplayers");
        return Outcome::Failed;
    }
    return Outcome::Inserted;
}

bool reapplyProjectionEdits(Connection& connection, int projectionYear) {
    // An edit overrides the statistics only, and only in the projection season.
    const bool applied = executeSql(
        connection,
        "update DraftPlayers set games = e.games, fta = e.FTA, ftm = e.FTM, fga = e.FGA, "
        "fgm = e.FGM, pt3a = e.pt3a, pt3m = e.pt3m, oreb = e.OREB, dreb = e.DREB, "
        "assists = e.assists, steals = e.steals, blocks = e.blocks, turnovers = e.turnovers, "
        "doubledouble = e.doubledouble, tripledouble = e.tripledouble "
        "from ProjectionEdits as e "
        "where DraftPlayers.playerid = e.playerid and DraftPlayers.yearofprojection = ?",
        {number(projectionYear)});
    if (!applied) {
        connection.log().writeEntry(" 91002 error: could not update draftplayers with edits");
    }
    return applied;
}

std::optional<std::vector<ProjectionRow>> readProjectionRows(Connection& connection) {
    return readRows<ProjectionRow>(
        connection,
        "select playerid, yearofprojection, firstname, lastname, pos, team, dob" +
            columnList(kProjectionStatColumns) + ", revisiondate" +
            columnList(kProjectionFlagColumns) + " from DraftPlayers",
        {}, [](const StatementRow& values) {
            ProjectionRow row;
            int at = 0;
            row.playerid = values.as<int>(at++);
            row.yearofprojection = values.as<int>(at++);
            row.firstname = values.text(at++);
            row.lastname = values.text(at++);
            row.pos = values.text(at++);
            row.team = values.text(at++);
            row.dob = values.as<std::optional<std::string>>(at++);
            for (int& stat : row.stats) {
                stat = values.as<int>(at++);
            }
            row.revisiondate = values.text(at++);
            for (int& flag : row.flags) {
                flag = values.as<int>(at++);
            }
            return row;
        });
}

std::optional<std::vector<std::string>> readRevisionDates(Connection& connection) {
    return readRows<std::string>(connection,
                                 "select distinct revisiondate from DraftPlayers"
                                 " where revisiondate is not null order by revisiondate",
                                 {}, [](const StatementRow& row) { return row.text(0); });
}

void widenCacheForImport(Connection& connection) {
    executeSql(connection, "PRAGMA cache_size = -65536");
}

bool AddedPlayerWriter::prepare(Connection& connection) {
    return m_insert.prepare(connection,
                            "insert into draftAdded (playerid, firstname, lastname, pos, team, "
                            "dateAdded) values (?, ?, ?, ?, ?, ?)");
}

bool AddedPlayerWriter::add(int playerid, const std::string& firstname, const std::string& lastname,
                            const std::string& pos, const std::string& team,
                            const std::string& addedOn) {
    return m_insert.run({number(playerid), firstname, lastname, pos, team, addedOn});
}

std::optional<int> nextNewPlayerId(Connection& connection, int firstId) {
    const std::optional<std::optional<int>> highest = readScalar<std::optional<int>>(
        connection,
        "select max(playerid) as plid from (select playerid from draftAdded "
        "union all select playerid from DraftPlayers where playerid >= ?)",
        {number(firstId)});
    if (!highest) {
        return std::nullopt;
    }
    return *highest ? **highest + 1 : firstId;
}

}  // namespace quorvane
