// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>

#include "CliRunner.h"

namespace quorvane {
namespace {

using test::CliRunner;

const std::string kAdpTable = std::string(QUORVANE_TEST_TABLES_DIR) + "/pergame-adp-2019.csv";

TEST(CliImportTable, DryRunPrintsTheMappingAndCountsAndWritesNothing) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).status, 0);
    const auto dry = cli.run({"import-table", kAdpTable, "--dry-run", "--map", "m/g=ignore"});
    ASSERT_EQ(dry.status, 0) << dry.err;
    const auto lines = dry.outLines();
    ASSERT_EQ(lines.size(), 21U);
    EXPECT_EQ(lines[0], "column,field");
    EXPECT_EQ(lines[1], "Rank,ignore");
    EXPECT_EQ(lines[6], "g,games");
    EXPECT_EQ(lines[7], "m/g,ignore");
    EXPECT_EQ(lines[8], "p/g,points");
    EXPECT_EQ(lines[14], "fg%,fgpct");
    EXPECT_EQ(lines[19], "ADP,adp");
    EXPECT_EQ(lines[20], "matched=530 new=0 ambiguous=0 skipped=0");
    EXPECT_NE(dry.err.find("Unknown column ignored: Rank\n"), std::string::npos);
    EXPECT_NE(dry.err.find("Figures: per game, season 2019"), std::string::npos);

    cli.run({"new-draft", "Mock", "--teams", "10", "--draft", "--rotisserie"});
    const auto before = cli.run({"players", "Mock"}).outLines();
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before[0].find("ADP"), std::string::npos);
    // Without figures there is no ADP column to sort by.
    EXPECT_EQ(cli.run({"players", "Mock", "--sort", "ADP"}).status, 2);

    ASSERT_EQ(cli.run({"import-table", kAdpTable, "--source", "mock site"}).status, 0);
    const auto after = cli.run({"players", "Mock", "--sort", "ADP"}).outLines();
    ASSERT_GE(after.size(), 3U);
    EXPECT_NE(after[0].find(",ADP,AAV,value rank minus ADP,Notes"), std::string::npos);
    // Harden's ADP is 1.0, Davis's 2.7.
    EXPECT_NE(after[1].find("\"Harden, James\""), std::string::npos);
    EXPECT_NE(after[2].find("\"Davis, Anthony\""), std::string::npos);
}

TEST(CliImportTable, WrongUsageAndUnreadableTablesAreRefused) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init", "--empty"}).status, 0);
    EXPECT_EQ(cli.run({"import-table", kAdpTable, "--map", "Value=worth"}).status, 2);
    EXPECT_EQ(cli.run({"import-table", kAdpTable, "--per-game", "--totals"}).status, 2);

    const std::string path = (cli.folder().path() / "teams.csv").string();
    std::ofstream(path) << "Team,G\nBOS,82\n";
    const auto refused = cli.run({"import-table", path});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Invalid File: The table " + path +
                               " has no name column (Name or Player, or First and Last). Nothing "
                               "was imported.\n");
    EXPECT_EQ(refused.out, "");
}

}  // namespace
}  // namespace quorvane
