// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "LeagueFixture.h"
#include "room/ClockBanner.h"
#include "room/DraftPicks.h"
#include "session/ValuationConversation.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

constexpr int kLastSeason = kProjectionYear - 1;

// Two teams with one guard and one centre slot each, $100 each, points only at 10 a point of
// SGP. SGP: A 10, B 8, C 5 (guards), D 9, E 6, F 4 (centres).
League sixPlayerLeague(TestProgram& program, int drafttype = kDraftTypeAuction) {
    League league(program, 2, drafttype, kScoringRotisserie);
    league.rosterSlots({.C = 1, .G = 1})
        .money(100, 1)
        .categories({{1, 1}})
        .denominator(1, 10)
        .player({.playerid = 1, .lastname = "A", .ftm = 100, .PG = 1})
        .player({.playerid = 2, .lastname = "B", .ftm = 80, .PG = 1})
        .player({.playerid = 3, .lastname = "C", .ftm = 50, .SG = 1})
        .player({.playerid = 4, .lastname = "D", .ftm = 90, .C = 1})
        .player({.playerid = 5, .lastname = "E", .ftm = 60, .C = 1})
        .player({.playerid = 6, .lastname = "F", .ftm = 40, .C = 1})
        // B played centre last season; this season's positions alone set the levels.
        .player(
            {.playerid = 2, .lastname = "B", .ftm = 10, .C = 1, .yearofprojection = kLastSeason})
        .player({.playerid = 1, .lastname = "A", .yearofprojection = kLastSeason});
    league.load();
    return league;
}

// The same two teams, but the guards are weaker than the second centre, so each group's level
// differs from the lowest SGP rostered: guards A 7.4, B 4.6, C 2.9; centres D 11.3, E 6.2,
// F 3.8.
League strongCentreLeague(TestProgram& program) {
    League league(program, 2, kDraftTypeAuction, kScoringRotisserie);
    league.rosterSlots({.C = 1, .G = 1})
        .money(100, 1)
        .categories({{1, 1}})
        .denominator(1, 10)
        .player({.playerid = 1, .lastname = "A", .ftm = 74, .PG = 1})
        .player({.playerid = 2, .lastname = "B", .ftm = 46, .PG = 1})
        .player({.playerid = 3, .lastname = "C", .ftm = 29, .SG = 1})
        .player({.playerid = 4, .lastname = "D", .ftm = 113, .C = 1})
        .player({.playerid = 5, .lastname = "E", .ftm = 62, .C = 1})
        .player({.playerid = 6, .lastname = "F", .ftm = 38, .C = 1});
    league.load();
    return league;
}

bool logEndsWith(const TestProgram& program, const std::string& literal) {
    const auto lines = program.logLines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.size() >= literal.size() &&
               line.compare(line.size() - literal.size(), literal.size(), literal) == 0;
    });
}

}  // namespace

TEST(DollarValues, ShareThePotAboveEachGroupsReplacementLevel) {
    TestProgram program;
    League league = sixPlayerLeague(program);

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // Levels: centres E (6), non-centres B (8). Pool A 2 + B 0 + D 3 + E 0 = 5 SGP;
    // pot 200 - (4 - 2) = 198, so $39.60 a point above a $1 minimum.
    EXPECT_DOUBLE_EQ(league.dollars(1), 80.2);
    EXPECT_DOUBLE_EQ(league.dollars(2), 1.0);
    EXPECT_DOUBLE_EQ(league.dollars(3), 1 - 3 * 39.6);
    EXPECT_DOUBLE_EQ(league.dollars(4), 119.8);
    EXPECT_DOUBLE_EQ(league.dollars(5), 1.0);
    EXPECT_DOUBLE_EQ(league.dollars(6), 1 - 2 * 39.6);
    // Last season's row shows this season's value.
    EXPECT_DOUBLE_EQ(league.dollars(1, kLastSeason), 80.2);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(DollarValues, UtilityOnlyLeagueRostersTheBestOfEveryPosition) {
    TestProgram program;
    League league = sixPlayerLeague(program);
    league.rosterSlots({.C = 1, .UT = 2});
    league.load();

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // Level: 4th best of all (E, 6). Valued pool: centres D 3, E 0; others A 4, B 2, C -1 = 8.
    // Pot 200 - (6 - 2) = 196, $24.50 a point.
    EXPECT_DOUBLE_EQ(league.dollars(1), 99.0);
    EXPECT_DOUBLE_EQ(league.dollars(2), 50.0);
    EXPECT_DOUBLE_EQ(league.dollars(3), -23.5);
    EXPECT_DOUBLE_EQ(league.dollars(4), 74.5);
    EXPECT_DOUBLE_EQ(league.dollars(5), 1.0);
    EXPECT_DOUBLE_EQ(league.dollars(6), -48.0);
}

TEST(DollarValues, InflationValuesWhatIsLeftWithTheMoneyLeft) {
    TestProgram program;
    League league = sixPlayerLeague(program);
    league.pick(4, 1, "C", 50).pick(1, 2, "G", 70);
    program.state.showInflation = true;

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // Left to buy: one centre (E, 0) and one other (B, 0), so the SGP sum is 0 and the rate is
    // the whole pot left, 200 - 120 = 80; 4 - 2 picks leave no slot money to take off.
    EXPECT_DOUBLE_EQ(league.dollars(1), 161.0);  // drafted, still valued
    EXPECT_DOUBLE_EQ(league.dollars(4), 241.0);
    EXPECT_DOUBLE_EQ(league.dollars(2), 1.0);
    EXPECT_DOUBLE_EQ(league.dollars(3), -239.0);

    program.state.showInflation = false;
    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));
    EXPECT_DOUBLE_EQ(league.dollars(1), 80.2);
}

TEST(DollarValues, CentreLevelIsTheLowestRosteredCentreNotTheLowestRosteredPlayer) {
    TestProgram program;
    League league = strongCentreLeague(program);

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // Levels: centres E 6.2, others B 4.6. Pool above them: D 5.1 + E 0 + A 2.8 + B 0 = 7.9 SGP
    // share 200 - (4 - 2) = 198 dollars.
    EXPECT_NEAR(league.dollars(4), 1 + 5.1 * 198 / 7.9, 1e-9);  // 128.82
    EXPECT_NEAR(league.dollars(1), 1 + 2.8 * 198 / 7.9, 1e-9);  // 71.18
    EXPECT_NEAR(league.dollars(5), 1.0, 1e-9);
    EXPECT_NEAR(league.dollars(6), 1 - 2.4 * 198 / 7.9, 1e-9);  // -59.15
    EXPECT_NEAR(league.dollars(3), 1 - 1.7 * 198 / 7.9, 1e-9);  // -41.61
}

TEST(DollarValues, InflationSharesTheMoneyLeftOverTheSlotsEachGroupHasLeft) {
    TestProgram program;
    League league = strongCentreLeague(program);
    league.pick(4, 1, "C", 60).pick(2, 2, "G", 9);
    program.state.showInflation = true;

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // The levels stay E 6.2 and B 4.6. Left to buy: one centre (E, 0 above his level) and one
    // other (A, 2.8): 2.8 SGP share 200 - 69 = 131 dollars; the two picks fill one slot of each
    // team, so no slot money comes off.
    EXPECT_NEAR(league.dollars(1), 1 + 2.8 * 131 / 2.8, 1e-9);  // 132
    EXPECT_NEAR(league.dollars(5), 1.0, 1e-9);
    EXPECT_NEAR(league.dollars(4), 1 + 5.1 * 131 / 2.8, 1e-9);  // 239.61, drafted, still valued
    EXPECT_NEAR(league.dollars(6), 1 - 2.4 * 131 / 2.8, 1e-9);  // -111.29
}

// The banner measures the money left against the values before any sale, whichever values the
// list shows. Before: D 128.82, A 71.18, E 1 and B 1 (the four slots) make 202; A and E are
// left for the two open slots: 72.18. Money left 131 of 200: (131 / 200) / (72.18 / 202) - 1 =
// +83.3%. Measured against the inflated values (D 239.61, A 132) it read +84.0%.
TEST(DollarValues, TheBannersInflationIsOneFigureWhateverTheListShows) {
    TestProgram program;
    League league = strongCentreLeague(program);
    league.pick(4, 1, "C", 60).pick(2, 2, "G", 9);
    const auto inflationLine = [&program] {
        const auto picks = readDraftPicks(program.state);
        const std::string details =
            clockBannerDetails(*program.state.loadedDraft, *picks, bannerValues(program.state));
        const std::size_t at = details.find("Inflation");
        return at == std::string::npos ? std::string() : details.substr(at, 16);
    };
    for (const bool inflation : {false, true, false}) {
        program.state.showInflation = inflation;
        ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));
        EXPECT_EQ(inflationLine(), "Inflation +83.3%") << inflation;
    }
}

TEST(DollarValues, InflationKeepsOneNonCentreWhenTheirSlotsAreFull) {
    TestProgram program;
    League league = sixPlayerLeague(program);
    league.pick(1, 1, "G", 60).pick(2, 2, "G", 40);
    program.state.showInflation = true;

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // Pool: centres D 3, E 0 and still one non-centre, C at -3: sum 0, rate = 200 - 100.
    EXPECT_DOUBLE_EQ(league.dollars(3), 1 - 300.0);
    EXPECT_DOUBLE_EQ(league.dollars(4), 301.0);
}

TEST(DollarValues, TwelveTeamLeagueRostersCentresAndOthersApart) {
    TestProgram program;
    League league(program, 12, kDraftTypeAuction, kScoringRotisserie);
    league.rosterSlots({.C = 2, .F = 2, .G = 2, .UT = 4}).money(200, 1).categories({{1, 1}});
    league.denominator(1, 1);
    for (int i = 1; i <= 120; ++i) {
        league.player({.playerid = i, .lastname = "P", .ftm = i, .SF = 1});
    }
    for (int c = 1; c <= 30; ++c) {
        league.player({.playerid = 1000 + c, .lastname = "C", .ftm = c, .C = 1});
    }
    league.load();

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // 24 centres (levels at 7) and 96 others (level at 25): 276 + 4560 = 4836 SGP share
    // 12 x 200 - (120 - 12) = 2292 dollars.
    const double rate = 2292.0 / 4836.0;
    EXPECT_DOUBLE_EQ(league.dollars(120), 1 + 95 * rate);
    EXPECT_DOUBLE_EQ(league.dollars(1030), 1 + 23 * rate);
    EXPECT_DOUBLE_EQ(league.dollars(25), 1.0);
    EXPECT_NEAR(program.scalar("select sum(dollars) from DraftPlayers where dollars >= 1"),
                120 + 2292, 1e-9);
}

TEST(DollarValues, FailureIsReportedAndUndoesTheRun) {
    TestProgram program;
    League league = sixPlayerLeague(program);
    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    league.denominator(1, 0);
    const Outcome<Done> unvalued = calcDollarValues(program.state, program.state.showInflation);
    ASSERT_FALSE(unvalued);
    EXPECT_EQ(unvalued.failure().message.title, "Database Error");
    EXPECT_EQ(unvalued.failure().logLine, " 90005 error: could not update proj_cats");
    EXPECT_TRUE(logEndsWith(program, " 90005 error: could not update proj_cats"));
    EXPECT_DOUBLE_EQ(league.dollars(1), 80.2);  // not left at 0

    league.denominator(1, 10).categories({});
    league.load();
    const Outcome<Done> uncategorised =
        calcDollarValues(program.state, program.state.showInflation);
    ASSERT_FALSE(uncategorised);
    EXPECT_EQ(uncategorised.failure().message.title, "Database Error");
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(RotisserieRanks, EqualDollarsShareARankAndSkipTheNext) {
    TestProgram program;
    League league = sixPlayerLeague(program, kDraftTypeSnake);

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // D 119.8, A 80.2, B and E 1, F -78.2, C -117.8.
    EXPECT_EQ(league.rank(4), 1);
    EXPECT_EQ(league.rank(1), 2);
    EXPECT_EQ(league.rank(2), 3);
    EXPECT_EQ(league.rank(5), 3);
    EXPECT_EQ(league.rank(6), 5);
    EXPECT_EQ(league.rank(3), 6);
    EXPECT_EQ(league.rank(1, kLastSeason), 2);

    // A player with last season's row only has no rank and no value this season.
    program.exec(
        "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, "
        "firstname, lastname, dollars, draftorder) values (99, 'P', 2018, 'Gone', "
        "'Gone', 12.5, 7)");
    ASSERT_TRUE(calcRanks(program.state, program.dialogs));
    EXPECT_EQ(league.rank(99, kLastSeason), 0);
    EXPECT_DOUBLE_EQ(league.dollars(99, kLastSeason), 0.0);
}

}  // namespace quorvane::test
