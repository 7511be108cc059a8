// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "ProjectionFiles.h"
#include "projections/ProjectionImport.h"
#include "projections/ProjectionTable.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane::test {
namespace {

std::string tableFile(const std::string& name) {
    return std::string(QUORVANE_TEST_TABLES_DIR) + "/" + name;
}

struct Figures {
    std::map<std::string, long long> byColumn;
};

const std::vector<std::string> kStatColumns = {
    "games", "minutes", "fta",     "ftm",    "fga",    "fgm",       "pt3a",         "pt3m",
    "oreb",  "dreb",    "assists", "steals", "blocks", "turnovers", "doubledouble", "tripledouble"};

// Every 2019 row's statistics by player id.
std::map<int, std::map<std::string, long long>> seasonFigures(TestProgram& program) {
    std::string sql = "select playerid";
    for (const std::string& column : kStatColumns) {
        sql += ", " + column;
    }
    std::map<int, std::map<std::string, long long>> figures;
    EXPECT_TRUE(readRows<int>(
        program.state.dbConnection, sql + " from DraftPlayers where yearofprojection = 2019", {},
        [&figures](const StatementRow& row) {
            auto& player = figures[row.as<int>(0)];
            for (std::size_t i = 0; i < kStatColumns.size(); ++i) {
                player[kStatColumns[i]] = row.integer(1 + static_cast<int>(i));
            }
            return 0;
        }));
    return figures;
}

long long stat(TestProgram& program, int playerid, int year, const std::string& column) {
    return static_cast<long long>(program.scalar(
        "select " + column + " from DraftPlayers where playerid = " + std::to_string(playerid) +
        " and yearofprojection = " + std::to_string(year)));
}

class SampleLayouts : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, sampleFile()));
        truth = seasonFigures(program);
    }
    TestProgram program;
    std::map<int, std::map<std::string, long long>> truth;
};

TEST_F(SampleLayouts, TotalsTableMatchesEveryPlayerAndGivesTheExactTotals) {
    const auto report =
        importProjectionTable(program.state, program.dialogs, tableFile("totals-2019.csv"), {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 530);
    EXPECT_EQ(report->created, 0);
    EXPECT_EQ(report->ambiguous, 0);
    EXPECT_FALSE(report->layout.perGame);
    EXPECT_EQ(seasonFigures(program), truth);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 1070);
}

// Per-game figures carry one decimal: a total rebuilt from one is off by at most
// 0.05 x games, and by half a unit more from rounding the product to a whole number.
TEST_F(SampleLayouts, PerGameTablesRebuildTotalsWithinTheirRounding) {
    for (const std::string name : {"pergame-adp-2019.csv", "pergame-pct-cells-2019.csv"}) {
        SCOPED_TRACE(name);
        const auto report =
            importProjectionTable(program.state, program.dialogs, tableFile(name), {});
        ASSERT_TRUE(report) << program.dialogs.lastText();
        EXPECT_EQ(report->matched, 530);
        EXPECT_EQ(report->created, 0);
        EXPECT_EQ(report->skipped, 0);
        EXPECT_TRUE(report->layout.perGame);
        const auto imported = seasonFigures(program);
        for (const auto& [playerid, expected] : truth) {
            const auto& got = imported.at(playerid);
            const double games = static_cast<double>(expected.at("games"));
            EXPECT_EQ(got.at("games"), expected.at("games"));
            // A made figure from a three-decimal percentage is also off by 0.0005 x attempts.
            const auto within = [&](long long value, long long exact, double attempts) {
                return std::abs(static_cast<double>(value - exact)) <=
                       0.05 * games + 0.5 + 0.0005 * attempts;
            };
            for (const std::string column :
                 {"minutes", "fta", "fga", "pt3m", "assists", "steals", "blocks", "turnovers"}) {
                EXPECT_TRUE(within(got.at(column), expected.at(column), 0.0))
                    << playerid << " " << column;
            }
            EXPECT_TRUE(within(got.at("ftm"), expected.at("ftm"), expected.at("fta"))) << playerid;
            EXPECT_TRUE(within(got.at("fgm"), expected.at("fgm"), expected.at("fga"))) << playerid;
            EXPECT_TRUE(within(got.at("oreb") + got.at("dreb"),
                               expected.at("oreb") + expected.at("dreb"), 0.0))
                << playerid;
            // Not in these tables: kept as they were.
            EXPECT_EQ(got.at("pt3a"), expected.at("pt3a"));
            EXPECT_EQ(got.at("doubledouble"), expected.at("doubledouble"));
        }
    }
    // The first 200 rows of one table carry an ADP: Harden's is 1.0, Davis's 2.7.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp where yearofprojection = 2019 "
                             "and source = 'pergame-adp-2019'"),
              200);
    EXPECT_DOUBLE_EQ(program.scalar("select adp from DraftPlayerAdp where playerid = 4065"), 2.7);
}

// A small database: Ann Example with both seasons (2018: 31 offensive of 140 rebounds), and
// Bo Other with last season only (50 of 300).
struct SmallDatabase : TestProgram {
    SmallDatabase() {
        EXPECT_TRUE(importProjectionText(
            state, dialogs,
            joinLines(
                {kHeader, projectionLine(1, 2019, "Ann", "Example"),
                 projectionLine(1, 2018, "Ann", "Example"), projectionLine(2, 2018, "Bo", "Other")},
                "\n")));
        exec(
            "update DraftPlayers set oreb = 31, dreb = 109 where playerid = 1 and "
            "yearofprojection = 2018");
        exec("update DraftPlayers set dollars = 12.5, flag = 2, notes = 'keep' where playerid = 1");
    }
};

TEST(TableImport, PerGameSemicolonTableWithDecimalCommasBecomesHandWorkedTotals) {
    SmallDatabase program;
    const std::string path = writeFile(
        program.folder, "site.csv",
        "\xEF\xBB\xBFPlayer;GP;PTS;FG%;FT%;FTA;3PM;TREB;AST;STL;BLK;TO;ADP\r\n"
        "\"Example, Ann\";71;13,7;0,483 (5,3/11,0);45,1%;3,3;1,9;7,4;4,2;0,9;0,3;2,6;12,5\r\n"
        "Newcomer, Zed;40;8,1;0,455 (3,0/6,6);80%;2,0;0,5;5,0;1,0;0,4;0,6;1,1;\r\n");
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_TRUE(report->layout.perGame);
    EXPECT_EQ(report->matched, 1);
    EXPECT_EQ(report->created, 1);
    EXPECT_EQ(report->createdNames, (std::vector<std::string>{"Newcomer, Zed (line 3)"}));

    EXPECT_EQ(stat(program, 1, 2019, "games"), 71);
    EXPECT_EQ(stat(program, 1, 2019, "fgm"), 376);   // 71 x 5.3 = 376.3
    EXPECT_EQ(stat(program, 1, 2019, "fga"), 781);   // 71 x 11.0
    EXPECT_EQ(stat(program, 1, 2019, "fta"), 234);   // 71 x 3.3 = 234.3
    EXPECT_EQ(stat(program, 1, 2019, "ftm"), 106);   // 0.451 x 3.3 x 71 = 105.67
    EXPECT_EQ(stat(program, 1, 2019, "pt3m"), 135);  // 71 x 1.9 = 134.9
    // 71 x 7.4 = 525.4 -> 525 rebounds, split by his 2018 share 31/140: 116.25 -> 116.
    EXPECT_EQ(stat(program, 1, 2019, "oreb"), 116);
    EXPECT_EQ(stat(program, 1, 2019, "dreb"), 409);
    EXPECT_EQ(stat(program, 1, 2019, "assists"), 298);    // 298.2
    EXPECT_EQ(stat(program, 1, 2019, "steals"), 64);      // 63.9
    EXPECT_EQ(stat(program, 1, 2019, "blocks"), 21);      // 21.3
    EXPECT_EQ(stat(program, 1, 2019, "turnovers"), 185);  // 184.6
    // What the table does not give stays: minutes, three-point attempts, double-doubles.
    EXPECT_EQ(stat(program, 1, 2019, "minutes"), 2000);
    EXPECT_EQ(stat(program, 1, 2019, "pt3a"), 300);
    EXPECT_EQ(stat(program, 1, 2019, "doubledouble"), 5);
    // The user's columns stay; last season's row is not touched.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 1 and "
                             "dollars = 12.5 and flag = 2 and notes = 'keep'"),
              2);
    EXPECT_EQ(stat(program, 1, 2018, "games"), 70);
    EXPECT_DOUBLE_EQ(program.scalar("select adp from DraftPlayerAdp where playerid = 1 and "
                                    "source = 'site'"),
                     12.5);

    // The new player is a custom player with both seasons' rows.
    EXPECT_EQ(program.scalar("select count(*) from draftAdded where playerid = 20000 and "
                             "firstname = 'Zed' and lastname = 'Newcomer'"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 20000"), 2);
    EXPECT_EQ(stat(program, 20000, 2018, "games"), 0);
    EXPECT_EQ(stat(program, 20000, 2019, "fgm"), 120);  // 40 x 3.0
    EXPECT_EQ(stat(program, 20000, 2019, "fga"), 264);  // 40 x 6.6
    EXPECT_EQ(stat(program, 20000, 2019, "ftm"), 64);   // 0.80 x 2.0 x 40
    // 200 rebounds by the 2018 share of all players, (31 + 50) / (140 + 300) = 0.184:
    // 36.8 -> 37 offensive.
    EXPECT_EQ(stat(program, 20000, 2019, "oreb"), 37);
    EXPECT_EQ(stat(program, 20000, 2019, "dreb"), 163);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp where playerid = 20000"), 0);
}

TEST(TableImport, TotalsTableDerivesMadeFieldGoalsFromPointsAndReadsPositionLists) {
    SmallDatabase program;
    const std::string path = writeFile(program.folder, "totals.csv",
                                       "Name,Team,Pos,G,PTS,3P,FT,FTA,ORB,DRB,TOV\n"
                                       "Ann Example,NYK,\"PG,SG\",66,1000,120,211,250,30,200,77\n"
                                       "Bo Other,NYK,F-C,50,400,10,40,60,45,100,20");
    TableImportOptions options;
    options.season = 2018;
    const auto report = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_FALSE(report->layout.perGame);
    EXPECT_EQ(report->season, 2018);
    // 1000 - 120 - 211 leaves half a field goal: the points stay 1000, the free throws taking the
    // odd one, (1000 - 120 - 212) / 2 = 334; (400 - 10 - 40) / 2 = 175.
    EXPECT_EQ(stat(program, 1, 2018, "fgm"), 334);
    EXPECT_EQ(stat(program, 1, 2018, "ftm"), 212);
    EXPECT_EQ(report->notes,
              std::vector<std::string>{"Ann Example (line 2): 1000 points leave half a field goal "
                                       "beside 120 3PM and 211 FTM: FTM taken as 212"});
    EXPECT_EQ(stat(program, 2, 2018, "fgm"), 175);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 1 and "
                             "yearofprojection = 2018 and pos = 'G' and team = 'NYK' and "
                             "PG = 1 and SG = 1 and PF = 0 and SF = 0 and C = 0"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 2 and "
                             "pos = 'F' and PG = 0 and SG = 0 and PF = 1 and SF = 1 and C = 1"),
              1);
    // The 2019 row of the other season is left alone.
    EXPECT_EQ(stat(program, 1, 2019, "fgm"), 400);
}

TEST(TableImport, NamesMatchWithoutAccentsSuffixesOrPunctuationAndTeamsTellNamesakesApart) {
    TestProgram program;
    ASSERT_TRUE(importProjectionText(
        program.state, program.dialogs,
        joinLines({kHeader, projectionLine(1, 2019, "Nikola", "Jokić", 70, "C", "DEN"),
                   projectionLine(2, 2019, "Wendell", "Carter Jr.", 70, "C", "CHI"),
                   projectionLine(3, 2019, "Marcus", "Morris", 70, "F", "NYK"),
                   projectionLine(4, 2019, "Marcus", "Morris", 70, "F", "BOS"),
                   projectionLine(5, 2019, "Royce", "O'Neale", 70, "F", "UTA")},
                  "\n")));
    const std::string path = writeFile(program.folder, "names.tsv",
                                       "Player\tTm\tG\tPTS\tFG\n"
                                       "Nikola Jokic\tDEN\t80\t1600\t600\n"
                                       "\"Carter, Wendell\"\tCHI\t44\t460\t190\n"
                                       "Marcus Morris\tBOS\t75\t1000\t380\n"
                                       "Marcus Morris\t\t10\t50\t20\n"
                                       "ROYCE ONEALE\tUTA\t82\t500\t190\n"
                                       "New Guy\tLAL\t5\t10\t4\n");
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 4);
    EXPECT_EQ(report->created, 1);
    EXPECT_EQ(report->ambiguous, 1);
    EXPECT_EQ(report->ambiguousNames, (std::vector<std::string>{"Marcus Morris (line 5)"}));
    EXPECT_EQ(stat(program, 1, 2019, "games"), 80);
    EXPECT_EQ(stat(program, 2, 2019, "games"), 44);
    EXPECT_EQ(stat(program, 3, 2019, "games"), 70);  // the NYK namesake is untouched
    EXPECT_EQ(stat(program, 4, 2019, "games"), 75);
    EXPECT_EQ(stat(program, 5, 2019, "games"), 82);
    // Matched players keep their own spelling.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = 'Jokić'"), 1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 20000 and "
                             "firstname = 'New' and lastname = 'Guy' and team = 'LAL'"),
              2);
    // The table has no threes or free throws: the stored 100 and 80 count, so 2 x 600 + 180.
    EXPECT_EQ(report->notes,
              (std::vector<std::string>{
                  "Nikola Jokic (line 2): 1600 points, but 2 x FGM + 3PM + FTM = 1380",
                  "Carter, Wendell (line 3): 460 points, but 2 x FGM + 3PM + FTM = 560",
                  "Marcus Morris (line 4): 1000 points, but 2 x FGM + 3PM + FTM = 940",
                  "ROYCE ONEALE (line 6): 500 points, but 2 x FGM + 3PM + FTM = 560"}));
}

TEST(TableImport, RefusalsNameTheFileLineAndColumnAndWriteNothing) {
    SmallDatabase program;
    const auto before = program.scalar("select sum(games) + sum(fgm) from DraftPlayers");

    const std::string bad = writeFile(program.folder, "bad.csv",
                                      "Player,G,PTS\nAnn Example,60,900\nZed New,20,1o.5\n"
                                      "Bo Other,10,50\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, bad, {}));
    EXPECT_EQ(program.dialogs.messages.back().title, "Invalid File");
    EXPECT_EQ(program.dialogs.lastText(),
              "Line 3 of " + bad +
                  " is invalid: column 3 (PTS) holds \"1o.5\", which is not a number. Nothing "
                  "was imported.");

    const std::string nameless =
        writeFile(program.folder, "nameless.csv", "Tm,G,PTS\nNYK,60,900\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, nameless, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "The table " + nameless +
                  " has no name column (Name or Player, or First and Last). Nothing was "
                  "imported.");

    const std::string gameless =
        writeFile(program.folder, "gameless.csv", "Name,p/g,r/g\nAnn Example,20.5,4.1\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, gameless, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "The table " + gameless +
                  " gives figures per game but has no games column (G, GP or Games). Nothing "
                  "was imported.");

    const std::string unread =
        writeFile(program.folder, "pos.csv", "First,Last,G,Pos\nAnn,Example,60,Goalie\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, unread, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "Line 2 of " + unread +
                  " is invalid: column 4 (Pos) holds \"Goalie\", which is not a position. "
                  "Nothing was imported.");

    EXPECT_EQ(program.scalar("select sum(games) + sum(fgm) from DraftPlayers"), before);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 3);
    EXPECT_EQ(program.scalar("select count(*) from draftAdded"), 0);
    const auto log = program.logLines();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&bad](const std::string& line) {
        return line.find(" 12004 error: file format was invalid - " + bad + " line 3") !=
               std::string::npos;
    }));
}

TEST(TableImport, DryRunReportsAndWritesNothingWhileMappingsAndSourcesAreObeyed) {
    SmallDatabase program;
    const std::string path = writeFile(
        program.folder, "mapped.csv",
        "Who,Games Played,Pts,Avg Pick,AAV\rAnn Example,64,1200,3.5,41\rZed New,9,30,,\r");
    TableImportOptions options;
    options.mappings = {{"who", TableField::Name}, {"Pts", TableField::Ignore}};
    options.dryRun = true;
    const auto dry = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(dry) << program.dialogs.lastText();
    EXPECT_EQ(dry->matched, 1);
    EXPECT_EQ(dry->created, 1);
    EXPECT_EQ(stat(program, 1, 2019, "games"), 70);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 3);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp"), 0);

    options.dryRun = false;
    options.source = "league mock";
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(stat(program, 1, 2019, "games"), 64);
    EXPECT_EQ(stat(program, 1, 2019, "fgm"), 400);  // points ignored: made field goals stay
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp where playerid = 1 and "
                             "source = 'league mock' and adp = 3.5 and aav = 41.0"),
              1);
    // A second import of the same source replaces its figures; another source stays beside it.
    options.source = "other site";
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, options));
    options.source = "league mock";
    const std::string later =
        writeFile(program.folder, "later.csv", "Name,G,ADP\nBo Other,12,150\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, later, options));
    EXPECT_EQ(program.dialogs.lastText(),
              "The table " + later + " has no column who. Nothing was imported.");
    options.mappings.clear();
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, later, options));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp where source = 'league mock'"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayerAdp where source = 'other site'"), 1);
}

TEST(TableImport, WhileAnotherProgramWritesNothingIsImportedAndAfterwardsItsChangeStays) {
    SmallDatabase program;
    const std::string path =
        writeFile(program.folder, "site.csv", "Player,GP,PTS\nAnn Example,64,1200\n");
    setBusyTimeout(program.state.dbConnection, 50);
    Connection other;
    ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
    ASSERT_TRUE(executeSql(other, "BEGIN IMMEDIATE"));
    ASSERT_TRUE(executeSql(other,
                           "update DraftPlayers set team = 'NEW', blocks = 77 where "
                           "playerid = 1 and yearofprojection = 2019"));
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, {}));
    EXPECT_EQ(program.dialogs.messages.front().title, kDatabaseBusyTitle);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where games = 64"), 0);
    ASSERT_TRUE(executeSql(other, "COMMIT"));

    // The import reads what is stored once it holds the lock: the other program's team and
    // blocks stay under the table's games and points.
    program.dialogs.messages.clear();
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, {}))
        << program.dialogs.lastText();
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 1 and "
                             "yearofprojection = 2019 and games = 64 and team = 'NEW' and "
                             "blocks = 77"),
              1);
}

}  // namespace
}  // namespace quorvane::test
