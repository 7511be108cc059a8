// SPDX-License-Identifier: MIT
// Command lines a script gets wrong are refused as wrong usage (status 2) before anything is
// written, rather than read in some way the user did not mean.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "store/Connection.h"
#include "store/RowReader.h"

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
        const std::optional<double> value = readScalar<double>(connection, sql);
        EXPECT_TRUE(value.has_value()) << sql;
        return value.value_or(-1.0);
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

TEST_F(BadCommandLines, APracticeIsNeverNamedAfterAnOptionOrBlank) {
    EXPECT_EQ(usage({"mock", "Auction", "--name", "--dry-run"}),
              "Usage: --name: needs a value, but was followed by \"--dry-run\", which looks like "
              "an option\n");
    usage({"mock", "Auction", "--name", "-x"});
    usage({"mock", "Auction", "--name", "--"});
    EXPECT_EQ(usage({"mock", "Auction", "--name", " "}),
              "Usage: --name: needs a value, but was given an empty one\n");
    usage({"mock", "Auction", "--name", ""});
    EXPECT_EQ(count("select count(*) from DraftTemplate"), 1.0);
    // A name that only holds a dash further on is a name.
    const CliRun named = cli.run({"mock", "Auction", "--name", "Tuesday -x"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(count("select count(*) from DraftTemplate where template_name = 'Tuesday -x'"), 1.0);
}

TEST_F(BadCommandLines, AnEmptyValueIsNeverTakenForLeaveAsItIs) {
    ASSERT_EQ(cli.run({"pick", "Auction", "3879", "--team", "1", "--dollars", "40"}).status, 0);
    // Empty used to mean "as the window preselects": the old price, the team on the clock, the
    // usual data folder.
    EXPECT_EQ(usage({"move", "Auction", "3879", "--dollars", ""}),
              "Usage: --dollars: needs a value, but was given an empty one\n");
    usage({"pick", "Auction", "4351", "--team", " ", "--dollars", "5"});
    usage({"pick", "Auction", "4351", "--team", "2", "--pos", ""});
    usage({"--data-dir", "", "drafts"});
    usage({"players", "Auction", "--sort", ""});
    usage({"import-table", kAdpTable, "--source", "", "--dry-run"});
    EXPECT_EQ(count("select count(*) from DraftTaken"), 1.0);
    EXPECT_EQ(count("select dollars from DraftTaken"), 40.0);
    // A note and the draft's notes are cleared with empty text, as in the window.
    EXPECT_EQ(cli.run({"note", "3879", ""}).status, 0);
}

TEST_F(BadCommandLines, WholeNumbersAreWrittenInDigits) {
    // The parser alone would read 0x10 as team 16 and ask to delete it.
    EXPECT_EQ(usage({"setup", "Auction", "--delete-team", "0x10"}),
              "Usage: --delete-team: \"0x10\" is not a whole number\n");
    usage({"setup", "Auction", "--mine", "0b11"});
    usage({"new-draft", "Hex", "--teams", "0x0c", "--draft", "--points"});
    usage({"explain", "Auction", "0x0F27"});
    EXPECT_EQ(count("select count(*) from DraftTemplate"), 1.0);
    EXPECT_EQ(count("select count(*) from DraftTeams"), 12.0);
}

TEST_F(BadCommandLines, SettingsADraftDoesNotHaveAreRefusedNotDropped) {
    ASSERT_EQ(cli.run({"new-draft", "Snake", "--teams", "8", "--draft", "--rotisserie"}).status, 0);
    EXPECT_EQ(usage({"setup", "Snake", "--cap", "300"}),
              "Usage: --cap and --minbid belong to an auction; give --type auction with them\n");
    usage({"setup", "Snake", "--minbid", "abc"});
    EXPECT_EQ(usage({"setup", "Snake", "--categories", "1:2,2"}),
              "Usage: --categories takes weights (ID:WEIGHT) in a points league only; give "
              "--style points with them\n");
    // Given with the setting they belong to, they are saved.
    ASSERT_EQ(cli.run({"setup", "Snake", "--type", "auction", "--cap", "300"}).status, 0);
    ASSERT_EQ(cli.run({"setup", "Snake", "--style", "points", "--categories", "1:2,2:1.5"}).status,
              0);
    EXPECT_EQ(count("select dollars from DraftTemplate where template_name = 'Snake'"), 300.0);
    EXPECT_EQ(count("select sum(points) from DraftCategory dc join DraftTemplate dt on "
                    "dc.template_id = dt.template_id where template_name = 'Snake'"),
              3.5);
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
                  "Usage: the list of categories names none; give their symbols, e.g. PTS,AST; "
                  "--none gives up no category\n");
        EXPECT_EQ(usage({"advise", "Auction", "--punt", empty}).rfind("Usage: ", 0), 0u);
    }
    usage({"punt", "Auction", "--none", "PTS"});
    EXPECT_EQ(cli.run({"punt", "Auction"}).out, "categoryid,symbol\n3,STL\n");
    EXPECT_EQ(cli.run({"punt", "Auction", "--none"}).out, "categoryid,symbol\n");
}

}  // namespace
}  // namespace quorvane
