// SPDX-License-Identifier: MIT
// The held model reads the draft's figures from its settings alone: replacing them is enough.
#include <gtest/gtest.h>

#include "model/DraftModelLoader.h"
#include "model/TeamFigures.h"
#include "support/ModelSettings.h"

namespace quorvane::test {
namespace {

TEST(ModelSettings, EveryFigureFollowsTheSettingsTheModelHolds) {
    DraftModel model;
    // Before any settings: an empty draft of no rounds.
    EXPECT_EQ(model.rounds(), 0);
    EXPECT_EQ(model.startingSlots(), 0);

    DraftSettings draft;
    draft.template_id = 9;
    draft.drafttype = kDraftTypeAuction;
    draft.scoringstyle = kScoringHeadToHead;
    draft.dollars = 187.5;
    draft.minbid = 0.75;
    draft.draftdirection = "U";
    draft.headToHead.mode = kHeadToHeadMostCategories;
    draft.headToHead.gamesPerWeek = 3.4;
    setSlotCounts(draft, {2, 1, 1, 1, 1, 1, 1, 3, 4});
    setRounds(draft, 15);
    draft.draftTeams = {{41, "Moths", 1, 1, 1}, {42, "Gnats", 2, 0, 0}};
    readSettings(draft, model);

    EXPECT_TRUE(model.auction());
    EXPECT_TRUE(model.headToHead());
    EXPECT_EQ(model.rounds(), 15);
    // 2 + 1 + 1 + 1 + 1 + 1 + 1 + 3 starting places; the 4 reserves do not start.
    EXPECT_EQ(model.startingSlots(), 11);
    EXPECT_EQ(model.slotCounts(), (SlotCounts{2, 1, 1, 1, 1, 1, 1, 3, 4}));
    // 15 places, none filled: $187.50 less $0.75 for each of the 14 others = $177.
    EXPECT_DOUBLE_EQ(largestBid(model, 41), 177.0);

    // A setup change: the new minimum and a reserve fewer, and the model follows at once.
    draft.minbid = 1.25;
    draft.R = 3;
    draft.draftdirection = "D";
    readSettings(draft, model);
    EXPECT_EQ(model.slotCounts()[8], 3);
    // 14 places: $187.50 less $1.25 for each of the 13 others = $171.25.
    EXPECT_DOUBLE_EQ(largestBid(model, 42), 171.25);

    // A what-if on a copy leaves the model it came from alone.
    DraftModel whatIf = model;
    whatIf.changeSettings([](DraftSettings& changed) { changed.dollars = 203.0; });
    EXPECT_EQ(whatIf.cap(), 203.0);
    EXPECT_EQ(model.cap(), 187.5);
}

}  // namespace
}  // namespace quorvane::test
