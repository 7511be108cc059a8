// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "draftconfig/DraftList.h"
#include "draftconfig/NewDraft.h"
#include "session/DraftConversation.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(CreateDraft, PointsDraftGetsTheElevenWeightsAndOwnersWithOnlyTheFirstOnTheClock) {
    TestProgram program;
    const int id = program.newDraft("O'Neil League", 12, false, false);
    const DraftSettings& draft = *program.state.draftSettings();
    EXPECT_EQ(draft.template_id, id);
    EXPECT_EQ(draft.template_name, "O'Neil League");
    EXPECT_EQ(draft.drafttype, kDraftTypeSnake);
    EXPECT_EQ(draft.scoringstyle, kScoringPoints);
    EXPECT_EQ(draft.draftdirection, "U");
    ASSERT_EQ(draft.categories.size(), 11u);
    // The published defaults a new points league starts with, in the order the editor lists them.
    const std::vector<std::pair<int, double>> expected = {
        {1, .5}, {2, 2},      {28, 3}, {3, 3},  {5, 1.5}, {20, -0.45},
        {19, 1}, {22, -0.75}, {21, 1}, {16, 3}, {9, -2}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(draft.categories[i].categoryid, expected[i].first);
        EXPECT_DOUBLE_EQ(draft.categories[i].points, expected[i].second);
    }
    ASSERT_EQ(draft.draftTeams.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const DraftTeam& team = draft.draftTeams[i];
        EXPECT_EQ(team.teamname, "Owner " + std::to_string(i + 1));
        EXPECT_EQ(team.draftposition, static_cast<int>(i + 1));
        EXPECT_EQ(team.owner, i == 0 ? 1 : 0);
        EXPECT_EQ(team.currentpick, i == 0 ? 1 : 0);
    }
    EXPECT_EQ(program.scalar("select count(*) from DraftNotes where notes = ''"), 1.0);
    EXPECT_EQ(program.scalar("select count(*) from DraftRoster"), 1.0);
}

TEST(CreateDraft, RotisserieAuctionGetsNineCategoriesOfWeightOne) {
    TestProgram program;
    program.newDraft("Roto", 30, true, true);
    const DraftSettings& draft = *program.state.draftSettings();
    EXPECT_EQ(draft.drafttype, kDraftTypeAuction);
    EXPECT_EQ(draft.scoringstyle, kScoringRotisserie);
    std::vector<int> ids;
    for (const CategoryWeight& category : draft.categories) {
        ids.push_back(category.categoryid);
        EXPECT_EQ(category.points, 1.0);
    }
    EXPECT_EQ(ids, (std::vector<int>{15, 14, 16, 1, 5, 2, 3, 28, 9}));
    EXPECT_EQ(draft.draftTeams.size(), 30u);
    EXPECT_EQ(draft.draftTeams.back().teamname, "Owner 30");
    EXPECT_EQ(program.scalar("select sum(currentpick) + sum(owner) from DraftTeams"), 2.0);
}

TEST(CreateDraft, OneTeamLeague) {
    TestProgram program;
    program.newDraft("Solo", 1, false, true);
    ASSERT_EQ(program.state.draftSettings()->draftTeams.size(), 1u);
    EXPECT_EQ(program.state.draftSettings()->draftTeams[0].owner, 1);
    EXPECT_EQ(program.state.draftSettings()->draftTeams[0].currentpick, 1);
}

TEST(CreateDraft, NamesAreTrimmedAtTheEndOnlyAndMustNotBeBlank) {
    TestProgram program;
    EXPECT_FALSE(createDraft(program.state, program.dialogs, {"   ", 11, false, false}));
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Invalid Draft Name");
    EXPECT_EQ(program.dialogs.messages[0].text, "You must enter a draft name");

    program.newDraft("  Padded  ", 4, false, false);
    EXPECT_EQ(program.state.draftSettings()->template_name, "  Padded");
}

TEST(CreateDraft, DuplicateNameIgnoringCaseIsRefusedAndWritesNothing) {
    TestProgram program;
    program.newDraft("O'Neil League", 12, false, false);
    const double rowsBefore = program.scalar(
        "select (select count(*) from DraftTemplate) + (select count(*) from DraftTeams) + "
        "(select count(*) from DraftCategory) + (select count(*) from DraftNotes)");
    EXPECT_FALSE(createDraft(program.state, program.dialogs, {"o'neil league", 11, false, false}));
    EXPECT_EQ(program.dialogs.lastText(), "A draft with that name already exists");
    EXPECT_EQ(program.scalar("select (select count(*) from DraftTemplate) + (select count(*) from "
                             "DraftTeams) + (select count(*) from DraftCategory) + (select "
                             "count(*) from DraftNotes)"),
              rowsBefore);
}

TEST(CreateDraft, AFailureHalfwayLeavesNoHalfMadeDraft) {
    TestProgram program;
    program.exec("drop table DraftRoster");
    EXPECT_FALSE(createDraft(program.state, program.dialogs, {"Broken", 11, false, false}));
    EXPECT_EQ(program.scalar("select count(*) from DraftTemplate"), 0.0);
    EXPECT_EQ(program.scalar("select count(*) from DraftTeams"), 0.0);
    EXPECT_EQ(program.dialogs.messages.back().title, "Error");
    EXPECT_NE(program.logLines().back().find(": Error - Could not insert roster"),
              std::string::npos);
}

TEST(DraftList, ListsDraftsOldestFirst) {
    TestProgram program;
    program.newDraft("C", 2, false, false);
    program.newDraft("A", 2, false, false);
    program.newDraft("B", 2, false, false);
    const auto drafts = fillDraftList(program.state, program.dialogs);
    ASSERT_TRUE(drafts);
    ASSERT_EQ(drafts->size(), 3u);
    EXPECT_EQ((*drafts)[0].template_name, "C");
    EXPECT_EQ((*drafts)[2].template_name, "B");

    EXPECT_FALSE(openSelectedDraft(program.state, program.dialogs, std::nullopt));
    EXPECT_EQ(program.dialogs.lastText(),
              "You must select a draft/auction from the drop down menu.");
    ASSERT_TRUE(openSelectedDraft(program.state, program.dialogs, (*drafts)[0].template_id));
    EXPECT_EQ(program.state.draftSettings()->template_name, "C");
}

TEST(DraftList, AFailedListIsReported) {
    TestProgram program;
    program.exec("drop table DraftTemplate");
    EXPECT_FALSE(fillDraftList(program.state, program.dialogs));
    EXPECT_EQ(program.dialogs.lastText(),
              "Err 30001: Could get draft templates. If the problem persists please contact "
              "customer support.");
    EXPECT_NE(program.logLines().back().find(": Error 30001 - Could get templates from database"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvane
