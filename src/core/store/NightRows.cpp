// SPDX-License-Identifier: MIT
#include "store/NightRows.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

SqlValue optionalNumber(const std::optional<std::int64_t>& value) {
    return value ? SqlValue{*value} : SqlValue{};
}

}  // namespace

std::optional<std::vector<NightCodeRow>> readNightCodes(Connection& connection, int templateId) {
    return readRows<NightCodeRow>(
        connection, "select teamid, code from DraftNightCode where template_id = ? order by teamid",
        {id(templateId)}, [](const StatementRow& row) {
            return NightCodeRow{row.as<int>(0), row.text(1)};
        });
}

std::optional<NightRow> readNight(Connection& connection, int templateId) {
    struct Stored {
        bool paused = false;
        std::optional<std::int64_t> clockLeftMs;
        std::optional<NightLotRow> lot;
    };
    std::optional<std::vector<Stored>> rows = readRows<Stored>(
        connection,
        "select paused, clock_left_ms, lot_playerid, lot_nominator, lot_amount, "
        "lot_teamid, lot_deadline_ms from DraftNight where template_id = ?",
        {id(templateId)}, [](const StatementRow& row) {
            Stored stored{row.as<bool>(0), row.as<std::optional<std::int64_t>>(1), std::nullopt};
            if (!row.isNull(2)) {
                stored.lot = NightLotRow{row.as<int>(2), row.as<int>(3), row.as<int>(4),
                                         row.as<int>(5), row.integer(6), {}};
            }
            return stored;
        });
    if (!rows) {
        return std::nullopt;
    }
    NightRow night;
    if (rows->empty()) {
        return night;
    }
    Stored& stored = rows->front();
    night.paused = stored.paused;
    night.clockLeftMs = stored.clockLeftMs;
    if (!stored.lot) {
        return night;
    }
    NightLotRow lot = std::move(*stored.lot);
    std::optional<std::vector<NightBidRow>> bids = readRows<NightBidRow>(
        connection,
        "select teamid, amount, at_ms from DraftNightBid where template_id = ? "
        "and playerid = ? order by bidid",
        {id(templateId), id(lot.playerid)}, [](const StatementRow& row) {
            return NightBidRow{row.as<int>(0), row.as<int>(1), row.integer(2)};
        });
    if (!bids) {
        return std::nullopt;
    }
    lot.bids = std::move(*bids);
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
    const std::optional<std::int64_t> kept =
        readScalar<std::int64_t>(connection, "PRAGMA synchronous");
    if (!kept) {
        return false;
    }
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
    return executeSql(connection, "PRAGMA synchronous = " + std::to_string(*kept)) && written;
}

bool syncNight(Connection& connection) {
    // A checkpoint writes the log to the disk first.
    return executeSql(connection, "PRAGMA wal_checkpoint(PASSIVE)");
}

}  // namespace quorvane
