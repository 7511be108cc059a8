// SPDX-License-Identifier: MIT
#include "store/NightRows.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

SqlValue optionalNumber(const std::optional<std::int64_t>& value) {
    return value ? SqlValue{*value} : SqlValue{};
}

}  // namespace

std::optional<std::vector<NightCodeRow>> readNightCodes(Connection& connection, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select teamid, code from DraftNightCode where template_id = ? "
                       "order by teamid",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<NightCodeRow> codes;
    for (; !rows.eof(); rows.moveNext()) {
        codes.push_back({static_cast<int>(rows.getInt("teamid")), rows.getText("code")});
    }
    return codes;
}

std::optional<NightRow> readNight(Connection& connection, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select paused, clock_left_ms, lot_playerid, lot_nominator, lot_amount, "
                       "lot_teamid, lot_deadline_ms from DraftNight where template_id = ?",
                       {id(templateId)})) {
        return std::nullopt;
    }
    NightRow night;
    if (rows.eof()) {
        return night;
    }
    const auto& row = rows.rows().front();
    night.paused = toInt(row[0]) != 0;
    if (!isNull(row[1])) {
        night.clockLeftMs = toInt(row[1]);
    }
    if (isNull(row[2])) {
        return night;
    }
    NightLotRow lot;
    lot.playerid = idOf(row[2]);
    lot.nominator = idOf(row[3]);
    lot.amount = static_cast<int>(toInt(row[4]));
    lot.teamid = idOf(row[5]);
    lot.deadlineMs = toInt(row[6]);
    Recordset bids;
    if (!openRecordset(bids, connection,
                       "select teamid, amount, at_ms from DraftNightBid where template_id = ? "
                       "and playerid = ? order by bidid",
                       {id(templateId), id(lot.playerid)})) {
        return std::nullopt;
    }
    for (; !bids.eof(); bids.moveNext()) {
        lot.bids.push_back({static_cast<int>(bids.getInt("teamid")),
                            static_cast<int>(bids.getInt("amount")), bids.getInt("at_ms")});
    }
    night.lot = std::move(lot);
    return night;
}

bool writeNightCodes(Connection& connection, int templateId,
                     const std::vector<NightCodeRow>& codes) {
    TransactionGuard transaction(connection);
    if (!executeSql(connection, "delete from DraftNightCode where template_id = ?",
                    {id(templateId)})) {
        return false;
    }
    for (const NightCodeRow& code : codes) {
        if (!executeSql(connection,
                        "insert into DraftNightCode (template_id, teamid, code) values (?, ?, ?)",
                        {id(templateId), id(code.teamid), code.code})) {
            return false;
        }
    }
    return transaction.commit();
}

bool writeNight(Connection& connection, int templateId, const NightRow& night) {
    TransactionGuard transaction(connection);
    const NightLotRow* lot = night.lot ? &*night.lot : nullptr;
    SqlParams params{id(templateId), SqlValue{std::int64_t{night.paused ? 1 : 0}},
                     optionalNumber(night.clockLeftMs)};
    if (lot) {
        params.insert(params.end(), {id(lot->playerid), id(lot->nominator), id(lot->amount),
                                     id(lot->teamid), SqlValue{lot->deadlineMs}});
    } else {
        params.resize(params.size() + 5);
    }
    if (!executeSql(connection,
                    "insert or replace into DraftNight (template_id, paused, clock_left_ms, "
                    "lot_playerid, lot_nominator, lot_amount, lot_teamid, lot_deadline_ms) "
                    "values (?, ?, ?, ?, ?, ?, ?, ?)",
                    params)) {
        return false;
    }
    // Only the open lot's bids are worth keeping: a sale is in the draft's own tables.
    if (!executeSql(connection, "delete from DraftNightBid where template_id = ?",
                    {id(templateId)})) {
        return false;
    }
    if (lot) {
        for (const NightBidRow& bid : lot->bids) {
            if (!executeSql(connection,
                            "insert into DraftNightBid (template_id, playerid, teamid, amount, "
                            "at_ms) values (?, ?, ?, ?, ?)",
                            {id(templateId), id(lot->playerid), id(bid.teamid), id(bid.amount),
                             SqlValue{bid.atMs}})) {
                return false;
            }
        }
    }
    return transaction.commit();
}

bool writeNightBid(Connection& connection, int templateId, const NightLotRow& lot,
                   const NightBidRow& bid) {
    Recordset level;
    if (!openRecordset(level, connection, "PRAGMA synchronous") || level.eof()) {
        return false;
    }
    const std::int64_t kept = toInt(level.rows().front().front());
    // A bid does not wait for the disk: in a write-ahead log it still outlives the host, and
    // waiting would hold the room to a hundred bids a second. syncNight makes it durable soon
    // after; sales keep the connection's own level.
    if (!executeSql(connection, "PRAGMA synchronous = NORMAL")) {
        return false;
    }
    bool written = false;
    {
        TransactionGuard transaction(connection);
        written =
            executeSql(connection,
                       "update DraftNight set lot_amount = ?, lot_teamid = ?, lot_deadline_ms = ? "
                       "where template_id = ? and lot_playerid = ?",
                       {id(lot.amount), id(lot.teamid), SqlValue{lot.deadlineMs}, id(templateId),
                        id(lot.playerid)}) &&
            executeSql(connection,
                       "insert into DraftNightBid (template_id, playerid, teamid, amount, at_ms) "
                       "values (?, ?, ?, ?, ?)",
                       {id(templateId), id(lot.playerid), id(bid.teamid), id(bid.amount),
                        SqlValue{bid.atMs}}) &&
            transaction.commit();
    }
    return executeSql(connection, "PRAGMA synchronous = " + std::to_string(kept)) && written;
}

bool syncNight(Connection& connection) {
    // A checkpoint writes the log to the disk first.
    return executeSql(connection, "PRAGMA wal_checkpoint(PASSIVE)");
}

}  // namespace quorvane
