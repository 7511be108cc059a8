// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fmt/format.h>

#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"
#include "session/SetupConversation.h"
#include "support/TestProgram.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane::test {

namespace {

std::size_t boxOf(int categoryid) {
    return static_cast<std::size_t>(categoryBoxIndex(categoryid));
}

double ratioOf(const DraftSettings& draft, int categoryid) {
    return varianceRatioOf(draft.headToHead, categoryid);
}

// A new head-to-head draft of three teams, open in the setup editor.
struct HeadToHeadSetup {
    HeadToHeadSetup() {
        NewDraftChoice choice{"Weekly", 2, false, false, true, kHeadToHeadMostCategories};
        id = createDraft(program.state, program.dialogs, choice).value_or(0);
        form = fillSetup(*program.state.draftSettings());
    }
    std::string refusal() {
        program.dialogs.messages.clear();
        EXPECT_FALSE(saveSetup(program.state, program.dialogs, form).saved);
        return program.dialogs.lastText();
    }
    double rows(const std::string& table) {
        return program.scalar(
            fmt::format("select count(*) from {} where template_id = {}", table, id));
    }
    TestProgram program;
    int id = 0;
    SetupForm form;
};

}  // namespace

TEST(HeadToHeadSettings, NewDraftKeepsTheStyleTheModeAndTheRotisserieCategories) {
    HeadToHeadSetup setup;
    const DraftSettings& draft = *setup.program.state.draftSettings();
    EXPECT_EQ(draft.scoringstyle, kScoringHeadToHead);
    EXPECT_EQ(draft.headToHead.mode, kHeadToHeadMostCategories);
    EXPECT_DOUBLE_EQ(draft.headToHead.gamesPerWeek, 3.0);
    EXPECT_FALSE(draft.categories.empty());
    EXPECT_DOUBLE_EQ(ratioOf(draft, 3), 3.74);
    EXPECT_DOUBLE_EQ(ratioOf(draft, 9), 1.88);
    // A category without a published ratio.
    EXPECT_DOUBLE_EQ(ratioOf(draft, 23), 1.5);

    EXPECT_EQ(setup.form.scoringStyle, kScoringHeadToHead);
    EXPECT_EQ(setup.form.headToHeadMode, kHeadToHeadMostCategories);
    EXPECT_EQ(setup.form.gamesPerWeek, "3");
    EXPECT_EQ(setup.form.varianceRatio[boxOf(15)], "2.3");
}

// Only the ratios the user changed are the draft's own; the rest follow the catalogue.
TEST(HeadToHeadSettings, SetupStoresTheWeekAndTheChangedRatios) {
    HeadToHeadSetup setup;
    setup.form.headToHeadMode = kHeadToHeadEachCategory;
    setup.form.gamesPerWeek = "3.25";
    setup.form.varianceRatio[boxOf(3)] = "2.6";
    setup.form.varianceRatio[boxOf(1)] = "1.85";
    ASSERT_TRUE(saveSetup(setup.program.state, setup.program.dialogs, setup.form).saved)
        << setup.program.dialogs.lastText();

    EXPECT_EQ(setup.rows("DraftVarianceRatio"), 1.0);
    loadDraft(setup.program.state, setup.id);
    const DraftSettings& draft = *setup.program.state.draftSettings();
    EXPECT_EQ(draft.headToHead.mode, kHeadToHeadEachCategory);
    EXPECT_DOUBLE_EQ(draft.headToHead.gamesPerWeek, 3.25);
    EXPECT_DOUBLE_EQ(ratioOf(draft, 3), 2.6);
    EXPECT_DOUBLE_EQ(ratioOf(draft, 1), 1.85);
}

TEST(HeadToHeadSettings, BadWeekFiguresAreRefusedAndNothingIsWritten) {
    HeadToHeadSetup setup;
    setup.form.gamesPerWeek = "0.2";
    EXPECT_EQ(setup.refusal(), "The games per week value is invalid.");
    setup.form.gamesPerWeek = "three";
    EXPECT_EQ(setup.refusal(), "The games per week value is invalid.");
    setup.form.gamesPerWeek = "3.5";
    const std::size_t steals = boxOf(3);
    setup.form.categoryTicked[steals] = true;
    setup.form.varianceRatio[steals] = "-1";
    EXPECT_EQ(setup.refusal(), "Invalid variance ratio for category: " + categoryLabel(3));
    setup.form.varianceRatio[steals] = "12";
    EXPECT_EQ(setup.refusal(), "Invalid variance ratio for category: " + categoryLabel(3));

    EXPECT_EQ(setup.rows("DraftVarianceRatio"), 0.0);
    EXPECT_DOUBLE_EQ(
        setup.program.scalar(fmt::format(
            "select gamesperweek from DraftHeadToHead where template_id = {}", setup.id)),
        3.0);
}

// A rotisserie league ignores what the head-to-head boxes hold and writes no head-to-head row.
TEST(HeadToHeadSettings, OtherStylesIgnoreTheHeadToHeadBoxes) {
    TestProgram program;
    const int id = program.newDraft("Roto", 3, false, true);
    SetupForm form = fillSetup(*program.state.draftSettings());
    form.gamesPerWeek = "lots";
    form.varianceRatio[boxOf(3)] = "-4";
    ASSERT_TRUE(saveSetup(program.state, program.dialogs, form).saved)
        << program.dialogs.lastText();
    EXPECT_EQ(program.scalar(
                  fmt::format("select count(*) from DraftHeadToHead where template_id = {}", id)),
              0.0);
    EXPECT_EQ(program.state.draftSettings()->scoringstyle, kScoringRotisserie);
}

// A rotisserie draft turned head-to-head in the setup gets the default week.
TEST(HeadToHeadSettings, RotisserieDraftTurnedHeadToHead) {
    TestProgram program;
    const int id = program.newDraft("Roto", 3, false, true);
    SetupForm form = fillSetup(*program.state.draftSettings());
    form.scoringStyle = kScoringHeadToHead;
    ASSERT_TRUE(saveSetup(program.state, program.dialogs, form).saved)
        << program.dialogs.lastText();
    loadDraft(program.state, id);
    EXPECT_EQ(program.state.draftSettings()->scoringstyle, kScoringHeadToHead);
    EXPECT_EQ(program.state.draftSettings()->headToHead.mode, kHeadToHeadEachCategory);
    EXPECT_DOUBLE_EQ(program.state.draftSettings()->headToHead.gamesPerWeek, 3.0);
}

}  // namespace quorvane::test
