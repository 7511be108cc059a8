// SPDX-License-Identifier: MIT
#include "store/AdpRows.h"

namespace quorvane {

namespace {
SqlValue idValue(int value) {
    return SqlValue{std::int64_t{value}};
}
}  // namespace

std::optional<std::vector<MeanAdpRow>> readMeanAdp(Connection& connection, int season) {
    Recordset records;
    if (!openRecordset(records, connection,
                       "select playerid, avg(adp) as adp, avg(aav) as aav from DraftPlayerAdp "
                       "where yearofprojection = ? group by playerid order by playerid",
                       {idValue(season)})) {
        return std::nullopt;
    }
    std::vector<MeanAdpRow> rows;
    rows.reserve(records.rowCount());
    for (const auto& row : records.rows()) {
        const auto mean = [](const SqlValue& value) {
            return isNull(value) ? std::nullopt : std::optional<double>(toDouble(value));
        };
        rows.push_back({static_cast<int>(toInt(row[0])), mean(row[1]), mean(row[2])});
    }
    return rows;
}

std::optional<double> readAdpSpread(Connection& connection, int templateId, bool& failed) {
    Recordset records;
    failed = !openRecordset(records, connection,
                            "select adpspread from DraftAdpSpread where template_id = ?",
                            {idValue(templateId)});
    if (failed || records.eof()) {
        return std::nullopt;
    }
    return records.getDouble("adpspread");
}

bool writeAdpSpread(Connection& connection, int templateId, double spread) {
    return executeSql(connection,
                      "insert into DraftAdpSpread (template_id, adpspread) values (?, ?) on "
                      "conflict (template_id) do update set adpspread = excluded.adpspread",
                      {idValue(templateId), SqlValue{spread}});
}

bool hasAdpRows(Connection& connection, int season) {
    Recordset found;
    return openRecordset(found, connection,
                         "select exists (select 1 from DraftPlayerAdp where yearofprojection = "
                         "?) as present",
                         {SqlValue{std::int64_t{season}}}) &&
           !found.eof() && found.getInt("present") != 0;
}

}  // namespace quorvane
