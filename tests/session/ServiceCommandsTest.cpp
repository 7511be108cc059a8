// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>

#include "LoopbackService.h"
#include "cli/CliApp.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {
namespace {

// Runs the command line in-process against a loopback service named in the environment.
struct ServiceCommandLine : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(service.started());
        setenv("QUORVANE_SERVICE_HOST", service.host().c_str(), 1);
        setenv("QUORVANE_CA_BUNDLE", test::trustedCertificate().certFile.c_str(), 1);
        unsetenv("QUORVANE_PASSWORD");
    }
    void TearDown() override {
        unsetenv("QUORVANE_SERVICE_HOST");
        unsetenv("QUORVANE_CA_BUNDLE");
        unsetenv("QUORVANE_PASSWORD");
    }
    int run(std::vector<std::string> arguments, const std::string& input = {}) {
        arguments.insert(arguments.begin(), {"quorvane-draft-cli", "--data-dir", folder.str()});
        std::vector<const char*> argv;
        for (const auto& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        out.str({});
        err.str({});
        std::istringstream in(input);
        return cli::runCli(static_cast<int>(argv.size()), argv.data(), {out, err, in, false});
    }
    // Rows of the served players; a new database may hold sample projections besides.
    long long players() {
        Connection connection;
        if (!openConnection(connection, folder.str() + "/players2019.db", Log())) {
            return -1;
        }
        return readScalar<long long>(
                   connection,
                   "select count(*) as cnt from DraftPlayers where playerid in (101, 102)")
            .value_or(-1);
    }

    test::LoopbackService service{"coach", "s3cret", "1303"};
    test::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ServiceCommandLine, CheckUpdatePrintsBothVersionsAndTheOffer) {
    EXPECT_EQ(run({"check-update"}), 0) << err.str();
    EXPECT_EQ(out.str(), "local version,13.0.2 (1302)\nservice version,1303\nupdate offered,yes\n");
}

TEST_F(ServiceCommandLine, CheckUpdateWithoutAServiceSaysSoQuietly) {
    unsetenv("QUORVANE_SERVICE_HOST");
    EXPECT_EQ(run({"check-update"}), 0);
    EXPECT_NE(out.str().find("no projection service configured"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST_F(ServiceCommandLine, DownloadWithAWrongPasswordChangesNothing) {
    const long long before = [&] {
        run({"check-update"});
        return players();
    }();
    EXPECT_EQ(run({"download", "--user", "coach"}, "wrong\n"), 1);
    EXPECT_NE(err.str().find("did not accept your user name and password"), std::string::npos);
    EXPECT_EQ(players(), before);
}

TEST_F(ServiceCommandLine, DownloadNeedsAUserName) {
    EXPECT_EQ(run({"download"}, "s3cret\n"), 2);
}

TEST_F(ServiceCommandLine, DownloadReadsThePasswordFromInputOrEnvironmentAndImports) {
    const int status = run({"download", "--user", "coach"}, "s3cret\n");
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_EQ(players(), 3);
    setenv("QUORVANE_PASSWORD", "s3cret", 1);
    EXPECT_EQ(run({"download", "--user", "coach"}), 0) << err.str();
    EXPECT_EQ(players(), 3);
}

}  // namespace
}  // namespace quorvane
