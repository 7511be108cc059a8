// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/Rosters.h"

namespace quorvane::test {
namespace {

struct RosterRoom : RoomFixture {
    explicit RosterRoom(int drafttype, int teams = 12) : RoomFixture(teams, drafttype) {
        for (int i = 1; i <= 8; ++i) {
            addPlayer({.playerid = i,
                       .firstname = "F" + std::to_string(i),
                       .lastname = "L" + std::to_string(i)});
        }
    }
    void take(int playerid, int team, const std::string& pos, int order, double dollars = 0) {
        exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
            "values (" +
            std::to_string(draftId) + "," + std::to_string(playerid) + "," + std::to_string(team) +
            ",'" + pos + "'," + std::to_string(order) + "," + std::to_string(dollars) + ")");
    }
};

TEST(RosterGrid, OverflowPlayersGetTheirOwnNaRowsAndFilledRowsStay) {
    RosterRoom draft(kDraftTypeSnake);
    draft.setRoster(0, 2, 1, 0, 0, 0, 0, 0, 0);
    const int team = draft.teamAt(1);
    draft.take(1, team, "G", 1);
    draft.take(2, team, "G", 13);
    draft.take(3, team, "G", 24);
    draft.take(4, team, "PG", 25);
    draft.take(5, team, "G", 30);

    const RosterGrid grid = getTeamRoster(draft.state, team).grid;
    ASSERT_TRUE(grid.playersRead);
    EXPECT_EQ(grid.rowHeaders, (std::vector<std::string>{"G", "G", "PG", "NA", "NA"}));
    EXPECT_EQ(grid.table.headings,
              (std::vector<std::string>{"PlayerID", "TeamID", "Name", "Team", "Rd.Sel.Ov"}));
    EXPECT_EQ(grid.table.rows[0][0], "1");
    EXPECT_EQ(grid.table.rows[0][2], "L1, F1");
    EXPECT_EQ(grid.table.rows[0][4], "1.1.1");
    EXPECT_EQ(grid.table.rows[1][4], "2.1.13");
    EXPECT_EQ(grid.table.rows[2][0], "4");
    EXPECT_EQ(grid.table.rows[3][4], "2.12.24");
    EXPECT_EQ(grid.table.rows[4][0], "5");
}

TEST(RosterGrid, PlayerWithoutSlotGetsAGreyRowAtTheTopAndKeepersReadKeeper) {
    RosterRoom draft(kDraftTypeSnake);
    draft.setRoster(1, 1, 0, 0, 0, 0, 0, 0, 0);
    const int team = draft.teamAt(2);
    draft.take(1, team, "", 7);
    draft.take(2, team, "C", 0);

    const RosterGrid grid = getTeamRoster(draft.state, team).grid;
    EXPECT_EQ(grid.rowHeaders, (std::vector<std::string>{"", "G", "C"}));
    ASSERT_EQ(grid.table.rowColours.size(), 3u);
    EXPECT_EQ(grid.table.rowColours[0], kNoSlotRowColour);
    EXPECT_FALSE(grid.table.rowColours[1].has_value());
    EXPECT_EQ(grid.table.rows[0][4], "7");  // the raw pick number
    EXPECT_EQ(grid.table.rows[1][0], "");   // the empty guard slot
    EXPECT_EQ(grid.table.rows[2][4], "KEEPER");
}

TEST(RosterGrid, AuctionShowsPricesWithTheDraftsDecimals) {
    RosterRoom draft(kDraftTypeAuction);
    draft.setRoster(1, 1, 0, 0, 0, 0, 0, 0, 0);
    draft.setMoney(260, 1);
    const int team = draft.teamAt(1);
    draft.take(1, team, "G", 3, 53);
    draft.take(2, team, "C", 0, 25);
    RosterGrid grid = getTeamRoster(draft.state, team).grid;
    EXPECT_EQ(grid.table.headings[4], "$");
    EXPECT_EQ(grid.table.rows[0][4], "53");
    EXPECT_EQ(grid.table.rows[1][4], "25");

    draft.setMoney(260, 0.5);
    grid = getTeamRoster(draft.state, team).grid;
    EXPECT_EQ(grid.table.rows[0][4], "53.00");
}

TEST(RosterGrid, AFailedReadKeepsTheSlotRowsAndReturnsTheErrorUnshown) {
    RosterRoom draft(kDraftTypeSnake);
    draft.setRoster(1, 1, 0, 0, 0, 0, 0, 0, 0);
    draft.exec("alter table DraftTaken rename to Gone");
    const RosterRead read = getTeamRoster(draft.state, draft.teamAt(1));
    EXPECT_FALSE(read.grid.playersRead);
    EXPECT_EQ(read.grid.rowHeaders, (std::vector<std::string>{"G", "C"}));
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_EQ(read.failure->title, "Database Error");
    EXPECT_NE(draft.logLines().back().find(" 60000 error: could not access database"),
              std::string::npos);
}

TEST(MoneyList, AuctionShowsMoneyLeftAndTheLargestBid) {
    RosterRoom draft(kDraftTypeAuction, 2);
    // Eight slots that must be filled, three reserves that need not be.
    draft.setRoster(1, 1, 1, 1, 1, 1, 1, 1, 3);
    draft.setMoney(260, 1);
    draft.exec("update DraftTeams set teamname = 'A very long owner name' where draftposition = 2");
    draft.reload();
    const int first = draft.teamAt(1);
    draft.take(1, first, "C", 1, 20);
    draft.take(2, first, "G", 2, 20);
    draft.take(3, first, "PG", 3, 20);
    const int second = draft.teamAt(2);
    for (int i = 4; i <= 8; ++i) {
        draft.take(i, second, "R", i, 1);
    }
    const auto lines = showTeamMoney(draft.state);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[0].caption, "Owner - Amt (Max)");
    EXPECT_TRUE((*lines)[0].bold);
    EXPECT_EQ((*lines)[1].caption, "Owner 1 - $200 (196)");  // 200 - (8 - 1 - 3) x 1
    // Five players leave two slots besides the one bid on.
    EXPECT_EQ((*lines)[2].caption, "A very long - $255 (253)");

    draft.take(9, first, "R", 9, 0);  // an unknown player still counts
    for (int i = 10; i <= 13; ++i) {
        draft.take(i, first, "R", i, 0);
    }
    const auto full = showTeamMoney(draft.state);
    EXPECT_EQ((*full)[1].caption, "Owner 1 - $200 (200)");
}

TEST(MoneyList, DraftStylesMarkTheTeamOnTheClockByDirection) {
    RosterRoom draft(kDraftTypeSnake, 3);
    draft.exec("update DraftTeams set teamname = 'Seventeen letters' where draftposition = 3");
    draft.reload();
    auto lines = showTeamMoney(draft.state);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[0].caption, ">>Owner 1");
    EXPECT_TRUE((*lines)[0].bold);
    EXPECT_FALSE((*lines)[1].bold);
    EXPECT_EQ((*lines)[2].caption, "Seventeen letter");

    draft.exec("update DraftTemplate set draftdirection = 'D'");
    draft.reload();
    lines = showTeamMoney(draft.state);
    EXPECT_EQ((*lines)[0].caption, "<<Owner 1");
}

TEST(DraftLog, NewestPickFirstWithoutKeepersAndPricesInAnAuction) {
    RosterRoom draft(kDraftTypeAuction, 2);
    draft.setMoney(200, 0.5);
    draft.take(1, draft.teamAt(1), "C", 0, 25);
    auto log = fillDraftLog(draft.state);
    ASSERT_TRUE(log);
    EXPECT_TRUE(log->rows.empty());
    EXPECT_EQ(log->headings, (std::vector<std::string>{"Ord", "Name", "Pos", "Team", "$"}));

    draft.take(2, draft.teamAt(2), "G", 1, 3.5);
    draft.take(3, draft.teamAt(1), "PG", 2, 1);
    log = fillDraftLog(draft.state);
    ASSERT_EQ(log->rows.size(), 2u);
    EXPECT_EQ(log->rows[0], (std::vector<std::string>{"2", "F3 L3", "PG", "Owner 1", "1.00"}));
    EXPECT_EQ(log->rows[1], (std::vector<std::string>{"1", "F2 L2", "G", "Owner 2", "3.50"}));
}

}  // namespace
}  // namespace quorvane::test
