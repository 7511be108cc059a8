// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using test::FakeDialogs;
using test::TempFolder;

// Makes a database file with a marker draft so a test can tell which folder was opened.
void makeDatabaseIn(const fs::path& folder, const std::string& marker) {
    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(createNewDatabase(state, dialogs, folder.string(), false));
    ASSERT_TRUE(executeSql(state.dbConnection,
                           "insert into DraftTemplate (template_name) values (?)", {marker}));
}

std::string openedMarker(ProgramState& state) {
    return readScalar<std::string>(state.dbConnection, "select template_name from DraftTemplate")
        .value_or("");
}

TEST(DataFolder, OverrideFolderIsUsedAndCreatedWhenEmpty) {
    TempFolder root;
    const fs::path folder = root.path() / "portable";
    DataFolderCandidates candidates;
    candidates.overrideFolder = folder.string();
    candidates.machineWide = (root.path() / "machine").string();
    candidates.user = (root.path() / "user").string();
    makeDatabaseIn(root.path() / "machine", "machine");

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openDataStore(state, dialogs, candidates));
    EXPECT_EQ(state.dataFolder, folder.string());
    EXPECT_TRUE(fs::is_regular_file(folder / "players2019.db"));
    EXPECT_EQ(state.logFilePath, (folder / "quorbasketball.log").string());
    EXPECT_EQ(openedMarker(state), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(DataFolder, MachineWideFolderComesBeforeTheUserFolder) {
    TempFolder root;
    DataFolderCandidates candidates;
    candidates.machineWide = (root.path() / "machine").string();
    candidates.user = (root.path() / "user").string();
    makeDatabaseIn(candidates.machineWide, "machine");
    makeDatabaseIn(candidates.user, "user");

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openDataStore(state, dialogs, candidates));
    EXPECT_EQ(openedMarker(state), "machine");

    fs::remove_all(candidates.machineWide);
    ProgramState second;
    ASSERT_TRUE(openDataStore(second, dialogs, candidates));
    EXPECT_EQ(openedMarker(second), "user");
    EXPECT_EQ(second.logFilePath, (fs::path(candidates.user) / "quorbasketball.log").string());
}

TEST(DataFolder, FirstStartCreatesTheUserFolderWithTheLogBesideTheDatabase) {
    TempFolder root;
    DataFolderCandidates candidates;
    candidates.machineWide = (root.path() / "machine").string();
    candidates.user = (root.path() / "share" / "quorvane" / "basketball").string();

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openDataStore(state, dialogs, candidates));
    EXPECT_TRUE(fs::is_regular_file(fs::path(candidates.user) / "players2019.db"));
    EXPECT_FALSE(fs::exists(candidates.machineWide));
    EXPECT_FALSE(executeSql(state.dbConnection, "select * from NoSuchTable"));
    EXPECT_TRUE(fs::is_regular_file(fs::path(candidates.user) / "quorbasketball.log"));
    EXPECT_EQ(state.connectionString, (fs::path(candidates.user) / "players2019.db").string());
}

TEST(DataFolder, NoFolderUsableTellsTheUserTheDatabaseWasNotFound) {
    TempFolder root;
    const fs::path blocker = root.path() / "a-file";
    std::ofstream(blocker) << "not a folder";
    DataFolderCandidates candidates;
    candidates.machineWide = (root.path() / "machine").string();
    candidates.user = (blocker / "basketball").string();

    ProgramState state;
    FakeDialogs dialogs;
    EXPECT_FALSE(openDataStore(state, dialogs, candidates));
    EXPECT_FALSE(state.dbConnection.isOpen());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(dialogs.messages[0].text, "Database not Found. Please contact customer support");
}

TEST(DataFolder, CommandLineFolderWinsOverTheEnvironment) {
    ::setenv("QUORVANE_DATA_DIR", "/from/environment", 1);
    EXPECT_EQ(dataFolderCandidates(std::string("/from/command/line")).overrideFolder,
              "/from/command/line");
    EXPECT_EQ(dataFolderCandidates(std::nullopt).overrideFolder, "/from/environment");
    ::unsetenv("QUORVANE_DATA_DIR");
    ::setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_FALSE(dataFolderCandidates(std::nullopt).overrideFolder);
    EXPECT_EQ(dataFolderCandidates(std::nullopt).user, "/xdg/quorvane/basketball");
    ::unsetenv("XDG_DATA_HOME");
}

TEST(Schema, CreatesEveryTableAndTheCategoryRows) {
    test::TestProgram program;
    for (const char* table : {"DraftPlayers",
                              "DraftTemplate",
                              "DraftRoster",
                              "DraftTeams",
                              "DraftCategory",
                              "DraftTaken",
                              "DraftNotes",
                              "draftTargets",
                              "ProjectionEdits",
                              "draftAdded",
                              "category",
                              "proj_cats",
                              "top_players",
                              "vbd_cat_points",
                              "vbd_player_points",
                              "vbd_baselines",
                              "vbd_position_points",
                              "vbd_max_points",
                              "vbd_player_rank",
                              "dollars_top_points",
                              "PlayerBoxCategory",
                              "TeamBoxCategory",
                              "temp_cats",
                              "TotalRank",
                              "TBCWins",
                              "TBCTies"}) {
        EXPECT_EQ(program.scalar(std::string("select count(*) from sqlite_master where type = "
                                             "'table' and name = '") +
                                 table + "' collate nocase"),
                  1.0)
            << table;
    }
    EXPECT_EQ(program.scalar("select count(*) from category"), 28.0);
    EXPECT_EQ(program.scalar("select count(*) from category where categoryid between 10 and 13"),
              0.0);
    EXPECT_EQ(program.scalar("select sgp_denominator from category where symbol = 'TO'"), -51.0);
}

}  // namespace
}  // namespace quorvane
