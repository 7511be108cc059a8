// SPDX-License-Identifier: MIT
#include "store/DraftTemplateRows.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

std::optional<int> firstTemplateId(Connection& connection, std::string_view sql,
                                   const SqlValue& key) {
    Recordset found;
    if (!openRecordset(found, connection, sql, {key}) || found.eof()) {
        return std::nullopt;
    }
    return static_cast<int>(found.getInt("template_id"));
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
    Recordset result;
    if (!openRecordset(result, connection, "select count(*) as cnt from draftTemplate")) {
        return std::nullopt;
    }
    return static_cast<int>(result.getInt("cnt"));
}

}  // namespace quorvane
