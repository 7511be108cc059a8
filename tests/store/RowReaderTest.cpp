// SPDX-License-Identifier: MIT
// Every repository reads through readRows and readScalar: the forgiving conversions of the old
// engine's fields, and a failure that leaves nothing half-read.
#include <gtest/gtest.h>

#include <regex>

#include "store/Connection.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

struct Converted {
    std::int64_t wholeOfReal, wholeOfText, wholeOfWord, wholeOfNull;
    double realOfText, realOfNull;
    std::string textOfWhole, textOfReal, textOfNull;
    std::optional<double> optionalOfNull, optionalOfReal;
    bool boolOfZero, boolOfText;
    SqlValue pastTheEnd;
};

TEST(RowReader, ColumnsConvertAsTheOldEngineFieldsDid) {
    TestProgram program;
    const auto rows = readRows<Converted>(
        program.state.dbConnection, "select -7.75, ' 12.5 ', 'Jokic', null, 41, 2.375, '0', 'yes'",
        {}, [](const StatementRow& row) {
            return Converted{row.integer(0),
                             row.integer(1),
                             row.integer(2),
                             row.integer(3),
                             row.real(1),
                             row.real(3),
                             row.text(4),
                             row.text(5),
                             row.text(3),
                             row.as<std::optional<double>>(3),
                             row.as<std::optional<double>>(5),
                             row.as<bool>(6),
                             row.as<bool>(4),
                             row.value(8)};
        });
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    const Converted& row = rows->front();
    EXPECT_EQ(row.wholeOfReal, -7);  // cut towards zero, not rounded
    EXPECT_EQ(row.wholeOfText, 12);
    EXPECT_EQ(row.wholeOfWord, 0);
    EXPECT_EQ(row.wholeOfNull, 0);
    EXPECT_EQ(row.realOfText, 12.5);
    EXPECT_EQ(row.realOfNull, 0.0);
    EXPECT_EQ(row.textOfWhole, "41");
    EXPECT_EQ(row.textOfReal, "2.375");
    EXPECT_EQ(row.textOfNull, "");
    EXPECT_EQ(row.optionalOfNull, std::nullopt);
    EXPECT_EQ(row.optionalOfReal, 2.375);
    EXPECT_FALSE(row.boolOfZero);
    EXPECT_TRUE(row.boolOfText);
    EXPECT_TRUE(isNull(row.pastTheEnd));
}

TEST(RowReader, AColumnIsFoundByItsNameInAnyCase) {
    TestProgram program;
    const auto found = readRows<std::vector<int>>(
        program.state.dbConnection, "select 1 as playerid, 2 as FTA, 3 as fta", {},
        [](const StatementRow& row) {
            return std::vector<int>{row.column("PLAYERID"), row.column("fta"), row.column("dob")};
        });
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->front(), (std::vector<int>{0, 1, -1}));
}

TEST(RowReader, AScalarWithoutARowReadsAsNull) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    const std::string none = "select playerid from DraftPlayers where playerid = -1";
    EXPECT_EQ(readScalar<int>(connection, none), 0);
    EXPECT_EQ(readScalar<std::string>(connection, none), "");
    const std::optional<std::optional<int>> noneAtAll =
        readScalar<std::optional<int>>(connection, none);
    ASSERT_TRUE(noneAtAll.has_value());
    EXPECT_EQ(*noneAtAll, std::nullopt);
    EXPECT_EQ(readScalar<double>(connection, "select 17.0 / 3, 5"), 17.0 / 3);
    EXPECT_EQ(readScalar<int>(connection, "select 11 union all select 12"), 11);
}

TEST(RowReader, AFailureAfterTheFirstRowsGivesNoRowsAndLogsTheStatement) {
    TestProgram program;
    // The second row overflows: the engine reports it only when it reaches that row.
    const std::string sql = "select 1 union all select abs(-9223372036854775807 - 1)";
    int made = 0;
    EXPECT_EQ(readRows<int>(program.state.dbConnection, sql, {},
                            [&made](const StatementRow& row) {
                                ++made;
                                return row.as<int>(0);
                            }),
              std::nullopt);
    EXPECT_EQ(made, 1);
    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(
        std::regex_match(lines[0], std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d : )"
                                              R"(.*integer overflow.* : select 1 union .*)")))
        << lines[0];
    // The statement runs again afterwards, from its first row.
    EXPECT_EQ(readScalar<int>(program.state.dbConnection, "select 1 union all select 2"), 1);
}

TEST(RowReader, TextWithoutAStatementIsAFailureTheLogNames) {
    TestProgram program;
    EXPECT_FALSE(executeSql(program.state.dbConnection, "  -- nothing here"));
    PreparedStatement nothing;
    EXPECT_FALSE(nothing.prepare(program.state.dbConnection, ""));
    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" : Statement was not prepared. :   -- nothing here"),
              std::string::npos)
        << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" : Statement was not prepared. : ")) << lines[1];
}

TEST(RowReader, APreparedStatementAnswersEachRunWithItsOwnParameters) {
    TestProgram program;
    program.exec("insert into DraftNotes (template_id, notes) values (3, 'third'), (8, 'eighth')");
    PreparedStatement notes;
    ASSERT_TRUE(notes.prepare(program.state.dbConnection,
                              "select notes from DraftNotes where template_id = ?"));
    EXPECT_EQ(readScalar<std::string>(notes, {SqlValue{std::int64_t{8}}}), "eighth");
    EXPECT_EQ(readScalar<std::string>(notes, {SqlValue{std::int64_t{5}}}), "");
    EXPECT_EQ(readScalar<std::string>(notes, {SqlValue{std::int64_t{3}}}), "third");
}

}  // namespace
}  // namespace quorvane
