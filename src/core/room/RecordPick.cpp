// SPDX-License-Identifier: MIT
#include "room/RecordPick.h"

#include <algorithm>
#include <cctype>

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "room/AuctionBanner.h"
#include "room/KeeperRules.h"
#include "room/RoomValues.h"
#include "room/SlotChoice.h"
#include "room/TurnHistoryWriter.h"
#include "room/Turns.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DataVersion.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "store/DraftTeamRepository.h"
#include "store/TransactionGuard.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr CheckLogLines kPickCheckLines{" 50002 error: could not access database",
                                        " 50003 error: could not access database",
                                        " 50004 error: could not access database"};

constexpr TurnLogLines kSnakePickLines{
    " 50010 error: could not access database", " 50011 error: could not access database",
    " 50012 error: could not access database", " 50014 error: could not access database"};
constexpr TurnLogLines kStraightPickLines{" 50008 error: could not access database",
                                          " 50009 error: could not access database", "", ""};

}  // namespace

PickForm AddPlayerWindow::form() const {
    PickForm form;
    if (teams.selected >= 0) {
        form.teamid = teams.teams[static_cast<std::size_t>(teams.selected)].teamid;
    }
    form.pos = positions.selectedText();
    return form;
}

TeamSelector fillTeams(const ProgramState& state, std::optional<int> preselectTeamId) {
    TeamSelector selector;
    if (!state.draftSettings()) {
        return selector;
    }
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        const bool wanted =
            preselectTeamId ? team.teamid == *preselectTeamId : team.currentpick == 1;
        if (wanted) {
            selector.selected = static_cast<int>(selector.teams.size());
        }
        selector.teams.push_back({team.teamname, team.teamid});
    }
    // With nobody on the clock in a straight or snake draft (it is complete) the user names
    // the team; an auction's window shows the first team.
    const bool draftWithoutTurn =
        !preselectTeamId && state.draftSettings()->drafttype != kDraftTypeAuction;
    if (selector.selected < 0 && !selector.teams.empty() && !draftWithoutTurn) {
        selector.selected = 0;
    }
    return selector;
}

std::optional<std::string> showPlayer(ProgramState& state, int playerid) {
    const auto card = readPlayerCard(state.dbConnection, state.projectionYear, playerid);
    if (!card) {
        state.dbConnection.log().writeEntry(": 50001 - Could not get recordset for player list");
        return std::nullopt;
    }
    if (!*card) {
        return std::nullopt;
    }
    return cardName(**card) + " (" + (*card)->team + ")";
}

PositionChoice fillPosition(ProgramState& state, int playerid) {
    const auto card = readPlayerCard(state.dbConnection, state.projectionYear, playerid);
    if (!card) {
        return {};
    }
    return positionFor(*state.draftSettings(), *card ? (*card)->pos : std::string());
}

PositionChoice positionFor(const DraftSettings& draft, const std::string& pos) {
    const std::string natural = upperText(pos);
    // Each rule starts again from the player's own position, so a later rule undoes an earlier
    // substitution.
    std::string wanted = pos;
    if (draft.F == 0) {
        wanted = natural == "F" ? "PF" : pos;
    }
    if (draft.G == 0) {
        wanted = natural == "G" ? "SG" : pos;
    }
    if (draft.C == 0) {
        wanted = natural == "C" ? "UT" : pos;
    }
    return choosePosition(draft, wanted);
}

RosterGrid getAPRoster(ProgramState& state, UserDialogs& dialogs, int teamid) {
    const DraftSettings& draft = *state.draftSettings();
    std::string teamname;
    if (const auto name = readTeamName(state.dbConnection, teamid); !name) {
        state.dbConnection.log().writeEntry(
            " 50051 error: could not access database to get team name");
    } else {
        teamname = name->value_or(std::string());
    }
    double spent = 0.0;
    if (const auto money = readTeamMoneySpent(state.dbConnection, teamid); !money) {
        state.dbConnection.log().writeEntry(
            " 50051 error: could not access database to get amount spent");
    } else {
        spent = *money;
    }
    RosterGrid grid = getTeamRoster(state, dialogs, teamid);
    grid.title = draft.drafttype == kDraftTypeAuction
                     ? teamname + " - " + formatPrice(draft.dollars - spent, priceDecimals(draft)) +
                           " Remaining"
                     : teamname;
    return grid;
}

std::optional<AddPlayerWindow> openAddPlayer(ProgramState& state, UserDialogs& dialogs,
                                             int playerid, std::optional<int> preselectTeamId) {
    std::optional<AddPlayerWindow> window = openPickChoices(state, playerid, preselectTeamId);
    if (window) {
        window->roster = getAPRoster(state, dialogs, window->form().teamid);
    }
    return window;
}

std::optional<AddPlayerWindow> openPickChoices(ProgramState& state, int playerid,
                                               std::optional<int> preselectTeamId) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    AddPlayerWindow window;
    window.showDollars = state.draftSettings()->drafttype == kDraftTypeAuction;
    // In an auction the team that put the player up is the likeliest buyer.
    window.teams = fillTeams(state, preselectTeamId ? preselectTeamId : nominatingTeamOf(state));
    const std::optional<std::string> label = showPlayer(state, playerid);
    if (!label) {
        return std::nullopt;
    }
    window.playerLabel = *label;
    const std::optional<PositionChoice> slot = preselectSlot(state, playerid, window.form().teamid);
    window.positions = slot ? *slot : fillPosition(state, playerid);
    return window;
}

PickResult recordPick(ProgramState& state, UserDialogs& dialogs, int playerid, const PickForm& form,
                      int mainRosterTeamId, const PlayerListView& list) {
    PickResult result = storePick(state, dialogs, playerid, form);
    if (result.outcome == PickOutcome::Recorded) {
        result.view = refreshAfterPick(state, dialogs, list, mainRosterTeamId);
    }
    return result;
}

PickResult storePick(ProgramState& state, UserDialogs& dialogs, int playerid,
                     const PickForm& form) {
    PickResult result;
    if (!state.draftSettings()) {
        return result;
    }
    // Held to the end: the reload and the turn this moves replace the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    const bool auction = draft.drafttype == kDraftTypeAuction;
    const auto failed = [&result] {
        result.outcome = PickOutcome::Failed;
        return result;
    };
    const bool teamOfDraft =
        std::any_of(draft.draftTeams.begin(), draft.draftTeams.end(),
                    [&form](const DraftTeam& team) { return team.teamid == form.teamid; });
    if (!teamOfDraft) {
        dialogs.showMessage("No Team Selected", "Please select the team that made this pick.",
                            MessageIcon::Exclamation);
        return result;
    }

    double price = 0.0;
    if (auction) {
        const std::optional<double> bid = readBid(dialogs, form.dollars, draft);
        if (!bid) {
            return result;
        }
        price = *bid;
        switch (confirmMoney(state, dialogs, form.teamid, price, playerid, kPickCheckLines)) {
            case CheckResult::Declined:
                return result;
            case CheckResult::Failed:
                return failed();
            case CheckResult::Passed:
                break;
        }
    }
    switch (confirmSlot(state, dialogs, form.teamid, form.pos, playerid, kPickCheckLines)) {
        case CheckResult::Declined:
            return result;
        case CheckResult::Failed:
            return failed();
        case CheckResult::Passed:
            break;
    }

    // From here on the writer's lock is held: whether the player is still free and whose turn
    // it is are read as another program may have left them, and nothing changes until the
    // pick is written.
    const int templateId = draft.template_id;
    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    const std::optional<std::int64_t> taken =
        countPlayerTaken(state.dbConnection, templateId, playerid);
    if (!taken) {
        reportDatabaseError(dialogs, state.dbConnection, " 50005 error: could not access database");
        return failed();
    }
    if (*taken != 0) {
        transaction.rollback();
        dialogs.showMessage(kPlayerAlreadySelected.title, kPlayerAlreadySelected.text,
                            MessageIcon::Exclamation);
        return result;
    }
    // Another program (or a statement this program ran past its settings) may have moved the
    // turn or changed the draft since it was read; the turn history below is read under the
    // lock either way.
    if (!draft.readAtDataVersion ||
        fileChangeStamp(state.dbConnection) != draft.readAtDataVersion) {
        loadDraftLeavingTurn(state, templateId);
    }
    const auto rollBack = [&](std::string_view line) {
        if (!line.empty()) {
            reportDatabaseError(dialogs, state.dbConnection, line);
        }
        transaction.rollback();
        loadDraft(state, templateId);
        return failed();
    };
    // The pick takes the turn on the clock, skipped turns counted, and the next turn comes on.
    if (!reconcileTurnHistory(state, dialogs)) {
        return rollBack("");
    }
    // The turn as the reload and the reconciled history left it, not as the pick began.
    const int order = state.draftSettings()->turnNumber;
    if (!insertTaken(state.dbConnection, templateId,
                     {playerid, form.teamid, form.pos, order, price})) {
        return rollBack(" 50007 error: could not access database");
    }
    HistoryEntry pick;
    pick.turn = order;
    pick.teamid = form.teamid;
    pick.playerid = playerid;
    pick.dollars = price;
    pick.pos = form.pos;
    if (!recordHistoryEntry(state, dialogs, pick) ||
        !putTurnOn(state, dialogs, order + 1,
                   draft.drafttype == kDraftTypeSnake ? kSnakePickLines : kStraightPickLines)) {
        return rollBack("");
    }
    if (!transaction.commit()) {
        return rollBack(" 50007 error: could not access database");
    }
    keepOwnChange(state, modelCurrent, [&](DraftModel& model) {
        applyPick(model, playerid, form.teamid, form.pos, order, price);
    });
    result.outcome = PickOutcome::Recorded;
    result.draftorder = order;
    return result;
}

}  // namespace quorvane
