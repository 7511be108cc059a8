// SPDX-License-Identifier: MIT
// Command lines a script gets wrong are refused as wrong usage (status 2) before anything is
// written, rather than read in some way the user did not mean.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "store/Connection.h"

namespace quorvane {
namespace {

using test::CliRun;
using test::CliRunner;

const std::string kAdpTable = std::string(QUORVANE_TEST_TABLES_DIR) + "/pergame-adp-2019.csv";

struct BadCommandLines : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(cli.run({"init"}).status, 0);
        ASSERT_EQ(
            cli.run({"new-draft", "Auction", "--teams", "12", "--auction", "--rotisserie"}).status,
            0);
    }
    // Status 2, the one line of standard error, and nothing printed.
    std::string usage(const std::vector<std::string>& arguments) {
        const CliRun run = cli.run(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0] << ": " << run.err;
        EXPECT_EQ(run.out, "") << arguments[0];
        return run.err;
    }
    double count(const std::string& sql) {
        Connection connection;
        EXPECT_TRUE(openConnection(connection, cli.folder().str() + "/players2019.db", Log()));
        Recordset result;
        EXPECT_TRUE(openRecordset(result, connection, sql));
        return result.eof() ? -1.0 : result.getDouble(result.columnNames().front());
    }
    CliRunner cli;
};

TEST_F(BadCommandLines, AnOptionIsNeverTakenAsTheValueOfTheOneBefore) {
    const double players = count("select count(*) from DraftPlayers");
    EXPECT_EQ(usage({"import-table", "--source", "--dry-run", kAdpTable}),
              "Usage: --source: needs a value, but was followed by \"--dry-run\", which looks "
              "like an option\n");
    EXPECT_EQ(count("select count(*) from DraftPlayerAdp"), 0.0);
    EXPECT_EQ(count("select count(*) from DraftPlayers"), players);

    EXPECT_EQ(usage({"--data-dir", "--yes", "drafts"}),
              "Usage: --data-dir: needs a value, but was followed by \"--yes\", which looks like "
              "an option\n");
    usage({"pick", "Auction", "3879", "--team", "--dollars", "5"});
    usage({"export", "Auction", "--kind", "draft", "--dir", "--force"});
    usage({"setup", "Auction", "--team-name", "-x"});
    usage({"import-table", kAdpTable, "--map", "--dry-run"});
    EXPECT_EQ(count("select count(*) from DraftTaken"), 0.0);

    // A negative number is a value, refused by the check it belongs to.
    const CliRun negative = cli.run({"pick", "Auction", "3879", "--team", "1", "--dollars", "-5"});
    EXPECT_EQ(negative.status, 1);
    EXPECT_EQ(negative.err, "Invalid Bid: Bid for this player is invalid\n");
    // Written with "=", the value is plainly meant, and still no option.
    usage({"import-table", kAdpTable, "--source=--dry-run"});
}

TEST_F(BadCommandLines, ASeasonIsAYearFrom1990To2100) {
    for (const char* season : {"-1", "0", "1989", "2101", "99999", "2019.5", "1e3"}) {
        const std::string err = usage({"import-table", kAdpTable, "--season", season, "--dry-run"});
        EXPECT_NE(err.find("--season"), std::string::npos) << err;
    }
    EXPECT_EQ(usage({"import-table", kAdpTable, "--season", "99999"}),
              "Usage: --season: Value 99999 not in range 1990 to 2100\n");
    for (const char* season : {"1990", "2100"}) {
        EXPECT_EQ(cli.run({"import-table", kAdpTable, "--season", season, "--dry-run"}).status, 0)
            << season;
    }
}

TEST_F(BadCommandLines, AnEmptyPuntListIsNoWayToKeepOrClearThePunts) {
    ASSERT_EQ(cli.run({"punt", "Auction", "STL"}).status, 0);
    for (const char* empty : {"", ",,,", " , "}) {
        EXPECT_EQ(usage({"punt", "Auction", empty}),
                  "Usage: the list of categories names none; give symbols (PTS,AST) or --none to "
                  "give up no category\n");
    }
    usage({"punt", "Auction", "--none", "PTS"});
    EXPECT_EQ(cli.run({"punt", "Auction"}).out, "categoryid,symbol\n3,STL\n");
    EXPECT_EQ(cli.run({"punt", "Auction", "--none"}).out, "categoryid,symbol\n");
}

}  // namespace
}  // namespace quorvane
