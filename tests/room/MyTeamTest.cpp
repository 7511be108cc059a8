// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "room/MyTeam.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {
namespace {

// Three teams with slots G, F, C, UT and one reserve: five places, four that start.
DraftSettings threeTeams(int drafttype) {
    DraftSettings draft;
    draft.teams = 3;
    draft.dollars = 200;
    draft.minbid = 1;
    draft.drafttype = drafttype;
    draft.G = 1;
    draft.F = 1;
    draft.C = 1;
    draft.UT = 1;
    draft.R = 1;
    draft.draftTeams = {
        {11, "Owner A", 1, 1, 0}, {12, "Owner B", 2, 0, 1}, {13, "Owner C", 3, 0, 0}};
    draft.categories = {{1, 1.0}, {5, 1.0}, {9, 1.0}};
    return draft;
}

DraftPick pick(int playerid, int teamid, int draftorder, double dollars, const std::string& slot,
               const std::string& first, const std::string& last) {
    DraftPick made;
    made.playerid = playerid;
    made.teamid = teamid;
    made.draftorder = draftorder;
    made.dollars = dollars;
    made.slot = slot;
    made.firstname = first;
    made.lastname = last;
    made.pos = "G";
    return made;
}

// Owner B: a keeper at G, a pick at F, a second guard with the G slot taken and a player
// without a slot; Owner C one pick.
std::vector<DraftPick> picks() {
    return {pick(101, 12, 0, 12, "G", "Marcus", "Smart"),
            pick(102, 12, 2, 30, "F", "Jaylen", "Brown"),
            pick(105, 13, 3, 30, "C", "Al", "Horford"), pick(103, 12, 5, 7, "G", "Kemba", "Walker"),
            pick(104, 12, 6, 1, "", "Tacko", "Fall")};
}

StandingsEntry entry(int teamid, int categoryid, const std::string& symbol, double points,
                     double rank) {
    return {teamid, "", categoryid, symbol, points, rank};
}

TEST(MyTeamPanel, RosterFillsSlotsInOrderWithOpenSlotsAndRowsForTheRest) {
    const MyTeamPanel panel = buildMyTeamPanel(threeTeams(kDraftTypeSnake), 12, picks(), {});
    EXPECT_EQ(panel.teamname, "Owner B");
    // The player without a slot on top, the slots in listing order, the second guard last.
    std::vector<std::string> slots;
    std::vector<std::string> names;
    std::vector<std::string> paid;
    for (const RosterSlotLine& line : panel.roster) {
        slots.push_back(line.slot);
        names.push_back(line.name);
        paid.push_back(line.paid);
    }
    EXPECT_EQ(slots, (std::vector<std::string>{"", "G", "F", "C", "UT", "R", "NA"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Tacko Fall", "Marcus Smart", "Jaylen Brown", "", "",
                                               "", "Kemba Walker"}));
    // Picks read round.selection.overall in a league of three: #2 is 1.2.2, #5 is 2.2.5.
    EXPECT_EQ(paid, (std::vector<std::string>{"2.3.6", "KEEPER", "1.2.2", "", "", "", "2.2.5"}));
    EXPECT_EQ(panel.openSlots, 3);
    EXPECT_FALSE(panel.auction);

    const GridTable grid = myTeamRosterGrid(panel);
    EXPECT_EQ(grid.headings, (std::vector<std::string>{"playerid", "Slot", "Player", "Pick"}));
    EXPECT_EQ(grid.rows[3], (std::vector<std::string>{"", "C", "", ""}));
    EXPECT_EQ(grid.rowColours[3], kOpenSlotRowColour);
    EXPECT_FALSE(grid.rowColours[1].has_value());
}

TEST(MyTeamPanel, AnAuctionShowsMoneyLeftAndTheLargestBid) {
    const DraftSettings draft = threeTeams(kDraftTypeAuction);
    // Owner B paid 12 + 30 + 7 + 1 = 50 of 200: 150 left. Four players already fill the
    // (4 - 1) other starting slots a bid must leave a minimum for, so all 150 may go.
    const MyTeamPanel b = buildMyTeamPanel(draft, 12, picks(), {});
    EXPECT_TRUE(b.auction);
    EXPECT_DOUBLE_EQ(b.moneyLeft, 150);
    EXPECT_DOUBLE_EQ(b.largestBid, 150);
    EXPECT_EQ(b.roster[1].paid, "12");
    // Owner C: 200 - 30 = 170 left, one player: (4 - 1) - 1 = 2 slots keep $1 each, 168.
    const MyTeamPanel c = buildMyTeamPanel(draft, 13, picks(), {});
    EXPECT_DOUBLE_EQ(c.moneyLeft, 170);
    EXPECT_DOUBLE_EQ(c.largestBid, 168);
    EXPECT_EQ(myTeamRosterGrid(c).headings.back(), "$");
}

TEST(MyTeamPanel, PlacesCountTheTeamsAheadAndMarkTies) {
    // Rotisserie rank points: PTS A 3, B and C 1.5 each (tied); REB B 3; TO A 3, B 2, C 1;
    // totals A 7, B 6.5, C 4.5.
    const std::vector<StandingsEntry> standings = {
        entry(11, 9, "TO", 200, 3),    entry(11, 5, "REB", 300, 2),
        entry(11, 1, "PTS", 900, 3),   entry(11, 0, "TOTAL", 7, 7),
        entry(12, 9, "TO", 210, 2),    entry(12, 5, "REB", 400, 3),
        entry(12, 1, "PTS", 800, 1.5), entry(12, 0, "TOTAL", 6.5, 6.5),
        entry(13, 9, "TO", 250, 1),    entry(13, 5, "REB", 100, 1),
        entry(13, 1, "PTS", 800, 1.5), entry(13, 0, "TOTAL", 4.5, 4.5)};
    const MyTeamPanel panel = buildMyTeamPanel(threeTeams(kDraftTypeSnake), 12, picks(), standings);
    ASSERT_TRUE(panel.total.has_value());
    EXPECT_EQ(panel.total->place, 2);
    ASSERT_EQ(panel.places.size(), 3U);
    EXPECT_EQ(panel.places[0].place, 2);  // one team (A) is ahead in points
    EXPECT_TRUE(panel.places[0].tied);
    EXPECT_EQ(placesLine(panel), "Total 2nd \u00b7 PTS T-2nd \u00b7 REB 1st \u00b7 TO 2nd");
    // Without a standings run there are no places to show.
    EXPECT_EQ(placesLine(buildMyTeamPanel(threeTeams(kDraftTypeSnake), 12, picks(), {})), "");
}

TEST(MyTeamPanel, APointsLeagueRanksByItsWeightedTotals) {
    DraftSettings draft = threeTeams(kDraftTypeSnake);
    draft.scoringstyle = kScoringPoints;
    draft.categories = {{1, 1.0}};
    // Weighted points 1500.5, 1400.25 and 1600.75: Owner B is second; rank points are 0.
    const std::vector<StandingsEntry> standings = {entry(11, 1, "PTS", 1400.25, 0),
                                                   entry(12, 1, "PTS", 1500.5, 0),
                                                   entry(13, 1, "PTS", 1600.75, 0)};
    const MyTeamPanel panel = buildMyTeamPanel(draft, 12, picks(), standings);
    ASSERT_EQ(panel.places.size(), 1U);
    EXPECT_EQ(panel.places[0].place, 2);
    EXPECT_FALSE(panel.places[0].tied);
}

TEST(MyTeamPanel, OrdinalsReadAsPeopleSayThem) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "1st"},     {2, "2nd"},     {3, "3rd"},    {4, "4th"},   {11, "11th"},
        {12, "12th"},   {13, "13th"},   {21, "21st"},  {22, "22nd"}, {23, "23rd"},
        {101, "101st"}, {111, "111th"}, {112, "112th"}};
    for (const auto& [place, text] : cases) {
        EXPECT_EQ(ordinal(place), text);
    }
}

}  // namespace
}  // namespace quorvane
