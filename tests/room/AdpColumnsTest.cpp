// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/PlayerLists.h"
#include "session/RoomRefresh.h"

namespace quorvane::test {
namespace {

// Ranks 2, 1, 3 and dollars 12.345, 30, 50. Two sources give Shooter an ADP of 4.5 and 5.0;
// Big has one ADP of 1.2 and an AAV of 41.5; Third has none this season.
struct AdpRoom : RoomFixture {
    explicit AdpRoom(int drafttype) : RoomFixture(3, drafttype) {
        addPlayer({.playerid = 1,
                   .firstname = "Sam",
                   .lastname = "Shooter",
                   .dollars = 12.345,
                   .draftorder = 2});
        addPlayer({.playerid = 2,
                   .firstname = "Ben",
                   .lastname = "Big",
                   .pos = "C",
                   .dollars = 30,
                   .draftorder = 1});
        addPlayer({.playerid = 3,
                   .firstname = "Tom",
                   .lastname = "Third",
                   .dollars = 50,
                   .draftorder = 3});
        exec(
            "insert into DraftPlayerAdp (playerid, yearofprojection, source, adp, aav) values "
            "(1, 2019, 'a', 4.5, null), (1, 2019, 'b', 5.0, null), (2, 2019, 'a', 1.2, 41.5), "
            "(3, 2018, 'a', 9.0, 3.0)");
    }
    GridTable list(const std::string& heading) {
        const auto sort = availablePlayerColumn(*state.draftSettings(), heading, true);
        EXPECT_TRUE(sort) << heading;
        return fillAvailablePlayers(state, listShowing(state), "All Players", sort.value_or(0))
            .value_or(GridTable{});
    }
};

TEST(AdpColumns, SnakeGridShowsMeanAdpAavAndRankMinusAdpBeforeTheNotes) {
    AdpRoom room(kDraftTypeSnake);
    const GridTable grid = room.list("ADP");
    ASSERT_GE(grid.headings.size(), 4U);
    EXPECT_EQ(std::vector<std::string>(grid.headings.end() - 4, grid.headings.end()),
              (std::vector<std::string>{"ADP", "AAV", "value rank minus ADP", "Notes"}));
    // Sorted by ADP, the player without one last.
    EXPECT_EQ(column(grid, "playerid"), (std::vector<std::string>{"2", "1", "3"}));
    EXPECT_EQ(column(grid, "ADP"), (std::vector<std::string>{"1.2", "4.75", ""}));
    EXPECT_EQ(column(grid, "AAV"), (std::vector<std::string>{"41.5", "", ""}));
    // Rank 1 - 1.2 = -0.2; rank 2 - 4.75 = -2.75.
    EXPECT_EQ(column(grid, "value rank minus ADP"),
              (std::vector<std::string>{"-0.2", "-2.75", ""}));
    EXPECT_EQ(column(room.list("value rank minus ADP"), "playerid"),
              (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(column(room.list("AAV"), "playerid"), (std::vector<std::string>{"2", "1", "3"}));
}

TEST(AdpColumns, AuctionRanksByDollarsAndTheResearchGridShowsTheColumnsToo) {
    AdpRoom room(kDraftTypeAuction);
    // By dollars Third is first, Big second, Shooter third: 2 - 1.2 = 0.8, 3 - 4.75 = -1.75.
    const GridTable grid = room.list("ADP");
    EXPECT_EQ(column(grid, "value rank minus ADP"), (std::vector<std::string>{"0.8", "-1.75", ""}));
    const auto research = fillResearchGrid(room.state, "AVAILABLE", "adp");
    ASSERT_TRUE(research);
    EXPECT_EQ(research->headings.back(), "value rank minus ADP");
    EXPECT_EQ(column(*research, "ADP"), (std::vector<std::string>{"1.2", "4.75", ""}));
}

TEST(AdpColumns, NoFiguresForTheSeasonLeaveTheGridAsItWas) {
    AdpRoom room(kDraftTypeSnake);
    room.exec("delete from DraftPlayerAdp where yearofprojection = 2019");
    const auto grid = fillAvailablePlayers(room.state, listShowing(room.state), "All Players", 0);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->headings, availablePlayerHeadings(*room.state.draftSettings()));
    EXPECT_EQ(grid->columnIndex("ADP"), -1);
}

}  // namespace
}  // namespace quorvane::test
