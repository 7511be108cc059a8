// SPDX-License-Identifier: MIT
// What the room's repositories read back of the picks, keepers and player cards they and the
// program wrote, on a fresh database each.
#include <gtest/gtest.h>

#include <array>

#include "store/Connection.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftRows.h"
#include "store/DraftTakenRepository.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

constexpr int kSeason = 2019;

struct Draft : TestProgram {
    int draftId = newDraft("Repositories", 3, true, true);
    std::vector<int> teams;  // by draft position

    Draft() {
        teams = readRows<int>(state.dbConnection,
                              "select teamid from DraftTeams where template_id = ? order by "
                              "draftposition",
                              {std::int64_t{draftId}},
                              [](const StatementRow& row) { return row.as<int>(0); })
                    .value_or(std::vector<int>());
    }
    void player(int playerid, const SqlValue& first, const SqlValue& last, double dollars,
                int season = kSeason) {
        ASSERT_TRUE(
            executeSql(state.dbConnection,
                       "insert into DraftPlayers (playerid, yearofprojection, firstname, "
                       "lastname, pos, team, dollars, PG, SG, SF, PF, C) values (?, ?, ?, "
                       "?, 'G', 'BOS', ?, 1, 1, 0, 0, 0)",
                       {std::int64_t{playerid}, std::int64_t{season}, first, last, dollars}));
    }
    void take(int playerid, int team, const std::string& slot, int order, double price) {
        ASSERT_TRUE(insertTaken(state.dbConnection, draftId, {playerid, team, slot, order, price}));
    }
};

TEST(PickRows, APickReadsBackAsItWasWrittenAndCountsOnlyItsOwnDraft) {
    Draft draft;
    const int other = draft.newDraft("Other", 3, true, true);
    draft.take(101, draft.teams[1], "pg", 4, 12.75);

    const auto picks = readPickRows(draft.state.dbConnection, draft.draftId);
    ASSERT_TRUE(picks.has_value());
    ASSERT_EQ(picks->size(), 1U);
    EXPECT_EQ(picks->front().playerid, 101);
    EXPECT_EQ(picks->front().teamid, draft.teams[1]);
    EXPECT_EQ(picks->front().pos, std::optional<std::string>("pg"));
    EXPECT_EQ(picks->front().draftorder, 4);
    EXPECT_DOUBLE_EQ(picks->front().dollars, 12.75);

    const auto otherPicks = readPickRows(draft.state.dbConnection, other);
    ASSERT_TRUE(otherPicks.has_value());
    EXPECT_TRUE(otherPicks->empty());
    EXPECT_EQ(readTeamOfPlayer(draft.state.dbConnection, draft.draftId, 101), draft.teams[1]);
    EXPECT_EQ(readTeamOfPlayer(draft.state.dbConnection, draft.draftId, 999), 0);
}

TEST(PickRows, MoneyAndSlotsOfATeamLeaveTheAskedPlayerOut) {
    Draft draft;
    const int team = draft.teams[0];
    draft.take(201, team, "PG", 1, 12.5);
    draft.take(202, team, "pg", 4, 7.25);
    draft.take(203, team, "C", 7, 3.1);
    draft.take(204, draft.teams[2], "PG", 2, 40.0);
    Connection& db = draft.state.dbConnection;

    // 12.5 + 7.25 + 3.1 = 22.85 over every row of the team.
    EXPECT_DOUBLE_EQ(readTeamMoneySpent(db, team).value_or(-1), 22.85);

    const auto uses = readSlotUseWithout(db, draft.draftId, team, 203);
    ASSERT_TRUE(uses.has_value());
    ASSERT_EQ(uses->size(), 1U);
    EXPECT_EQ(uses->front().slot, "PG");
    EXPECT_EQ(uses->front().players, 2);

    // A move to another team at a new price, then the drop of the moved player.
    ASSERT_TRUE(moveTaken(db, draft.draftId, 203, draft.teams[2], "UT", 5.5));
    EXPECT_DOUBLE_EQ(readTeamMoneySpent(db, draft.teams[2]).value_or(-1), 45.5);
    EXPECT_EQ(deleteTeamPlayerTaken(db, draft.draftId, team, 203), 0);
    EXPECT_EQ(deleteTeamPlayerTaken(db, draft.draftId, draft.teams[2], 203), 1);
}

TEST(KeeperRows, KeepersCarryPickNumberZeroAndTheirValueOfTheSeason) {
    Draft draft;
    draft.player(301, std::string("Bo"), std::string("Zane"), 11.75);
    draft.player(302, std::string("Cy"), std::string("Adams"), 9.0);
    draft.player(303, std::string("Di"), SqlValue{}, 2.0);
    const int team = draft.teams[2];
    draft.take(301, team, "G", 0, 4.5);
    draft.take(302, team, "C", 0, 10.25);
    draft.take(303, team, "F", 0, 1.0);
    draft.player(304, std::string("Ed"), std::string("Best"), 5.0);
    draft.take(304, draft.teams[0], "C", 3, 8.0);  // a pick, not a keeper, of another team
    Connection& db = draft.state.dbConnection;

    const auto keepers = readKeeperRows(db, kSeason, draft.draftId, team);
    ASSERT_TRUE(keepers.has_value());
    // By last name: the missing one sorts first, then Adams, then Zane.
    ASSERT_EQ(keepers->size(), 3U);
    EXPECT_EQ(keepers->at(0).playerid, 303);
    EXPECT_FALSE(keepers->at(0).lastname.has_value());
    EXPECT_EQ(keepers->at(1).playerid, 302);
    EXPECT_EQ(keepers->at(1).price, std::optional<double>(10.25));
    EXPECT_EQ(keepers->at(1).value, std::optional<double>(9.0));
    EXPECT_EQ(keepers->at(2).playerid, 301);

    EXPECT_EQ(deleteKeeperTaken(db, draft.draftId, 301), 1);
    EXPECT_EQ(deleteKeeperTaken(db, draft.draftId, 301), 0);
    EXPECT_EQ(deleteKeeperTaken(db, draft.draftId, 304), 0);  // a pick stays
}

TEST(PlayerCards, ACardKeepsAMissingNameApartFromAnEmptyOne) {
    Draft draft;
    draft.player(601, SqlValue{}, std::string("Solo"), 3.0);
    draft.player(602, std::string(""), std::string("Blank"), 3.0);

    const auto solo = readPlayerCard(draft.state.dbConnection, kSeason, 601);
    ASSERT_TRUE(solo.has_value() && solo->has_value());
    EXPECT_FALSE((*solo)->firstname.has_value());
    EXPECT_EQ(cardName(**solo), "Solo");
    EXPECT_EQ((*solo)->positions, (std::array<std::int64_t, 5>{1, 1, 0, 0, 0}));
    const auto blank = readPlayerCard(draft.state.dbConnection, kSeason, 602);
    ASSERT_TRUE(blank.has_value() && blank->has_value());
    EXPECT_EQ((*blank)->firstname, std::optional<std::string>(""));

    const auto missing = readPlayerCard(draft.state.dbConnection, kSeason, 699);
    ASSERT_TRUE(missing.has_value());
    EXPECT_FALSE(missing->has_value());
}

TEST(PlayerCards, APlayersSeasonsReadNewestFirstAndACardIsHisRowOfTheSeasonAsked) {
    Draft draft;
    draft.player(610, std::string("Cy"), std::string("Dunn"), 1.75, kSeason - 1);
    draft.player(610, std::string("Cy"), std::string("Dunn"), 23.4);
    draft.player(610, std::string("Cy"), std::string("Dunn"), 8.6, kSeason - 2);
    draft.player(611, std::string("Other"), std::string("Man"), 5.0);

    const auto seasons = readPlayerSeasons(draft.state.dbConnection, 610);
    ASSERT_TRUE(seasons.has_value());
    ASSERT_EQ(seasons->size(), 3U);
    EXPECT_EQ((*seasons)[0].yearofprojection, kSeason);
    EXPECT_EQ((*seasons)[1].yearofprojection, kSeason - 1);
    EXPECT_EQ((*seasons)[2].yearofprojection, kSeason - 2);
    EXPECT_DOUBLE_EQ((*seasons)[2].dollars, 8.6);
    EXPECT_EQ((*seasons)[0].team, "BOS");
    EXPECT_EQ((*seasons)[0].notes, "");  // none stored reads as empty

    const auto card = readPlayerCard(draft.state.dbConnection, kSeason - 1, 610);
    ASSERT_TRUE(card.has_value() && card->has_value());
    EXPECT_EQ((*card)->playerid, 610);
    EXPECT_DOUBLE_EQ((*card)->dollars, 1.75);
    EXPECT_EQ(cardName(**card), "Cy Dunn");
    const auto noSeason = readPlayerCard(draft.state.dbConnection, kSeason - 3, 610);
    ASSERT_TRUE(noSeason.has_value());
    EXPECT_FALSE(noSeason->has_value());
}

}  // namespace
}  // namespace quorvane
