// SPDX-License-Identifier: MIT
#include "draftconfig/NewDraft.h"

#include <array>
#include <string_view>

#include "model/DraftLoader.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"

namespace quorvane {

namespace {

struct DefaultCategory {
    int categoryid;
    double points;
};

constexpr std::array<DefaultCategory, 11> kPointsCategories = {{{1, .5},
                                                                {2, 2},
                                                                {28, 3},
                                                                {3, 3},
                                                                {5, 1.5},
                                                                {20, -0.45},
                                                                {19, 1},
                                                                {22, -0.75},
                                                                {21, 1},
                                                                {16, 3},
                                                                {9, -2}}};

constexpr std::array<DefaultCategory, 9> kRotisserieCategories = {
    {{15, 1}, {14, 1}, {16, 1}, {1, 1}, {5, 1}, {2, 1}, {3, 1}, {28, 1}, {9, 1}}};

constexpr std::string_view kInvalidNameTitle = "Invalid Draft Name";

void fail(UserDialogs& dialogs, const Connection& db, const std::string& logText,
          std::string_view message) {
    db.log().writeEntry(logText);
    showDatabaseFailure(dialogs, db, "Error", message, MessageIcon::Critical);
}

}  // namespace

std::optional<int> createDraft(ProgramState& state, UserDialogs& dialogs,
                               const NewDraftChoice& choice) {
    const std::string name = trimRight(choice.name);
    if (name.empty()) {
        dialogs.showMessage(kInvalidNameTitle, "You must enter a draft name",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (const auto problem = textProblem(name, kMaxDraftNameCharacters)) {
        dialogs.showMessage(kInvalidNameTitle, "The draft name " + *problem,
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    const int teams = choice.teamsIndex + 1;
    if (teams < 1 || teams > kMaxTeams) {
        dialogs.showMessage(kInvalidNameTitle, "The number of teams must be 1 to 30.",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    Connection& db = state.dbConnection;
    // The name check and the inserts see one state of the file: another program cannot add a
    // draft of this name in between.
    TransactionGuard transaction(db);
    const std::optional<std::int64_t> count = countDraftsNamed(db, name);
    if (!count) {
        fail(dialogs, db, ": Error 10001 - Could not get template count from table",
             "Err 10001: Could not save data. If the problem persists please contact customer "
             "support.");
        return std::nullopt;
    }
    if (*count > 0) {
        dialogs.showMessage(kInvalidNameTitle, "A draft with that name already exists",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }

    const int drafttype = choice.auction ? kDraftTypeAuction : kDraftTypeSnake;
    const int scoringstyle = choice.headToHead   ? kScoringHeadToHead
                             : choice.rotisserie ? kScoringRotisserie
                                                 : kScoringPoints;

    const std::optional<int> inserted =
        insertDraftTemplate(db, name, teams, drafttype, scoringstyle);
    if (!inserted) {
        fail(dialogs, db, ": Error 10002 - Could not insert template into table: " + name,
             "Err 10002: Could not save data. If the problem persists please contact customer "
             "support.");
        return std::nullopt;
    }
    const int templateId = *inserted;

    if (!insertDraftNotes(db, templateId)) {
        fail(dialogs, db, ": Error 10002 - Could not insert into draftnotes: ",
             "Err 10002: Could not save data. If the problem persists please contact customer "
             "support.");
        return std::nullopt;
    }

    // Teams, categories and the roster row: the old program logged these failures and went on,
    // leaving a half-made draft; here any failure undoes the whole creation.
    const std::string_view saveFailed =
        "Err 10002: Could not save data. If the problem persists please contact customer "
        "support.";
    for (int position = 1; position <= teams; ++position) {
        const int mine = position == 1 ? 1 : 0;
        if (!insertDraftTeam(db, templateId, "Owner " + std::to_string(position), position, mine,
                             mine)) {
            fail(dialogs, db,
                 ": Error 90001 - Could not insert team: " + std::to_string(templateId) +
                     ",'Owner " + std::to_string(position),
                 saveFailed);
            return std::nullopt;
        }
    }

    const auto insertCategories = [&](const auto& defaults) {
        for (const DefaultCategory& category : defaults) {
            if (!insertDraftCategory(db, templateId, category.categoryid, category.points)) {
                fail(dialogs, db,
                     ": Error - Could not insert category " + std::to_string(category.categoryid) +
                         " into draft " + std::to_string(templateId),
                     saveFailed);
                return false;
            }
        }
        return true;
    };
    const bool categoriesInserted = scoringstyle == kScoringPoints
                                        ? insertCategories(kPointsCategories)
                                        : insertCategories(kRotisserieCategories);
    if (!categoriesInserted) {
        return std::nullopt;
    }
    if (choice.headToHead &&
        !writeHeadToHeadRows(db, templateId, {choice.headToHeadMode, kDefaultGamesPerWeek}, {})) {
        fail(dialogs, db, ": Error - Could not insert head-to-head settings", saveFailed);
        return std::nullopt;
    }

    if (!insertDraftRoster(db, templateId)) {
        fail(dialogs, db, ": Error - Could not insert roster", saveFailed);
        return std::nullopt;
    }
    if (!transaction.commit()) {
        showDatabaseFailure(dialogs, db, "Error", saveFailed, MessageIcon::Critical);
        return std::nullopt;
    }

    loadDraft(state, templateId);
    return templateId;
}

}  // namespace quorvane
