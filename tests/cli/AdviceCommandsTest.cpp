// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "SampleDraftCli.h"

namespace quorvane {
namespace {

class AdviceCommands : public test::SampleDraftCli {};

using test::csvFields;

std::map<std::string, double> numbers(const std::vector<std::string>& lines) {
    std::map<std::string, double> values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto parts = csvFields(lines[i]);
        if (parts.size() == 2 && !parts[1].empty() && parts[0] != "name" && parts[0] != "group" &&
            parts[0] != "punts") {
            values[parts[0]] = std::stod(parts[1]);
        }
    }
    return values;
}

// A twelve-team rotisserie auction on the shipped sample, from the first advice to a pick,
// punts and keepers, through the command line alone.
TEST_F(AdviceCommands, AnAuctionOnTheSampleFromFirstAdviceToPicksPuntsAndKeepers) {
    ASSERT_TRUE(newDraft("Room", 12, Style::Auction, Scoring::Rotisserie));

    const auto first = cli.run({"advise", "Room"});
    ASSERT_EQ(first.status, 0) << first.err;
    const auto rows = first.outLines();
    ASSERT_EQ(rows.front(), "playerid,firstname,lastname,pos,value,rank,z,zdollars,gain,vona");
    // Every player of the season is available; before any pick all teams stand level, so a
    // player either moves the user's team from the shared 6.5 to first (+5.5) or last (-5.5)
    // in each of the nine categories.
    ASSERT_EQ(rows.size(), 531U);
    double previous = 1e9;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto row = csvFields(rows[i]);
        ASSERT_EQ(row.size(), 10U) << rows[i];
        const double gain = std::stod(row[8]);
        EXPECT_LE(gain, previous) << rows[i];
        EXPECT_DOUBLE_EQ(std::fmod(gain, 5.5), 0.0) << rows[i];
        EXPECT_FALSE(row[7].empty());  // z dollars in an auction
        EXPECT_TRUE(row[9].empty());   // no value over next available in an auction
        previous = gain;
    }
    const std::string best = csvFields(rows[1])[0];

    // The z-scores per category add up to the total of the advice row.
    const auto byCategory = cli.run({"advise", "Room", "--top", "1", "--by-category"});
    ASSERT_EQ(byCategory.status, 0) << byCategory.err;
    const auto categoryRows = byCategory.outLines();
    ASSERT_EQ(categoryRows.size(), 10U);
    double zSum = 0.0;
    for (std::size_t i = 1; i < categoryRows.size(); ++i) {
        zSum += std::stod(csvFields(categoryRows[i])[2]);
    }
    EXPECT_NEAR(zSum, std::stod(csvFields(rows[1])[6]), 1e-9);

    ASSERT_EQ(
        cli.run({"pick", "Room", best, "--team", "1", "--pos", "UT", "--dollars", "60"}).status, 0);
    const auto afterPick = cli.run({"advise", "Room", "--top", "3"}).outLines();
    ASSERT_EQ(afterPick.size(), 4U);
    for (std::size_t i = 1; i < afterPick.size(); ++i) {
        EXPECT_NE(csvFields(afterPick[i])[0], best);
    }

    // Punts are kept per draft; a category the draft does not score is refused.
    EXPECT_EQ(cli.run({"punt", "Room", "fgp,TO"}).out, "categoryid,symbol\n15,FGP\n9,TO\n");
    const auto refused = cli.run({"punt", "Room", "APG"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "Usage: the draft has no category \"APG\"\n");
    EXPECT_EQ(cli.run({"punt", "Room"}).out, "categoryid,symbol\n15,FGP\n9,TO\n");
    const auto punted = cli.run({"advise", "Room", "--top", "1", "--by-category"}).outLines();
    EXPECT_EQ(punted.size(), 10U);  // punted categories still show
    EXPECT_EQ(cli.run({"punt", "Room", "--none"}).out, "categoryid,symbol\n");

    // The math of the best player's dollars adds up.
    const auto explained = cli.run({"explain", "Room", best});
    ASSERT_EQ(explained.status, 0) << explained.err;
    auto figures = numbers(explained.outLines());
    double terms = 0.0;
    for (const auto& [key, value] : figures) {
        if (key.size() > 4 && key.compare(key.size() - 4, 4, ".sgp") == 0) {
            terms += value;
        }
    }
    EXPECT_NEAR(terms, figures["sgp"], 1e-9);
    EXPECT_NEAR(figures["sgp"] - figures["replacement"], figures["sgp_above"], 1e-9);
    EXPECT_NEAR(1 + figures["sgp_above"] * figures["dollars_per_sgp"], figures["dollars"], 1e-6);

    const auto unknown = cli.run({"explain", "Room", "19999"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "Error: No player 19999 in this season's projections\n");

    // A keeper bought at 7 shows his value less 7.
    const std::string second = csvFields(afterPick[1])[0];
    ASSERT_EQ(
        cli.run({"keeper", "Room", second, "--team", "2", "--pos", "UT", "--dollars", "7"}).status,
        0);
    const auto keepers = cli.run({"keepers", "Room"}).outLines();
    ASSERT_EQ(keepers.size(), 2U);
    EXPECT_EQ(keepers[0], "playerid,firstname,lastname,teamid,teamname,price,value,surplus");
    const auto keeper = csvFields(keepers[1]);
    EXPECT_EQ(keeper[0], second);
    EXPECT_EQ(keeper[5], "7");
    EXPECT_NEAR(std::stod(keeper[7]), std::stod(keeper[6]) - 7, 1e-9);
}

// A snake: value over next available appears, the user's team is the default and another team
// can be asked for.
TEST_F(AdviceCommands, ASnakeShowsValueOverNextAvailableForAnyTeam) {
    ASSERT_TRUE(newDraft("Snake", 12, Style::Snake, Scoring::Rotisserie));
    ASSERT_EQ(cli.run({"setup", "Snake", "--type", "snake"}).status, 0);

    const auto mine = cli.run({"advise", "Snake", "--top", "5"}).outLines();
    ASSERT_EQ(mine.size(), 6U);
    for (std::size_t i = 1; i < mine.size(); ++i) {
        const auto row = csvFields(mine[i]);
        EXPECT_FALSE(row[9].empty()) << mine[i];
        EXPECT_TRUE(row[7].empty()) << mine[i];  // z dollars are for auctions
    }
    EXPECT_EQ(cli.run({"advise", "Snake", "--team", "5", "--top", "1"}).status, 0);
    const auto missing = cli.run({"advise", "Snake", "--team", "99"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Error: The draft has no team 99\n");
    EXPECT_EQ(cli.run({"advise", "Snake", "--punt", "XYZ"}).status, 2);
}

}  // namespace
}  // namespace quorvane
