// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/LoadedDraft.h"
#include "support/TestProgram.h"
#include "valuation/SgpDenominators.h"

namespace quorvane::test {
namespace {

LoadedDraft twoTeamDraft() {
    LoadedDraft loaded;
    DraftSettings settings;
    settings.template_id = 7;
    settings.turnNumber = 4;
    settings.draftTeams = {{11, "Owner 1", 1, 1, 1}, {12, "Owner 2", 2, 0, 0}};
    loaded.draftSettings = settings;
    loaded.sgpDenominators = {{0, 0.0}, {1, 290.0}};
    loaded.categoryTargets = {{1, 1234.5, 1100.25, "PTS"}};
    return loaded;
}

TEST(LoadedDraft, AChangedCopyLeavesTheHeldValueAsItWasAndCarriesTheOtherParts) {
    const auto held = std::make_shared<const LoadedDraft>(twoTeamDraft());
    DraftSettings moved = *held->draftSettings;
    moved.turnNumber = 5;
    moved.draftTeams[0].currentpick = 0;
    moved.draftTeams[1].currentpick = 1;

    const std::shared_ptr<const LoadedDraft> next = held->withDraftSettings(moved);

    EXPECT_EQ(held->draftSettings->turnNumber, 4);
    EXPECT_EQ(held->draftSettings->draftTeams[0].currentpick, 1);
    EXPECT_EQ(held->draftSettings->draftTeams[1].currentpick, 0);
    EXPECT_EQ(next->draftSettings->turnNumber, 5);
    EXPECT_EQ(next->draftSettings->draftTeams[1].currentpick, 1);
    EXPECT_EQ(next->sgpDenominators, held->sgpDenominators);
    ASSERT_EQ(next->categoryTargets.size(), 1U);
    EXPECT_EQ(next->categoryTargets[0].target, 1234.5);

    const auto closed = next->withDraftSettings(std::nullopt);
    EXPECT_FALSE(closed->draftSettings);
    EXPECT_TRUE(next->draftSettings);

    const auto retargeted = next->withCategoryTargets({{1, 1500.75, 1100.25, "PTS"}});
    EXPECT_EQ(next->categoryTargets[0].target, 1234.5);
    EXPECT_EQ(retargeted->categoryTargets[0].target, 1500.75);
    EXPECT_EQ(retargeted->draftSettings->turnNumber, 5);
}

TEST(LoadedDraft, DenominatorsReadAgainUnchangedKeepTheDraftAndChangedOnesReplaceIt) {
    TestProgram program;
    ASSERT_TRUE(loadSgpDenominators(program.state));
    const std::shared_ptr<const LoadedDraft> first = program.state.loadedDraft;
    ASSERT_GT(first->sgpDenominators.size(), 1U);
    EXPECT_EQ(first->sgpDenominators[1].sgp_denominator, 290.0);

    ASSERT_TRUE(loadSgpDenominators(program.state));
    EXPECT_EQ(program.state.loadedDraft, first);

    program.exec("update category set sgp_denominator = 287.5 where categoryid = 1");
    ASSERT_TRUE(loadSgpDenominators(program.state));
    EXPECT_NE(program.state.loadedDraft, first);
    EXPECT_EQ(program.state.sgpDenominators()[1].sgp_denominator, 287.5);
    EXPECT_EQ(first->sgpDenominators[1].sgp_denominator, 290.0);
}

}  // namespace
}  // namespace quorvane::test
