// SPDX-License-Identifier: MIT
#include "model/Punts.h"

#include <algorithm>
#include <string_view>

#include "model/DraftSession.h"
#include "session/UserDialogs.h"
#include "store/CategoryRepository.h"
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

std::optional<std::vector<int>> readPunts(DraftSession& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    std::optional<std::vector<int>> ids =
        readPuntRows(state.dbConnection, state.draftSettings()->template_id);
    if (!ids) {
        reportDatabaseError(dialogs, state.dbConnection, kReadFailed);
    }
    return ids;
}

bool savePunts(DraftSession& state, UserDialogs& dialogs, const std::vector<int>& categoryids) {
    if (!state.draftSettings()) {
        return false;
    }
    const DraftSettings& settings = *state.draftSettings();
    const int draft = settings.template_id;
    TransactionGuard transaction(state.dbConnection);
    bool saved = transaction.begun() && deletePuntRows(state.dbConnection, draft);
    for (int categoryid : categoryids) {
        if (saved && inDraft(settings, categoryid)) {
            saved = insertPuntRow(state.dbConnection, draft, categoryid);
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
