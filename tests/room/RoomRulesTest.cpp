// SPDX-License-Identifier: MIT
// The room's rules that need no database: the slot a pick window proposes, the names the lists
// show and the grids built from rows already read.
#include <gtest/gtest.h>

#include "room/Keepers.h"
#include "room/PlayerLists.h"
#include "room/RecordPick.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {
namespace {

DraftSettings slots(int c, int g, int f) {
    DraftSettings draft;
    draft.C = c;
    draft.G = g;
    draft.F = f;
    draft.PG = 1;
    draft.SG = 1;
    draft.PF = 1;
    draft.SF = 1;
    draft.UT = 2;
    return draft;
}

std::string proposed(const DraftSettings& draft, const std::string& pos) {
    const PositionChoice choice = positionFor(draft, pos);
    return choice.selected < 0 ? "" : choice.positions[static_cast<std::size_t>(choice.selected)];
}

TEST(ProposedSlot, APositionTheDraftLacksFallsToItsNearestSlot) {
    EXPECT_EQ(proposed(slots(1, 1, 1), "G"), "G");
    EXPECT_EQ(proposed(slots(1, 0, 1), "G"), "SG");
    EXPECT_EQ(proposed(slots(1, 1, 0), "f"), "PF");
    EXPECT_EQ(proposed(slots(0, 1, 1), "C"), "UT");
    // A later rule starts again from the player's own position: without G or C a guard keeps
    // "G", which the draft lacks, so the first slot offered (PG here) is chosen.
    EXPECT_EQ(proposed(slots(0, 0, 1), "G"), "PG");
    // A position no slot matches selects the first slot.
    EXPECT_EQ(proposed(slots(1, 1, 1), "XX"), "C");
}

TEST(ListNames, APlayerWithoutBothNamesShowsNone) {
    FreePlayerRow player;
    player.firstname = "Ann";
    player.lastname = "Archer";
    EXPECT_EQ(commaName(player, " (BOS)"), "Archer, Ann (BOS)");
    EXPECT_EQ(commaName(player), "Archer, Ann");
    player.firstname.reset();
    EXPECT_EQ(commaName(player, " (BOS)"), "");
    player.firstname = "";
    EXPECT_EQ(commaName(player), "Archer, ");
}

TEST(KeeperGrid, SurplusIsValueLessPriceAndBlankWithoutBoth) {
    std::vector<KeeperRow> keepers(2);
    keepers[0].playerid = 301;
    keepers[0].firstname = "Bo";
    keepers[0].lastname = "Zane";
    keepers[0].pos = "G";
    keepers[0].priceText = "4.5";
    keepers[0].price = 4.5;
    keepers[0].value = 11.754;
    keepers[1].playerid = 302;
    keepers[1].lastname = "Adams";
    keepers[1].priceText = "10.25";
    keepers[1].price = 10.25;

    const GridTable grid = keeperGrid(keepers);
    EXPECT_EQ(grid.headings,
              (std::vector<std::string>{"playerid", "Name", "Pos", "Price", "Value", "Surplus"}));
    // 11.754 shows as 11.75; 11.754 - 4.5 = 7.254, shown 7.25.
    EXPECT_EQ(grid.rows[0],
              (std::vector<std::string>{"301", "Zane, Bo", "G", "4.5", "11.75", "7.25"}));
    // No first name: no name; no value: neither value nor surplus.
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"302", "", "", "10.25", "", ""}));
}

}  // namespace
}  // namespace quorvane
