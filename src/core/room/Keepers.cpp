// SPDX-License-Identifier: MIT
#include "room/Keepers.h"

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "model/ModelChanges.h"
#include "room/KeeperRules.h"
#include "room/PlayerLists.h"
#include "room/RoomValues.h"
#include "room/TurnHistoryWriter.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"

namespace quorvane {

std::optional<GridTable> fillKeeperFreeAgents(ProgramState& state, UserDialogs& dialogs) {
    const auto players = readFreePlayersByName(state.dbConnection, state.projectionYear,
                                               state.draftSettings()->template_id);
    if (!players) {
        reportDatabaseError(dialogs, state.dbConnection, " 12001 error: could not access database");
        return std::nullopt;
    }
    GridTable grid;
    grid.headings = {"playerid", "Name", "Team", "Pos"};
    grid.rows.reserve(players->size());
    for (const FreePlayerRow& player : *players) {
        grid.rows.push_back(
            {std::to_string(player.playerid), commaName(player), player.team, player.pos});
    }
    grid.hiddenColumns = {0};
    return grid;
}

std::optional<GridTable> fillKeepers(ProgramState& state, UserDialogs& dialogs, int teamid) {
    const auto keepers = readKeeperRows(state.dbConnection, state.projectionYear,
                                        state.draftSettings()->template_id, teamid);
    if (!keepers) {
        reportDatabaseError(dialogs, state.dbConnection, " 12002 error: could not access database");
        return std::nullopt;
    }
    GridTable grid = keeperGrid(*keepers);
    grid.hiddenColumns = {0};
    if (state.draftSettings()->drafttype != kDraftTypeAuction) {
        grid.hiddenColumns.insert(grid.hiddenColumns.end(), {3, 4, 5});
    }
    return grid;
}

GridTable keeperGrid(const std::vector<KeeperRow>& keepers) {
    const auto money = [](std::optional<double> value) {
        return value ? formatPattern(*value, "0.00") : std::string();
    };
    GridTable grid;
    grid.headings = {"playerid", "Name", "Pos", "Price", "Value", "Surplus"};
    grid.rows.reserve(keepers.size());
    for (const KeeperRow& keeper : keepers) {
        const std::optional<double> surplus =
            keeper.value && keeper.price ? std::optional<double>(*keeper.value - *keeper.price)
                                         : std::nullopt;
        grid.rows.push_back({std::to_string(keeper.playerid),
                             commaName(keeper.firstname, keeper.lastname),
                             keeper.pos, keeper.priceText, money(keeper.value), money(surplus)});
    }
    return grid;
}

std::string keepersTitle(const ProgramState& state, int teamid) {
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.teamid == teamid) {
            return "Listed Keepers for " + team.teamname;
        }
    }
    return "Listed Keepers for ";
}

std::optional<KeeperDialog> openKeeperDialog(ProgramState& state, UserDialogs& dialogs,
                                             int playerid) {
    const auto card = readPlayerCard(state.dbConnection, state.projectionYear, playerid);
    if (!card) {
        reportDatabaseError(dialogs, state.dbConnection, " 14001 error: could not access database");
        return std::nullopt;
    }
    KeeperDialog dialog;
    // The caption joins the names only when the player has both.
    const bool named = *card && (*card)->firstname && (*card)->lastname;
    dialog.playerName = named ? *(*card)->firstname + " " + *(*card)->lastname : std::string();
    dialog.positions = choosePosition(*state.draftSettings(), *card ? (*card)->pos : std::string());
    dialog.showDollars = state.draftSettings()->drafttype == kDraftTypeAuction;
    dialog.value = *card ? (*card)->dollars : 0.0;
    return dialog;
}

std::string keeperSurplusCaption(double value, std::string_view priceText) {
    std::string caption = "Value " + formatMoney(value, 2);
    if (const std::optional<double> price = parseNumber(trim(priceText))) {
        caption += ", surplus " + formatMoney(value - *price, 2);
    }
    return caption;
}

KeeperOutcome addKeeper(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars) {
    // Held to the end: the turn this moves replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    double price = 0.0;
    if (draft.drafttype == kDraftTypeAuction) {
        const std::optional<double> bid = readBid(dialogs, dollars, draft);
        if (!bid) {
            return KeeperOutcome::Stopped;
        }
        price = *bid;
    }
    TransactionGuard transaction(state.dbConnection);
    const auto failed = [&] {
        transaction.rollback();
        loadDraft(state, draft.template_id);
        return KeeperOutcome::Failed;
    };
    // A model held and current under the writer's lock answers without a statement; a program
    // that holds none (the command line, a sync between writes) asks the file alone rather than
    // reading every player for one question.
    const bool modelCurrent = heldModelIsCurrent(state);
    const DraftModel* model = modelCurrent ? currentDraftModel(state, dialogs) : nullptr;
    std::optional<RuleMessage> refusal;
    if (model != nullptr) {
        refusal = keeperRefusal(*model, playerid);
    } else {
        const std::optional<std::int64_t> taken =
            countPlayerTaken(state.dbConnection, draft.template_id, playerid);
        if (!taken) {
            reportDatabaseError(dialogs, state.dbConnection,
                                " 14003 error: could not access database");
            return failed();
        }
        refusal = keeperRefusal(*taken != 0);
    }
    if (refusal) {
        transaction.rollback();
        dialogs.showMessage(std::string(refusal->title), std::string(refusal->text),
                            MessageIcon::Exclamation);
        return KeeperOutcome::Stopped;
    }
    if (!reconcileTurnHistory(state, dialogs)) {
        return failed();
    }
    if (!insertTaken(state.dbConnection, draft.template_id, {playerid, teamid, pos, 0, price})) {
        reportDatabaseError(dialogs, state.dbConnection, " 14003 error: could not access database");
        return failed();
    }
    HistoryEntry keeper;
    keeper.kind = HistoryKind::Keeper;
    keeper.teamid = teamid;
    keeper.playerid = playerid;
    keeper.dollars = price;
    keeper.pos = pos;
    if (!recordHistoryEntry(state, dialogs, keeper) || !transaction.commit()) {
        return failed();
    }
    keepOwnChange(state, modelCurrent,
                  [&](DraftModel& kept) { applyPick(kept, playerid, teamid, pos, 0, price); });
    return KeeperOutcome::Added;
}

bool isKeeper(ProgramState& state, int playerid) {
    const std::optional<std::int64_t> kept =
        countPlayerKept(state.dbConnection, state.draftSettings()->template_id, playerid);
    return kept && *kept > 0;
}

bool removeKeeper(ProgramState& state, UserDialogs& dialogs, int playerid) {
    if (!dialogs.askYesNo(std::string(kRemoveKeeperQuestion.title),
                          std::string(kRemoveKeeperQuestion.text))) {
        return false;
    }
    return takeOffKeeper(state, dialogs, playerid);
}

bool takeOffKeeper(ProgramState& state, UserDialogs& dialogs, int playerid) {
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    const auto undone = [&] {
        transaction.rollback();
        loadDraft(state, state.draftSettings()->template_id);
        return false;
    };
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return undone();
    }
    const std::optional<int> removed =
        deleteKeeperTaken(state.dbConnection, state.draftSettings()->template_id, playerid);
    if (!removed) {
        reportDatabaseError(dialogs, state.dbConnection, " 12102 error: could not access database");
        return undone();
    }
    if (*removed == 0) {
        return undone();
    }
    // The keeper's entry is taken back, so the history keeps what was removed.
    const std::optional<HistoryEntry> entry = entryOfPlayer(*standing, playerid);
    if ((entry && !takeBackEntry(state, dialogs, *entry)) || !transaction.commit()) {
        return undone();
    }
    keepOwnChange(state, modelCurrent,
                  [playerid](DraftModel& kept) { applyKeeperRemoved(kept, playerid); });
    return true;
}

RoomView doneAddingKeepers(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list,
                           int mainRosterTeamId) {
    RoomView view = refreshAfterPick(state, dialogs, list, mainRosterTeamId);
    view.draftLog.reset();  // keepers never appear in the draft log
    return view;
}

}  // namespace quorvane
