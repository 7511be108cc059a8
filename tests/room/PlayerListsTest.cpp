// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "session/MarkConversation.h"
#include "session/RoomRefresh.h"

namespace quorvane::test {
namespace {

struct ListRoom : RoomFixture {
    ListRoom(int drafttype, bool rotisserie) : RoomFixture(3, drafttype, rotisserie) {
        // Shooter: 300 points in 60 games, 90/100 free throws; Big: a centre with no attempts.
        addPlayer({.playerid = 1,
                   .firstname = "Sam",
                   .lastname = "Shooter",
                   .pos = "G",
                   .games = 60,
                   .fgm = 100,
                   .fga = 200,
                   .ftm = 90,
                   .fta = 100,
                   .pt3m = 10,
                   .pt3a = 30,
                   .oreb = 10,
                   .dreb = 50,
                   .assists = 120,
                   .turnovers = 40,
                   .dollars = 12.345,
                   .draftorder = 2});
        addPlayer({.playerid = 2,
                   .firstname = "Ben",
                   .lastname = "Big",
                   .pos = "C",
                   .games = 0,
                   .oreb = 100,
                   .dreb = 200,
                   .turnovers = 10,
                   .dollars = 30,
                   .draftorder = 1});
        addPlayer({.playerid = 3,
                   .firstname = "Al",
                   .lastname = "Apostrophe's",
                   .pos = "F",
                   .games = 20,
                   .fgm = 10,
                   .fga = 40,
                   .turnovers = 60,
                   .dollars = 1,
                   .draftorder = 3});
        addPlayer({.playerid = 3,
                   .firstname = "Al",
                   .lastname = "Apostrophe's",
                   .pos = "F",
                   .year = 2018,
                   .games = 50});
    }
    void useCategories(const std::vector<std::pair<int, double>>& categories) {
        exec("delete from DraftCategory where template_id = " + std::to_string(draftId));
        for (const auto& [id, points] : categories) {
            exec("insert into DraftCategory (template_id, categoryid, points) values (" +
                 std::to_string(draftId) + "," + std::to_string(id) + "," + std::to_string(points) +
                 ")");
        }
        reload();
    }
    GridTable list(int sortColumn = 0, const std::string& filter = "All Players") {
        auto grid = fillAvailablePlayers(state, listShowing(state), filter, sortColumn);
        EXPECT_TRUE(grid.has_value());
        return grid.value_or(GridTable{});
    }
};

TEST(AvailablePlayers, AuctionColumnsFollowTheDraftsCategoriesWithTheirFormats) {
    ListRoom draft(kDraftTypeAuction, true);
    draft.useCategories({{15, 1}, {14, 1}, {16, 1}, {5, 1}});
    const GridTable grid = draft.list();
    EXPECT_EQ(grid.headings,
              (std::vector<std::string>{"playerid", "flag", "$", "Name", "Team", "Pos", "GP", "FGP",
                                        "FTP", "3PT", "REB", "Notes"}));
    EXPECT_EQ(column(grid, "playerid"), (std::vector<std::string>{"2", "1", "3"}));  // by value
    EXPECT_EQ(column(grid, "$"), (std::vector<std::string>{"30.00", "12.35", "1.00"}));
    EXPECT_EQ(column(grid, "Name")[2], "Apostrophe's, Al");
    EXPECT_EQ(column(grid, "FGP"), (std::vector<std::string>{".000", ".500", ".250"}));
    EXPECT_EQ(column(grid, "FTP"), (std::vector<std::string>{".000", ".900", ".000"}));
    EXPECT_EQ(column(grid, "REB"), (std::vector<std::string>{"300", "60", "0"}));
}

TEST(AvailablePlayers, PointsDraftRanksAndSortsByWeightedFantasyPoints) {
    ListRoom draft(kDraftTypeSnake, false);
    // Points 2 per point scored, -1 per turnover, 10 per assist per game.
    draft.useCategories({{1, 2}, {9, -1}, {4, 10}});
    const auto fpts = availablePlayerColumn(*draft.state.draftSettings(), "fpts");
    ASSERT_TRUE(fpts);
    const GridTable grid = draft.list(*fpts);
    EXPECT_EQ(grid.headings[2], "RK");
    EXPECT_EQ(grid.headings[3], "FPTS");
    // Shooter: 2 x 300 - 40 + 10 x 2.00 = 580; Big: -10; Apostrophe's: 2 x 20 - 60 = -20.
    EXPECT_EQ(column(grid, "FPTS"), (std::vector<std::string>{"580", "-10", "-20"}));
    EXPECT_EQ(column(grid, "APG"), (std::vector<std::string>{"2.00", "0.00", "0.00"}));

    EXPECT_EQ(column(draft.list(0), "playerid"), (std::vector<std::string>{"2", "1", "3"}));
}

TEST(AvailablePlayers, HeadingsSortAndUnknownOnesFallBackToValueOrRank) {
    ListRoom draft(kDraftTypeSnake, true);
    draft.useCategories({{9, 1}, {5, 1}});
    const DraftSettings& settings = *draft.state.draftSettings();
    EXPECT_EQ(column(draft.list(*availablePlayerColumn(settings, "TO")), "playerid"),
              (std::vector<std::string>{"2", "1", "3"}));  // fewest turnovers first
    EXPECT_EQ(column(draft.list(*availablePlayerColumn(settings, "REB")), "playerid"),
              (std::vector<std::string>{"2", "1", "3"}));
    EXPECT_EQ(column(draft.list(*availablePlayerColumn(settings, "Name")), "playerid"),
              (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(column(draft.list(*availablePlayerColumn(settings, "Notes")), "playerid"),
              (std::vector<std::string>{"2", "1", "3"}));  // by rank
}

TEST(AvailablePlayers, FiltersByPositionInAnyCaseAndBySeason) {
    ListRoom draft(kDraftTypeSnake, true);
    EXPECT_EQ(column(draft.list(0, "CENTERS"), "playerid"), (std::vector<std::string>{"2"}));
    EXPECT_EQ(column(draft.list(0, "guards"), "playerid"), (std::vector<std::string>{"1"}));
    EXPECT_EQ(draft.list(0, "all players").rows.size(), 3u);

    draft.state.statsMode = 1;  // last season: only the player who has a row for it
    const GridTable previous = draft.list();
    EXPECT_EQ(column(previous, "playerid"), (std::vector<std::string>{"3"}));
    EXPECT_EQ(column(previous, "GP"), (std::vector<std::string>{"50"}));

    draft.state.statsMode = 0;
    draft.exec("insert into DraftTaken (template_id, playerid, teamid, pos, draftorder) values (" +
               std::to_string(draft.draftId) + ", 2, 1, 'C', 1)");
    EXPECT_EQ(column(draft.list(), "playerid"), (std::vector<std::string>{"1", "3"}));
}

TEST(AvailablePlayers, RowsAreColouredByFlagAndTheMenuTogglesTheFlag) {
    ListRoom draft(kDraftTypeSnake, true);
    setPlayerFlag(draft.state, 1, 1);
    setPlayerFlag(draft.state, 2, 2);
    setPlayerFlag(draft.state, 3, 3);
    GridTable grid = draft.list();
    ASSERT_EQ(grid.rowColours.size(), 3u);
    EXPECT_EQ(grid.rowColours[0], (Rgb{0xFF, 0x80, 0x00}));  // Big, bust
    EXPECT_EQ(grid.rowColours[1], (Rgb{0x00, 0xFF, 0x00}));  // Shooter, sleeper
    EXPECT_EQ(grid.rowColours[2], (Rgb{0x00, 0xFF, 0xFF}));  // upside

    // Flags belong to the player, every season's row.
    EXPECT_EQ(draft.scalar("select flag from DraftPlayers where playerid = 3 and "
                           "yearofprojection = 2018"),
              3);
    EXPECT_EQ(chooseFlag(draft.state, 1, 1, 1), 0);
    EXPECT_EQ(chooseFlag(draft.state, 2, 2, 3), 3);
    grid = draft.list();
    EXPECT_EQ(grid.rowColours[0], (Rgb{0x00, 0xFF, 0xFF}));
    EXPECT_EQ(grid.rowColours[1], (Rgb{0xFF, 0xFF, 0xFF}));
}

TEST(AvailablePlayers, NotesAreKeptPerPlayerAndShownInTheLastColumn) {
    ListRoom draft(kDraftTypeSnake, true);
    ASSERT_TRUE(savePlayerNote(draft.state, 1, "won't play, back in May"));
    EXPECT_EQ(column(draft.list(), "Notes")[1], "won't play, back in May");
}

TEST(PositionButtons, NamesAndAnIndexBeyondTheButtonsChangesNothing) {
    ListRoom draft(kDraftTypeSnake, true);
    EXPECT_EQ(positionName(5), "centers");
    EXPECT_EQ(positionName(9), "All Skaters");
    PlayerListView list;
    selectPositionButton(list, 3);
    EXPECT_EQ(list.positionFilter, "forwards");
    selectPositionButton(list, 8);
    EXPECT_EQ(list.positionFilter, "forwards");
}

TEST(ResearchGrid, AvailableAndTakenWithPricePaidAndSortKeys) {
    ListRoom draft(kDraftTypeAuction, true);
    draft.exec(
        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
        "values (" +
        std::to_string(draft.draftId) + ", 2, 1, 'C', 1, 7)");
    auto available = fillResearchGrid(draft.state, "AVAILABLE", "pts");
    ASSERT_TRUE(available);
    EXPECT_EQ(available->headings[1], "$");
    EXPECT_EQ(column(*available, "playerid"), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(column(*available, "PTS"), (std::vector<std::string>{"300", "20"}));
    EXPECT_EQ(column(*available, "FTP"), (std::vector<std::string>{".900", ".000"}));

    auto taken = fillResearchGrid(draft.state, "taken", "LASTNAME");
    ASSERT_TRUE(taken);
    EXPECT_EQ(column(*taken, "PAID"), (std::vector<std::string>{"7"}));
    EXPECT_EQ(column(*taken, "Team Name"), (std::vector<std::string>{"Owner 1"}));

    EXPECT_FALSE(fillResearchGrid(draft.state, "SKATERS", "name"));
}

TEST(SearchList, ListsEveryoneByNameAndCompletesAPrefix) {
    ListRoom draft(kDraftTypeSnake, true);
    const auto entries = fillSearchList(draft.state);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].name, "Apostrophe's, Al (BOS)");
    EXPECT_EQ((*entries)[0].playerid, 3);
    EXPECT_EQ(findSearchEntry(*entries, "sh"), std::optional<std::size_t>(2));
    EXPECT_EQ(findSearchEntry(*entries, "x"), std::nullopt);
}

TEST(TeamSelector, SelectsTheUsersOwnTeam) {
    ListRoom draft(kDraftTypeSnake, true);
    draft.exec("update DraftTeams set owner = iif(draftposition = 3, 1, 0)");
    draft.reload();
    const TeamSelector selector = fillTeamSelector(*draft.state.loadedDraft);
    ASSERT_EQ(selector.teams.size(), 3u);
    EXPECT_EQ(selector.selected, 2);
    EXPECT_EQ(selector.teams[2].teamid, draft.teamAt(3));
}

}  // namespace
}  // namespace quorvane::test
