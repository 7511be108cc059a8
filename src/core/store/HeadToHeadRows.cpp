// SPDX-License-Identifier: MIT
#include "store/HeadToHeadRows.h"

namespace quorvane {

namespace {

SqlValue whole(long long value) {
    return SqlValue{std::int64_t{value}};
}

}  // namespace

std::optional<HeadToHeadRows> readHeadToHeadRows(Connection& connection, int templateId) {
    Recordset settings;
    Recordset ratios;
    if (!openRecordset(settings, connection,
                       "select mode, gamesperweek from DraftHeadToHead where template_id = ?",
                       {whole(templateId)}) ||
        !openRecordset(ratios, connection,
                       "select categoryid, ratio from DraftVarianceRatio where template_id = ? "
                       "order by categoryid",
                       {whole(templateId)})) {
        return std::nullopt;
    }
    HeadToHeadRows rows;
    if (!settings.eof()) {
        const auto& row = settings.rows().front();
        rows.settings = HeadToHeadRow{static_cast<int>(toInt(row[0])), toDouble(row[1])};
    }
    for (const auto& row : ratios.rows()) {
        rows.ratios.push_back({static_cast<int>(toInt(row[0])), toDouble(row[1])});
    }
    return rows;
}

bool writeHeadToHeadRows(Connection& connection, int templateId, const HeadToHeadRow& settings,
                         const std::vector<VarianceRatioRow>& ratios) {
    const SqlValue id = whole(templateId);
    if (!executeSql(
            connection,
            "insert into DraftHeadToHead (template_id, mode, gamesperweek) values (?, ?, ?) "
            "on conflict (template_id) do update set mode = excluded.mode, "
            "gamesperweek = excluded.gamesperweek",
            {id, whole(settings.mode), settings.gamesperweek}) ||
        !executeSql(connection, "delete from DraftVarianceRatio where template_id = ?", {id})) {
        return false;
    }
    for (const VarianceRatioRow& ratio : ratios) {
        if (!executeSql(connection,
                        "insert into DraftVarianceRatio (template_id, categoryid, ratio) "
                        "values (?, ?, ?)",
                        {id, whole(ratio.categoryid), ratio.ratio})) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
