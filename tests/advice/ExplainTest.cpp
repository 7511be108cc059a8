// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "AdviceLeague.h"
#include "advice/ExplainLines.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ValuationConversation.h"
#include "teamadvice/ExplainLabels.h"
#include "teamadvice/ValuationFigureReader.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

// Two teams of one guard, free throws made (21) only; Low 3, Mid 6, Top 12.
League guards(TestProgram& program, int scoringstyle) {
    League league(program, 2, kDraftTypeSnake, scoringstyle);
    league.rosterSlots({.G = 1}).money(100, 1).denominator(21, 3);
    league.player({.playerid = 7, .lastname = "Low", .ftm = 3, .PG = 1})
        .player({.playerid = 8, .lastname = "Top", .ftm = 12, .PG = 1})
        .player({.playerid = 9, .lastname = "Mid", .ftm = 6, .PG = 1});
    return league;
}

// The lines of a player after the draft's own valuation has run.
std::map<std::string, std::string> explain(TestProgram& program, League& league, int playerid) {
    league.load();
    EXPECT_TRUE(calcRanks(program.state, program.dialogs)) << program.dialogs.lastText();
    const auto model = loadDraftModel(program.state, program.dialogs);
    const auto figures =
        readValuationFigures(program.state, program.state.showInflation, *model, playerid);
    EXPECT_TRUE(figures.ok());
    std::map<std::string, std::string> lines;
    for (const auto& [key, value] : explainLines(*model, ZScores(*model), *figures, playerid)) {
        lines[key] = value;
    }
    return lines;
}

}  // namespace

// Top's SGP is 12/3 = 4; the two rostered guards put the level at Mid's 6/3 = 2. The pot
// 2 x 100 over the pool's 2 SGP above it is 100 a point: 1 + 2 x 100 = 201.
TEST(Explain, ShowsTheRotisserieValuationAsItRanAndTheZScores) {
    TestProgram program;
    League league = guards(program, kScoringRotisserie);
    league.categories({{21, 1}});
    auto lines = explain(program, league, 8);

    EXPECT_EQ(lines["FTM.statistic"], "12");
    EXPECT_EQ(lines["FTM.denominator"], "3");
    EXPECT_EQ(lines["FTM.sgp"], "4");
    EXPECT_EQ(lines["sgp"], "4");
    EXPECT_EQ(lines["group"], "non-centres");
    EXPECT_EQ(lines["replacement"], "2");
    EXPECT_EQ(lines["sgp_above"], "2");
    EXPECT_EQ(lines["dollars_per_sgp"], "100");
    EXPECT_EQ(lines["dollars"], "201");
    EXPECT_EQ(lines["rank"], "1");
    // The z pool is Top and Mid (2 teams x 1 slot): mean 9, sd 3, so (12 - 9) / 3.
    EXPECT_EQ(lines["FTM.mean"], "9");
    EXPECT_EQ(lines["FTM.sd"], "3");
    EXPECT_EQ(lines["z"], "1");
    EXPECT_EQ(lines.count("zdollars"), 0U);
}

// Two points a free throw: Top 24, Mid 12, Low 6. The guard baseline is the second best guard
// (2 teams x 1 G), Mid's 12, so Top's VBD is 24 - 12.
TEST(Explain, ShowsThePointsValuationWithItsBaseline) {
    TestProgram program;
    League league = guards(program, kScoringPoints);
    league.categories({{21, 2}});
    auto lines = explain(program, league, 8);

    EXPECT_EQ(lines["FTM.statistic"], "12");
    EXPECT_EQ(lines["FTM.weight"], "2");
    EXPECT_EQ(lines["FTM.points"], "24");
    EXPECT_EQ(lines["points"], "24");
    EXPECT_EQ(lines["baseline"], "12");
    EXPECT_EQ(lines["vbd"], "12");
    EXPECT_EQ(lines.count("sgp"), 0U);
}

// The player's page names every figure in words; the command keeps printing the keys.
TEST(Explain, EveryKeyOfBothValuationsHasWordsOnThePlayersPage) {
    for (const int scoring : {kScoringRotisserie, kScoringPoints}) {
        TestProgram program;
        League league = guards(program, scoring);
        league.categories({{21, 2}});
        for (const auto& [key, value] : explain(program, league, 8)) {
            EXPECT_NE(explainLabel(key), key) << key;
        }
    }
    EXPECT_EQ(explainLabel("dollars_per_sgp"), "Dollars per SGP");
    EXPECT_EQ(explainLabel("PTS.denominator"), "PTS: SGP denominator");
    // A symbol with a slash keeps it; a key nobody knows is shown as it stands.
    EXPECT_EQ(explainLabel("A/T.z"), "A/T: z-score");
    EXPECT_EQ(explainLabel("PTS.unheard"), "PTS.unheard");
}

}  // namespace quorvane::test
