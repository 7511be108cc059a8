// SPDX-License-Identifier: MIT
#include "store/CategoryRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

std::optional<std::vector<DraftCategorySymbolRow>> readDraftCategories(Connection& connection,
                                                                       int templateId) {
    return readRows<DraftCategorySymbolRow>(
        connection,
        "select c.categoryid, c.symbol from category c, DraftCategory d where "
        "c.categoryid = d.categoryid and d.template_id = ? order by d.rowid",
        {id(templateId)}, [](const StatementRow& row) {
            return DraftCategorySymbolRow{row.as<int>(0), row.text(1)};
        });
}

namespace {

CategoryFigure figureOf(const StatementRow& row) {
    return {row.as<int>(0), row.real(1)};
}

}  // namespace

std::optional<std::vector<CategoryFigure>> readCategoryTargets(Connection& connection,
                                                               int templateId) {
    return readRows<CategoryFigure>(
        connection, "select categoryid, target from draftTargets where template_id = ?",
        {id(templateId)}, figureOf);
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
    const std::optional<std::int64_t> highest = readScalar<std::int64_t>(
        connection, "select max(categoryid) as cnt from category where categoryid <> 0");
    if (!highest) {
        return std::nullopt;
    }
    std::optional<std::vector<CategoryFigure>> denominators = readRows<CategoryFigure>(
        connection, "select categoryid, sgp_denominator from category where categoryid <> 0", {},
        figureOf);
    if (!denominators) {
        return std::nullopt;
    }
    return SgpDenominatorRows{*highest, std::move(*denominators)};
}

std::optional<std::optional<double>> readSgpDenominator(Connection& connection, int categoryid) {
    std::optional<std::vector<double>> denominators =
        readRows<double>(connection, "select sgp_denominator from category where categoryid = ?",
                         {id(categoryid)}, [](const StatementRow& row) { return row.real(0); });
    if (!denominators) {
        return std::nullopt;
    }
    return denominators->empty() ? std::optional<double>()
                                 : std::optional<double>(denominators->front());
}

bool writeSgpDenominator(Connection& connection, int categoryid, double denominator) {
    return executeSql(connection, "update category set sgp_denominator = ? where categoryid = ?",
                      {SqlValue{denominator}, id(categoryid)});
}

std::optional<std::vector<int>> readPuntRows(Connection& connection, int templateId) {
    return readRows<int>(
        connection, "select categoryid from DraftPunts where template_id = ? order by categoryid",
        {id(templateId)}, [](const StatementRow& row) { return row.as<int>(0); });
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
