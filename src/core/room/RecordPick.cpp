// SPDX-License-Identifier: MIT
#include "room/RecordPick.h"

#include <algorithm>
#include <cctype>

#include "model/DraftSession.h"
#include "room/AuctionBanner.h"
#include "room/RoomValues.h"
#include "room/SlotChoice.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "store/DraftTeamRepository.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

PickForm AddPlayerWindow::form() const {
    PickForm form;
    if (teams.selected >= 0) {
        form.teamid = teams.teams[static_cast<std::size_t>(teams.selected)].teamid;
    }
    form.pos = positions.selectedText();
    return form;
}

TeamSelector fillTeams(const DraftSession& session, std::optional<int> preselectTeamId) {
    TeamSelector selector;
    if (!session.draftSettings()) {
        return selector;
    }
    for (const DraftTeam& team : session.draftSettings()->draftTeams) {
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
        !preselectTeamId && session.draftSettings()->drafttype != kDraftTypeAuction;
    if (selector.selected < 0 && !selector.teams.empty() && !draftWithoutTurn) {
        selector.selected = 0;
    }
    return selector;
}

std::optional<std::string> showPlayer(DraftSession& session, int playerid) {
    const auto card = readPlayerCard(session.dbConnection, session.projectionYear, playerid);
    if (!card) {
        session.dbConnection.log().writeEntry(": 50001 - Could not get recordset for player list");
        return std::nullopt;
    }
    if (!*card) {
        return std::nullopt;
    }
    return cardName(**card) + " (" + (*card)->team + ")";
}

PositionChoice fillPosition(DraftSession& session, int playerid) {
    const auto card = readPlayerCard(session.dbConnection, session.projectionYear, playerid);
    if (!card) {
        return {};
    }
    return positionFor(*session.draftSettings(), *card ? (*card)->pos : std::string());
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

RosterRead getAPRoster(DraftSession& session, int teamid) {
    const DraftSettings& draft = *session.draftSettings();
    std::string teamname;
    if (const auto name = readTeamName(session.dbConnection, teamid); !name) {
        session.dbConnection.log().writeEntry(
            " 50051 error: could not access database to get team name");
    } else {
        teamname = name->value_or(std::string());
    }
    double spent = 0.0;
    if (const auto money = readTeamMoneySpent(session.dbConnection, teamid); !money) {
        session.dbConnection.log().writeEntry(
            " 50051 error: could not access database to get amount spent");
    } else {
        spent = *money;
    }
    RosterRead roster = getTeamRoster(session, teamid);
    roster.grid.title = draft.drafttype == kDraftTypeAuction
                            ? teamname + " - " +
                                  formatPrice(draft.dollars - spent, priceDecimals(draft)) +
                                  " Remaining"
                            : teamname;
    return roster;
}

std::optional<AddPlayerWindow> openAddPlayer(DraftSession& session, int playerid,
                                             std::optional<int> preselectTeamId) {
    std::optional<AddPlayerWindow> window = openPickChoices(session, playerid, preselectTeamId);
    if (window) {
        RosterRead roster = getAPRoster(session, window->form().teamid);
        window->roster = std::move(roster.grid);
        window->rosterFailure = std::move(roster.failure);
    }
    return window;
}

std::optional<AddPlayerWindow> openPickChoices(DraftSession& session, int playerid,
                                               std::optional<int> preselectTeamId) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    AddPlayerWindow window;
    window.showDollars = session.draftSettings()->drafttype == kDraftTypeAuction;
    // In an auction the team that put the player up is the likeliest buyer.
    window.teams =
        fillTeams(session, preselectTeamId ? preselectTeamId : nominatingTeamOf(session));
    const std::optional<std::string> label = showPlayer(session, playerid);
    if (!label) {
        return std::nullopt;
    }
    window.playerLabel = *label;
    const std::optional<PositionChoice> slot =
        preselectSlot(session, playerid, window.form().teamid);
    window.positions = slot ? *slot : fillPosition(session, playerid);
    return window;
}

}  // namespace quorvane
