// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../advice/AdviceLeague.h"
#include "room/Keepers.h"
#include "session/ProgramState.h"

namespace quorvane::test {

namespace {

std::vector<std::string> column(const GridTable& grid, const std::string& heading) {
    std::vector<std::string> cells;
    const int index = grid.columnIndex(heading);
    EXPECT_GE(index, 0) << heading;
    for (const auto& row : grid.rows) {
        cells.push_back(index >= 0 ? row[static_cast<std::size_t>(index)] : "");
    }
    return cells;
}

}  // namespace

TEST(KeeperWindowSurplus, EachKeeperShowsHisValueAndValueLessPrice) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    league.league.rosterSlots({.UT = 3}).categories({{1, 1}});
    league.player({.playerid = 1, .dollars = 30.37, .rank = 1})
        .player({.playerid = 2, .dollars = 4.35, .rank = 2})
        .keeper(1, 1, 12.5)
        .keeper(2, 1, 7);
    league.model();
    const auto keepers = readKeepersOf(program.state, league.league.teamId(1));
    ASSERT_TRUE(keepers.ok());
    // The price a keeper costs is headed as such.
    EXPECT_EQ(column(*keepers, "Price"), (std::vector<std::string>{"12.5", "7"}));
    // 30.37 - 12.5 = 17.87; 4.35 - 7 = -2.65.
    EXPECT_EQ(column(*keepers, "Value"), (std::vector<std::string>{"30.37", "4.35"}));
    EXPECT_EQ(column(*keepers, "Surplus"), (std::vector<std::string>{"17.87", "-2.65"}));
    EXPECT_EQ(keepers->hiddenColumns, (std::vector<int>{0}));

    EXPECT_EQ(keeperSurplusCaption(30.37, " 12.5 "), "Value $30.37, surplus $17.87");
    // 4.35 - 7 = -2.65
    EXPECT_EQ(keeperSurplusCaption(4.35, "7"), "Value $4.35, surplus \u2212$2.65");
    EXPECT_EQ(keeperSurplusCaption(30.37, "twelve"), "Value $30.37");
}

}  // namespace quorvane::test
