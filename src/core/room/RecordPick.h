// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/PickChecks.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "room/Rosters.h"

namespace quorvane {

struct DraftSession;

// What the add-player window holds when "Add Player" is pressed.
struct PickForm {
    int teamid = 0;
    std::string pos;
    std::string dollars;  // the typed bid; ignored outside auctions
};

// The add-player window as it opens for one player.
struct AddPlayerWindow {
    std::string playerLabel;  // "First Last (TEAM)"
    TeamSelector teams;
    PositionChoice positions;
    bool showDollars = false;
    RosterGrid roster;  // of the selected team, titled
    // Why the roster shows its slot rows only (its players could not be read), to be shown.
    std::optional<Message> rosterFailure;
    // The form as preselected: the chosen team, the default slot, no bid.
    PickForm form() const;
};

// The teams by draft position with `preselectTeamId` selected when given (the custom-player
// window's choice), else the team on the clock, else in an auction the first team; a straight
// or snake draft with nobody on the clock (complete) selects none.
TeamSelector fillTeams(const DraftSession& session, std::optional<int> preselectTeamId = {});

// "First Last (TEAM)"; nullopt after a logged failure or for an unknown player.
std::optional<std::string> showPlayer(DraftSession& session, int playerid);

// The slots of the draft with the one that suits the player selected: his own position, with
// "PF" for a forward, "SG" for a guard and "UT" for a centre when the draft lacks F, G or C.
PositionChoice fillPosition(DraftSession& session, int playerid);
// The same choice for a player whose position is known.
PositionChoice positionFor(const DraftSettings& draft, const std::string& pos);

// The roster grid of the add-player window, titled with the team's name (and its money left in
// an auction), with the failure to show when its players could not be read.
RosterRead getAPRoster(DraftSession& session, int teamid);

// Opens the add-player window for a player, with `preselectTeamId` chosen, else in an auction
// the team whose turn it is to nominate; nullopt when the player cannot be read.
std::optional<AddPlayerWindow> openAddPlayer(DraftSession& session, int playerid,
                                             std::optional<int> preselectTeamId = {});
// The window's choices without its roster grid: what a caller that shows no roster (the command
// line) needs to fill the form.
std::optional<AddPlayerWindow> openPickChoices(DraftSession& session, int playerid,
                                               std::optional<int> preselectTeamId);

enum class PickOutcome {
    Recorded,  // stored; the window closes
    Stopped,   // a check refused or the user said No; the window stays open
    Failed,    // a statement failed and was reported; nothing was stored; the window closes
};

struct PickResult {
    PickOutcome outcome = PickOutcome::Stopped;
    int draftorder = 0;
    std::optional<RoomView> view;  // the lists a recorded pick rebuilt
};

}  // namespace quorvane
