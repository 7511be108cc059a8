// SPDX-License-Identifier: MIT
// The connection keeps compiled statements by their text; what a statement gives must never
// depend on whether it ran before.
#include <gtest/gtest.h>

#include "store/Connection.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

Recordset read(Connection& connection, std::string_view sql, const SqlParams& params = {}) {
    Recordset rows;
    EXPECT_TRUE(openRecordset(rows, connection, sql, params)) << sql;
    return rows;
}

TEST(KeptStatements, AReadSeesTheColumnsOfTablesChangedSinceItLastRan) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    program.exec("create table Scratch (a integer)");
    program.exec("insert into Scratch (a) values (3)");
    EXPECT_EQ(read(connection, "select * from Scratch").columnNames().size(), 1u);

    // Changed by this program: the next read has the new column.
    ASSERT_TRUE(executeSql(connection, "alter table Scratch add column b integer default 7"));
    Recordset own = read(connection, "select * from Scratch");
    ASSERT_EQ(own.columnNames().size(), 2u);
    EXPECT_EQ(own.getInt("b"), 7);

    // Changed by another program while this one kept the statement.
    {
        Connection other;
        ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other, "alter table Scratch add column c text default 'x'"));
    }
    Recordset others = read(connection, "select * from Scratch");
    ASSERT_EQ(others.columnNames().size(), 3u);
    EXPECT_EQ(others.getInt("a"), 3);
    EXPECT_EQ(others.getText("c"), "x");
}

TEST(KeptStatements, AParameterLeftOutIsNullAndAFailedWriteRunsAgain) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    Recordset both = read(connection, "select ? as a, ? as b",
                          {SqlValue{std::int64_t{1}}, SqlValue{std::int64_t{2}}});
    EXPECT_EQ(both.getInt("b"), 2);
    Recordset one = read(connection, "select ? as a, ? as b", {SqlValue{std::int64_t{5}}});
    EXPECT_EQ(one.getInt("a"), 5);
    EXPECT_TRUE(one.isNull("b"));

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
    EXPECT_EQ(read(connection, "select a from Scratch order by a").rowCount(), 3u);
    EXPECT_TRUE(executeSql(connection, "vacuum"));

    EXPECT_EQ(read(connection, "select a from Scratch order by a").rowCount(), 3u);
    Connection other;
    ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
    ASSERT_TRUE(setBusyTimeout(other, 0));
    EXPECT_TRUE(executeSql(other, "begin immediate"));
    EXPECT_TRUE(executeSql(other, "insert into Scratch (a) values (4)"));
    EXPECT_TRUE(executeSql(other, "commit"));
    EXPECT_EQ(read(connection, "select a from Scratch order by a").rowCount(), 4u);
}

TEST(KeptStatements, AConnectionClosedAndOpenedAgainReadsTheFileAfresh) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    program.exec("create table Scratch (a integer)");
    EXPECT_TRUE(read(connection, "select a from Scratch").eof());
    closeConnection(connection);
    {
        Connection other;
        ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other, "insert into Scratch (a) values (9)"));
    }
    ASSERT_TRUE(openConnection(connection, program.state.connectionString, Log()));
    EXPECT_EQ(read(connection, "select a from Scratch").getInt("a"), 9);
}

}  // namespace
}  // namespace quorvane
