// SPDX-License-Identifier: MIT
#include "store/DraftTemplateRows.h"

#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

std::optional<int> firstTemplateId(Connection& connection, std::string_view sql,
                                   const SqlValue& key) {
    const std::optional<std::vector<int>> ids = readRows<int>(
        connection, sql, {key}, [](const StatementRow& row) { return row.as<int>(0); });
    if (!ids || ids->empty()) {
        return std::nullopt;
    }
    return ids->front();
}

}  // namespace

std::optional<int> draftIdWithId(Connection& connection, int templateId) {
    return firstTemplateId(connection,
                           "select template_id from DraftTemplate where template_id = ?",
                           SqlValue{std::int64_t{templateId}});
}

std::optional<int> draftIdNamed(Connection& connection, const std::string& templateName) {
    return firstTemplateId(connection,
                           "select template_id from DraftTemplate where template_name = ?",
                           SqlValue{templateName});
}

std::optional<int> countDraftRows(Connection& connection) {
    return readScalar<int>(connection, "select count(*) as cnt from draftTemplate");
}

}  // namespace quorvane
