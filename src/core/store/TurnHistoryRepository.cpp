// SPDX-License-Identifier: MIT
#include "store/TurnHistoryRepository.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

SqlValue id(std::int64_t value) {
    return SqlValue{value};
}

constexpr std::string_view kKindTexts[] = {"pick", "skip", "keeper", "undo"};

HistoryKind kindOf(const std::string& text) {
    for (std::size_t index = 0; index < std::size(kKindTexts); ++index) {
        if (text == kKindTexts[index]) {
            return static_cast<HistoryKind>(index);
        }
    }
    // The table's check admits no other text.
    return HistoryKind::Skip;
}

HistoryEntry entryOf(const Recordset& row) {
    HistoryEntry entry;
    entry.entryid = row.getInt("entryid");
    entry.kind = kindOf(row.getText("kind"));
    entry.turn = static_cast<int>(row.getInt("turn"));
    entry.teamid = static_cast<int>(row.getInt("teamid"));
    entry.playerid = static_cast<int>(row.getInt("playerid"));
    entry.dollars = row.getDouble("dollars");
    entry.pos = row.getText("pos");
    entry.undoes = row.getInt("undoes");
    return entry;
}

// The draft's entries in the order they were written, those the condition admits.
std::optional<std::vector<HistoryEntry>> readEntries(Connection& connection,
                                                     std::string_view condition, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select h.entryid, h.kind, h.turn, h.teamid, h.playerid, h.dollars, h.pos, "
                       "h.undoes from DraftHistory h where h.template_id = ?" +
                           std::string(condition) + " order by h.entryid",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<HistoryEntry> entries;
    entries.reserve(rows.rowCount());
    for (; !rows.eof(); rows.moveNext()) {
        entries.push_back(entryOf(rows));
    }
    return entries;
}

SqlValue undoneEntry(const HistoryEntry& entry) {
    return entry.undoes > 0 ? id(entry.undoes) : SqlValue{};
}

}  // namespace

std::string_view historyKindText(HistoryKind kind) {
    return kKindTexts[static_cast<std::size_t>(kind)];
}

std::optional<std::vector<HistoryEntry>> readTurnHistory(Connection& connection, int templateId) {
    return readEntries(connection, "", templateId);
}

std::optional<std::vector<HistoryEntry>> readStandingHistory(Connection& connection,
                                                             int templateId) {
    return readEntries(connection,
                       " and h.kind <> 'undo' and not exists (select 1 from DraftHistory u where "
                       "u.undoes = h.entryid and u.kind = 'undo')",
                       templateId);
}

std::optional<std::vector<HistoryLine>> readHistoryLines(Connection& connection, int templateId,
                                                         int season) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select h.entryid, h.kind, h.turn, h.teamid, h.playerid, h.dollars, h.pos, "
                       "h.undoes, ifnull(dp.firstname, '') as firstname, ifnull(dp.lastname, '') "
                       "as lastname from DraftHistory h left join DraftPlayers dp on dp.playerid "
                       "= h.playerid and dp.yearofprojection = ? where h.template_id = ? order by "
                       "h.entryid",
                       {id(season), id(templateId)})) {
        return std::nullopt;
    }
    std::vector<HistoryLine> lines;
    lines.reserve(rows.rowCount());
    for (; !rows.eof(); rows.moveNext()) {
        lines.push_back({entryOf(rows), rows.getText("firstname"), rows.getText("lastname")});
    }
    return lines;
}

std::optional<bool> isLinkedToRoom(Connection& connection, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select count(*) as cnt from DraftFollow where template_id = ?",
                       {id(templateId)})) {
        return std::nullopt;
    }
    return rows.getInt("cnt") > 0;
}

std::optional<std::int64_t> appendHistoryEntry(Connection& connection, int templateId,
                                               const HistoryEntry& entry) {
    if (!executeSql(connection,
                    "insert into DraftHistory (template_id, kind, turn, teamid, playerid, dollars, "
                    "pos, undoes) values (?, ?, ?, ?, ?, ?, ?, ?)",
                    {id(templateId), std::string(historyKindText(entry.kind)), id(entry.turn),
                     id(entry.teamid), id(entry.playerid), SqlValue{entry.dollars}, entry.pos,
                     undoneEntry(entry)})) {
        return std::nullopt;
    }
    return connection.lastInsertId();
}

bool updateHistoryEntry(Connection& connection, const HistoryEntry& entry) {
    return executeSql(connection,
                      "update DraftHistory set kind = ?, turn = ?, teamid = ?, playerid = ?, "
                      "dollars = ?, pos = ? where entryid = ?",
                      {std::string(historyKindText(entry.kind)), id(entry.turn), id(entry.teamid),
                       id(entry.playerid), SqlValue{entry.dollars}, entry.pos, id(entry.entryid)});
}

bool deleteHistoryEntries(Connection& connection, const std::vector<std::int64_t>& entryids) {
    for (const std::int64_t entryid : entryids) {
        if (!executeSql(connection, "delete from DraftHistory where entryid = ?", {id(entryid)})) {
            return false;
        }
    }
    return true;
}

bool clearTurnHistory(Connection& connection, int templateId) {
    return executeSql(connection, "delete from DraftHistory where template_id = ?",
                      {id(templateId)});
}

}  // namespace quorvane
