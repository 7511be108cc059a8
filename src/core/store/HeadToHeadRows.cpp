// SPDX-License-Identifier: MIT
#include "store/HeadToHeadRows.h"

#include "store/RowReader.h"

namespace quorvane {

namespace {

SqlValue whole(long long value) {
    return SqlValue{std::int64_t{value}};
}

}  // namespace

std::optional<HeadToHeadRows> readHeadToHeadRows(Connection& connection, int templateId) {
    std::optional<std::vector<HeadToHeadRow>> settings = readRows<HeadToHeadRow>(
        connection, "select mode, gamesperweek from DraftHeadToHead where template_id = ?",
        {whole(templateId)}, [](const StatementRow& row) {
            return HeadToHeadRow{row.as<int>(0), row.real(1)};
        });
    if (!settings) {
        return std::nullopt;
    }
    std::optional<std::vector<VarianceRatioRow>> ratios = readRows<VarianceRatioRow>(
        connection,
        "select categoryid, ratio from DraftVarianceRatio where template_id = ? "
        "order by categoryid",
        {whole(templateId)}, [](const StatementRow& row) {
            return VarianceRatioRow{row.as<int>(0), row.real(1)};
        });
    if (!ratios) {
        return std::nullopt;
    }
    HeadToHeadRows rows;
    if (!settings->empty()) {
        rows.settings = settings->front();
    }
    rows.ratios = std::move(*ratios);
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
