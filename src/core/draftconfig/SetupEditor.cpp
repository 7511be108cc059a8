// SPDX-License-Identifier: MIT
#include "draftconfig/SetupEditor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "draftconfig/SetupRequest.h"
#include "model/DraftLoader.h"
#include "model/DraftSession.h"
#include "room/TurnHistoryWriter.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/StatementFailures.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

// A failed write: the numbered log line, then the "Could Not Save" message (or the busy one).
Message unsaved(const Connection& db, std::string_view logLiteral) {
    db.log().writeEntry(logLiteral);
    return statementFailed(
               db, Message{"Could Not Save", "An error occured while saving template settings.",
                           MessageIcon::Exclamation})
        .message;
}

// The failure a step hands back to the save, which stops there.
using Failure = std::optional<Message>;

bool saveFailed(Failure& failure, const Connection& db, std::string_view logLiteral) {
    failure = unsaved(db, logLiteral);
    return false;
}

// Keeps a turn step's message for the save to show; a step that logged its own has none.
template <class T>
std::optional<T> keptTurnStep(Outcome<T>&& outcome, Failure& failure) {
    if (!outcome) {
        if (!outcome.failure().message.text.empty()) {
            failure = outcome.failure().message;
        }
        return std::nullopt;
    }
    return std::move(outcome.value());
}

bool writeDraftRow(Connection& db, const SetupRequest& request, int templateId, Failure& failure) {
    DraftTemplateUpdate update{request.scoringStyle, request.draftType,
                               static_cast<std::int64_t>(request.teams.size()),
                               request.roundsIndex + 1, std::nullopt};
    if (request.draftType == kDraftTypeAuction) {
        update.auction = DraftTemplateUpdate::Money{request.salaryCap, request.minBid};
    }
    return updateDraftTemplate(db, templateId, update) ||
           saveFailed(failure, db, ": error 40001: Could not save values for template.");
}

bool writeRosterRow(Connection& db, const SetupRequest& request, int templateId, Failure& failure) {
    const auto& s = request.rosterSlots;
    // A draft without a roster row would silently lose its slots: make sure the row exists.
    const bool written =
        ensureDraftRoster(db, templateId) &&
        updateDraftRoster(db, templateId,
                          RosterSlotsRow{s[kListC], s[kListG], s[kListPG], s[kListSG], s[kListF],
                                         s[kListPF], s[kListSF], s[kListUT], s[kListR]});
    return written || saveFailed(failure, db, ": error 40002: Could not save values for template.");
}

bool writeCategories(Connection& db, const SetupRequest& request, int templateId,
                     Failure& failure) {
    if (!deleteDraftCategories(db, templateId)) {
        return saveFailed(failure, db, ": error 40005: Could not save values for template.");
    }
    for (std::size_t box = 0; box < request.categoryTicked.size(); ++box) {
        if (!request.categoryTicked[box]) {
            continue;
        }
        // A rotisserie league gives its categories no weight.
        const double points =
            request.scoringStyle == kScoringPoints ? request.categoryWeight[box] : 0.0;
        if (!insertDraftCategory(db, templateId, kSetupCategoryBoxes[box], points)) {
            return saveFailed(failure, db, ": error 40005: Could not save values for template.");
        }
    }
    return true;
}

// Only ratios that differ from the catalogue's are the draft's own; a box left unticked keeps
// a ratio the user set, so that ticking it again brings it back.
bool writeHeadToHead(Connection& db, const SetupRequest& request, int templateId,
                     Failure& failure) {
    if (request.scoringStyle != kScoringHeadToHead) {
        return true;
    }
    std::vector<VarianceRatioRow> ratios;
    for (std::size_t box = 0; box < request.varianceRatio.size(); ++box) {
        const int categoryid = kSetupCategoryBoxes[box];
        // A ratio that could not be read is NaN, which equals nothing and is never stored.
        const double ratio = request.varianceRatio[box];
        if (!std::isnan(ratio) && ratio != defaultVarianceRatio(categoryid)) {
            ratios.push_back({categoryid, ratio});
        }
    }
    const HeadToHeadRow settings{request.headToHeadMode, request.gamesPerWeek};
    return writeHeadToHeadRows(db, templateId, settings, ratios) ||
           saveFailed(failure, db, ": error 40011: Could not save values for template.");
}

bool writeTeams(Connection& db, const SetupRequest& request, int templateId, Failure& failure) {
    for (const SetupTeamEntry& team : request.teams) {
        const auto order = static_cast<long long>(team.order);
        const int owner = team.mine ? 1 : 0;
        if (!team.teamid) {
            if (!insertDraftTeam(db, templateId, team.name, order, owner)) {
                return saveFailed(failure, db,
                                  ": error 40006: Could not save values for template.");
            }
        } else if (!updateDraftTeam(db, templateId, *team.teamid, team.name, order, owner)) {
            return saveFailed(failure, db, ": error 40007: Could not save values for template.");
        }
    }
    return true;
}

// The draft starts again: no entry of its turn history stands and position 1 is on the clock
// with the first round running up (a direction left at "D" would turn the first round around).
bool restartTurns(Connection& db, int templateId) {
    return clearTurnHistory(db, templateId) && setDraftDirectionUp(db, templateId);
}

// With no player on any team the turn starts again at the first pick; otherwise the turn the
// history has on the clock (`turn`) goes to the team the new order gives it.
bool resetTurn(DraftSession& session, Failure& failure, int turn) {
    Connection& db = session.dbConnection;
    const int templateId = session.draftSettings()->template_id;
    const std::optional<std::int64_t> picks = countDraftPicks(db, templateId);
    if (!picks) {
        return saveFailed(failure, db, ": error 40108: Could not save values for template.");
    }
    if (*picks != 0) {
        loadDraft(session, templateId);
        const TurnLogLines& lines = turnLines(*session.draftSettings());
        return keptTurnStep(putTurnOn(session, turn, lines), failure).has_value();
    }
    if (!restartTurns(db, templateId)) {
        return saveFailed(failure, db, ": error 40011: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::NoTeam)) {
        return saveFailed(failure, db, ": error 40008: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::FirstPosition)) {
        return saveFailed(failure, db, ": error 40009: Could not save values for template.");
    }
    return true;
}

}  // namespace

SetupSaveOutcome saveSetup(DraftSession& session, SetupForm& form) {
    if (!session.draftSettings()) {
        return {false, std::nullopt,
                Message{"No Draft Open", "You must open a draft before editing it",
                        MessageIcon::Exclamation}};
    }
    const SetupRequest request = typedSetup(form);
    if (const SetupDecision verdict = decideSetupSave(request); verdict.decision.refused()) {
        return {false, verdict.tab, verdict.decision.refusal};
    }

    Connection& db = session.dbConnection;
    const int templateId = session.draftSettings()->template_id;
    // A failed save leaves the draft in memory as it was, as the rollback leaves the tables.
    const std::shared_ptr<const LoadedDraft> before = session.loadedDraft;
    Failure failure;
    TransactionGuard transaction(db);
    // The turn on the clock as the draft stood; a new order or team count only changes who
    // holds it.
    const std::optional<std::vector<HistoryEntry>> standing =
        keptTurnStep(reconcileTurnHistory(session), failure);
    if (!standing || !writeDraftRow(db, request, templateId, failure) ||
        !writeRosterRow(db, request, templateId, failure) ||
        !writeCategories(db, request, templateId, failure) ||
        !writeHeadToHead(db, request, templateId, failure) ||
        !writeTeams(db, request, templateId, failure) ||
        !resetTurn(session, failure, turnAfter(*standing))) {
        transaction.rollback();
        session.loadedDraft = before;
        return {false, std::nullopt, std::move(failure)};
    }
    if (!transaction.commit()) {
        session.loadedDraft = before;
        return {false, std::nullopt,
                unsaved(db, ": error 40001: Could not save values for template.")};
    }

    loadDraft(session, templateId);
    form = fillSetup(*session.draftSettings());
    return {true, std::nullopt, std::nullopt};
}

Decision decideDeleteTeam(const SetupForm& form, std::size_t row) {
    Decision decision;
    if (row >= form.teamRows.size()) {
        // A row the form does not have: nothing to delete, and nothing to say.
        decision.refusal = Message{};
        return decision;
    }
    const SetupTeamRow& team = form.teamRows[row];
    if (team.mine) {
        decision.refusal =
            Message{"Cannot Delete Your Team",
                    "You cannot delete your team from the draft.  If you want to delete "
                    "this team then you must first select another team as \"Mine\".",
                    MessageIcon::Exclamation};
    } else if (team.teamid) {
        decision.questions.push_back(
            {"Delete Team?",
             "Deleting this team will completely reset your draft to the beginning "
             "and remove all players.  Do you wish to continue?"});
    }
    return decision;
}

DeleteTeamResult deleteTeam(DraftSession& session, SetupForm& form, std::size_t row,
                            const Consent& consent) {
    if (!session.draftSettings()) {
        return {};
    }
    const Decision decision = decideDeleteTeam(form, row);
    if (decision.refused()) {
        return {DeleteTeamOutcome::Refused,
                decision.refusal->text.empty() ? std::nullopt : decision.refusal};
    }
    if (!consent.coversAll(decision.questions)) {
        return {DeleteTeamOutcome::Cancelled, std::nullopt};
    }
    const SetupTeamRow& team = form.teamRows[row];
    if (!team.teamid) {
        loadTeams(session);
        form.teamRows = fillTeamRows(*session.draftSettings());
        return {DeleteTeamOutcome::Discarded, std::nullopt};
    }

    Connection& db = session.dbConnection;
    const int templateId = session.draftSettings()->template_id;
    TransactionGuard transaction(db);
    if (!deleteDraftPicks(db, templateId) || !restartTurns(db, templateId) ||
        !resetCurrentPick(db, templateId, ClockReset::OnlyFirst)) {
        return {DeleteTeamOutcome::Failed,
                unsaved(db, ": error 40008: Could not connect to database.")};
    }
    if (!deleteDraftTeam(db, templateId, *team.teamid) || !transaction.commit()) {
        return {DeleteTeamOutcome::Failed,
                unsaved(db, ": error 40010: Could not connect to database.")};
    }
    loadTeams(session);
    form.teamRows = fillTeamRows(*session.draftSettings());
    return {DeleteTeamOutcome::Deleted, std::nullopt};
}

}  // namespace quorvane
