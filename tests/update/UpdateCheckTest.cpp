// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "session/UpdateAtStartup.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

struct RecordingLauncher final : ProgramLauncher {
    bool start(const std::string& path, const std::vector<std::string>& arguments) override {
        started.push_back(path);
        startedWith = arguments;
        return works;
    }
    bool works = true;
    std::vector<std::string> started;
    std::vector<std::string> startedWith;
};

TEST(UpdateRules, OfferOnlyANewerVersionOfThisProductLine) {
    EXPECT_EQ(updateActionFor("1303", "13.0.2"), UpdateAction::Ask);
    EXPECT_EQ(updateActionFor("1399", "13.0.2"), UpdateAction::Ask);
    EXPECT_EQ(updateActionFor("1303\r\n", "13.0.2"), UpdateAction::Ask);
    for (const char* answer : {"1302", "1200", "1400", "1401", "2000", "", "abc", "13.0.3",
                               "<html>Service Unavailable</html>", "-1303", "1303abc"}) {
        EXPECT_EQ(updateActionFor(answer, "13.0.2"), UpdateAction::Nothing) << answer;
    }
}

struct UpdateCheckFixture : ::testing::Test {
    test::TestProgram program;
    test::FakeTransfer transfer;
    RecordingLauncher launcher;
};

TEST_F(UpdateCheckFixture, WithoutAServiceAsksNothingAndShowsNothing) {
    program.state.serviceHost.clear();
    EXPECT_EQ(runUpdateCheck(program.state, program.dialogs, transfer, launcher, "/x/updater"),
              UpdateOutcome::Continue);
    EXPECT_TRUE(transfer.urls.empty());
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_TRUE(program.dialogs.questions.empty());
}

TEST_F(UpdateCheckFixture, AsksForTheVersionAndStartsTheUpdaterOnYes) {
    program.state.serviceHost = "updates.example.org";
    program.state.dataFolder = "/home/coach/draft data";
    transfer.answer(" 1303\r\n");
    program.dialogs.answers = {true};
    EXPECT_EQ(runUpdateCheck(program.state, program.dialogs, transfer, launcher, "/x/updater"),
              UpdateOutcome::UpdaterStarted);
    ASSERT_EQ(transfer.urls.size(), 1u);
    EXPECT_EQ(transfer.urls[0], "https://updates.example.org/draft/nba/version.asp");
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].title, "Software Update Available");
    EXPECT_EQ(program.dialogs.questions[0].text,
              "An update is available for the draft software.  Would you like to update your "
              "software now?");
    EXPECT_EQ(launcher.started, std::vector<std::string>{"/x/updater"});
    // The updater shows its messages in windows, finds the service through the same data
    // folder and fetches the version that was announced.
    EXPECT_EQ(launcher.startedWith,
              (std::vector<std::string>{"--gui", "--data-dir", "/home/coach/draft data", "1303"}));
}

TEST_F(UpdateCheckFixture, GoesOnWhenTheUserSaysNoOrTheVersionIsNotNewer) {
    program.state.serviceHost = "updates.example.org";
    transfer.answer("1303");
    transfer.answer("1302");
    EXPECT_EQ(runUpdateCheck(program.state, program.dialogs, transfer, launcher, "/x/updater"),
              UpdateOutcome::Continue);
    EXPECT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(runUpdateCheck(program.state, program.dialogs, transfer, launcher, "/x/updater"),
              UpdateOutcome::Continue);
    EXPECT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(UpdateCheckFixture, AnUpdaterThatCannotStartIsReportedAndTheProgramGoesOn) {
    program.state.serviceHost = "updates.example.org";
    transfer.answer("1303");
    program.dialogs.answers = {true};
    SpawnLauncher spawner;
    const std::string missing = program.folder.str() + "/quorvane-update";
    EXPECT_EQ(runUpdateCheck(program.state, program.dialogs, transfer, spawner, missing),
              UpdateOutcome::Continue);
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_NE(program.dialogs.messages[0].text.find("could not be started"), std::string::npos);
    const auto lines = program.logLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find(" error: could not start the updater - " + missing),
              std::string::npos);
}

TEST(UpdaterLaunch, StartsAnExecutableBesideTheProgram) {
    test::TempFolder folder;
    const std::string marker = folder.str() + "/started";
    const std::string updater = folder.str() + "/quorvane-update";
    {
        std::ofstream script(updater);
        script << "#!/bin/sh\necho \"$@\" > '" << marker << "'\n";
    }
    std::filesystem::permissions(updater, std::filesystem::perms::owner_all);
    SpawnLauncher launcher;
    ASSERT_TRUE(launcher.start(updater, {"--gui", "1303"}));
    std::string started;
    for (int i = 0; i < 100 && started.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::getline(std::ifstream(marker), started);
    }
    EXPECT_EQ(started, "--gui 1303");
    EXPECT_FALSE(launcher.start(folder.str() + "/not-there", {}));
}

}  // namespace
}  // namespace quorvane
