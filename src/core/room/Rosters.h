// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vocabulary/Decision.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftModel;
struct DraftSession;
struct DraftSettings;

// The grey of a row that holds a player without a roster slot.
inline constexpr Rgb kNoSlotRowColour{0xDF, 0xDF, 0xDF};

// One team's roster laid out in its slots. rowHeaders holds one label per row: the slot, "NA"
// for a player beyond the team's slots, empty for a player without a slot.
struct RosterGrid {
    std::string title;
    std::vector<std::string> rowHeaders;
    GridTable table;
    bool playersRead = false;
};

// The slot rows of the open draft in listing order (G, PG, SG, F, SF, PF, C, UT, R).
std::vector<std::string> rosterSlotRows(const DraftSettings& draft);

// Where each of a team's players goes among the slot rows, taken in the order given: the first
// free row of his slot; kNoSlotRow for a player without a slot, kOverflowRow when every row of
// his slot is taken (he then needs a row of his own, so that no filled row is overwritten).
inline constexpr int kNoSlotRow = -1;
inline constexpr int kOverflowRow = -2;
std::vector<int> placeInSlotRows(const std::vector<std::string>& slotRows,
                                 const std::vector<std::string>& playerSlots);

// The roster grid of one team of the model's draft: its players of the projection season (a
// player without a row of the season is left out) in slot order (G, PG, SG, F, SF, PF, C, UT, R
// after any other slot, matched without regard to case), each slot in the order recorded.
RosterGrid rosterGridOf(const DraftModel& model, int teamid);

// The same of the open draft from the model the program holds. When the players cannot be read
// the failure is logged and comes back to be shown, and the grid has its slot rows only.
struct RosterRead {
    RosterGrid grid;
    std::optional<Message> failure;
};
RosterRead getTeamRoster(DraftSession& session, int teamid);

// The largest bid a team can make: its money left less the minimum bid for each other slot it
// still has to fill (reserves left out).
double largestBid(const DraftSettings& draft, double moneyLeft, int playersOnTeam);

struct MoneyLine {
    std::string caption;
    bool bold = false;
};
// The team money list: in a straight or snake draft the team names with the team on the clock
// marked, in an auction a heading and each team's money left and largest possible bid.
std::vector<MoneyLine> moneyLinesOf(const DraftModel& model);
// The same of the open draft, or the failure to show (none without a draft); the failure is
// logged.
Outcome<std::vector<MoneyLine>> showTeamMoney(DraftSession& session);

// One team's money in an auction: the prices of its players (keepers included) and what is
// left of the cap.
struct TeamMoney {
    int teamid = 0;
    std::string teamname;
    double spent = 0.0;
    double left = 0.0;
};
// Every team of the model's draft in draft order.
std::vector<TeamMoney> teamMoneyOf(const DraftModel& model);
// The same of the open draft, or the database message to show after
// " 90001 error: could not get auction dollars" was logged (no message without a draft).
Outcome<std::vector<TeamMoney>> readTeamMoney(DraftSession& session);

// The draft log: every pick of a player with a row of the projection season, newest first
// (keepers are not picks), as "Ord", "Name", "Pos" (the slot as stored), "Team" and in an
// auction the price with the draft's decimals.
GridTable draftLogOf(const DraftModel& model);
// The same of the open draft. nullopt after a logged failure.
std::optional<GridTable> fillDraftLog(DraftSession& session);

}  // namespace quorvane
