// SPDX-License-Identifier: MIT
#include "room/MovePlayer.h"

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "model/ModelChanges.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftTakenRepository.h"
#include "store/TransactionGuard.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr CheckLogLines kMoveCheckLines{" 11002 error: could not access database",
                                        " 11003 error: could not access database",
                                        " 11004 error: could not access database"};

MoveResult failed(ProgramState& state, TransactionGuard& transaction, MoveResult& result) {
    transaction.rollback();
    loadDraft(state, state.draftSettings()->template_id);
    result.outcome = MoveOutcome::Failed;
    return result;
}

// A dropped pick leaves its turn used: it becomes a skip of that turn, as the history rebuilt
// from the picks would have it, and no later pick changes its number. A dropped keeper, or a
// sale (an auction numbers sales, not turns), is taken back.
bool recordDrop(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry) {
    const DraftSettings& draft = *state.draftSettings();
    if (entry.kind == HistoryKind::Keeper || draft.drafttype == kDraftTypeAuction) {
        return takeBackEntry(state, dialogs, entry);
    }
    HistoryEntry skip = entry;
    skip.kind = HistoryKind::Skip;
    skip.teamid = teamOfTurn(draft, entry.turn);
    skip.playerid = 0;
    skip.dollars = 0.0;
    skip.pos.clear();
    return rewriteHistoryEntry(state, dialogs, skip);
}

}  // namespace

std::optional<MoveForm> openMovePlayer(ProgramState& state, int playerid, int teamid) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const auto held = readHeldPlayer(state.dbConnection, draft.template_id, teamid, playerid,
                                     state.projectionYear);
    if (!held || !*held) {
        return std::nullopt;
    }
    const HeldPlayerRow& pick = **held;
    MoveForm form;
    form.playerName = pick.firstname + " " + pick.lastname;
    form.teams.teams.reserve(draft.draftTeams.size());
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            form.teams.selected = static_cast<int>(form.teams.teams.size());
        }
        form.teams.teams.push_back({team.teamname, team.teamid});
    }
    form.positions = choosePosition(draft, pick.slot);
    form.dollars = pick.price;
    form.showDollars = draft.drafttype == kDraftTypeAuction;
    return form;
}

MoveResult changePlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars,
                        const PlayerListView& list) {
    MoveResult result;
    if (!state.draftSettings()) {
        return result;
    }
    // Held to the end: the turn this moves replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    std::optional<double> price;
    if (draft.drafttype == kDraftTypeAuction) {
        const std::optional<double> bid = readBid(dialogs, dollars, draft);
        if (!bid) {
            return result;
        }
        price = *bid;
        const CheckResult money =
            confirmMoney(state, dialogs, teamid, *bid, playerid, kMoveCheckLines);
        if (money != CheckResult::Passed) {
            result.outcome =
                money == CheckResult::Failed ? MoveOutcome::Failed : MoveOutcome::Stopped;
            return result;
        }
    }
    const CheckResult slot = confirmSlot(state, dialogs, teamid, pos, playerid, kMoveCheckLines);
    if (slot != CheckResult::Passed) {
        result.outcome = slot == CheckResult::Failed ? MoveOutcome::Failed : MoveOutcome::Stopped;
        return result;
    }
    // Outside auctions the price stays what it was.
    const bool auction = draft.drafttype == kDraftTypeAuction;
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return failed(state, transaction, result);
    }
    if (!moveTaken(state.dbConnection, draft.template_id, playerid, teamid, pos, price)) {
        reportDatabaseError(dialogs, state.dbConnection, " 50007 error: could not access database");
        return failed(state, transaction, result);
    }
    // The pick keeps its turn (a keeper stays a keeper); its entry names the new team.
    if (std::optional<HistoryEntry> entry = entryOfPlayer(*standing, playerid)) {
        entry->teamid = teamid;
        entry->pos = pos;
        if (auction) {
            entry->dollars = price.value_or(0.0);
        }
        if (!rewriteHistoryEntry(state, dialogs, *entry)) {
            return failed(state, transaction, result);
        }
    }
    if (!transaction.commit()) {
        return failed(state, transaction, result);
    }
    keepOwnChange(state, modelCurrent,
                  [&](DraftModel& model) { applyMove(model, playerid, teamid, pos, price); });
    result.outcome = MoveOutcome::Changed;
    result.view = refreshMain(state, dialogs, list);
    return result;
}

MoveResult dropPlayer(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                      const PlayerListView& list) {
    MoveResult result;
    if (!state.draftSettings()) {
        return result;
    }
    // Held to the end: the turn this moves replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return failed(state, transaction, result);
    }
    const std::optional<int> removed =
        deleteTeamPlayerTaken(state.dbConnection, draft.template_id, teamid, playerid);
    if (!removed) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 50052 error: could not access database ");
        return failed(state, transaction, result);
    }
    const std::optional<HistoryEntry> entry = entryOfPlayer(*standing, playerid);
    if (*removed > 0 && entry && !recordDrop(state, dialogs, *entry)) {
        return failed(state, transaction, result);
    }
    if (!transaction.commit()) {
        return failed(state, transaction, result);
    }
    keepOwnChange(state, modelCurrent,
                  [&](DraftModel& model) { applyDrop(model, playerid, teamid); });
    result.outcome = MoveOutcome::Changed;
    result.view = refreshMain(state, dialogs, list);
    return result;
}

int teamOfPlayer(ProgramState& state, int playerid) {
    if (!state.draftSettings()) {
        return 0;
    }
    return readTeamOfPlayer(state.dbConnection, state.draftSettings()->template_id, playerid)
        .value_or(0);
}

}  // namespace quorvane
