// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleDraftCli.h"

namespace quorvane {
namespace {

class AvailabilityCommands : public test::SampleDraftCli {};

using test::csvFields;

bool threePlaces(const std::string& text) {
    const auto point = text.find('.');
    return point != std::string::npos && text.size() - point - 1 == 3;
}

// The sample's twelve-team snake, the user on the clock at pick 1: the best players are gone
// before his turn 24, and the shares come as decimals with three places.
TEST_F(AvailabilityCommands, AdviseAddsTheSharesAtTheNextTwoTurns) {
    ASSERT_TRUE(newDraft("Room", 12, Style::Snake, Scoring::Rotisserie));
    const auto run =
        cli.run({"advise", "Room", "--availability", "--sims", "1,500", "--seed", "2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.outLines();
    ASSERT_EQ(lines.front(),
              "playerid,firstname,lastname,pos,value,rank,z,zdollars,gain,vona,avail,avail2,xvona");
    ASSERT_EQ(lines.size(), 531U);
    double goneAtFirst = 0.0;
    double goneAtSecond = 0.0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto row = csvFields(lines[i]);
        ASSERT_EQ(row.size(), 13U) << lines[i];
        ASSERT_TRUE(threePlaces(row[10]) && threePlaces(row[11]) && threePlaces(row[12]))
            << lines[i];
        const double avail = std::stod(row[10]);
        const double avail2 = std::stod(row[11]);
        EXPECT_GE(avail, 0.0);
        EXPECT_LE(avail, 1.0);
        EXPECT_LE(avail2, avail) << lines[i];  // who is gone at his turn 24 is gone at 25
        goneAtFirst += 1.0 - avail;
        goneAtSecond += 1.0 - avail2;
        if (row[5] == "1") {
            EXPECT_EQ(row[10], "0.000");  // he takes the most valuable himself now
        }
    }
    // Every continuation takes exactly the 23 players of picks 1 to 23 before his turn 24, and
    // 24 before his turn 25: the shares gone add up to that (each printed share rounded by at
    // most 0.0005).
    EXPECT_NEAR(goneAtFirst, 23.0, 0.05);
    EXPECT_NEAR(goneAtSecond, 24.0, 0.05);
    EXPECT_EQ(cli.run({"advise", "Room", "--availability", "--sims", "1500", "--seed", "2026"}).out,
              run.out);
}

TEST_F(AvailabilityCommands, BadCountsAndSeedsAreRefusedAsUsage) {
    ASSERT_TRUE(newDraft("Room", 4, Style::Snake, Scoring::Points));
    const auto none = cli.run({"advise", "Room", "--availability", "--sims", "0"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "Usage: --sims: 0 is outside 1 to 1000000\n");
    EXPECT_EQ(cli.run({"advise", "Room", "--availability", "--sims", "2.5"}).status, 2);
    EXPECT_EQ(cli.run({"advise", "Room", "--availability", "--seed", "-4"}).status, 2);
    EXPECT_EQ(cli.run({"advise", "Room", "--seed", "4"}).status, 2);
}

TEST_F(AvailabilityCommands, TheAdpSpreadIsKeptPerDraftAndCheckedBeforeAnythingIsWritten) {
    ASSERT_TRUE(newDraft("One", 4, Style::Snake, Scoring::Points));
    ASSERT_TRUE(newDraft("Two", 4, Style::Snake, Scoring::Points));
    EXPECT_EQ(cli.run({"show-draft", "One"}).outLines().back(), "adpspread=0.1");
    ASSERT_EQ(cli.run({"setup", "One", "--adp-spread", "0.35"}).status, 0);
    EXPECT_EQ(cli.run({"show-draft", "One"}).outLines().back(), "adpspread=0.35");
    EXPECT_EQ(cli.run({"show-draft", "Two"}).outLines().back(), "adpspread=0.1");

    const auto tooWide = cli.run({"setup", "One", "--adp-spread", "2.5", "--cap", "300"});
    EXPECT_EQ(tooWide.status, 2);
    EXPECT_EQ(tooWide.err, "Usage: --adp-spread: 2.5 is outside 0 to 2\n");
    const auto shown = cli.run({"show-draft", "One"}).outLines();
    EXPECT_EQ(shown.back(), "adpspread=0.35");
    EXPECT_EQ(shown[3], "dollars=200");
}

}  // namespace
}  // namespace quorvane
