// SPDX-License-Identifier: MIT
// What the command line refuses that the windows never let through, and how it says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "CliRunner.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {
namespace {

using test::CliRun;
using test::CliRunner;

// The sample projections, a 12-team rotisserie auction "Auction" and an 8-team snake draft
// "Snake" scored on three-point percentage alone.
struct SampleLeagues : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(cli.run({"init"}).status, 0);
        ASSERT_EQ(
            cli.run({"new-draft", "Auction", "--teams", "12", "--auction", "--rotisserie"}).status,
            0);
        ASSERT_EQ(cli.run({"new-draft", "Snake", "--teams", "8", "--draft", "--rotisserie"}).status,
                  0);
        ASSERT_EQ(cli.run({"setup", "Snake", "--categories", "17", "--slots", "F=0"}).status, 0);
    }
    CliRun run(const std::vector<std::string>& arguments) { return cli.run(arguments); }
    double count(const std::string& sql) {
        Connection connection;
        EXPECT_TRUE(openConnection(connection, cli.folder().str() + "/players2019.db", Log()));
        const std::optional<std::optional<double>> value =
            readScalar<std::optional<double>>(connection, sql, {});
        EXPECT_TRUE(value.has_value());
        return value && *value ? **value : -1.0;
    }
    static bool says(const CliRun& run, const std::string& text) {
        return run.err.find(text) != std::string::npos;
    }
    CliRunner cli;
};

TEST_F(SampleLeagues, EveryFailureSaysWhyOnStandardError) {
    const CliRun notKeeper = run({"--yes", "remove-keeper", "Auction", "3879"});
    EXPECT_EQ(notKeeper.status, 1);
    EXPECT_EQ(notKeeper.err, "Error: Player 3879 is not a keeper of this draft\n");

    for (const std::vector<std::string>& unknown :
         {std::vector<std::string>{"flag", "19998", "sleeper"}, {"note", "19998", "gone"}}) {
        const CliRun refused = run(unknown);
        EXPECT_EQ(refused.status, 1) << unknown[0];
        EXPECT_EQ(refused.err, "Error: No player with the id 19998\n") << unknown[0];
    }
    const CliRun roster = run({"roster", "Auction", "9999"});
    EXPECT_EQ(roster.status, 1);
    EXPECT_EQ(roster.err, "Error: No team with the id 9999 in this draft\n");
    EXPECT_EQ(roster.out, "");

    // A valuation failure that the window only logs.
    {
        Connection connection;
        ASSERT_TRUE(openConnection(connection, cli.folder().str() + "/players2019.db", Log()));
        // Every value must be written again, and the file refuses the writes.
        ASSERT_TRUE(executeSql(connection, "update DraftPlayers set dollars = -1"));
        ASSERT_TRUE(executeSql(connection,
                               "create trigger refuse_values before update of dollars on "
                               "DraftPlayers begin select raise(abort, 'refused'); end"));
    }
    const CliRun values = run({"values", "Auction"});
    EXPECT_EQ(values.status, 1);
    EXPECT_TRUE(says(values, "Error: The command failed; the log ")) << values.err;
    EXPECT_TRUE(says(values, "quorbasketball.log says why")) << values.err;
}

TEST_F(SampleLeagues, ChoicesTheWindowsDoNotOfferAreUsageErrors) {
    const CliRun position = run({"players", "Auction", "--position", "centres"});
    EXPECT_EQ(position.status, 2);
    EXPECT_EQ(position.err,
              "Usage: --position must be one of: All Players, guards, pointguards, forwards, "
              "powerforwards, centers, shootingguards, smallforwards\n");
    EXPECT_EQ(run({"players", "Auction", "--position", "CENTERS"}).status, 0);

    const CliRun sort = run({"players", "Snake", "--sort", "points"});
    EXPECT_EQ(sort.status, 2);
    EXPECT_EQ(sort.err, "Usage: --sort must be one of: RK, Name, Team, Pos, GP, 3PCT, Notes\n");
    EXPECT_EQ(run({"players", "Snake", "--sort", "3pct"}).status, 0);

    const CliRun research = run({"research", "Snake", "--available", "--sort", "dv"});
    EXPECT_EQ(research.status, 2);
    EXPECT_TRUE(says(research, "--sort must be one of: $, RK, Name, Age, Team, Pos, GP, PTS,"));

    // Snake has no F slots, so the add-player window offers none.
    const CliRun slot = run({"pick", "Snake", "3879", "--pos", "F"});
    EXPECT_EQ(slot.status, 2);
    EXPECT_EQ(slot.err,
              "Usage: --pos must be one of the draft's slots: C, G, PG, SG, PF, SF, UT, "
              "R\n");
    EXPECT_EQ(run({"keeper", "Snake", "3879", "--team", "13", "--pos", "f"}).status, 2);
    EXPECT_EQ(run({"logs"}).status, 2);

    EXPECT_EQ(run({"export", "Auction", "--kind", "draft", "--dir", ""}).status, 2);
    EXPECT_FALSE(std::filesystem::exists("quorvane_draft_order.csv"));
}

// What an attacker types where a name goes: escape sequences, a bell, DEL, a C1 control, a
// direction override, 200 characters. Each is refused saying what is wrong; nothing is stored.
TEST_F(SampleLeagues, TextThatIsNoNameIsRefusedWhereverANameComesIn) {
    const std::string players = "select count(*) from DraftPlayers";
    const CliRun escape = run({"add-player", "--first", "Evil\x1B]0;owned\x07", "--last", "Lee",
                               "--pos", "C", "--nba-team", "BOS"});
    EXPECT_EQ(escape.status, 1);
    EXPECT_EQ(escape.err, "Invalid First Name: First Name holds a control character\n");
    const CliRun longName = run({"add-player", "--first", "Ann", "--last", std::string(200, 'x'),
                                 "--pos", "C", "--nba-team", "BOS"});
    EXPECT_EQ(longName.err, "Invalid Last Name: Last Name is longer than 100 characters\n");
    const CliRun team = run(
        {"add-player", "--first", "Ann", "--last", "Lee", "--pos", "C", "--nba-team", "BOS\x7F"});
    EXPECT_EQ(team.err, "Invalid Team: Team holds a control character\n");
    EXPECT_EQ(
        run({"add-player", "--first", "Ann", "--last", "Lee", "--pos", "C", "--nba-team", "BOS"})
            .status,
        0);

    const CliRun teamName = run({"setup", "Auction", "--team-name",
                                 "2=Owner\xC2\x9B"
                                 "2J"});
    EXPECT_EQ(teamName.status, 1);
    EXPECT_EQ(teamName.err,
              "Invalid Data: The name of the team in row 2 holds a control character.\n");
    const CliRun draftName =
        run({"new-draft", "Bob\xE2\x80\xAEgpj.exe", "--teams", "8", "--draft", "--points"});
    EXPECT_EQ(draftName.status, 1);
    EXPECT_EQ(draftName.err,
              "Invalid Draft Name: The draft name holds a character that turns the writing "
              "direction\n");
    const CliRun note = run({"note", "3879", "ding\x07"});
    EXPECT_EQ(note.status, 1);
    EXPECT_EQ(note.err, "Invalid Note: The note holds a control character\n");
    const CliRun notes = run({"draft-notes", "Snake", "line one\n\x1B[2Jline two"});
    EXPECT_EQ(notes.status, 1);
    EXPECT_EQ(notes.err, "Invalid Notes: The draft notes holds a control character\n");
    EXPECT_EQ(run({"draft-notes", "Snake", "line one\nline two"}).status, 0);

    EXPECT_EQ(count("select count(*) from draftAdded"), 1.0);
    EXPECT_EQ(count("select count(*) from DraftTemplate"), 2.0);
    EXPECT_EQ(count("select count(*) from DraftTeams where teamname like '%2J'"), 0.0);
    EXPECT_EQ(count("select count(*) from DraftPlayers where notes like 'ding%'"), 0.0);
}

TEST_F(SampleLeagues, BidsAboveTheWholePotAreInvalid) {
    // 12 teams x $200: no bid can be above $2,400.
    for (const std::vector<std::string>& bid :
         {std::vector<std::string>{"pick", "Auction", "3879", "--team", "1", "--dollars", "1e300"},
          {"keeper", "Auction", "3879", "--team", "1", "--dollars", "2400.01"}}) {
        const CliRun refused = run(bid);
        EXPECT_EQ(refused.status, 1) << bid[0];
        EXPECT_EQ(refused.err, "Invalid Bid: Bid for this player is invalid\n") << bid[0];
    }
    EXPECT_EQ(run({"keeper", "Auction", "4351", "--team", "2", "--dollars", "2400"}).status, 0);
    ASSERT_EQ(run({"pick", "Auction", "3879", "--team", "1", "--dollars", "40"}).status, 0);
    const CliRun move = run({"move", "Auction", "3879", "--dollars", "1e300"});
    EXPECT_EQ(move.status, 1);
    EXPECT_EQ(move.err, "Invalid Bid: Bid for this player is invalid\n");
    // 200 - 40 left; less $1 for each of the 10 - 1 - 1 other open slots.
    EXPECT_EQ(run({"money", "Auction"}).outLines()[1], "Owner 1 - $160 (152)");
}

TEST_F(SampleLeagues, ResearchShowsTheFiguresOfItsOwnDraft) {
    ASSERT_EQ(run({"values", "Auction"}).status, 0);
    const CliRun research = run({"research", "Snake", "--available", "--sort", "rk"});
    ASSERT_EQ(research.status, 0) << research.err;
    const CliRun values = run({"values", "Snake"});
    ASSERT_EQ(values.status, 0);

    // playerid -> rank, from the Snake draft's own valuation.
    std::map<std::string, std::string> ranks;
    for (const std::string& line : values.outLines()) {
        const auto firstComma = line.find(',');
        ranks[line.substr(0, firstComma)] = line.substr(line.rfind(',') + 1);
    }
    const std::vector<std::string> rows = research.outLines();
    ASSERT_GT(rows.size(), 500U);
    EXPECT_EQ(rows[0].rfind("playerid,DV,RK,Name,", 0), 0U);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        const auto id = row.substr(0, row.find(','));
        const auto afterDollars = row.find(',', row.find(',') + 1) + 1;
        const auto rank = row.substr(afterDollars, row.find(',', afterDollars) - afterDollars);
        ASSERT_EQ(rank, ranks[id]) << row;
    }
}

// Two teams, one round: the second pick ends the draft.
TEST(CliDraftEnd, NobodyIsOnTheClockUntilTheLastPickIsUndone) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).status, 0);
    ASSERT_EQ(cli.run({"new-draft", "Short", "--teams", "2", "--draft", "--rotisserie"}).status, 0);
    ASSERT_EQ(cli.run({"setup", "Short", "--rounds", "1"}).status, 0);
    ASSERT_EQ(cli.run({"pick", "Short", "3879"}).status, 0);
    ASSERT_EQ(cli.run({"pick", "Short", "4351"}).status, 0);

    EXPECT_EQ(cli.run({"turn", "Short"}).out, "teamid,teamname,draftposition,draftdirection\n");
    EXPECT_EQ(cli.run({"money", "Short"}).out, "Owner 1\nOwner 2\n");
    const CliRun unnamed = cli.run({"pick", "Short", "4675"});
    EXPECT_EQ(unnamed.status, 1);
    EXPECT_EQ(unnamed.err, "No Team Selected: Please select the team that made this pick.\n");

    ASSERT_EQ(cli.run({"undo", "Short"}).status, 0);
    EXPECT_EQ(cli.run({"turn", "Short"}).outLines()[1], "2,Owner 2,2,U");
    EXPECT_EQ(cli.run({"money", "Short"}).out, "Owner 1\n>>Owner 2\n");
}

}  // namespace
}  // namespace quorvane
