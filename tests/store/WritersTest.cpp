// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "session/DataStore.h"
#include "session/UserDialogs.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/Schema.h"
#include "store/TransactionGuard.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using namespace std::chrono_literals;
using test::FakeDialogs;
using test::openFolder;
using test::TestProgram;

// Another program's connection to the same file that holds the writer's lock.
class OtherWriter {
  public:
    explicit OtherWriter(const std::string& path) {
        EXPECT_TRUE(openConnection(m_connection, path, Log()));
    }
    ~OtherWriter() {
        release();
        if (m_releaser.joinable()) {
            m_releaser.join();
        }
    }
    void hold() { ASSERT_TRUE(executeSql(m_connection, "BEGIN IMMEDIATE")); }
    void release() { executeSql(m_connection, "COMMIT"); }
    // Commits from another thread after `delay`, as a program would that finishes its work.
    void releaseAfter(std::chrono::milliseconds delay) {
        m_releaser = std::thread([this, delay] {
            std::this_thread::sleep_for(delay);
            release();
        });
    }
    Connection& connection() { return m_connection; }

  private:
    Connection m_connection;
    std::thread m_releaser;
};

int userVersion(Connection& connection) {
    const std::optional<int> version = readScalar<int>(connection, "PRAGMA user_version");
    EXPECT_TRUE(version.has_value());
    return version.value_or(-1);
}

// Two drafts with picks, as the program before schema versions left them (user_version 0).
void makeUnversionedDatabase(TestProgram& program) {
    const int friday = program.newDraft("Friday League", 10, false, true);
    const int money = program.newDraft("Money League", 12, true, true);
    for (const auto& [draft, player, order] :
         {std::tuple{friday, 3879, 1}, std::tuple{friday, 4012, 2}, std::tuple{money, 3879, 1}}) {
        ASSERT_TRUE(executeSql(program.state.dbConnection,
                               "insert into DraftTaken (template_id, playerid, teamid, draftorder,"
                               " dollars) values (?, ?, 1, ?, 7.5)",
                               {std::int64_t{draft}, std::int64_t{player}, std::int64_t{order}}));
    }
    program.exec("PRAGMA user_version = 0");
    closeConnection(program.state.dbConnection);
}

TEST(SchemaVersions, ADatabaseOfTheLandedProgramOpensAndKeepsEveryDraftAndPick) {
    TestProgram program;
    makeUnversionedDatabase(program);

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openFolder(state, dialogs, program.folder.str()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(userVersion(state.dbConnection), schemaVersion());
    const auto drafts =
        readRows<std::string>(state.dbConnection,
                              "select t.template_name, count(k.playerid) as picks,"
                              " sum(k.dollars) as spent from DraftTemplate t left join DraftTaken"
                              " k on k.template_id = t.template_id group by t.template_id"
                              " order by t.template_id",
                              {}, [](const StatementRow& row) {
                                  return row.text(0) + " " + row.text(1) + " " + row.text(2);
                              });
    ASSERT_TRUE(drafts.has_value());
    // 7.5 + 7.5 spent in the first.
    EXPECT_EQ(*drafts, (std::vector<std::string>{"Friday League 2 15", "Money League 1 7.5"}));
}

TEST(SchemaVersions, AnUpToDateDatabaseOpensWhileAnotherProgramWrites) {
    TestProgram program;
    program.newDraft("Friday League", 10, false, true);
    closeConnection(program.state.dbConnection);
    OtherWriter other(program.state.connectionString);
    other.hold();

    // Any write of the open would wait for the other writer and then fail.
    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openFolder(state, dialogs, program.folder.str()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readScalar<std::int64_t>(state.dbConnection, "select total_changes() as n"), 0);
}

TEST(SchemaVersions, TheUpgradeWaitsForAnotherWriterToFinish) {
    TestProgram program;
    makeUnversionedDatabase(program);
    OtherWriter other(program.state.connectionString);
    other.hold();
    ASSERT_TRUE(
        executeSql(other.connection(),
                   "insert into DraftTemplate (template_name) values ('Written meanwhile')"));
    other.releaseAfter(400ms);

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openFolder(state, dialogs, program.folder.str()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(userVersion(state.dbConnection), schemaVersion());
    EXPECT_EQ(
        readScalar<std::int64_t>(state.dbConnection, "select count(*) as n from DraftTemplate"), 3);
}

TEST(BusyDatabase, StatementsOfAnOperationWhoseTransactionCouldNotBeginAreRefused) {
    TestProgram program;
    setBusyTimeout(program.state.dbConnection, 50);
    OtherWriter other(program.state.connectionString);
    other.hold();
    {
        TransactionGuard operation(program.state.dbConnection);
        EXPECT_FALSE(operation.begun());
        other.release();
        // The other writer is gone, but this operation has no transaction: it must not write.
        EXPECT_FALSE(executeSql(program.state.dbConnection,
                                "insert into DraftTemplate (template_name) values ('Unguarded')"));
        EXPECT_TRUE(program.state.dbConnection.lastFailureWasBusy());
        EXPECT_FALSE(operation.commit());
    }
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate"), 0.0);
    // The next operation runs as usual.
    TransactionGuard next(program.state.dbConnection);
    ASSERT_TRUE(next.begun());
    program.exec("insert into DraftTemplate (template_name) values ('Guarded')");
    ASSERT_TRUE(next.commit());
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate"), 1.0);
}

TEST(BusyDatabase, TheBusyFailureIsToldOnceAndOnlyUntilAStatementSucceeds) {
    TestProgram program;
    Connection& connection = program.state.dbConnection;
    setBusyTimeout(connection, 50);
    OtherWriter other(program.state.connectionString);
    other.hold();
    EXPECT_FALSE(executeSql(connection, "update category set symbol = symbol"));
    reportDatabaseError(program.dialogs, connection, " 60050 error: could not set targets");
    reportDatabaseError(program.dialogs, connection, " 60050 error: could not set targets");
    ASSERT_EQ(program.dialogs.messages.size(), 2u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Database Busy");
    EXPECT_EQ(program.dialogs.messages[0].text,
              "Database is busy. Another program is writing to the draft database, so nothing "
              "was changed. Please try again in a moment.");
    EXPECT_EQ(program.dialogs.messages[1].title, "Database Error");
    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 4u);  // the statement, the busy line, the numbered line twice
    EXPECT_NE(lines[0].find("database is locked"), std::string::npos);
    EXPECT_NE(lines[1].find(" 009 error: database is busy"), std::string::npos);

    // Reads go on beside the writer, and a success ends the busy episode.
    program.scalar("select count(*) from category");
    EXPECT_FALSE(connection.lastFailureWasBusy());
    EXPECT_FALSE(executeSql(connection, "insert into NoSuchTable values (1)"));
    EXPECT_FALSE(reportDatabaseBusy(program.dialogs, connection));
}

TEST(BusyDatabase, EveryConnectionWaitsFiveSecondsForAnotherWriter) {
    TestProgram program;
    EXPECT_EQ(program.scalar("PRAGMA busy_timeout"), 5000.0);
}

}  // namespace
}  // namespace quorvane
