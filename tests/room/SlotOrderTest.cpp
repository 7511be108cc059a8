// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../advice/AdviceLeague.h"
#include "room/PickChecks.h"
#include "room/Rosters.h"
#include "room/SlotChoice.h"
#include "session/ProgramState.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane::test {

// Every kind has its own count, so a count read from the wrong setting shows.
TEST(SlotKinds, EachKindReadsItsOwnCountInThePickWindowAndTheRosterGrid) {
    DraftSettings draft;
    draft.C = 2;
    draft.G = 0;
    draft.PG = 1;
    draft.SG = 3;
    draft.F = 4;
    draft.PF = 5;
    draft.SF = 6;
    draft.UT = 7;
    draft.R = 8;
    EXPECT_EQ(slotChoices(draft),
              (std::vector<std::string>{"C", "PG", "SG", "F", "PF", "SF", "UT", "R"}));
    EXPECT_EQ(slotCount(draft, "pf"), 5);
    EXPECT_EQ(slotCount(draft, "Sf"), 6);
    EXPECT_EQ(slotCount(draft, "G"), 0);
    EXPECT_EQ(slotCount(draft, "NA"), std::nullopt);

    DraftSettings small;
    small.C = 2;
    small.G = 1;
    small.SF = 1;
    small.PF = 1;
    small.R = 1;
    EXPECT_EQ(rosterSlotRows(small), (std::vector<std::string>{"G", "SF", "PF", "C", "C", "R"}));

    EXPECT_TRUE(isStartingSlot("UT"));
    EXPECT_FALSE(isStartingSlot("R"));
    EXPECT_FALSE(isStartingSlot("ut"));
    EXPECT_FALSE(isStartingSlot("NA"));
}

// The default roster: C, G, PG, SG, F, PF, SF, UT and R in the list's usual order.
TEST(PickWindowSlots, AGuardSeesTheSlotsHeMayFillFirstAndTheOthersAfterTheLine) {
    PositionChoice choice{{"C", "G", "PG", "SG", "F", "PF", "SF", "UT", "R"}, 1};
    const PositionChoice guard = putEligibleSlotsFirst(choice, eligibleSlots("PG", {"PG"}));
    EXPECT_EQ(guard.positions,
              (std::vector<std::string>{"PG", "G", "UT", "R", "C", "SG", "F", "PF", "SF"}));
    EXPECT_EQ(guard.playerSlots, 4);
    EXPECT_EQ(guard.selectedText(), "G");

    // A slot the draft does not have is not offered, and a list the player may fill entirely is
    // not split.
    const PositionChoice small{{"C", "UT"}, 0};
    const PositionChoice centre = putEligibleSlotsFirst(small, eligibleSlots("C", {"C"}));
    EXPECT_EQ(centre.positions, (std::vector<std::string>{"C", "UT"}));
    EXPECT_EQ(centre.playerSlots, 0);
}

TEST(PickWindowSlots, ThePreselectedSlotIsTheFirstOpenOneHeMayFill) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    league.league.rosterSlots({.C = 1, .G = 1, .PG = 1, .UT = 1, .R = 1});
    league.player({.playerid = 1, .positions = "PG", .rank = 1})
        .player({.playerid = 2, .positions = "PG", .rank = 2})
        .pick(1, 1, "PG");
    league.model();
    const auto slot = preselectSlot(program.state, 2, league.league.teamId(1));
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(slot->positions, (std::vector<std::string>{"PG", "G", "UT", "R", "C"}));
    EXPECT_EQ(slot->playerSlots, 4);
    EXPECT_EQ(slot->selectedText(), "G");
}

}  // namespace quorvane::test
