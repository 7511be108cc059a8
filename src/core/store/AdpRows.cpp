// SPDX-License-Identifier: MIT
#include "store/AdpRows.h"

#include "store/RowReader.h"

namespace quorvane {

namespace {
SqlValue idValue(int value) {
    return SqlValue{std::int64_t{value}};
}
}  // namespace

std::optional<std::vector<MeanAdpRow>> readMeanAdp(Connection& connection, int season) {
    return readRows<MeanAdpRow>(
        connection,
        "select playerid, avg(adp) as adp, avg(aav) as aav from DraftPlayerAdp "
        "where yearofprojection = ? group by playerid order by playerid",
        {idValue(season)}, [](const StatementRow& row) {
            return MeanAdpRow{row.as<int>(0), row.as<std::optional<double>>(1),
                              row.as<std::optional<double>>(2)};
        });
}

std::optional<double> readAdpSpread(Connection& connection, int templateId, bool& failed) {
    const auto spreads = readRows<double>(
        connection, "select adpspread from DraftAdpSpread where template_id = ?",
        {idValue(templateId)}, [](const StatementRow& row) { return row.real(0); });
    failed = !spreads;
    if (failed || spreads->empty()) {
        return std::nullopt;
    }
    return spreads->front();
}

bool writeAdpSpread(Connection& connection, int templateId, double spread) {
    return executeSql(connection,
                      "insert into DraftAdpSpread (template_id, adpspread) values (?, ?) on "
                      "conflict (template_id) do update set adpspread = excluded.adpspread",
                      {idValue(templateId), SqlValue{spread}});
}

bool hasAdpRows(Connection& connection, int season) {
    return readScalar<bool>(connection,
                            "select exists (select 1 from DraftPlayerAdp where yearofprojection = "
                            "?) as present",
                            {SqlValue{std::int64_t{season}}})
        .value_or(false);
}

}  // namespace quorvane
