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
    EXPECT_NE(dry.err.find("Unused column: Rank (closest field: "), std::string::npos);
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

// A small league of two players the typed tables below are matched against.
void twoPlayers(CliRunner& cli) {
    ASSERT_EQ(cli.run({"init", "--empty"}).status, 0);
    const std::string path = (cli.folder().path() / "own.csv").string();
    std::ofstream(path)
        << "playerid,statindicator,yearofprojection,firstname,lastname,pos,team,dob,games,minutes,"
           "fta,ftm,fga,fgm,pt3a,pt3m,oreb,dreb,assists,steals,blocks,turnovers,doubledouble,"
           "tripledouble,revisiondate,unused25,unused26,PG,SG,PF,SF,C\n"
           "1,P,2019,Luka,Dončić,G,DAL,1999-02-28,70,2000,100,80,900,400,300,100,50,250,300,70,30,"
           "120,5,1,2019-10-15,0,0,1,0,0,0,0\n"
           "2,P,2019,Nikola,Jokić,C,DEN,1995-02-19,70,2000,100,80,900,400,300,100,50,250,300,70,"
           "30,120,5,1,2019-10-15,0,0,0,0,0,0,1\n";
    ASSERT_EQ(cli.run({"import", path}).status, 0);
}

TEST(CliImportTable, APastedTableComesOnStandardInputAndRowsAreSettledWithMatch) {
    CliRunner cli;
    twoPlayers(cli);
    // As a browser copies a page's table: tab separated, no heading line.
    const std::string pasted = "1\tLuka Doncic\tDAL\t72\n2\tNikolla Jokic\tDEN\t80\n";
    const auto dry = cli.run({"import-table", "-", "--dry-run", "--map", "Column 4=games"}, pasted);
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.outLines().back(), "matched=1 new=1 ambiguous=0 skipped=0");
    EXPECT_NE(dry.err.find("New: Nikolla Jokic (line 2)\n"), std::string::npos);
    EXPECT_NE(dry.err.find("Closest to Nikolla Jokic (line 2): 2 Nikola Jokić (DEN)\n"),
              std::string::npos);

    const auto settled = cli.run(
        {"import-table", "-", "--map", "Column 4=games", "--match", "Nikolla Jokic (line 2)=2"},
        pasted);
    ASSERT_EQ(settled.status, 0) << settled.err;
    EXPECT_EQ(settled.outLines().back(), "matched=2 new=0 ambiguous=0 skipped=0");
    const auto players = cli.run({"projections"}).out;
    EXPECT_NE(players.find("Jokić"), std::string::npos);

    EXPECT_EQ(cli.run({"import-table", "-", "--match", "Nikolla Jokic"}, pasted).status, 2);
}

TEST(CliImportTable, MostRowsNewNeedsAllowNewAndWorkbookSheetsAreChosenByName) {
    CliRunner cli;
    twoPlayers(cli);
    const std::string path = (cli.folder().path() / "wrong.csv").string();
    // The players' own names are in the second column, their fantasy owners' in the first.
    std::ofstream(path)
        << "Name,Player Name,G\nZed Alpha,Luka Doncic,70\nYan Beta,Nikola Jokic,80\n";
    const auto wrong = cli.run({"import-table", path});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("Check the Table: 2 of the 2 players of " + path +
                             " match nobody: the name column or the season may be wrong."),
              std::string::npos);
    EXPECT_NE(cli.run({"import-table", path, "--dry-run"})
                  .err.find("Warning: 2 of the 2 players match nobody"),
              std::string::npos);
    EXPECT_EQ(cli.run({"import-table", path, "--allow-new"}).status, 0);

    const auto sheet = cli.run({"import-table", path, "--sheet", "Totals"});
    EXPECT_EQ(sheet.status, 1);
    EXPECT_EQ(sheet.err, "Invalid File: The file " + path +
                             " is a text table, which has no sheets. Nothing was imported.\n");
}

}  // namespace
}  // namespace quorvane
