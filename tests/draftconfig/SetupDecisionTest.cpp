// SPDX-License-Identifier: MIT
// The checks of the setup editor's "Save", taken over the typed form alone.
#include <gtest/gtest.h>

#include <functional>

#include "draftconfig/SetupEditor.h"
#include "draftconfig/SetupRequest.h"

namespace quorvane {
namespace {

// A points snake draft of three teams as the editor shows it: Points and Blocks ticked.
SetupForm pointsSnake() {
    SetupForm form;
    form.scoringStyle = kScoringPoints;
    form.draftType = kDraftTypeSnake;
    form.roundsIndex = 12;
    form.salaryCap = "200";
    form.minBid = "1";
    form.gamesPerWeek = "3.5";
    form.varianceRatio.fill("1");
    form.categoryTicked[0] = form.categoryTicked[3] = true;
    form.categoryWeight[0] = "1";
    form.categoryWeight[3] = "2";
    form.rosterSlots[kListC] = 2;
    form.teamRows = {
        {1, "Owner 1", "1", true, 1}, {2, "Owner 2", "2", false, 0}, {3, "Owner 3", "3", false, 0}};
    return form;
}

SetupDecision decided(const SetupForm& form) {
    return decideSetupSave(typedSetup(form));
}

TEST(SetupDecision, EachCheckRefusesInTurnWithItsTab) {
    struct Step {
        std::function<void(SetupForm&)> change;
        std::string message;
        SetupTab tab;
    };
    const std::vector<Step> steps = {
        {[](SetupForm& f) { f.scoringStyle = kNoChoice; },
         "Please select a scoring style before saving.", SetupTab::League},
        {[](SetupForm& f) { f.scoringStyle = kScoringPoints, f.draftType = kNoChoice; },
         "Please select a draft/auction style before saving.", SetupTab::Draft},
        {[](SetupForm& f) { f.draftType = kDraftTypeAuction, f.roundsIndex = 51; },
         "The number of rounds is invalid.", SetupTab::Draft},
        {[](SetupForm& f) { f.roundsIndex = 34, f.salaryCap = "1000001"; },
         "The salary cap is invalid.", SetupTab::Draft},
        {[](SetupForm& f) { f.salaryCap = "260 ", f.minBid = "abc"; },
         "The minimum bid value is invalid.", SetupTab::Draft},
        {[](SetupForm& f) { f.minBid = "0.5", f.rosterSlots[kListC] = 11; },
         "The roster requirement for C is invalid.", SetupTab::Roster},
        {[](SetupForm& f) { f.rosterSlots[kListC] = 0, f.rosterSlots[kListG] = -1; },
         "The roster requirement for ANY G is invalid.", SetupTab::Roster},
        {[](SetupForm& f) { f.rosterSlots[kListG] = 0, f.rosterSlots[kListUT] = 13; },
         "The roster requirement for UTIL is invalid.", SetupTab::Roster},
        {[](SetupForm& f) { f.rosterSlots[kListUT] = 12, f.rosterSlots[kListR] = 11; },
         "The roster requirement for RES is invalid.", SetupTab::Roster},
        {[](SetupForm& f) { f.rosterSlots.fill(0); },
         "You must require at least one position on your roster.", SetupTab::Roster},
        {[](SetupForm& f) { f.rosterSlots[kListR] = 1, f.categoryWeight[0] = "1000.5"; },
         "Invalid point value for category: Points", SetupTab::League},
        {[](SetupForm& f) { f.categoryWeight[0] = "1000", f.categoryWeight[3] = "-999.5"; },
         "Invalid point value for category: Blocks", SetupTab::League},
        {[](SetupForm& f) { f.categoryWeight[3] = "-999", f.categoryTicked.fill(false); },
         "You must have at least one category", SetupTab::League},
        {[](SetupForm& f) {
             f.categoryTicked[4] = true, f.categoryWeight[4] = "1", f.teamRows[1].name = "  ";
         },
         "All teams must have a name.", SetupTab::Team},
        {[](SetupForm& f) { f.teamRows[1].name = "Sec\x07ond", f.teamRows[2].order = "x"; },
         "The name of the team in row 2 holds a control character.", SetupTab::Team},
        {[](SetupForm& f) { f.teamRows[1].name = "Second"; }, "Draft order is invalid",
         SetupTab::Team},
    };
    SetupForm form = pointsSnake();
    ASSERT_TRUE(decided(form).decision.goes());
    for (const Step& step : steps) {
        step.change(form);
        const SetupDecision verdict = decided(form);
        ASSERT_TRUE(verdict.decision.refused()) << step.message;
        EXPECT_EQ(verdict.decision.refusal->title, "Invalid Data");
        EXPECT_EQ(verdict.decision.refusal->text, step.message);
        EXPECT_EQ(verdict.tab, step.tab) << step.message;
        EXPECT_TRUE(verdict.decision.questions.empty());
    }
    form.teamRows[2].order = "3";
    const SetupRequest request = typedSetup(form);
    EXPECT_TRUE(decideSetupSave(request).decision.goes());
    // What the writer stores: the figures as read, the names without their trailing blanks.
    EXPECT_EQ(request.salaryCap, 260.0);
    EXPECT_EQ(request.minBid, 0.5);
    EXPECT_EQ(request.categoryWeight[3], -999.0);
    EXPECT_EQ(request.teams[1].name, "Second");
}

TEST(SetupDecision, DraftOrdersMustBeOneToNEachOnce) {
    SetupForm form = pointsSnake();
    const auto withOrders = [&form](std::vector<std::string> orders) {
        for (std::size_t i = 0; i < orders.size(); ++i) {
            form.teamRows[i].order = orders[i];
        }
        return decided(form).decision;
    };
    EXPECT_TRUE(withOrders({"3", "1", "2"}).goes());
    EXPECT_TRUE(withOrders({" 2", "3 ", "1"}).goes());
    for (const auto& orders : std::vector<std::vector<std::string>>{{"2", "2", "2"},
                                                                    {"1", "2", "4"},
                                                                    {"1", "2", "2.5"},
                                                                    {"0", "1", "2"},
                                                                    {"1", "2", ""}}) {
        EXPECT_EQ(withOrders(orders).refusal->text, "Draft order is invalid") << orders[2];
    }
}

TEST(SetupDecision, MoneyCountsOnlyForAnAuctionAndWeightsOnlyForPoints) {
    SetupForm form = pointsSnake();
    form.salaryCap = "garbage is not checked outside an auction";
    form.minBid = "-1";
    EXPECT_TRUE(decided(form).decision.goes());
    form.draftType = kDraftTypeAuction;
    EXPECT_EQ(decided(form).decision.refusal->text, "The salary cap is invalid.");
    form.salaryCap = "1000000";
    EXPECT_EQ(decided(form).decision.refusal->text, "The minimum bid value is invalid.");
    form.minBid = "0";
    EXPECT_TRUE(decided(form).decision.goes());

    form.scoringStyle = kScoringRotisserie;
    form.categoryWeight[0] = "not even a number";
    EXPECT_TRUE(decided(form).decision.goes());
}

TEST(SetupDecision, HeadToHeadBoxesCountOnlyForAHeadToHeadLeagueAndItsTickedCategories) {
    SetupForm form = pointsSnake();
    form.gamesPerWeek = "0.4";
    form.varianceRatio[0] = "-0";
    EXPECT_TRUE(decided(form).decision.goes());
    form.scoringStyle = kScoringHeadToHead;
    form.headToHeadMode = kNoChoice;
    EXPECT_EQ(decided(form).decision.refusal->text,
              "Please select a head-to-head mode before saving.");
    form.headToHeadMode = kHeadToHeadMostCategories;
    EXPECT_EQ(decided(form).decision.refusal->text, "The games per week value is invalid.");
    form.gamesPerWeek = "0.5";
    // A minus sign is refused even on nought: the ratio cannot be negative.
    EXPECT_EQ(decided(form).decision.refusal->text, "Invalid variance ratio for category: Points");
    form.varianceRatio[0] = "10";
    form.varianceRatio[5] = "10.01";  // not ticked
    EXPECT_TRUE(decided(form).decision.goes());
    form.varianceRatio[3] = "10.01";
    EXPECT_EQ(decided(form).decision.refusal->text, "Invalid variance ratio for category: Blocks");
}

TEST(SetupDecision, DeletingATeamRefusesYourOwnAsksForASavedOneAndGoesForAnUnsavedRow) {
    SetupForm form = pointsSnake();
    form.teamRows.push_back({std::nullopt, "Typed", "4", false, 0});
    const Decision own = decideDeleteTeam(form, 0);
    ASSERT_TRUE(own.refused());
    EXPECT_EQ(own.refusal->title, "Cannot Delete Your Team");
    EXPECT_TRUE(own.questions.empty());

    const Decision saved = decideDeleteTeam(form, 2);
    EXPECT_FALSE(saved.refused());
    ASSERT_EQ(saved.questions.size(), 1u);
    EXPECT_EQ(saved.questions[0].title, "Delete Team?");

    EXPECT_TRUE(decideDeleteTeam(form, 3).goes());
    // A row the form does not have is refused with nothing to show.
    const Decision missing = decideDeleteTeam(form, 9);
    ASSERT_TRUE(missing.refused());
    EXPECT_TRUE(missing.refusal->text.empty());
}

}  // namespace
}  // namespace quorvane
