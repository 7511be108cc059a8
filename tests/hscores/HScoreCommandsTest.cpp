// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "SampleDraftCli.h"

namespace quorvane {
namespace {

using test::csvFields;
using test::csvRows;

// A four-team snake of the sample played head-to-head, Each Category, with the nine usual
// categories.
class HScoreCommands : public test::SampleDraftCli {
  protected:
    void SetUp() override {
        SampleDraftCli::SetUp();
        const auto made = cli.run({"new-draft", "Weekly", "--teams", "4", "--draft", "--h2h-each"});
        ASSERT_EQ(made.status, 0) << made.err;
    }
    // The h column of advise by playerid.
    std::map<std::string, std::string> adviseH() {
        const auto advice = cli.run({"advise", "Weekly"});
        EXPECT_EQ(advice.status, 0) << advice.err;
        const auto lines = advice.outLines();
        std::map<std::string, std::string> h;
        if (lines.empty()) {
            return h;
        }
        const auto headings = csvFields(lines.front());
        EXPECT_EQ(headings.back(), "h");
        for (const auto& row : csvRows(advice)) {
            h[row.front()] = row.back();
        }
        return h;
    }
};

const std::regex kFourPlaces(R"(-?\d+\.\d{4})");

TEST_F(HScoreCommands, ListsTheBestCandidatesByHWithTheirPlans) {
    const auto run = cli.run({"hscores", "Weekly", "--top", "8"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_FALSE(run.outLines().empty());
    EXPECT_EQ(run.outLines().front(),
              "playerid,firstname,lastname,h,g,w_FGP,w_FTP,w_3PT,w_PTS,w_REB,w_AST,w_STL,w_BLK,"
              "w_TO");
    const auto rows = csvRows(run);
    ASSERT_EQ(rows.size(), 8u);
    double previous = 1.0;
    const std::map<std::string, std::string> advised = adviseH();
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 14u);
        for (std::size_t at = 3; at < row.size(); ++at) {
            EXPECT_TRUE(std::regex_match(row[at], kFourPlaces)) << row[at];
        }
        const double h = std::stod(row[3]);
        EXPECT_LE(h, previous);
        previous = h;
        double weights = 0.0;
        for (std::size_t at = 5; at < row.size(); ++at) {
            weights += std::stod(row[at]);
        }
        EXPECT_NEAR(weights, 1.0, 0.0005);
        // The pick advice shows the same H-score for the same player.
        EXPECT_EQ(advised.at(row[0]), row[3]) << row[0];
    }
}

TEST_F(HScoreCommands, BlendsAtTheirEndsAreTheTwoObjectives) {
    const auto each = cli.run({"hscores", "Weekly", "--top", "5", "--objective", "each"});
    const auto most = cli.run({"hscores", "Weekly", "--top", "5", "--objective", "most"});
    ASSERT_EQ(each.status, 0) << each.err;
    EXPECT_EQ(cli.run({"hscores", "Weekly", "--top", "5", "--objective", "blend:0"}).out, each.out);
    EXPECT_EQ(cli.run({"hscores", "Weekly", "--top", "5", "--objective", "blend:1"}).out, most.out);
    EXPECT_NE(each.out, most.out);
    // The league plays Each Category.
    EXPECT_EQ(cli.run({"hscores", "Weekly", "--top", "5"}).out, each.out);
}

TEST_F(HScoreCommands, BadValuesAreRefusedAsWrongUsage) {
    const std::vector<std::vector<std::string>> bad = {
        {"--objective", "sideways"}, {"--objective", "blend:1.5"},
        {"--objective", "blend:"},   {"--omega", "x"},
        {"--gamma", "-1"},           {"--iterations", "2.5"},
        {"--omega", "11"},           {"--top", "0"}};
    for (const auto& options : bad) {
        std::vector<std::string> arguments = {"hscores", "Weekly"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto run = cli.run(arguments);
        EXPECT_EQ(run.status, 2) << options[0] << " " << options[1];
        EXPECT_NE(run.err.find(options[0]), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    const auto weeks = cli.run({"season-odds", "Weekly", "--weeks", "0"});
    EXPECT_EQ(weeks.status, 2);
    EXPECT_NE(weeks.err.find("--weeks"), std::string::npos) << weeks.err;
    EXPECT_EQ(cli.run({"season-odds", "Weekly", "--seasons", "many"}).status, 2);
    EXPECT_EQ(cli.run({"mock", "Weekly", "--bots", "robots"}).err,
              "Usage: --bots: robots is not adp, g, h or mix\n");

    ASSERT_TRUE(newDraft("Roto", 4, Style::Snake, Scoring::Rotisserie));
    for (const char* command : {"hscores", "season-odds"}) {
        const auto refused = cli.run({command, "Roto"});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err,
                  "Error: H-scores and season odds belong to head-to-head category leagues\n");
    }
}

TEST_F(HScoreCommands, SeasonOddsFromTheSameSeedAreTheSame) {
    for (const char* playerid : {"3879", "3769", "4338", "3968"}) {
        ASSERT_EQ(cli.run({"pick", "Weekly", playerid}).status, 0);
    }
    const auto once = cli.run({"season-odds", "Weekly", "--seasons", "400", "--seed", "3"});
    ASSERT_EQ(once.status, 0) << once.err;
    EXPECT_EQ(once.outLines().front(), "team,first,top_half,mean_wins");
    EXPECT_EQ(cli.run({"season-odds", "Weekly", "--seasons", "400", "--seed", "3"}).out, once.out);
    EXPECT_NE(cli.run({"season-odds", "Weekly", "--seasons", "400", "--seed", "4"}).out, once.out);
    const auto rows = csvRows(once);
    ASSERT_EQ(rows.size(), 4u);
    double first = 0.0;
    double half = 0.0;
    for (const auto& row : rows) {
        first += std::stod(row[1]);
        half += std::stod(row[2]);
        // Nine categories a week for 20 weeks.
        EXPECT_LE(std::stod(row[3]), 180.0);
    }
    EXPECT_NEAR(first, 1.0, 0.0003);
    EXPECT_NEAR(half, 2.0, 0.0003);
}

// The practice's H drafters take what hscores ranks first for their team at their turn.
TEST_F(HScoreCommands, HDraftersOfAPracticeTakeTheBestHScore) {
    const auto made = cli.run({"mock", "Weekly", "--seed", "8", "--bots", "h"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string practice = made.outLines().front();
    ASSERT_EQ(cli.run({"pick", practice, "3879"}).status, 0);
    const std::string owner2 = csvFields(cli.run({"turn", practice}).outLines().at(1)).at(0);
    const auto best = csvRows(cli.run({"hscores", practice, "--team", owner2}));
    ASSERT_FALSE(best.empty());
    const auto run = cli.run({"mock-run", practice});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto picks = csvRows(run);
    // Owners 2, 3, 4, 4, 3 and 2 pick before the user's eighth.
    ASSERT_EQ(picks.size(), 6u);
    EXPECT_EQ(picks[0][1], owner2);
    EXPECT_EQ(picks[0][3], best[0][0]);
}

}  // namespace
}  // namespace quorvane
