// SPDX-License-Identifier: MIT
#include "draftconfig/SetupEditor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "draftconfig/SetupRequest.h"
#include "model/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

// Reports a failed write: the numbered log line and the "Could Not Save" message.
bool saveFailed(UserDialogs& dialogs, const Connection& db, std::string_view logLiteral) {
    db.log().writeEntry(logLiteral);
    showDatabaseFailure(dialogs, db, "Could Not Save",
                        "An error occured while saving template settings.",
                        MessageIcon::Exclamation);
    return false;
}

bool writeDraftRow(Connection& db, const SetupRequest& request, int templateId,
                   UserDialogs& dialogs) {
    DraftTemplateUpdate update{request.scoringStyle, request.draftType,
                               static_cast<std::int64_t>(request.teams.size()),
                               request.roundsIndex + 1, std::nullopt};
    if (request.draftType == kDraftTypeAuction) {
        update.auction = DraftTemplateUpdate::Money{request.salaryCap, request.minBid};
    }
    return updateDraftTemplate(db, templateId, update) ||
           saveFailed(dialogs, db, ": error 40001: Could not save values for template.");
}

bool writeRosterRow(Connection& db, const SetupRequest& request, int templateId,
                    UserDialogs& dialogs) {
    const auto& s = request.rosterSlots;
    // A draft without a roster row would silently lose its slots: make sure the row exists.
    const bool written =
        ensureDraftRoster(db, templateId) &&
        updateDraftRoster(db, templateId,
                          RosterSlotsRow{s[kListC], s[kListG], s[kListPG], s[kListSG], s[kListF],
                                         s[kListPF], s[kListSF], s[kListUT], s[kListR]});
    return written || saveFailed(dialogs, db, ": error 40002: Could not save values for template.");
}

bool writeCategories(Connection& db, const SetupRequest& request, int templateId,
                     UserDialogs& dialogs) {
    if (!deleteDraftCategories(db, templateId)) {
        return saveFailed(dialogs, db, ": error 40005: Could not save values for template.");
    }
    for (std::size_t box = 0; box < request.categoryTicked.size(); ++box) {
        if (!request.categoryTicked[box]) {
            continue;
        }
        // A rotisserie league gives its categories no weight.
        const double points =
            request.scoringStyle == kScoringPoints ? request.categoryWeight[box] : 0.0;
        if (!insertDraftCategory(db, templateId, kSetupCategoryBoxes[box], points)) {
            return saveFailed(dialogs, db, ": error 40005: Could not save values for template.");
        }
    }
    return true;
}

// Only ratios that differ from the catalogue's are the draft's own; a box left unticked keeps
// a ratio the user set, so that ticking it again brings it back.
bool writeHeadToHead(Connection& db, const SetupRequest& request, int templateId,
                     UserDialogs& dialogs) {
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
           saveFailed(dialogs, db, ": error 40011: Could not save values for template.");
}

bool writeTeams(Connection& db, const SetupRequest& request, int templateId, UserDialogs& dialogs) {
    for (const SetupTeamEntry& team : request.teams) {
        const auto order = static_cast<long long>(team.order);
        const int owner = team.mine ? 1 : 0;
        if (!team.teamid) {
            if (!insertDraftTeam(db, templateId, team.name, order, owner)) {
                return saveFailed(dialogs, db,
                                  ": error 40006: Could not save values for template.");
            }
        } else if (!updateDraftTeam(db, templateId, *team.teamid, team.name, order, owner)) {
            return saveFailed(dialogs, db, ": error 40007: Could not save values for template.");
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
bool resetTurn(ProgramState& state, UserDialogs& dialogs, int turn) {
    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    const std::optional<std::int64_t> picks = countDraftPicks(db, templateId);
    if (!picks) {
        return saveFailed(dialogs, db, ": error 40108: Could not save values for template.");
    }
    if (*picks != 0) {
        loadDraft(state, templateId);
        return shown(dialogs, putTurnOn(state, turn, turnLines(*state.draftSettings())))
            .has_value();
    }
    if (!restartTurns(db, templateId)) {
        return saveFailed(dialogs, db, ": error 40011: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::NoTeam)) {
        return saveFailed(dialogs, db, ": error 40008: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::FirstPosition)) {
        return saveFailed(dialogs, db, ": error 40009: Could not save values for template.");
    }
    return true;
}

}  // namespace

SetupSaveOutcome saveSetup(ProgramState& state, UserDialogs& dialogs, SetupForm& form) {
    if (!state.draftSettings()) {
        dialogs.showMessage("No Draft Open", "You must open a draft before editing it",
                            MessageIcon::Exclamation);
        return {};
    }
    const SetupRequest request = typedSetup(form);
    if (const SetupDecision verdict = decideSetupSave(request); verdict.decision.refused()) {
        const Message& refusal = *verdict.decision.refusal;
        dialogs.showMessage(refusal.title, refusal.text, refusal.icon);
        return {false, verdict.tab};
    }

    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    // A failed save leaves the draft in memory as it was, as the rollback leaves the tables.
    const std::shared_ptr<const LoadedDraft> before = state.loadedDraft;
    TransactionGuard transaction(db);
    // The turn on the clock as the draft stood; a new order or team count only changes who
    // holds it.
    const auto standing = shown(dialogs, reconcileTurnHistory(state));
    if (!standing || !writeDraftRow(db, request, templateId, dialogs) ||
        !writeRosterRow(db, request, templateId, dialogs) ||
        !writeCategories(db, request, templateId, dialogs) ||
        !writeHeadToHead(db, request, templateId, dialogs) ||
        !writeTeams(db, request, templateId, dialogs) ||
        !resetTurn(state, dialogs, turnAfter(*standing))) {
        transaction.rollback();
        state.loadedDraft = before;
        return {};
    }
    if (!transaction.commit()) {
        state.loadedDraft = before;
        saveFailed(dialogs, db, ": error 40001: Could not save values for template.");
        return {};
    }

    loadDraft(state, templateId);
    form = fillSetup(*state.draftSettings());
    return {true, std::nullopt};
}

DeleteTeamOutcome deleteTeam(ProgramState& state, UserDialogs& dialogs, SetupForm& form,
                             std::size_t row) {
    if (!state.draftSettings() || row >= form.teamRows.size()) {
        return DeleteTeamOutcome::Refused;
    }
    const SetupTeamRow& team = form.teamRows[row];
    if (team.mine) {
        dialogs.showMessage("Cannot Delete Your Team",
                            "You cannot delete your team from the draft.  If you want to delete "
                            "this team then you must first select another team as \"Mine\".",
                            MessageIcon::Exclamation);
        return DeleteTeamOutcome::Refused;
    }
    if (!team.teamid) {
        loadTeams(state);
        form.teamRows = fillTeamRows(*state.draftSettings());
        return DeleteTeamOutcome::Discarded;
    }
    if (!dialogs.askYesNo("Delete Team?",
                          "Deleting this team will completely reset your draft to the beginning "
                          "and remove all players.  Do you wish to continue?")) {
        return DeleteTeamOutcome::Cancelled;
    }

    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    const std::string_view failedTitle = "Could Not Save";
    const std::string_view failedText = "An error occured while saving template settings.";
    TransactionGuard transaction(db);
    if (!deleteDraftPicks(db, templateId) || !restartTurns(db, templateId) ||
        !resetCurrentPick(db, templateId, ClockReset::OnlyFirst)) {
        db.log().writeEntry(": error 40008: Could not connect to database.");
        showDatabaseFailure(dialogs, db, failedTitle, failedText, MessageIcon::Exclamation);
        return DeleteTeamOutcome::Failed;
    }
    if (!deleteDraftTeam(db, templateId, *team.teamid) || !transaction.commit()) {
        db.log().writeEntry(": error 40010: Could not connect to database.");
        showDatabaseFailure(dialogs, db, failedTitle, failedText, MessageIcon::Exclamation);
        return DeleteTeamOutcome::Failed;
    }
    loadTeams(state);
    form.teamRows = fillTeamRows(*state.draftSettings());
    return DeleteTeamOutcome::Deleted;
}

}  // namespace quorvane
