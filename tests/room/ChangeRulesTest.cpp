// SPDX-License-Identifier: MIT
// The rules of keepers, added players and flags, and what each change does to the held model,
// on models built by hand: no database.
#include <gtest/gtest.h>

#include <variant>

#include "model/ModelChanges.h"
#include "room/CustomPlayerRules.h"
#include "room/KeeperRules.h"
#include "room/PlayerMarks.h"

namespace quorvane {
namespace {

ModelPlayer playerRow(int playerid, int season) {
    ModelPlayer player;
    player.playerid = playerid;
    player.yearofprojection = season;
    player.lastname = "P" + std::to_string(playerid);
    return player;
}

// Three players of 2019 (101, 104, 107), 101 and 107 with a 2018 row too; 104 kept by team 2
// for 7.35, 107 drafted third by team 3 for 12.6.
DraftModel smallDraft() {
    DraftModel model;
    model.projectionYear = 2019;
    model.players = {playerRow(101, 2019), playerRow(104, 2019), playerRow(107, 2019)};
    model.otherSeasons = {playerRow(101, 2018), playerRow(107, 2018)};
    applyPick(model, 104, 2, "C", 0, 7.35);
    applyPick(model, 107, 3, "g", 3, 12.6);
    return model;
}

TEST(KeeperRules, APlayerWithAnyPickIsRefusedInTheRoomsOwnWords) {
    const DraftModel model = smallDraft();
    EXPECT_EQ(keeperRefusal(model, 101), std::nullopt);
    ASSERT_EQ(keeperRefusal(model, 104), kPlayerAlreadySelected);
    EXPECT_EQ(keeperRefusal(model, 107), kPlayerAlreadySelected);
    EXPECT_EQ(keeperRefusal(true), kPlayerAlreadySelected);
    EXPECT_EQ(keeperRefusal(false), std::nullopt);
    EXPECT_EQ(kPlayerAlreadySelected.title, "Player Already Selected");
    EXPECT_EQ(kPlayerAlreadySelected.text,
              "This player is currently on a team in your league and cannot be added to another "
              "team");
    // Only a pick numbered 0 is a keeper.
    EXPECT_TRUE(keptIn(model, 104));
    EXPECT_FALSE(keptIn(model, 107));
    EXPECT_FALSE(keptIn(model, 101));
    EXPECT_EQ(kRemoveKeeperQuestion.title, "Remove This Keeper?");
    EXPECT_EQ(kRemoveKeeperQuestion.text,
              "Are you sure that you want to remove this player from the keeper list?");
}

TEST(CustomPlayerRules, BlankNamesComeFirstThenThePositionDecidesTheStoredRow) {
    EXPECT_EQ(std::get<RuleMessage>(ruleCustomPlayer({" \t", "", "C", "BOS"})),
              (RuleMessage{"Invalid First Name", "First Name is invalid"}));
    EXPECT_EQ(std::get<RuleMessage>(ruleCustomPlayer({"Ann", "  ", "C", "BOS"})),
              (RuleMessage{"Invalid Last Name", "Last Name is invalid"}));
    // The window offers only the five positions; anything else stores nothing and says nothing.
    EXPECT_TRUE(std::holds_alternative<SilentRefusal>(ruleCustomPlayer({"Ann", "Lee", "G", ""})));
    EXPECT_TRUE(std::holds_alternative<SilentRefusal>(ruleCustomPlayer({"Ann", "Lee", "sg", ""})));

    const auto guard = ruleCustomPlayer({"Ann", "Lee", "SG", "NYK"});
    ASSERT_TRUE(std::holds_alternative<CustomPlayerRow>(guard));
    const CustomPlayerRow& row = std::get<CustomPlayerRow>(guard);
    EXPECT_EQ(row.pos, "G");
    EXPECT_EQ(row.listedPos, "SG");
    EXPECT_EQ(row.team, "NYK");
    EXPECT_EQ((std::array<std::int64_t, 5>{row.c, row.pg, row.sg, row.pf, row.sf}),
              (std::array<std::int64_t, 5>{0, 0, 1, 0, 0}));
    const CustomPlayerRow forward =
        std::get<CustomPlayerRow>(ruleCustomPlayer({"A", "B", "PF", ""}));
    EXPECT_EQ(forward.pos, "F");
    EXPECT_EQ(
        (std::array<std::int64_t, 5>{forward.c, forward.pg, forward.sg, forward.pf, forward.sf}),
        (std::array<std::int64_t, 5>{0, 0, 0, 1, 0}));
    EXPECT_EQ(std::get<CustomPlayerRow>(ruleCustomPlayer({"A", "B", "C", ""})).pos, "C");

    EXPECT_EQ(namesakeRefusal(0), std::nullopt);
    EXPECT_EQ(namesakeRefusal(2),
              (RuleMessage{"Player Exists", "A player with that name already exists."}));
    EXPECT_EQ(nextCustomPlayerid(0), 20000);
    EXPECT_EQ(nextCustomPlayerid(20006), 20007);
}

TEST(FlagChoice, ChoosingTheFlagHeHasClearsItAnyOtherReplacesIt) {
    EXPECT_EQ(flagAfterChoice(0, 1), 1);
    EXPECT_EQ(flagAfterChoice(1, 1), 0);
    EXPECT_EQ(flagAfterChoice(3, 2), 2);
    EXPECT_EQ(flagAfterChoice(2, 2), 0);
}

TEST(ModelChanges, AMoveKeepsThePicksNumberAndPlaceAndWithoutAPriceItsPrice) {
    DraftModel model = smallDraft();
    applyMove(model, 104, 4, "ut", std::nullopt);
    ASSERT_EQ(model.picks.size(), 2u);
    EXPECT_EQ(model.picks[0].playerid, 104);
    EXPECT_EQ(model.picks[0].teamid, 4);
    EXPECT_EQ(model.picks[0].slot, "ut");
    EXPECT_EQ(model.picks[0].pickNumber, 0);
    EXPECT_DOUBLE_EQ(model.picks[0].price, 7.35);
    EXPECT_EQ(model.findPlayer(104)->slot, "UT");
    EXPECT_EQ(model.findPlayer(104)->teamid, 4);

    applyMove(model, 107, 3, "G", 9.85);
    EXPECT_EQ(model.picks[1].pickNumber, 3);
    EXPECT_DOUBLE_EQ(model.findPlayer(107)->price, 9.85);
    // A player without a pick is not drafted by a move.
    applyMove(model, 101, 2, "C", 5.0);
    EXPECT_EQ(model.picks.size(), 2u);
    EXPECT_TRUE(model.findPlayer(101)->available());
}

TEST(ModelChanges, ADropOrAKeepersRemovalFreesOnlyTheRightPick) {
    DraftModel model = smallDraft();
    applyDrop(model, 107, 2);  // he is on team 3
    EXPECT_EQ(model.findPlayer(107)->teamid, 3);
    applyKeeperRemoved(model, 107);  // drafted, not kept
    EXPECT_EQ(model.findPlayer(107)->teamid, 3);
    applyDrop(model, 107, 3);
    EXPECT_TRUE(model.findPlayer(107)->available());
    EXPECT_EQ(model.findPlayer(107)->pickNumber, 0);
    EXPECT_DOUBLE_EQ(model.findPlayer(107)->price, 0.0);
    applyKeeperRemoved(model, 104);
    EXPECT_TRUE(model.picks.empty());
    EXPECT_TRUE(model.findPlayer(104)->available());
}

TEST(ModelChanges, AFlagMarksEverySeasonANoteOnlyTheProjectionSeason) {
    DraftModel model = smallDraft();
    applyFlag(model, 107, 3);
    EXPECT_EQ(model.findPlayer(107)->flag, 3);
    EXPECT_EQ(model.otherSeasons[1].flag, 3);
    EXPECT_EQ(model.otherSeasons[0].flag, 0);  // 101's
    applyNote(model, 101, "");
    EXPECT_EQ(model.findPlayer(101)->notes, std::optional<std::string>(""));
    EXPECT_EQ(model.otherSeasons[0].notes, std::nullopt);
    applyFlag(model, 999, 1);  // nobody of that id: nothing changes
    applyNote(model, 999, "x");
    EXPECT_EQ(model.players.size(), 3u);
}

TEST(ModelChanges, AnAddedPlayersRowsGoWhereTheirIdAndSeasonPutThem) {
    DraftModel model = smallDraft();
    applyAddedPlayer(model, {playerRow(105, 2018), playerRow(105, 2019)});
    applyAddedPlayer(model, {playerRow(20000, 2019)});
    ASSERT_EQ(model.players.size(), 5u);
    EXPECT_EQ(model.players[2].playerid, 105);
    EXPECT_EQ(model.players[4].playerid, 20000);
    ASSERT_EQ(model.otherSeasons.size(), 3u);
    EXPECT_EQ(model.otherSeasons[1].playerid, 105);
    EXPECT_EQ(model.otherSeasons[1].yearofprojection, 2018);
    EXPECT_NE(model.findPlayer(105), nullptr);
}

}  // namespace
}  // namespace quorvane
