// SPDX-License-Identifier: MIT
#include "room/RecordPick.h"

#include <algorithm>
#include <cctype>

#include "room/AuctionBanner.h"
#include "room/RoomValues.h"
#include "room/SlotChoice.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "store/DraftTeamRepository.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

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
    const std::string natural = upper(pos);
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

}  // namespace quorvane
