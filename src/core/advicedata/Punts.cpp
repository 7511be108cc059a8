// SPDX-License-Identifier: MIT
#include "advicedata/Punts.h"

#include <algorithm>
#include <string_view>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {
constexpr std::string_view kReadFailed = " 91002 error: could not read punts";
constexpr std::string_view kSaveFailed = " 91003 error: could not save punts";

bool inDraft(const DraftSettings& settings, int categoryid) {
    return std::any_of(
        settings.categories.begin(), settings.categories.end(),
        [categoryid](const CategoryWeight& use) { return use.categoryid == categoryid; });
}
}  // namespace

std::optional<std::vector<int>> readPunts(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    Recordset rows;
    if (!openRecordset(
            rows, state.dbConnection,
            "select categoryid from DraftPunts where template_id = ? order by categoryid",
            {SqlValue{std::int64_t{state.draftSettings->template_id}}})) {
        reportDatabaseError(dialogs, state.dbConnection, kReadFailed);
        return std::nullopt;
    }
    std::vector<int> ids;
    for (const auto& row : rows.rows()) {
        ids.push_back(static_cast<int>(toInt(row[0])));
    }
    return ids;
}

bool savePunts(ProgramState& state, UserDialogs& dialogs, const std::vector<int>& categoryids) {
    if (!state.draftSettings) {
        return false;
    }
    const DraftSettings& settings = *state.draftSettings;
    const SqlValue draft{std::int64_t{settings.template_id}};
    TransactionGuard transaction(state.dbConnection);
    bool saved =
        transaction.begun() &&
        executeSql(state.dbConnection, "delete from DraftPunts where template_id = ?", {draft});
    for (int categoryid : categoryids) {
        if (saved && inDraft(settings, categoryid)) {
            saved = executeSql(state.dbConnection,
                               "insert or ignore into DraftPunts (template_id, categoryid) "
                               "values (?, ?)",
                               {draft, SqlValue{std::int64_t{categoryid}}});
        }
    }
    if (!saved || !transaction.commit()) {
        transaction.rollback();
        dialogs.showMessage(kDatabaseErrorTitle, kDatabaseUpdateMessage, MessageIcon::Exclamation);
        state.dbConnection.log().writeEntry(kSaveFailed);
        return false;
    }
    return true;
}

}  // namespace quorvane
