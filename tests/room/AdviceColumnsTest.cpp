// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../advice/AdviceLeague.h"
#include "room/PlayerLists.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "teamadvice/RoomAdvice.h"

namespace quorvane::test {

namespace {

// Three teams with one starting slot (UT) and one reserve, scoring points and field-goal
// percentage; team 1 is the user's and has his slot open. By hand (see the standings gain
// tests): p2 gains 0 + 1.5, p5 1.5 + 0, p4 -0.5 + 1.5, p3 0 - 0.5, p6 -0.5 - 0.5.
AdviceLeague& gainLeague(AdviceLeague& l) {
    l.league.rosterSlots({.UT = 1, .R = 1}).categories({{1, 1}, {15, 1}});
    l.player({.playerid = 1, .fgm = 10, .fga = 20, .ftm = 3, .rank = 1})
        .player({.playerid = 2, .fgm = 9, .fga = 15, .ftm = 1, .rank = 2})
        .player({.playerid = 3, .fgm = 7, .fga = 20, .ftm = 5, .rank = 3})
        .player({.playerid = 4, .fgm = 6, .fga = 8, .rank = 4})
        .player({.playerid = 5, .fgm = 21, .fga = 46, .rank = 5})
        .player({.playerid = 6, .fgm = 3, .fga = 9, .ftm = 1, .rank = 6})
        .player({.playerid = 7, .fgm = 50, .fga = 60, .ftm = 20, .rank = 7})
        .pick(1, 2, "UT")
        .pick(7, 3, "R");
    return l;
}

std::vector<std::string> column(const GridTable& grid, const std::string& heading) {
    std::vector<std::string> cells;
    const int index = grid.columnIndex(heading);
    EXPECT_GE(index, 0) << heading;
    for (const auto& row : grid.rows) {
        cells.push_back(index >= 0 ? row[static_cast<std::size_t>(index)] : "");
    }
    return cells;
}

GridTable adviceGrid(TestProgram& program, const std::string& sortHeading) {
    program.state.showAdvice = true;
    const Outcome<const RoomAdvice*> advice =
        refreshRoomAdvice(program.state, program.state.roomAdvice);
    EXPECT_TRUE(advice && *advice != nullptr);
    const int sortColumn =
        sortHeading.empty()
            ? 0
            : availablePlayerColumn(*program.state.draftSettings(), sortHeading, false, true)
                  .value_or(-1);
    const auto grid =
        fillAvailablePlayers(program.state, listShowing(program.state), "All Players", sortColumn);
    EXPECT_TRUE(grid.has_value());
    return grid.value_or(GridTable{});
}

}  // namespace

TEST(AdviceColumns, TheGridCarriesTheUsersGainAndZBeforeTheNotesAndHidesTheEmptyZDollars) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    gainLeague(league).model();
    const GridTable grid = adviceGrid(program, "");

    const std::vector<std::string> tail(grid.headings.end() - 5, grid.headings.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Gain", "Z", "Z$", "VONA", "Notes"}));
    // In the draft's order of value: p2, p3, p4, p5, p6.
    EXPECT_EQ(column(grid, "playerid"), (std::vector<std::string>{"2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(grid, "Gain"),
              (std::vector<std::string>{"1.50", "-0.50", "1.00", "1.50", "-1.00"}));
    // A snake draft has no z dollars: the column stays, hidden.
    EXPECT_EQ(column(grid, "Z$"), (std::vector<std::string>(5, "")));
    const int zDollars = grid.columnIndex("Z$");
    EXPECT_NE(std::find(grid.hiddenColumns.begin(), grid.hiddenColumns.end(), zDollars),
              grid.hiddenColumns.end());
}

TEST(AdviceColumns, SortingByGainPutsTheBestFirstAndKeepsTheOrderOfValueAmongEquals) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    gainLeague(league).model();
    const GridTable byGain = adviceGrid(program, "gain");
    // p2 and p5 both gain 1.5: p2 is ranked 2nd, p5 5th.
    EXPECT_EQ(column(byGain, "playerid"), (std::vector<std::string>{"2", "5", "4", "3", "6"}));
    // The flag colours travel with their rows.
    ASSERT_EQ(byGain.rowColours.size(), 5U);
}

TEST(AdviceColumns, WithoutAskingTheGridKeepsItsColumnsAndAUserWithoutATeamSeesBlanks) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    gainLeague(league).model();
    const auto plain =
        fillAvailablePlayers(program.state, listShowing(program.state), "All Players", 0);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->headings, availablePlayerHeadings(*program.state.draftSettings()));
    EXPECT_EQ(plain->columnIndex("Gain"), -1);

    program.exec("update DraftTeams set owner = 0");
    league.model();
    const GridTable grid = adviceGrid(program, "");
    EXPECT_EQ(column(grid, "Gain"), (std::vector<std::string>(5, "")));
}

}  // namespace quorvane::test
