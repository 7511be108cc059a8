// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "CliRunner.h"
#include "platform/DataFolder.h"
#include "projections/ProjectionFiles.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane::test {
namespace {

namespace fs = std::filesystem;

constexpr int kPlayers = 40;
constexpr std::string_view kBusyLine =
    "Database Busy: Database is busy. Another program is writing to the draft database, so "
    "nothing was changed. Please try again in a moment.\n";

// A database with 40 players and a snake draft of four teams.
std::string prepareRace(CliRunner& cli) {
    std::vector<std::string> lines{kHeader};
    for (int id = 1; id <= kPlayers; ++id) {
        lines.push_back(projectionLine(id, 2019, "First", "Player" + std::to_string(id),
                                       40 + id % 7, id % 3 == 0 ? "C" : "G"));
    }
    const std::string file = writeFile(cli.folder(), "players.csv", joinLines(lines, "\r\n"));
    EXPECT_EQ(cli.run({"init", "--empty"}).status, 0);
    EXPECT_EQ(cli.run({"import", file}).status, 0);
    EXPECT_EQ(cli.run({"new-draft", "Race", "--teams", "4", "--draft", "--rotisserie"}).status, 0);
    return file;
}

double scalarIn(const std::string& database, const std::string& sql) {
    Connection reader;
    if (!openConnection(reader, database, Log())) {
        return -1;
    }
    return readScalar<double>(reader, sql).value_or(-1);
}

TEST(TwoPrograms, PicksAndUndosBesideValuationsAndImportsAreDoneOrRefusedNeverLost) {
    CliRunner cli;
    const std::string file = prepareRace(cli);
    const std::string database = databasePathIn(cli.folder().str());
    const fs::path stop = cli.folder().path() / "stop";

    // The second program: valuations and imports, one after the other, until told to stop.
    const pid_t other = fork();
    if (other == 0) {
        int unexplained = 0;
        for (int round = 0; !fs::exists(stop) && round < 2000; ++round) {
            const CliRun run =
                round % 2 == 0 ? cli.run({"values", "Race"}) : cli.run({"import", file});
            if (run.status != 0 && run.err != kBusyLine) {
                ++unexplained;
            }
        }
        _exit(unexplained == 0 ? 0 : 1);
    }

    int done = 0;
    int refused = 0;
    int picks = 0;
    for (int action = 0; action < 200; ++action) {
        const bool pick = picks == 0;
        const CliRun run =
            pick ? cli.run({"pick", "Race", std::to_string(action / 2 % kPlayers + 1)})
                 : cli.run({"undo", "Race"});
        if (run.status == 0) {
            ++done;
            picks += pick ? 1 : -1;
        } else {
            ++refused;
            EXPECT_EQ(run.err, kBusyLine) << "action " << action;
        }
        // Done means written, refused means not written.
        ASSERT_EQ(scalarIn(database, "select count(*) from DraftTaken"), picks)
            << "action " << action << (pick ? " pick: " : " undo: ") << run.err;
    }
    std::ofstream(stop).put('\n');
    int status = 0;
    waitpid(other, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    // Every undo that was done took its pick and its turn back.
    EXPECT_EQ(scalarIn(database, "select draftposition from DraftTeams where currentpick = 1"),
              1.0);
    EXPECT_EQ(scalarIn(database, "select draftdirection = 'U' from DraftTemplate"), 1.0);
    std::cout << "[          ] " << done << " actions done, " << refused
              << " refused as busy, beside a second writer\n";
}

TEST(TwoPrograms, AWriterHeldPastTheWaitIsReportedAsBusyNeverAsAMissingDatabase) {
    // A draft to pick in, and a database from before schema versions that needs its upgrade.
    CliRunner picking;
    prepareRace(picking);
    CliRunner upgrading;
    ASSERT_EQ(upgrading.run({"init", "--empty"}).status, 0);
    {
        Connection old;
        ASSERT_TRUE(openConnection(old, databasePathIn(upgrading.folder().str()), Log()));
        ASSERT_TRUE(executeSql(old, "PRAGMA user_version = 0"));
    }
    std::vector<Connection> holders(2);
    const std::string pickingDatabase = databasePathIn(picking.folder().str());
    ASSERT_TRUE(openConnection(holders[0], pickingDatabase, Log()));
    ASSERT_TRUE(openConnection(holders[1], databasePathIn(upgrading.folder().str()), Log()));
    for (Connection& holder : holders) {
        ASSERT_TRUE(executeSql(holder, "BEGIN IMMEDIATE"));
    }

    // Both wait the full five seconds, side by side.
    CliRun pick;
    CliRun drafts;
    std::thread first([&] { pick = picking.run({"pick", "Race", "7"}); });
    std::thread second([&] { drafts = upgrading.run({"drafts"}); });
    first.join();
    second.join();
    for (Connection& holder : holders) {
        executeSql(holder, "ROLLBACK");
    }
    EXPECT_EQ(pick.status, 1);
    EXPECT_EQ(pick.err, kBusyLine);
    EXPECT_EQ(drafts.status, 1);
    EXPECT_EQ(drafts.err, kBusyLine);
    EXPECT_EQ(scalarIn(pickingDatabase, "select count(*) from DraftTaken"), 0.0);
}

TEST(TwoPrograms, ADamagedDatabaseIsStillNotFound) {
    CliRunner cli;
    std::ofstream(databasePathIn(cli.folder().str())) << "not a database at all\n";
    const CliRun run = cli.run({"drafts"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Error: Database not Found. Please contact customer support\n", 0), 0u);
}

}  // namespace
}  // namespace quorvane::test
