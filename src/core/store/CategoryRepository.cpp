// SPDX-License-Identifier: MIT
#include "store/CategoryRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"

namespace quorvane {

std::optional<std::vector<DraftCategorySymbolRow>> readDraftCategories(Connection& connection,
                                                                       int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select c.categoryid, c.symbol from category c, DraftCategory d where "
                       "c.categoryid = d.categoryid and d.template_id = ? order by d.rowid",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<DraftCategorySymbolRow> categories;
    categories.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        categories.push_back({idOf(row[0]), toText(row[1])});
    }
    return categories;
}

std::optional<std::vector<CategoryFigure>> readCategoryTargets(Connection& connection,
                                                               int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select categoryid, target from draftTargets where template_id = ?",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<CategoryFigure> targets;
    targets.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        targets.push_back({idOf(row[0]), toDouble(row[1])});
    }
    return targets;
}

bool deleteCategoryTargets(Connection& connection, int templateId) {
    return executeSql(connection, "delete from draftTargets where template_id = ?",
                      {id(templateId)});
}

bool insertCategoryTarget(Connection& connection, int templateId, int categoryid, double target) {
    return executeSql(connection,
                      "insert into draftTargets (template_id, categoryid, target) values (?, ?, ?)",
                      {id(templateId), id(categoryid), SqlValue{target}});
}

std::optional<SgpDenominatorRows> readSgpDenominators(Connection& connection) {
    Recordset highest;
    Recordset rows;
    if (!openRecordset(highest, connection,
                       "select max(categoryid) as cnt from category where categoryid <> 0") ||
        !openRecordset(rows, connection,
                       "select categoryid, sgp_denominator from category where categoryid <> 0")) {
        return std::nullopt;
    }
    SgpDenominatorRows result;
    result.highestId = highest.getInt("cnt");
    result.denominators.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        result.denominators.push_back({idOf(row[0]), toDouble(row[1])});
    }
    return result;
}

std::optional<std::optional<double>> readSgpDenominator(Connection& connection, int categoryid) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select sgp_denominator from category where categoryid = ?",
                       {id(categoryid)})) {
        return std::nullopt;
    }
    if (rows.eof()) {
        return std::optional<double>();
    }
    return std::optional<double>(rows.getDouble("sgp_denominator"));
}

bool writeSgpDenominator(Connection& connection, int categoryid, double denominator) {
    return executeSql(connection, "update category set sgp_denominator = ? where categoryid = ?",
                      {SqlValue{denominator}, id(categoryid)});
}

std::optional<std::vector<int>> readPuntRows(Connection& connection, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select categoryid from DraftPunts where template_id = ? order by "
                       "categoryid",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<int> ids;
    ids.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        ids.push_back(idOf(row[0]));
    }
    return ids;
}

bool deletePuntRows(Connection& connection, int templateId) {
    return executeSql(connection, "delete from DraftPunts where template_id = ?", {id(templateId)});
}

bool insertPuntRow(Connection& connection, int templateId, int categoryid) {
    return executeSql(connection,
                      "insert or ignore into DraftPunts (template_id, categoryid) values (?, ?)",
                      {id(templateId), id(categoryid)});
}

}  // namespace quorvane
