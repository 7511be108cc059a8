// SPDX-License-Identifier: MIT
#include "model/Punts.h"

#include <algorithm>
#include <string_view>

#include "platform/Log.h"
#include "store/CategoryRepository.h"
#include "store/Connection.h"
#include "store/TransactionGuard.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/StatementFailures.h"

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

Outcome<std::vector<int>> readPunts(Connection& connection, int templateId) {
    std::optional<std::vector<int>> ids = readPuntRows(connection, templateId);
    if (!ids) {
        return statementFailed(connection, kDatabaseAccessMessage, kReadFailed);
    }
    return std::move(*ids);
}

Outcome<Done> writePunts(Connection& connection, const DraftSettings& settings,
                         const std::vector<int>& categoryids) {
    const int draft = settings.template_id;
    TransactionGuard transaction(connection);
    bool saved = transaction.begun() && deletePuntRows(connection, draft);
    for (int categoryid : categoryids) {
        if (saved && inDraft(settings, categoryid)) {
            saved = insertPuntRow(connection, draft, categoryid);
        }
    }
    if (!saved || !transaction.commit()) {
        transaction.rollback();
        connection.log().writeEntry(kSaveFailed);
        return WriteFailure{WriteFailure::Kind::Failed,
                            Message{std::string(kDatabaseErrorTitle),
                                    std::string(kDatabaseUpdateMessage), MessageIcon::Exclamation},
                            std::string(kSaveFailed),
                            {}};
    }
    return Done{};
}

}  // namespace quorvane
