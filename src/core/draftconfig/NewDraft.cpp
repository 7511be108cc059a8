// SPDX-License-Identifier: MIT
#include "draftconfig/NewDraft.h"

#include <array>
#include <string_view>

#include "platform/Log.h"
#include "store/Connection.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"
#include "vocabulary/StatementFailures.h"

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

// The statement's own log line comes before the message's.
WriteFailure fail(const Connection& db, const std::string& logText, std::string_view message) {
    db.log().writeEntry(logText);
    WriteFailure failure =
        statementFailed(db, Message{"Error", std::string(message), MessageIcon::Critical});
    if (failure.logLine.empty()) {
        failure.logLine = logText;
    }
    return failure;
}

Message invalidName(std::string text) {
    return {std::string(kInvalidNameTitle), std::move(text), MessageIcon::Exclamation};
}

}  // namespace

Decision decideNewDraft(const NewDraftChoice& choice) {
    Decision decision;
    const std::string name = trimRight(choice.name);
    if (name.empty()) {
        decision.refusal = invalidName("You must enter a draft name");
    } else if (const auto problem = textProblem(name, kMaxDraftNameCharacters)) {
        decision.refusal = invalidName("The draft name " + *problem);
    } else if (choice.teamsIndex < 0 || choice.teamsIndex >= kMaxTeams) {
        decision.refusal = invalidName("The number of teams must be 1 to 30.");
    }
    return decision;
}

Outcome<int> writeNewDraft(Connection& db, const NewDraftChoice& choice) {
    if (const Decision decision = decideNewDraft(choice); decision.refused()) {
        return WriteFailure{WriteFailure::Kind::Refused, *decision.refusal, {}, {}};
    }
    const std::string name = trimRight(choice.name);
    const int teams = choice.teamsIndex + 1;
    // The name check and the inserts see one state of the file: another program cannot add a
    // draft of this name in between.
    TransactionGuard transaction(db);
    const std::optional<std::int64_t> count = countDraftsNamed(db, name);
    if (!count) {
        return fail(db, ": Error 10001 - Could not get template count from table",
                    "Err 10001: Could not save data. If the problem persists please contact "
                    "customer support.");
    }
    if (*count > 0) {
        return WriteFailure{WriteFailure::Kind::Refused,
                            invalidName("A draft with that name already exists"),
                            {},
                            {}};
    }

    const int drafttype = choice.auction ? kDraftTypeAuction : kDraftTypeSnake;
    const int scoringstyle = choice.headToHead   ? kScoringHeadToHead
                             : choice.rotisserie ? kScoringRotisserie
                                                 : kScoringPoints;

    const std::optional<int> inserted =
        insertDraftTemplate(db, name, teams, drafttype, scoringstyle);
    if (!inserted) {
        return fail(db, ": Error 10002 - Could not insert template into table: " + name,
                    "Err 10002: Could not save data. If the problem persists please contact "
                    "customer support.");
    }
    const int templateId = *inserted;

    if (!insertDraftNotes(db, templateId)) {
        return fail(db, ": Error 10002 - Could not insert into draftnotes: ",
                    "Err 10002: Could not save data. If the problem persists please contact "
                    "customer support.");
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
            return fail(db,
                        ": Error 90001 - Could not insert team: " + std::to_string(templateId) +
                            ",'Owner " + std::to_string(position),
                        saveFailed);
        }
    }

    const auto insertCategories = [&](const auto& defaults) -> std::optional<WriteFailure> {
        for (const DefaultCategory& category : defaults) {
            if (!insertDraftCategory(db, templateId, category.categoryid, category.points)) {
                return fail(db,
                            ": Error - Could not insert category " +
                                std::to_string(category.categoryid) + " into draft " +
                                std::to_string(templateId),
                            saveFailed);
            }
        }
        return std::nullopt;
    };
    if (auto failure = scoringstyle == kScoringPoints ? insertCategories(kPointsCategories)
                                                      : insertCategories(kRotisserieCategories)) {
        return std::move(*failure);
    }
    if (choice.headToHead &&
        !writeHeadToHeadRows(db, templateId, {choice.headToHeadMode, kDefaultGamesPerWeek}, {})) {
        return fail(db, ": Error - Could not insert head-to-head settings", saveFailed);
    }

    if (!insertDraftRoster(db, templateId)) {
        return fail(db, ": Error - Could not insert roster", saveFailed);
    }
    if (!transaction.commit()) {
        return statementFailed(db,
                               Message{"Error", std::string(saveFailed), MessageIcon::Critical});
    }
    return templateId;
}

}  // namespace quorvane
