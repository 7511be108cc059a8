// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "draftconfig/NewDraft.h"
#include "platform/Version.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"
#include "session/Startup.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::FakeDialogs;
using test::TempFolder;

// Records the start-up steps the front end is asked for; the draft choice can create a draft.
class RecordingShell final : public StartupShell {
  public:
    explicit RecordingShell(ProgramState& state, FakeDialogs& dialogs)
        : m_state(state), m_dialogs(dialogs) {}

    void showMainWindow() override { steps.push_back("main window"); }
    bool runUpdateCheck() override {
        steps.push_back("update check");
        return !endAtUpdate;
    }
    void chooseDraft(bool draftsExist) override {
        steps.push_back(draftsExist ? "open draft" : "new draft");
        cancelShownAtChoice = m_state.draftLoaded;
        if (createAtChoice) {
            createDraft(m_state, m_dialogs, {"First League", 11, false, false});
        }
    }
    void fillSearchList() override { steps.push_back("search list"); }
    void prepareDraftRoom() override { steps.push_back("draft room"); }

    std::vector<std::string> steps;
    bool endAtUpdate = false;
    bool createAtChoice = false;
    bool cancelShownAtChoice = true;

  private:
    ProgramState& m_state;
    FakeDialogs& m_dialogs;
};

DataFolderCandidates only(const TempFolder& folder) {
    DataFolderCandidates candidates;
    candidates.overrideFolder = folder.str();
    return candidates;
}

TEST(Startup, EmptyDatabaseAsksForANewDraftWithoutCancel) {
    TempFolder folder;
    ProgramState state;
    FakeDialogs dialogs;
    RecordingShell shell(state, dialogs);
    shell.createAtChoice = true;
    EXPECT_EQ(runStartup(state, dialogs, shell, only(folder)), StartupOutcome::Running);
    EXPECT_EQ(shell.steps, (std::vector<std::string>{"main window", "update check", "new draft",
                                                     "search list", "draft room"}));
    EXPECT_FALSE(shell.cancelShownAtChoice);
    ASSERT_TRUE(state.draftSettings());
    EXPECT_EQ(state.draftSettings()->template_name, "First League");
    // The draft created at start-up is open, so later draft windows offer Cancel.
    EXPECT_TRUE(state.draftLoaded);
}

TEST(Startup, ExistingDraftsOpenTheDraftList) {
    TempFolder folder;
    {
        ProgramState setup;
        FakeDialogs dialogs;
        ASSERT_TRUE(createNewDatabase(setup, dialogs, folder.str(), false));
        ASSERT_TRUE(createDraft(setup, dialogs, {"Kept", 9, true, true}));
    }
    ProgramState state;
    FakeDialogs dialogs;
    RecordingShell shell(state, dialogs);
    runStartup(state, dialogs, shell, only(folder));
    EXPECT_EQ(shell.steps[2], "open draft");
    EXPECT_TRUE(state.draftLoaded);
    // Nothing was chosen in the window: the draft room is not prepared.
    EXPECT_EQ(shell.steps.back(), "search list");
}

TEST(Startup, StartupCorrectsTheShootingDenominatorsOfOldVersions) {
    TempFolder folder;
    {
        ProgramState setup;
        FakeDialogs dialogs;
        ASSERT_TRUE(createNewDatabase(setup, dialogs, folder.str(), false));
        ASSERT_TRUE(executeSql(setup.dbConnection,
                               "update category set sgp_denominator = 9 where categoryid in (14, "
                               "15)"));
    }
    ProgramState state;
    FakeDialogs dialogs;
    RecordingShell shell(state, dialogs);
    runStartup(state, dialogs, shell, only(folder));
    const std::optional<double> denominators =
        readScalar<double>(state.dbConnection,
                           "select sum(sgp_denominator) as s from category where categoryid "
                           "in (14, 15)");
    ASSERT_TRUE(denominators.has_value());
    EXPECT_DOUBLE_EQ(*denominators, 0.007);
}

TEST(Startup, AnAcceptedUpdateEndsTheProgramBeforeTheDraftChoice) {
    TempFolder folder;
    ProgramState state;
    FakeDialogs dialogs;
    RecordingShell shell(state, dialogs);
    shell.endAtUpdate = true;
    EXPECT_EQ(runStartup(state, dialogs, shell, only(folder)), StartupOutcome::Ended);
    EXPECT_EQ(shell.steps.back(), "update check");
}

TEST(Startup, ADatabaseThatCannotBeCountedEndsTheProgramWithTheLogLine) {
    TempFolder folder;
    {
        ProgramState setup;
        FakeDialogs dialogs;
        ASSERT_TRUE(createNewDatabase(setup, dialogs, folder.str(), false));
        // A draft table that cannot be read: a view over a table that is gone.
        ASSERT_TRUE(executeSql(setup.dbConnection, "drop table DraftTemplate"));
        ASSERT_TRUE(executeSql(setup.dbConnection, "create table gone (x)"));
        ASSERT_TRUE(
            executeSql(setup.dbConnection, "create view DraftTemplate as select x from gone"));
        ASSERT_TRUE(executeSql(setup.dbConnection, "drop table gone"));
    }
    ProgramState state;
    FakeDialogs dialogs;
    RecordingShell shell(state, dialogs);
    EXPECT_EQ(runStartup(state, dialogs, shell, only(folder)), StartupOutcome::Ended);
    EXPECT_EQ(shell.steps.back(), "update check");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().title, "Database Error");
    std::ifstream file(state.logFilePath);
    std::string last;
    for (std::string line; std::getline(file, line);) {
        last = line;
    }
    EXPECT_NE(last.find(" 007 error: could not access database"), std::string::npos) << last;
}

TEST(Version, NumberFormDropsTheDots) {
    EXPECT_EQ(versionNumber("13.0.2"), 1302);
    EXPECT_EQ(versionNumber("14.0.0"), 1400);
    EXPECT_FALSE(versionNumber("13.x"));
}

}  // namespace
}  // namespace quorvane
