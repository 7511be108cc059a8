// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "session/BackgroundRunner.h"
#include "session/ProgramState.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

// What the runner's thread reported, waited for from the test's thread.
struct Reports {
    std::mutex mutex;
    std::condition_variable changed;
    bool finished = false;
    bool runningWhenFinished = true;
    int openedTemplate = -1;
    std::vector<std::string> messages;

    void waitFinished() {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [this] { return finished; }));
    }
};

}  // namespace

TEST(BackgroundRunner, JobSeesTheDraftOnItsOwnConnectionAndFinishesAfterRunningEnds) {
    test::TestProgram program;
    const int draft = program.newDraft("Runner League", 4, false, false);
    BackgroundRunner runner;
    Reports reports;
    runner.start(
        {program.folder.str(), draft, program.state.projectionYear}, {},
        [&reports](ProgramState* opened, UserDialogs&, const std::atomic<bool>&) {
            std::lock_guard lock(reports.mutex);
            reports.openedTemplate = opened != nullptr && opened->draftSettings()
                                         ? opened->draftSettings()->template_id
                                         : 0;
        },
        [&reports, &runner] {
            std::lock_guard lock(reports.mutex);
            reports.runningWhenFinished = runner.running();
            reports.finished = true;
            reports.changed.notify_all();
        });
    reports.waitFinished();
    runner.stop();
    EXPECT_EQ(reports.openedTemplate, draft);
    // Whoever hears of the end may start the next job at once.
    EXPECT_FALSE(reports.runningWhenFinished);
    EXPECT_FALSE(runner.running());
}

TEST(BackgroundRunner, MissingDraftReachesTheJobAsNullWithItsMessageRelayed) {
    test::TestProgram program;
    BackgroundRunner runner;
    Reports reports;
    runner.start(
        {program.folder.str(), 987654, program.state.projectionYear},
        [&reports](std::string title, std::string text, MessageIcon) {
            std::lock_guard lock(reports.mutex);
            reports.messages.push_back(title + ": " + text);
        },
        [&reports](ProgramState* opened, UserDialogs& dialogs, const std::atomic<bool>&) {
            // Nobody can answer a question on this thread.
            EXPECT_FALSE(dialogs.askYesNo("Question", "Go on?"));
            std::lock_guard lock(reports.mutex);
            reports.openedTemplate = opened == nullptr ? 0 : 1;
        },
        [&reports] {
            std::lock_guard lock(reports.mutex);
            reports.finished = true;
            reports.changed.notify_all();
        });
    reports.waitFinished();
    runner.stop();
    EXPECT_EQ(reports.openedTemplate, 0);
}

TEST(BackgroundRunner, StopEndsAJobThatWaitsForItAndANewStartReplacesTheOldJob) {
    test::TestProgram program;
    const int draft = program.newDraft("Runner League", 4, false, false);
    BackgroundRunner runner;
    std::atomic<int> stoppedJobs{0};
    const auto waitForStop = [&stoppedJobs](ProgramState*, UserDialogs&,
                                            const std::atomic<bool>& stop) {
        while (!stop.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ++stoppedJobs;
    };
    const DraftTarget target{program.folder.str(), draft, program.state.projectionYear};
    runner.start(target, {}, waitForStop, {});
    EXPECT_TRUE(runner.running());
    runner.start(target, {}, waitForStop, {});
    EXPECT_EQ(stoppedJobs.load(), 1);
    runner.stop();
    EXPECT_EQ(stoppedJobs.load(), 2);
    EXPECT_FALSE(runner.running());
}
