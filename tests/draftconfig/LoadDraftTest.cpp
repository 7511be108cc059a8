// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/DraftLoader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(LoadDraft, TeamsComeInDraftPositionOrderWhateverTheInsertOrder) {
    TestProgram program;
    program.exec("insert into DraftTemplate (template_name, teams, rounds) values ('X', 3, 13)");
    program.exec("insert into DraftRoster (template_id) values (1)");
    program.exec(
        "insert into DraftTeams (template_id, teamname, draftposition) values (1, 'c', "
        "3), (1, 'a', 1), (1, 'b', 2)");
    ASSERT_TRUE(loadDraft(program.state, 1));
    const auto& teams = program.state.draftSettings()->draftTeams;
    ASSERT_EQ(teams.size(), 3u);
    EXPECT_EQ(teams[0].teamname, "a");
    EXPECT_EQ(teams[2].teamname, "c");
    EXPECT_EQ(program.state.draftSettings()->roundsIndex, 12);
    EXPECT_TRUE(program.state.draftSettings()->categories.empty());
}

TEST(LoadDraft, MissingRosterRowLoadsAsNoRecordButKeepsTeamsAndCategories) {
    TestProgram program;
    program.exec("insert into DraftTemplate (template_name, teams) values ('No roster', 2)");
    program.exec("insert into DraftCategory (template_id, categoryid, points) values (1, 5, 1)");
    program.exec(
        "insert into DraftTeams (template_id, teamname, draftposition) values (1, 'a', "
        "1)");
    EXPECT_FALSE(loadDraft(program.state, 1));
    const DraftSettings& draft = *program.state.draftSettings();
    EXPECT_EQ(draft.template_name, "");
    EXPECT_EQ(draft.teams, 0);
    EXPECT_EQ(draft.categories.size(), 1u);
    EXPECT_EQ(draft.draftTeams.size(), 1u);
    EXPECT_NE(program.logLines().back().find(" error - no record for that template ID"),
              std::string::npos);
}

TEST(LoadDraft, ASecondDraftReplacesEverythingOfTheFirst) {
    TestProgram program;
    program.newDraft("First", 12, false, false);
    program.newDraft("Second", 4, true, true);
    loadDraft(program.state, 1);
    loadDraft(program.state, 2);
    const DraftSettings& draft = *program.state.draftSettings();
    EXPECT_EQ(draft.template_name, "Second");
    EXPECT_EQ(draft.draftTeams.size(), 4u);
    EXPECT_EQ(draft.categories.size(), 9u);
}

}  // namespace
}  // namespace quorvane
