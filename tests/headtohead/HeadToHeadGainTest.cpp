// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fmt/format.h>

#include "HeadToHeadDraft.h"
#include "teamadvice/TeamAdvice.h"

namespace quorvane::test {

namespace {

const AdviceRow& rowOf(const TeamAdvice& advice, int playerid) {
    for (const AdviceRow& row : advice.rows()) {
        if (row.playerid == playerid) {
            return row;
        }
    }
    ADD_FAILURE() << playerid;
    return advice.rows().front();
}

// Owner 1 holds p1, Owner 2 p3; p2 and p4 are the expected pool, so each open slot holds their
// average (780 points, 52.5 steals, 90 turnovers, 330 / 675 FG). In weekly units (x 3.5 / 82)
// Owner 1 expects (1200 + 780) x 0.042683 = 84.512195 points, 6.082317 steals, 10.243902
// turnovers, 35.426829 / 75.762195 FG; Owner 2 76.402439, 7.789634, 11.951220, 29.024390 /
// 62.957317.
League gainLeague(TestProgram& program) {
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    league.pick(1, 1, "UT").pick(3, 2, "UT");
    return league;
}

}  // namespace

// As things stand Owner 1's chances are PTS 0.628511, STL 0.375074, TO 0.627850, FG% 0.581834:
// 2.213269 expected wins. With p2 in the average's place (p1 + p2: 2150 x 0.042683 = 91.768293
// points, 150 x 0.042683 = 6.402439 steals, ...) the chances become 0.732802, 0.397920, 0.564773,
// 0.568208: 2.263703, a gain of 0.050433. p4 brings 2.150764, a loss of 0.062506.
TEST(HeadToHeadGain, GainIsTheChangeOfTheTeamsExpectedWins) {
    TestProgram program;
    League league = gainLeague(program);
    const DraftModel model = loadedModel(program, league);
    const TeamAdvice advice(model, 0);

    ASSERT_EQ(advice.rows().size(), 2u);
    EXPECT_EQ(advice.rows()[0].playerid, 2);  // best gain first
    EXPECT_NEAR(*rowOf(advice, 2).gain, 0.050433, 1e-6);
    EXPECT_NEAR(*rowOf(advice, 4).gain, -0.062506, 1e-6);
    // The Z column holds the total G; a snake draft has no G$.
    EXPECT_NEAR(rowOf(advice, 2).z, 0.412698, 1e-6);
    EXPECT_FALSE(rowOf(advice, 2).zDollars.has_value());

    const std::vector<CategoryAdvice> categories = advice.categories(2);
    ASSERT_EQ(categories.size(), 4u);
    // Per category: PTS 0.732802 - 0.628511 = 0.104291, STL 0.022845, TO -0.063077, FG% -0.013626;
    // the z shown is his G (PTS 0.035211 / 1.861899 = 0.018912).
    EXPECT_NEAR(*categories[categoryIndex(model, 1)].gain, 0.104291, 1e-6);
    EXPECT_NEAR(*categories[categoryIndex(model, 3)].gain, 0.022845, 1e-6);
    EXPECT_NEAR(*categories[categoryIndex(model, 9)].gain, -0.063077, 1e-6);
    EXPECT_NEAR(*categories[categoryIndex(model, 15)].gain, -0.013626, 1e-6);
    EXPECT_NEAR(categories[categoryIndex(model, 1)].z, 0.018912, 1e-6);
}

// Steals punted: they keep their 0.375074 whatever p2 brings, so his gain is 0.050433 - 0.022845
// = 0.027588; p4's -0.062506 + 0.022415 = -0.040090.
TEST(HeadToHeadGain, PuntedCategoryKeepsItsChances) {
    TestProgram program;
    League league = gainLeague(program);
    program.exec(
        fmt::format("insert into DraftPunts (template_id, categoryid) values ({}, 3)", league.id));
    const DraftModel model = loadedModel(program, league);
    const TeamAdvice advice(model, 0);
    EXPECT_NEAR(*rowOf(advice, 2).gain, 0.027588, 1e-6);
    EXPECT_NEAR(*rowOf(advice, 4).gain, -0.040090, 1e-6);
}

// In an auction the Z$ column holds G$: p2 171.628177, p4 93.530882.
TEST(HeadToHeadGain, AuctionShowsGDollars) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeAuction, kHeadToHeadEachCategory, false);
    league.pick(1, 1, "UT", 120).pick(3, 2, "UT", 5);
    const DraftModel model = loadedModel(program, league);
    const TeamAdvice advice(model, 0);
    EXPECT_NEAR(*rowOf(advice, 2).zDollars, 171.628177, 1e-5);
    EXPECT_NEAR(*rowOf(advice, 4).zDollars, 93.530882, 1e-5);
}

// A team whose starting slots are full gets no gain.
TEST(HeadToHeadGain, FullTeamHasNoGain) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    league.pick(1, 1, "UT").pick(4, 1, "UT");
    const DraftModel model = loadedModel(program, league);
    const TeamAdvice advice(model, 0);
    EXPECT_FALSE(rowOf(advice, 2).gain.has_value());
}

}  // namespace quorvane::test
