// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <regex>

#include "session/UserDialogs.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/TransactionGuard.h"
#include "support/TestProgram.h"
#include "text/CsvText.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(Store, NamesWithApostrophesRoundTripThroughParameters) {
    TestProgram program;
    ASSERT_TRUE(executeSql(program.state.dbConnection,
                           "insert into DraftTeams (template_id, teamname) values (1, ?)",
                           {std::string("O'Neil's Team")}));
    EXPECT_EQ(readScalar<std::string>(program.state.dbConnection,
                                      "select teamname from DraftTeams where teamname = ?",
                                      {std::string("O'Neil's Team")}),
              "O'Neil's Team");
}

TEST(Store, AggregatesOverNoRowsGiveZero) {
    TestProgram program;
    EXPECT_EQ(program.scalar("select IIF(sum(dollars) is null,0,sum(dollars)) as amt from "
                             "DraftTaken where template_id = 99"),
              0.0);
    EXPECT_EQ(program.scalar("select IIF(max(draftorder) is null, 0, max(draftorder)) from "
                             "DraftTaken where template_id = 99"),
              0.0);
}

TEST(Store, NameComparisonIgnoresCase) {
    TestProgram program;
    program.exec("insert into DraftTemplate (template_name) values ('Friday League')");
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate where template_name = 'FRIDAY "
                             "league'"),
              1.0);
    EXPECT_FALSE(executeSql(program.state.dbConnection,
                            "insert into DraftTemplate (template_name) values ('friday LEAGUE')"));
}

TEST(Store, NewDraftRowsTakeTheColumnDefaults) {
    TestProgram program;
    program.exec("insert into DraftTemplate (template_name) values ('Defaults')");
    program.exec("insert into DraftRoster (template_id) values (1)");
    EXPECT_EQ(program.scalar("select dollars from DraftTemplate"), 200.0);
    EXPECT_EQ(program.scalar("select minbid from DraftTemplate"), 1.0);
    EXPECT_EQ(program.scalar("select rounds from DraftTemplate"), 13.0);
    EXPECT_EQ(program.scalar("select draftdirection = 'U' from DraftTemplate"), 1.0);
    EXPECT_EQ(program.scalar("select C + F + G + SF + PF + SG + PG + UT + R from DraftRoster"),
              13.0);
}

TEST(Store, APlayerIsOnOneTeamOfADraftOnce) {
    TestProgram program;
    program.exec("insert into DraftTaken (template_id, playerid, teamid) values (1, 3879, 1)");
    EXPECT_FALSE(executeSql(program.state.dbConnection,
                            "insert into DraftTaken (template_id, playerid, teamid) values (1, "
                            "3879, 2)"));
    program.exec("insert into DraftTaken (template_id, playerid, teamid) values (2, 3879, 5)");
}

TEST(Store, AFailedStatementInsideAnOperationLeavesNothingBehind) {
    TestProgram program;
    {
        TransactionGuard operation(program.state.dbConnection);
        ASSERT_TRUE(operation.begun());
        program.exec("insert into DraftTemplate (template_name) values ('Half made')");
        {
            TransactionGuard inner(program.state.dbConnection);
            program.exec("insert into DraftNotes (template_id, notes) values (1, 'inner')");
            ASSERT_TRUE(inner.commit());
        }
        EXPECT_FALSE(executeSql(program.state.dbConnection, "insert into NoSuchTable values (1)"));
        // Leaving the scope without commit() is the failure path of every operation.
    }
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate"), 0.0);
    EXPECT_EQ(program.scalar("select count(*) from DraftNotes"), 0.0);

    {
        TransactionGuard operation(program.state.dbConnection);
        program.exec("insert into DraftTemplate (template_name) values ('Whole')");
        ASSERT_TRUE(operation.commit());
    }
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate"), 1.0);
}

TEST(Store, AFailedReadWritesTheStatementLineThenTheNumberedLine) {
    TestProgram program;
    const std::string statement = "select x from NoSuchTable";
    EXPECT_EQ(readScalar<std::int64_t>(program.state.dbConnection, statement), std::nullopt);
    reportDatabaseError(program.dialogs, program.state.dbConnection,
                        " 90005 error: could not start dollar value calc");

    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 2u);
    const std::regex statementLine(
        R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d : .*no such table.* : select x from NoSuchTable$)");
    EXPECT_TRUE(std::regex_match(lines[0], statementLine)) << lines[0];
    const std::regex numberedLine(
        R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d 90005 error: could not start dollar value calc$)");
    EXPECT_TRUE(std::regex_match(lines[1], numberedLine)) << lines[1];
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Database Error");
    EXPECT_EQ(program.dialogs.messages[0].text,
              "An error occured accessing database. If this continues then please contact "
              "customer support.");
}

TEST(Store, PreparedStatementRunsAgainWithNewParameters) {
    TestProgram program;
    PreparedStatement insert;
    ASSERT_TRUE(insert.prepare(program.state.dbConnection,
                               "insert into DraftNotes (template_id, notes) values (?, ?)"));
    for (int id = 1; id <= 3; ++id) {
        ASSERT_TRUE(insert.run({SqlValue{std::int64_t{id}}, std::string("n") + char('0' + id)}));
    }
    EXPECT_FALSE(insert.run({SqlValue{std::int64_t{1}}, std::string("duplicate key")}));
    EXPECT_TRUE(insert.run({SqlValue{std::int64_t{4}}, std::string("after a failure")}));
    EXPECT_EQ(program.scalar("select count(*) from DraftNotes"), 4.0);
}

TEST(CsvText, QuotesOnlyFieldsThatNeedIt) {
    EXPECT_EQ(csvField("Harden"), "Harden");
    EXPECT_EQ(csvField("Smith, Jr."), "\"Smith, Jr.\"");
    EXPECT_EQ(csvField("6'8\" tall"), "\"6'8\"\" tall\"");
    EXPECT_EQ(csvLine({"1", "a,b", ""}), "1,\"a,b\",");
}

TEST(CsvText, EveryCellASpreadsheetWouldRunIsWrittenAsText) {
    EXPECT_EQ(csvLine({"=SUM(A1:A9)", "+Al", "-BOS", "@Horford"}),
              "'=SUM(A1:A9),'+Al,'-BOS,'@Horford");
    // A tab or carriage return in front passes a check for the four signs alone; the second is
    // also quoted, as a line break.
    EXPECT_EQ(csvLine({"\t=1+1", "\r=1+1"}), "'\t=1+1,\"'\r=1+1\"");
    EXPECT_EQ(csvLine({"=HYPERLINK(\"x\",\"a, b\")"}), "\"'=HYPERLINK(\"\"x\"\",\"\"a, b\"\")\"");
    // Only the first character counts, and a lone sign is no number.
    EXPECT_EQ(csvLine({"Trent=", " =POR", "1-2", "-", "--", "-$5", "-1e", "+-3"}),
              "Trent=, =POR,1-2,'-,'--,'-$5,'-1e,'+-3");
}

TEST(CsvText, NumbersKeepTheirSign) {
    EXPECT_EQ(csvLine({"-3.5", "+2", "-0", "-.5", "-12%", "-1.5e3", "+4E-2"}),
              "-3.5,+2,-0,-.5,-12%,-1.5e3,+4E-2");
    // Thousands and decimal commas are numbers too; the comma still needs quotes.
    EXPECT_EQ(csvLine({"-1,234.5", "-2,5"}), "\"-1,234.5\",\"-2,5\"");
}

}  // namespace
}  // namespace quorvane
