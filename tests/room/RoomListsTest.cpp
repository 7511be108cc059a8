// SPDX-License-Identifier: MIT
// The lists the room shows after a pick (draft log, roster, money, the picks of the board and
// banner), read from a draft model built in memory: a keeper added after the first pick, a pick
// undone, a skipped turn, a player without a name, one without a row of the projection season.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DraftModelLoader.h"
#include "room/DraftPicks.h"
#include "room/Rosters.h"

namespace quorvane::test {
namespace {

ModelPlayer player(int playerid, const std::string& first, const std::string& last,
                   std::optional<std::string> team = std::nullopt, int rank = 0) {
    ModelPlayer made;
    made.playerid = playerid;
    made.firstname = first;
    made.lastname = last;
    made.pos = "G";
    made.team = std::move(team);
    made.rank = rank;
    return made;
}

DraftModel threeTeams(int drafttype, double minbid, const std::string& firstTeam) {
    DraftSettings draft;
    draft.template_id = 4;
    draft.teams = 3;
    draft.dollars = 200.0;
    draft.minbid = minbid;
    draft.drafttype = drafttype;
    draft.draftdirection = "U";
    draft.G = draft.PG = draft.C = draft.UT = draft.R = 1;
    draft.draftTeams = {{301, firstTeam, 1, 0, 1}, {302, "Owls", 2, 1, 0}, {303, "Lynx", 3, 0, 0}};
    DraftModel model;
    model.players = {player(11, "Ann", "Archer", "BOS", 3), player(12, "Bo", "Zane", {}, 7),
                     player(13, "", "Solo", "NYK", 9), player(14, "Cy", "Dunn", "MIA", 1),
                     player(15, "Di", "Vance", "LAL", 5)};
    model.players[2].firstnameMissing = true;
    readSettings(draft, model);
    return model;
}

// Owls pick Archer (1, $33.75), Hawks keep Dunn ($12.25) and pick Zane (2, $7.10); Lynx pick
// Vance (3), which is undone, turn 3 is skipped and Lynx pick Solo (4, $19.50); Owls pick 99
// (5, $2.40), whom the projection season does not list.
DraftModel auctionAfterFivePicks() {
    DraftModel model = threeTeams(kDraftTypeAuction, 0.5, "Hawks of the North");
    applyPick(model, 11, 302, "g", 1, 33.75);
    applyPick(model, 14, 301, "C", 0, 12.25);
    applyPick(model, 12, 301, "UT", 2, 7.1);
    applyPick(model, 15, 303, "C", 3, 4.0);
    applyPick(model, 15, 0, "", 0, 0.0);
    applyPick(model, 13, 303, "G", 4, 19.5);
    applyPick(model, 99, 302, "R", 5, 2.4);
    return model;
}

TEST(DraftLogOfTheModel, NewestPickFirstWithoutKeepersUndonePicksOrPlayersTheSeasonLacks) {
    const GridTable log = draftLogOf(auctionAfterFivePicks());
    EXPECT_EQ(log.headings, (std::vector<std::string>{"Ord", "Name", "Pos", "Team", "$"}));
    ASSERT_EQ(log.rows.size(), 3U);
    // No first name: no name; the slot as stored ("g"); prices with the cents a $0.50 minimum
    // bid brings.
    EXPECT_EQ(log.rows[0], (std::vector<std::string>{"4", "", "G", "Lynx", "19.50"}));
    EXPECT_EQ(log.rows[1],
              (std::vector<std::string>{"2", "Bo Zane", "UT", "Hawks of the North", "7.10"}));
    EXPECT_EQ(log.rows[2], (std::vector<std::string>{"1", "Ann Archer", "g", "Owls", "33.75"}));

    DraftModel snake = threeTeams(kDraftTypeSnake, 1.0, "Hawks");
    applyPick(snake, 12, 303, "UT", 1, 0.0);
    EXPECT_EQ(draftLogOf(snake).rows,
              (std::vector<std::vector<std::string>>{{"1", "Bo Zane", "UT", "Lynx"}}));
}

TEST(DraftPicksOfTheModel, KeepersFirstThenByNumberWithTheSeasonsNamesAndRanks) {
    const std::vector<DraftPick> picks = draftPicksOf(auctionAfterFivePicks());
    std::vector<int> order;
    for (const DraftPick& pick : picks) {
        order.push_back(pick.playerid);
    }
    // Dunn was kept after Archer's pick, yet comes first; Vance's pick is gone.
    EXPECT_EQ(order, (std::vector<int>{14, 11, 12, 13, 99}));
    EXPECT_EQ(picks[1].slot, "G");  // upper case, though stored "g"
    EXPECT_EQ(picks[1].lastname, "Archer");
    EXPECT_EQ(picks[1].rank, 3);
    EXPECT_DOUBLE_EQ(picks[1].dollars, 33.75);
    EXPECT_EQ(picks[3].firstname, "");
    EXPECT_EQ(picks[3].lastname, "Solo");
    // The player the season lacks keeps his pick, without names or rank.
    EXPECT_EQ(picks[4].draftorder, 5);
    EXPECT_EQ(picks[4].teamid, 302);
    EXPECT_EQ(picks[4].lastname, "");
    EXPECT_EQ(picks[4].rank, 0);
    EXPECT_EQ(picksMade(picks), 4);
}

// Cap 200, four slots besides reserves (G, PG, C, UT), $0.50 minimum bid: a bid leaves the
// minimum for each slot still open after it.
TEST(MoneyOfTheModel, MoneyLeftAndLargestBidCountEveryPlayerHeld) {
    const DraftModel model = auctionAfterFivePicks();
    const std::vector<MoneyLine> lines = moneyLinesOf(model);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].caption, "Owner - Amt (Max)");
    EXPECT_TRUE(lines[0].bold);
    // Hawks: 12.25 + 7.10 = 19.35 spent, 180.65 left; with two players one more slot stays
    // open after the bid: 180.65 - 0.50.
    EXPECT_EQ(lines[1].caption, "Hawks of th - $180.65 (180.15)");
    // Owls: 33.75 + 2.40 = 36.15 spent (the player the season lacks still counts), 163.85 left,
    // 163.85 - 0.50.
    EXPECT_EQ(lines[2].caption, "Owls - $163.85 (163.35)");
    // Lynx: only Solo's 19.50 (Vance's pick was undone), 180.50 left; two slots after the bid:
    // 180.50 - 2 x 0.50.
    EXPECT_EQ(lines[3].caption, "Lynx - $180.50 (179.50)");

    const std::vector<TeamMoney> money = teamMoneyOf(model);
    ASSERT_EQ(money.size(), 3U);
    EXPECT_EQ(money[2].teamid, 303);
    EXPECT_DOUBLE_EQ(money[2].spent, 19.5);

    // Outside auctions the list names the teams and marks the one on the clock.
    const std::vector<MoneyLine> snake = moneyLinesOf(threeTeams(kDraftTypeSnake, 1.0, "Hawks"));
    ASSERT_EQ(snake.size(), 3U);
    EXPECT_EQ(snake[1].caption, ">>Owls");
    EXPECT_TRUE(snake[1].bold);
    EXPECT_EQ(snake[0].caption, "Hawks");
}

// Slots G, PG, C, UT, R of a three-team snake draft.
TEST(RosterOfTheModel, OtherSlotsSortFirstAndEachSlotKeepsTheOrderRecorded) {
    DraftModel model = threeTeams(kDraftTypeSnake, 1.0, "Hawks");
    applyPick(model, 11, 302, "c", 2, 0.0);
    applyPick(model, 12, 302, "NA", 5, 0.0);
    applyPick(model, 13, 302, "G", 8, 0.0);
    applyPick(model, 14, 302, "C", 0, 0.0);
    applyPick(model, 99, 302, "PG", 11, 0.0);  // the season does not list him
    applyPick(model, 15, 303, "PG", 3, 0.0);   // another team's
    model.picks.push_back({16, 302, "", true, 14, 0.0});
    model.players.push_back(player(16, "Ed", "Best", "CHI"));

    const RosterGrid grid = rosterGridOf(model, 302);
    ASSERT_TRUE(grid.playersRead);
    // Best has no slot: a grey row on top with his bare pick number. Zane's "NA" and Archer's
    // "c" (sorted with the centres, recorded before Dunn) match no slot row and end the grid.
    EXPECT_EQ(grid.rowHeaders,
              (std::vector<std::string>{"", "G", "PG", "C", "UT", "R", "NA", "NA"}));
    EXPECT_EQ(grid.table.rowColours[0], kNoSlotRowColour);
    EXPECT_EQ(grid.table.rows[0], (std::vector<std::string>{"16", "302", "Best, Ed", "CHI", "14"}));
    // Pick 8 of three teams: round 3, selection 2. No first name: no name.
    EXPECT_EQ(grid.table.rows[1], (std::vector<std::string>{"13", "302", "", "NYK", "3.2.8"}));
    EXPECT_EQ(grid.table.rows[2][0], "");  // 99's PG row stays open
    EXPECT_EQ(grid.table.rows[3],
              (std::vector<std::string>{"14", "302", "Dunn, Cy", "MIA", "KEEPER"}));
    EXPECT_EQ(grid.table.rows[6], (std::vector<std::string>{"12", "302", "Zane, Bo", "", "2.2.5"}));
    EXPECT_EQ(grid.table.rows[7][0], "11");
    EXPECT_EQ(grid.table.rows[7][4], "1.2.2");
}

}  // namespace
}  // namespace quorvane::test
