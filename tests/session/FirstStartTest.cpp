// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "projections/ProjectionFiles.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "store/RowReader.h"
#include "store/Schema.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using test::FakeDialogs;
using test::TempFolder;

constexpr int kSamplePlayers = 30;

std::string writeSample(const TempFolder& folder) {
    std::vector<std::string> lines{test::kHeader};
    for (int id = 1; id <= kSamplePlayers; ++id) {
        lines.push_back(test::projectionLine(id, 2019, "First", "Player" + std::to_string(id)));
    }
    return test::writeFile(folder, "sample.csv", test::joinLines(lines, "\r\n"));
}

// What a database left in `folder` holds: -1 when there is none, else its players (the build
// is complete only with every table, the categories and all of the sample).
int playersLeftIn(const fs::path& folder) {
    const std::string path = databasePathIn(folder.string());
    if (!fs::exists(path)) {
        return -1;
    }
    Connection connection;
    if (!openConnection(connection, path, Log())) {
        return -2;
    }
    struct Counts {
        std::int64_t categories, players, version;
    };
    const auto check =
        readRows<Counts>(connection,
                         "select (select count(*) from category) as categories,"
                         " (select count(*) from DraftPlayers) as players, user_version as version"
                         " from pragma_user_version",
                         {}, [](const StatementRow& row) {
                             return Counts{row.integer(0), row.integer(1), row.integer(2)};
                         });
    if (!check || check->empty() || check->front().categories != 28 ||
        check->front().version != schemaVersion()) {
        return -3;
    }
    return static_cast<int>(check->front().players);
}

pid_t startFirstStart(const fs::path& folder, const std::string& sample) {
    const pid_t child = fork();
    if (child == 0) {
        ProgramState state;
        FakeDialogs dialogs;
        const bool made = createNewDatabase(state, dialogs, folder.string(), sample);
        _exit(made ? 0 : 1);
    }
    return child;
}

TEST(FirstStart, AKillAtAnyMomentLeavesNoDatabaseOrACompleteOne) {
    TempFolder root;
    const std::string sample = writeSample(root);

    // How long a whole first start takes here, so that the kills spread over all of it.
    const auto begin = std::chrono::steady_clock::now();
    const pid_t timed = startFirstStart(root.path() / "timed", sample);
    int status = 0;
    waitpid(timed, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - begin);
    ASSERT_EQ(playersLeftIn(root.path() / "timed"), kSamplePlayers);

    std::mt19937 random(20191015);
    // A fifth of the moments fall after the end, where the database must be complete.
    std::uniform_int_distribution<long long> moment(0, whole.count() * 6 / 5);
    int none = 0;
    int complete = 0;
    for (int run = 0; run < 60; ++run) {
        const fs::path folder = root.path() / ("run" + std::to_string(run));
        const pid_t child = startFirstStart(folder, sample);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        const int players = playersLeftIn(folder);
        ASSERT_TRUE(players == -1 || players == kSamplePlayers)
            << "run " << run << " left " << players;
        (players == -1 ? none : complete) += 1;

        if (run >= 10) {
            continue;
        }
        // The next start finds either nothing and builds anew, or the complete database.
        ProgramState state;
        FakeDialogs dialogs;
        ASSERT_TRUE(createNewDatabase(state, dialogs, folder.string(), sample));
        closeConnection(state.dbConnection);
        EXPECT_EQ(playersLeftIn(folder), kSamplePlayers) << "run " << run;
    }
    // Both outcomes occurred, so the kills did land before and after the rename.
    EXPECT_GT(none, 0);
    EXPECT_GT(complete, 0);
    // Builds of killed programs do not pile up beside the database.
    for (const auto& entry : fs::directory_iterator(root.path() / "run0")) {
        EXPECT_EQ(entry.path().filename().string().find(".building-"), std::string::npos)
            << entry.path();
    }
}

TEST(FirstStart, ADatabaseWithoutPlayersOffersTheSampleAndLoadsItOnYes) {
    test::TestProgram program;  // a database without players
    EXPECT_FALSE(offerSampleProjections(program.state, program.dialogs));
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].title, kLoadSampleTitle);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 0.0);

    program.dialogs.answers.push_back(true);
    EXPECT_TRUE(offerSampleProjections(program.state, program.dialogs));
    const double players = program.scalar("select count(*) from DraftPlayers");
    EXPECT_GT(players, 1000.0);

    // With players there is nothing to offer.
    EXPECT_FALSE(offerSampleProjections(program.state, program.dialogs));
    EXPECT_EQ(program.dialogs.questions.size(), 2u);
}

}  // namespace
}  // namespace quorvane
