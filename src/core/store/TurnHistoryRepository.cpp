// SPDX-License-Identifier: MIT
#include "store/TurnHistoryRepository.h"

#include "store/Connection.h"
#include "store/RowReader.h"

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

// Every select of the history begins with these columns in this order.
HistoryEntry entryOf(const StatementRow& row) {
    HistoryEntry entry;
    entry.entryid = row.integer(0);
    entry.kind = kindOf(row.text(1));
    entry.turn = row.as<int>(2);
    entry.teamid = row.as<int>(3);
    entry.playerid = row.as<int>(4);
    entry.dollars = row.real(5);
    entry.pos = row.text(6);
    entry.undoes = row.integer(7);
    return entry;
}

// The draft's entries in the order they were written, those the condition admits.
std::optional<std::vector<HistoryEntry>> readEntries(Connection& connection,
                                                     std::string_view condition, int templateId) {
    return readRows<HistoryEntry>(
        connection,
        "select h.entryid, h.kind, h.turn, h.teamid, h.playerid, h.dollars, h.pos, "
        "h.undoes from DraftHistory h where h.template_id = ?" +
            std::string(condition) + " order by h.entryid",
        {id(templateId)}, entryOf);
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
    return readRows<HistoryLine>(
        connection,
        "select h.entryid, h.kind, h.turn, h.teamid, h.playerid, h.dollars, h.pos, "
        "h.undoes, ifnull(dp.firstname, '') as firstname, ifnull(dp.lastname, '') "
        "as lastname from DraftHistory h left join DraftPlayers dp on dp.playerid "
        "= h.playerid and dp.yearofprojection = ? where h.template_id = ? order by "
        "h.entryid",
        {id(season), id(templateId)}, [](const StatementRow& row) {
            return HistoryLine{entryOf(row), row.text(8), row.text(9)};
        });
}

std::optional<bool> isLinkedToRoom(Connection& connection, int templateId) {
    const std::optional<std::int64_t> links = readScalar<std::int64_t>(
        connection, "select count(*) as cnt from DraftFollow where template_id = ?",
        {id(templateId)});
    return links ? std::optional<bool>(*links > 0) : std::nullopt;
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
