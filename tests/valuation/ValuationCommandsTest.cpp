// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>

#include "LeagueFixture.h"
#include "cli/CliApp.h"

namespace quorvane::test {

namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun runCommand(TestProgram& program, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"quorvane-draft-cli", "--data-dir", program.folder.str()});
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    const int status =
        cli::runCli(static_cast<int>(argv.size()), argv.data(), cli::CliIo{out, err, in, false});
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(ValuationCommands, ValuesPrintEveryPlayerByRankWithFullPrecision) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringRotisserie);
    league.rosterSlots({.G = 1}).money(100, 1).categories({{21, 1}}).denominator(21, 3);
    league.player({.playerid = 7, .lastname = "Low", .ftm = 3, .PG = 1})
        .player({.playerid = 8, .lastname = "Top", .ftm = 12, .PG = 1})
        .player({.playerid = 9, .lastname = "Mid", .ftm = 6, .PG = 1});

    const CliRun run = runCommand(program, {"values", std::to_string(league.id)});

    // Level 2 SGP (Mid); only Top is above it: 200 - (2 - 2) dollars over 2 SGP.
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "playerid,firstname,lastname,dollars,rank\n"
              "8,First,Top,201,1\n"
              "9,First,Mid,1,2\n"
              "7,First,Low,-99,3\n");
}

TEST(ValuationCommands, StandingsRawListsTeamsInOrderAndCategoriesDownToTotal) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringRotisserie);
    league.categories({{1, 1}, {21, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 5})
        .pick(1, 2, "R");

    const CliRun without = runCommand(program, {"standings", std::to_string(league.id), "--raw"});
    const CliRun with =
        runCommand(program, {"standings", std::to_string(league.id), "--raw", "--reserves"});

    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(without.out,
              "teamid,teamname,categoryid,symbol,points,rank\n"
              "1,Owner 1,21,FTM,0,1.5\n1,Owner 1,1,PTS,0,1.5\n1,Owner 1,0,TOTAL,3,3\n"
              "2,Owner 2,21,FTM,0,1.5\n2,Owner 2,1,PTS,0,1.5\n2,Owner 2,0,TOTAL,3,3\n");
    EXPECT_EQ(with.out,
              "teamid,teamname,categoryid,symbol,points,rank\n"
              "2,Owner 2,21,FTM,5,2\n2,Owner 2,1,PTS,5,2\n2,Owner 2,0,TOTAL,4,4\n"
              "1,Owner 1,21,FTM,0,1\n1,Owner 1,1,PTS,0,1\n1,Owner 1,0,TOTAL,2,2\n");
}

TEST(ValuationCommands, TargetsSetKeepsTheRowsNotNamedAndRefusesBadInput) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringRotisserie);
    league.categories({{1, 1}, {15, 1}});
    program.exec("insert into draftTargets values (" + std::to_string(league.id) + ", 15, 0.4567)");

    const CliRun set =
        runCommand(program, {"targets", std::to_string(league.id), "--set", "pts=1500"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out,
              "symbol,target,actual,difference\n"
              "PTS,1500,0,-1500\n"
              "FGP,.457,.000,-.457\n");
    EXPECT_DOUBLE_EQ(program.scalar("select target from draftTargets where categoryid = 15"),
                     0.4567);

    const CliRun bad =
        runCommand(program, {"targets", std::to_string(league.id), "--set", "FGP=x"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Target is not valid for: FGP"), std::string::npos);
    EXPECT_EQ(runCommand(program, {"targets", std::to_string(league.id), "--set", "AST=3"}).status,
              2);
}

}  // namespace quorvane::test
