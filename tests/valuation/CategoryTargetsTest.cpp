// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "LeagueFixture.h"
#include "session/ValuationConversation.h"
#include "valuation/CategoryTargets.h"
#include "valuation/Standings.h"

namespace quorvane::test {

namespace {

// Owner 1 (the user's team) has 20 points and 5 of 10 field goals.
League myLeague(TestProgram& program) {
    League league(program, 2, kDraftTypeSnake, kScoringRotisserie);
    league.categories({{1, 1}, {15, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 10, .fgm = 5, .fga = 10})
        .pick(1, 1, "G");
    league.load();
    program.exec("insert into draftTargets (template_id, categoryid, target) values (" +
                 std::to_string(league.id) + ", 1, 25), (" + std::to_string(league.id) +
                 ", 15, 0.4), (" + std::to_string(league.id) + ", 2, 900)");
    return league;
}

}  // namespace

TEST(CategoryTargets, ShowTargetActualAndColouredDifference) {
    TestProgram program;
    League league = myLeague(program);
    EXPECT_EQ(myTeamId(program.state), league.teamId(1));
    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    const auto rows = showCategoryTargets(program.state, program.dialogs);

    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2U);
    EXPECT_EQ((*rows)[0].symbol, "PTS");
    EXPECT_EQ((*rows)[0].target, "25");
    EXPECT_EQ((*rows)[0].actual, "20");
    EXPECT_EQ((*rows)[0].difference, "-5");
    EXPECT_EQ((*rows)[0].differenceColour, kBelowTargetColour);
    EXPECT_EQ((*rows)[1].target, ".400");
    EXPECT_EQ((*rows)[1].actual, ".500");
    EXPECT_EQ((*rows)[1].difference, ".100");
    EXPECT_EQ((*rows)[1].differenceColour, kAboveTargetColour);
    ASSERT_EQ(program.state.categoryTargets().size(), 2U);
    EXPECT_EQ(program.state.categoryTargets()[1].categoryid, 15);
}

TEST(CategoryTargets, WithoutAnOwnTeamActualsAreZero) {
    TestProgram program;
    League league = myLeague(program);
    program.exec("update DraftTeams set owner = 0");
    league.load();
    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    const auto rows = showCategoryTargets(program.state, program.dialogs);

    EXPECT_EQ(myTeamId(program.state), 0);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ((*rows)[0].actual, "0");
    EXPECT_EQ((*rows)[1].actual, ".000");
}

// In a head-to-head league without an own team there are no chances to show: the rows still
// come, and the chances' failure has nothing to say.
TEST(CategoryTargets, AHeadToHeadLeagueWithoutAnOwnTeamShowsRowsWithoutChances) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringHeadToHead);
    league.categories({{1, 1}, {15, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 10, .fgm = 5, .fga = 10})
        .pick(1, 1, "G");
    program.exec("update DraftTeams set owner = 0");
    league.load();

    const Outcome<TargetPanel> panel = showCategoryTargets(program.state, false);
    ASSERT_TRUE(panel.ok());
    ASSERT_EQ(panel.value().rows.size(), 2U);
    EXPECT_EQ(panel.value().rows[0].chance, "");
    ASSERT_TRUE(panel.value().unreadChances.has_value());
    EXPECT_TRUE(panel.value().unreadChances->message.text.empty());

    ASSERT_TRUE(showCategoryTargets(program.state, program.dialogs).has_value());
    EXPECT_TRUE(program.dialogs.messages.empty()) << program.dialogs.lastText();
}

TEST(CategoryTargets, NonNumericTargetBlocksTheSaveAndNamesTheCategory) {
    TestProgram program;
    myLeague(program);
    ASSERT_TRUE(showCategoryTargets(program.state, program.dialogs).has_value());

    EXPECT_FALSE(saveCategoryTargets(program.state, program.dialogs, {"30", "abc"}).has_value());

    ASSERT_EQ(program.dialogs.messages.size(), 1U);
    EXPECT_EQ(program.dialogs.messages[0].title, "Invalid Target");
    EXPECT_EQ(program.dialogs.messages[0].text, "Target is not valid for: FGP");
    EXPECT_EQ(program.scalar("select target from draftTargets where categoryid = 1"), 25);
}

TEST(CategoryTargets, ATargetNoTeamCouldReachIsRefusedNamingTheCategory) {
    TestProgram program;
    myLeague(program);
    ASSERT_TRUE(showCategoryTargets(program.state, program.dialogs).has_value());
    // Points, then field-goal percentage.
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
        {{"1e308", ".5"}, "Target is not valid for: PTS (a target lies from 0 to 1000000)"},
        {{"-1", ".5"}, "Target is not valid for: PTS (a target lies from 0 to 1000000)"},
        {{"1000000.5", ".5"}, "Target is not valid for: PTS (a target lies from 0 to 1000000)"},
        {{"30", "47"}, "Target is not valid for: FGP (a target lies from 0 to 1)"},
        {{"30", "-0.001"}, "Target is not valid for: FGP (a target lies from 0 to 1)"},
        {{"inf", ".5"}, "Target is not valid for: PTS"},
    };
    for (const auto& [texts, message] : refused) {
        program.dialogs.messages.clear();
        EXPECT_FALSE(saveCategoryTargets(program.state, program.dialogs, texts).has_value());
        ASSERT_EQ(program.dialogs.messages.size(), 1U) << texts[0];
        EXPECT_EQ(program.dialogs.messages[0].text, message);
    }
    EXPECT_EQ(program.scalar("select target from draftTargets where categoryid = 1"), 25);

    // The ends of each range are targets.
    ASSERT_TRUE(saveCategoryTargets(program.state, program.dialogs, {"1000000", "1"}).has_value());
    EXPECT_EQ(program.scalar("select target from draftTargets where categoryid = 1"), 1000000);
}

TEST(CategoryTargets, SaveReplacesTheDraftsTargetsAndRecomputes) {
    TestProgram program;
    League league = myLeague(program);
    ASSERT_TRUE(showCategoryTargets(program.state, program.dialogs).has_value());

    const auto rows = saveCategoryTargets(program.state, program.dialogs, {" 15 ", ".5"});

    ASSERT_TRUE(rows.has_value());
    // The assists target belongs to a category the draft no longer has.
    EXPECT_EQ(program.scalar("select count(*) from draftTargets where template_id = " +
                             std::to_string(league.id)),
              2);
    EXPECT_EQ(program.scalar("select count(*) from draftTargets where categoryid = 2"), 0);
    EXPECT_EQ((*rows)[0].difference, "5");
    EXPECT_EQ((*rows)[1].difference, ".000");
    EXPECT_FALSE((*rows)[1].differenceColour.has_value());
}

}  // namespace quorvane::test
