// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "session/SetupConversation.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

// A points snake draft of three teams, open in the setup editor.
struct SetupFixture : ::testing::Test {
    SetupFixture() {
        program.newDraft("Setup", 3, false, false);
        form = fillSetup(*program.state.draftSettings());
    }
    SetupSaveOutcome save() { return saveSetup(program.state, program.dialogs, form); }
    std::string refusal() {
        program.dialogs.messages.clear();
        EXPECT_FALSE(save().saved);
        EXPECT_EQ(program.dialogs.messages.size(), 1u);
        return program.dialogs.lastText();
    }
    void setOrders(const std::vector<std::string>& orders) {
        for (std::size_t i = 0; i < orders.size(); ++i) {
            form.teamRows[i].order = orders[i];
        }
    }
    TestProgram program;
    SetupForm form;
};

TEST_F(SetupFixture, ARefusalIsShownAndWritesNothingAndAValidFormIsStored) {
    form.draftType = kDraftTypeAuction;
    form.roundsIndex = 34;
    form.salaryCap = "260 ";
    form.minBid = "0.5";
    form.rosterSlots.fill(0);
    form.rosterSlots[kListR] = 1;
    form.teamRows[2].order = "x";
    EXPECT_EQ(refusal(), "Draft order is invalid");
    EXPECT_EQ(program.dialogs.messages.back().title, "Invalid Data");
    EXPECT_EQ(program.state.draftSettings()->drafttype, kDraftTypeSnake);
    form.teamRows[2].order = "3";
    EXPECT_TRUE(save().saved) << program.dialogs.lastText();
    const DraftSettings& draft = *program.state.draftSettings();
    EXPECT_EQ(draft.rounds(), 35);
    EXPECT_EQ(draft.dollars, 260.0);
    EXPECT_EQ(draft.minbid, 0.5);
    // A single reserve slot is a roster.
    EXPECT_EQ(draft.R, 1);
    EXPECT_EQ(draft.rosterSize(), 1);
}

TEST_F(SetupFixture, ASalaryCapIsWholeDollarsFromOne) {
    form.draftType = kDraftTypeAuction;
    form.minBid = "1";
    for (const char* cap : {"0", "-0", "0.5", "1e-300", "199.99", "-260", "inf", "nan"}) {
        form.salaryCap = cap;
        EXPECT_EQ(refusal(), "The salary cap is invalid.") << cap;
    }
    EXPECT_EQ(program.state.draftSettings()->drafttype, kDraftTypeSnake);
    const std::vector<std::pair<std::string, double>> caps{
        {"1", 1.0}, {"260.00", 260.0}, {"1000000", 1000000.0}};
    for (const auto& [cap, dollars] : caps) {
        form.salaryCap = cap;
        EXPECT_TRUE(save().saved) << cap << ": " << program.dialogs.lastText();
        EXPECT_EQ(program.state.draftSettings()->dollars, dollars);
    }
}

TEST_F(SetupFixture, AWeightErrorBringsTheLeagueTabForward) {
    form.categoryWeight[0] = "";
    const auto outcome = save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.showTab, SetupTab::League);
}

TEST_F(SetupFixture, DraftOrdersMustBeOneToNEachOnce) {
    setOrders({"3", "1", "2"});
    EXPECT_TRUE(save().saved);
    EXPECT_EQ(program.state.draftSettings()->draftTeams[0].teamname, "Owner 2");
    setOrders({"2", "2", "2"});
    EXPECT_EQ(refusal(), "Draft order is invalid");
    setOrders({"1", "2", "4"});
    EXPECT_EQ(refusal(), "Draft order is invalid");
    setOrders({"1", "2", "2.5"});
    EXPECT_EQ(refusal(), "Draft order is invalid");
}

TEST_F(SetupFixture, WithoutPicksTheTurnGoesToOrderOneAndWithPicksItStays) {
    setOrders({"2", "3", "1"});
    ASSERT_TRUE(save().saved);
    const auto& teams = program.state.draftSettings()->draftTeams;
    EXPECT_EQ(teams[0].teamname, "Owner 3");
    EXPECT_EQ(teams[0].currentpick, 1);
    EXPECT_EQ(program.scalar("select sum(currentpick) from DraftTeams"), 1.0);

    program.exec(
        "insert into DraftTaken (template_id, playerid, teamid, draftorder) values (1, "
        "77, 1, 1)");
    setOrders({"1", "2", "3"});
    ASSERT_TRUE(save().saved);
    EXPECT_EQ(program.scalar("select draftposition from DraftTeams where currentpick = 1"), 1.0);
    EXPECT_EQ(readScalar<std::string>(program.state.dbConnection,
                                      "select teamname from DraftTeams where currentpick = 1"),
              "Owner 3");
}

TEST_F(SetupFixture, RotisserieStoresEveryTickedCategoryWithoutWeight) {
    form.scoringStyle = kScoringRotisserie;
    form.categoryWeight[0] = "not even a number";
    ASSERT_TRUE(save().saved);
    EXPECT_EQ(program.scalar("select count(*) from DraftCategory"), 11.0);
    EXPECT_EQ(program.scalar("select max(abs(points)) from DraftCategory"), 0.0);
    EXPECT_EQ(program.state.draftSettings()->scoringstyle, kScoringRotisserie);
}

TEST_F(SetupFixture, LeavingTheAuctionKeepsTheCapAndMinimumBid) {
    form.draftType = kDraftTypeAuction;
    form.salaryCap = "300";
    form.minBid = "2";
    ASSERT_TRUE(save().saved);
    form.draftType = kDraftTypeSnake;
    form.salaryCap = "garbage is not checked outside an auction";
    ASSERT_TRUE(save().saved);
    EXPECT_EQ(program.state.draftSettings()->dollars, 300.0);
    EXPECT_EQ(program.state.draftSettings()->minbid, 2.0);
    EXPECT_EQ(program.state.draftSettings()->drafttype, kDraftTypeSnake);
}

TEST_F(SetupFixture, NewTeamsGetTheirOwnIdsEvenWithTheSameName) {
    ASSERT_TRUE(addTeamRow(form));
    form.teamRows.back() = {std::nullopt, "Owner 1", "4", false, 0};
    ASSERT_TRUE(addTeamRow(form));
    form.teamRows.back() = {std::nullopt, "Owner 1", "5", false, 0};
    ASSERT_TRUE(save().saved) << program.dialogs.lastText();
    const auto& teams = program.state.draftSettings()->draftTeams;
    ASSERT_EQ(teams.size(), 5u);
    EXPECT_NE(teams[3].teamid, teams[4].teamid);
    EXPECT_EQ(program.state.draftSettings()->teams, 5);
    EXPECT_EQ(program.scalar("select count(distinct teamid) from DraftTeams"), 5.0);
}

TEST_F(SetupFixture, NoMoreThanThirtyTeamRows) {
    while (addTeamRow(form)) {
    }
    EXPECT_EQ(form.teamRows.size(), 30u);
}

TEST_F(SetupFixture, AFailedWriteUndoesTheWholeSave) {
    form.rosterSlots[kListC] = 5;
    form.teamRows[0].name = "Renamed";
    program.exec("drop table DraftCategory");
    EXPECT_FALSE(save().saved);
    EXPECT_EQ(program.dialogs.messages.back().title, "Could Not Save");
    EXPECT_EQ(program.dialogs.lastText(), "An error occured while saving template settings.");
    EXPECT_NE(program.logLines().back().find(": error 40005: Could not save values for template."),
              std::string::npos);
    EXPECT_EQ(program.scalar("select C from DraftRoster"), 2.0);
    EXPECT_EQ(program.scalar("select count(*) from DraftTeams where teamname = 'Renamed'"), 0.0);
}

TEST_F(SetupFixture, DeletingYourOwnTeamIsRefusedBeforeAnyQuestion) {
    EXPECT_EQ(deleteTeam(program.state, program.dialogs, form, 0), DeleteTeamOutcome::Refused);
    EXPECT_TRUE(program.dialogs.questions.empty());
    EXPECT_EQ(program.dialogs.messages.back().title, "Cannot Delete Your Team");
}

TEST_F(SetupFixture, DeletingASavedTeamRemovesEveryPickAfterYes) {
    program.exec(
        "insert into DraftTaken (template_id, playerid, teamid, draftorder) values (1, "
        "77, 1, 1), (1, 78, 3, 2)");
    EXPECT_EQ(deleteTeam(program.state, program.dialogs, form, 1), DeleteTeamOutcome::Cancelled);
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken"), 2.0);
    EXPECT_EQ(program.dialogs.questions.back().title, "Delete Team?");

    program.dialogs.answers.push_back(true);
    EXPECT_EQ(deleteTeam(program.state, program.dialogs, form, 1), DeleteTeamOutcome::Deleted);
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken"), 0.0);
    EXPECT_EQ(form.teamRows.size(), 2u);
    // The orders 1 and 3 no longer add up until the user fixes them.
    EXPECT_EQ(refusal(), "Draft order is invalid");
    form.teamRows[1].order = "2";
    ASSERT_TRUE(save().saved);
    EXPECT_EQ(program.state.draftSettings()->teams, 2);
    EXPECT_EQ(program.state.draftSettings()->draftTeams[0].currentpick, 1);
}

TEST_F(SetupFixture, DeletingAnUnsavedRowDiscardsUnsavedTeamChanges) {
    form.teamRows[1].name = "Typed but not saved";
    addTeamRow(form);
    EXPECT_EQ(deleteTeam(program.state, program.dialogs, form, 3), DeleteTeamOutcome::Discarded);
    ASSERT_EQ(form.teamRows.size(), 3u);
    EXPECT_EQ(form.teamRows[1].name, "Owner 2");
    EXPECT_TRUE(program.dialogs.questions.empty());
}

TEST_F(SetupFixture, ASavedTeamIsNotDeletedWithoutConsentAndNoDraftIsToldBack) {
    DraftSession& session = program.state;
    const DeleteTeamResult unasked = deleteTeam(session, form, 2, Consent{});
    EXPECT_EQ(unasked.outcome, DeleteTeamOutcome::Cancelled);
    EXPECT_FALSE(unasked.failure);
    EXPECT_EQ(program.scalar("select count(*) from DraftTeams"), 3.0);
    EXPECT_TRUE(program.dialogs.messages.empty());

    session.replaceDraftSettings(std::nullopt);
    const SetupSaveOutcome none = saveSetup(session, form);
    EXPECT_FALSE(none.saved);
    ASSERT_TRUE(none.failure);
    EXPECT_EQ(none.failure->title, "No Draft Open");
    EXPECT_TRUE(program.dialogs.messages.empty());
}

}  // namespace
}  // namespace quorvane
