// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "HeadToHeadDraft.h"

namespace quorvane::test {

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        result.push_back(field);
    }
    return result;
}

// key,value lines as numbers, where the value is one.
std::map<std::string, double> numbers(const std::vector<std::string>& lines) {
    std::map<std::string, double> values;
    for (const std::string& line : lines) {
        const auto parts = fields(line);
        if (parts.size() == 2 && !parts[1].empty() &&
            parts[1].find_first_not_of("-.0123456789e") == std::string::npos) {
            values[parts[0]] = std::stod(parts[1]);
        }
    }
    return values;
}

struct DraftedLeague {
    explicit DraftedLeague(int mode)
        : league(fourPlayerLeague(program, kDraftTypeSnake, mode, true)) {}
    CliRun run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + 1, std::to_string(league.id));
        return runCliOn(program.folder.str(), arguments);
    }
    TestProgram program;
    League league;
};

}  // namespace

// The figures of the two-team week worked out in MatchupsTest: Owner 1 expects 2.084167
// categories a week (Owner 2 1.915833) and wins the week with 0.532202.
TEST(HeadToHeadCommands, StandingsPrintEachTeamsFigureAndRank) {
    DraftedLeague each(kHeadToHeadEachCategory);
    const CliRun standings = each.run({"standings"});
    ASSERT_EQ(standings.status, 0) << standings.err;
    const auto lines = standings.outLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "team,figure,rank");
    EXPECT_EQ(fields(lines[1])[0], "Owner 1");
    EXPECT_NEAR(std::stod(fields(lines[1])[1]), 2.084167, 1e-6);
    EXPECT_EQ(fields(lines[1])[2], "1");
    EXPECT_NEAR(std::stod(fields(lines[2])[1]), 1.915833, 1e-6);
    EXPECT_EQ(fields(lines[2])[2], "2");

    DraftedLeague most(kHeadToHeadMostCategories);
    const auto weeks = most.run({"standings"}).outLines();
    ASSERT_EQ(weeks.size(), 3u);
    EXPECT_NEAR(std::stod(fields(weeks[1])[1]), 0.532202, 1e-6);
}

TEST(HeadToHeadCommands, MatchupsForEveryOrderedPairAndCategory) {
    DraftedLeague league(kHeadToHeadEachCategory);
    const auto pairs = league.run({"standings", "--matchups"}).outLines();
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0], "team_a,team_b,expected_wins,p_win");
    const auto first = fields(pairs[1]);
    EXPECT_EQ(first[0], "Owner 1");
    EXPECT_EQ(first[1], "Owner 2");
    EXPECT_NEAR(std::stod(first[2]), 2.084167, 1e-6);
    EXPECT_NEAR(std::stod(first[3]), 0.532202, 1e-6);
    EXPECT_NEAR(std::stod(fields(pairs[2])[3]), 0.467798, 1e-6);

    const auto categories = league.run({"standings", "--by-category"}).outLines();
    ASSERT_EQ(categories.size(), 9u);  // two ordered pairs of four categories
    EXPECT_EQ(categories[0], "team_a,team_b,symbol,mean_a,mean_b,var_a,var_b,p");
    const auto points = fields(categories[1]);
    EXPECT_EQ(points[2], "PTS");
    EXPECT_NEAR(std::stod(points[3]), 77.256098, 1e-6);
    EXPECT_NEAR(std::stod(points[4]), 83.658537, 1e-6);
    EXPECT_NEAR(std::stod(points[5]), 305.820731, 1e-5);
    EXPECT_NEAR(std::stod(points[7]), 0.397864, 1e-6);
    const auto turnovers = fields(categories[3]);
    EXPECT_EQ(turnovers[2], "TO");
    EXPECT_NEAR(std::stod(turnovers[7]), 0.742905, 1e-6);
}

// p1's G per category and the scales, as GScoresTest works them out.
TEST(HeadToHeadCommands, ExplainAddsTheGScoresAndTheirScales) {
    DraftedLeague league(kHeadToHeadEachCategory);
    const CliRun explain = league.run({"explain", "1"});
    ASSERT_EQ(explain.status, 0) << explain.err;
    const auto values = numbers(explain.outLines());
    EXPECT_NEAR(values.at("games_per_week"), 3.5, 1e-12);
    EXPECT_NEAR(values.at("counted_roster"), 2.0, 1e-12);
    EXPECT_NEAR(values.at("kappa"), 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(values.at("PTS.r"), 1.85, 1e-12);
    EXPECT_NEAR(values.at("PTS.tau"), 12.365693, 1e-6);
    EXPECT_NEAR(values.at("PTS.g"), 0.649296, 1e-6);
    EXPECT_NEAR(values.at("STL.g"), 0.110117, 1e-6);
    EXPECT_NEAR(values.at("TO.g"), -0.238818, 1e-6);
    EXPECT_NEAR(values.at("g"), 0.194980, 1e-6);
    EXPECT_EQ(values.count("gdollars"), 0u);  // a snake draft
}

// Ranks by total G: p2 0.412698, p1 0.194980, p4 -0.037273, p3 -0.570405. The stored dollars are
// G$ on the draft's cap: p2 171.628177.
TEST(HeadToHeadCommands, ValuesRankByTotalG) {
    DraftedLeague league(kHeadToHeadEachCategory);
    const CliRun values = league.run({"values"});
    ASSERT_EQ(values.status, 0) << values.err;
    const auto lines = values.outLines();
    ASSERT_EQ(lines.size(), 5u);
    std::vector<std::string> order;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        order.push_back(fields(lines[i])[0] + ":" + fields(lines[i])[4]);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"2:1", "1:2", "4:3", "3:4"}));
    EXPECT_NEAR(std::stod(fields(lines[1])[3]), 171.628177, 1e-5);
}

TEST(HeadToHeadCommands, SetupChoosesTheStyleTheWeekAndTheRatios) {
    DraftedLeague league(kHeadToHeadEachCategory);
    const CliRun setup = league.run({"setup", "--style", "h2h-most", "--games-per-week", "3.25",
                                     "--variance-ratio", "STL=2.6,fgp=2.05"});
    ASSERT_EQ(setup.status, 0) << setup.err;
    const auto shown = league.run({"show-draft"}).outLines();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "scoringstyle=2"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "h2hmode=most"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "gamesperweek=3.25"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "varianceratios=1:1.85,3:2.6,9:1.88,15:2.05"),
              shown.end());

    const CliRun bad = league.run({"setup", "--games-per-week", "11"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("The games per week value is invalid."), std::string::npos) << bad.err;
    EXPECT_EQ(league.run({"setup", "--variance-ratio", "XYZ=2"}).status, 2);
    EXPECT_EQ(league.run({"setup", "--style", "rotisserie", "--games-per-week", "3"}).status, 2);
    // Rotisserie again: the standings are the rotisserie grid, not the week's.
    ASSERT_EQ(league.run({"setup", "--style", "rotisserie"}).status, 0);
    EXPECT_NE(league.run({"standings"}).outLines().front(), "team,figure,rank");
    EXPECT_EQ(league.run({"standings", "--matchups"}).status, 2);
}

TEST(HeadToHeadCommands, NewDraftOffersBothModes) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).status, 0);
    const CliRun created =
        cli.run({"new-draft", "Weekly", "--teams", "10", "--draft", "--h2h-most"});
    ASSERT_EQ(created.status, 0) << created.err;
    const auto shown = cli.run({"show-draft", "Weekly"}).outLines();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "scoringstyle=2"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "h2hmode=most"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "gamesperweek=3"), shown.end());
    EXPECT_EQ(
        cli.run({"new-draft", "Both", "--teams", "10", "--draft", "--rotisserie", "--h2h-each"})
            .status,
        2);
}

}  // namespace quorvane::test
