// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "availability/AvailabilityColumns.h"

namespace quorvane::test {

namespace {

GridTable twoPlayers() {
    GridTable grid;
    grid.headings = {"playerid", "Name", "Notes"};
    grid.rows = {{"11", "Ann", ""}, {"12", "Bo", "sleeper"}, {"13", "Cy", ""}};
    grid.rowColours = {Rgb{}, Rgb{}, Rgb{0x00, 0xFF, 0x00}};
    return grid;
}

}  // namespace

// 0.2375 is 23.75%, shown as 24% and marked likely gone; 0.6667 shows as 67%.
TEST(AvailabilityColumns, SharesShowAsWholePercentsAndLikelyGonePlayersAreMarked) {
    GridTable grid = twoPlayers();
    AvailabilityShown shown;
    shown.players[11] = {0.2375, 0.0125, 7.456};
    shown.players[12] = {0.6667, std::nullopt, -2.126};
    shown.players[13] = {0.1, 0.0, 1.0};
    addAvailabilityColumns(grid, &shown);
    EXPECT_EQ(grid.headings,
              (std::vector<std::string>{"playerid", "Name", "Notes", "Avail", "Avail 2", "xVONA"}));
    EXPECT_EQ(grid.rows[0],
              (std::vector<std::string>{"11", "Ann", "", "24% \u25bc", "1%", "7.46"}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"12", "Bo", "sleeper", "67%", "", "-2.13"}));
    EXPECT_EQ(grid.rows[2][3], "10% \u25bc");
    // The flags keep the row colours to themselves.
    EXPECT_EQ(grid.rowColours[0], Rgb{});
    EXPECT_EQ(grid.rowColours[2], (Rgb{0x00, 0xFF, 0x00}));
}

TEST(AvailabilityColumns, WithoutFiguresTheCellsAreBlank) {
    GridTable grid = twoPlayers();
    addAvailabilityColumns(grid, nullptr);
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"12", "Bo", "sleeper", "", "", ""}));
    EXPECT_EQ(grid.rows[0][3], "");
}

}  // namespace quorvane::test
