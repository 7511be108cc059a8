// SPDX-License-Identifier: MIT
// The connection keeps compiled statements by their text; what a statement gives must never
// depend on whether it ran before.
#include <gtest/gtest.h>

#include "store/Connection.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

// Every row of a query, each as its values in text ("" for NULL).
std::vector<std::vector<std::string>> read(Connection& connection, std::string_view sql,
                                           const SqlParams& params = {}) {
    const auto rows =
        readRows<std::vector<std::string>>(connection, sql, params, [](const StatementRow& row) {
            std::vector<std::string> values;
            for (int i = 0; i < row.columnCount(); ++i) {
                values.push_back(row.isNull(i) ? "NULL" : row.text(i));
            }
            return values;
        });
    EXPECT_TRUE(rows.has_value()) << sql;
    return rows.value_or(std::vector<std::vector<std::string>>());
}

using Rows = std::vector<std::vector<std::string>>;

TEST(KeptStatements, AReadSeesTheColumnsOfTablesChangedSinceItLastRan) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    program.exec("create table Scratch (a integer)");
    program.exec("insert into Scratch (a) values (3)");
    EXPECT_EQ(read(connection, "select * from Scratch"), (Rows{{"3"}}));

    // Changed by this program: the next read has the new column.
    ASSERT_TRUE(executeSql(connection, "alter table Scratch add column b integer default 7"));
    EXPECT_EQ(read(connection, "select * from Scratch"), (Rows{{"3", "7"}}));

    // Changed by another program while this one kept the statement.
    {
        Connection other;
        ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other, "alter table Scratch add column c text default 'x'"));
    }
    EXPECT_EQ(read(connection, "select * from Scratch"), (Rows{{"3", "7", "x"}}));
}

TEST(KeptStatements, AParameterLeftOutIsNullAndAFailedWriteRunsAgain) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    EXPECT_EQ(read(connection, "select ? as a, ? as b",
                   {SqlValue{std::int64_t{1}}, SqlValue{std::int64_t{2}}}),
              (Rows{{"1", "2"}}));
    EXPECT_EQ(read(connection, "select ? as a, ? as b", {SqlValue{std::int64_t{5}}}),
              (Rows{{"5", "NULL"}}));

    program.exec("create table Once (a integer unique)");
    constexpr std::string_view kInsert = "insert into Once (a) values (?)";
    ASSERT_TRUE(executeSql(connection, kInsert, {SqlValue{std::int64_t{1}}}));
    EXPECT_FALSE(executeSql(connection, kInsert, {SqlValue{std::int64_t{1}}}));
    EXPECT_TRUE(executeSql(connection, kInsert, {SqlValue{std::int64_t{2}}}));
    EXPECT_EQ(program.scalar("select count(*) from Once"), 2.0);
}

TEST(KeptStatements, NothingKeptHoldsUpAVacuumOrAnotherProgramsWrite) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    program.exec("create table Scratch (a integer)");
    program.exec("insert into Scratch (a) values (1), (2), (3)");
    EXPECT_EQ(read(connection, "select a from Scratch order by a").size(), 3u);
    EXPECT_TRUE(executeSql(connection, "vacuum"));

    EXPECT_EQ(read(connection, "select a from Scratch order by a").size(), 3u);
    Connection other;
    ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
    ASSERT_TRUE(setBusyTimeout(other, 0));
    EXPECT_TRUE(executeSql(other, "begin immediate"));
    EXPECT_TRUE(executeSql(other, "insert into Scratch (a) values (4)"));
    EXPECT_TRUE(executeSql(other, "commit"));
    EXPECT_EQ(read(connection, "select a from Scratch order by a").size(), 4u);
}

TEST(KeptStatements, AConnectionClosedAndOpenedAgainReadsTheFileAfresh) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    program.exec("create table Scratch (a integer)");
    EXPECT_TRUE(read(connection, "select a from Scratch").empty());
    closeConnection(connection);
    {
        Connection other;
        ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other, "insert into Scratch (a) values (9)"));
    }
    ASSERT_TRUE(openConnection(connection, program.state.connectionString, Log()));
    EXPECT_EQ(read(connection, "select a from Scratch"), (Rows{{"9"}}));
}

}  // namespace
}  // namespace quorvane
