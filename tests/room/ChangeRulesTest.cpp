// SPDX-License-Identifier: MIT
// The rules of keepers, added players, flags and the pick's money and slots, and what each change
// does to the held model, on models built by hand: no database.
#include <gtest/gtest.h>

#include <variant>

#include "model/ModelChanges.h"
#include "room/CustomPlayerRules.h"
#include "room/CustomPlayerWriter.h"
#include "room/KeeperRules.h"
#include "room/PickChecks.h"
#include "room/PlayerMarks.h"
#include "vocabulary/DraftSettings.h"

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

TEST(KeeperRules, OnlyAPickNumberedZeroIsAKeeperAndTheWordsStandAsTheRoomSaysThem) {
    const DraftModel model = smallDraft();
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

// The names come first, then the position, and only then the file's namesakes.
TEST(AddPlayerDecision, NamesThenPositionThenANamesakeOfAnySeason) {
    const auto refusal = [](CustomPlayer player, std::int64_t namesakes) {
        const Decision decision = decideAddPlayer({std::move(player), 2019}, namesakes);
        EXPECT_TRUE(decision.questions.empty());
        return decision.refusal ? decision.refusal->title + "|" + decision.refusal->text
                                : std::string("goes");
    };
    EXPECT_EQ(refusal({"", "Lee", "G", ""}, 3), "Invalid First Name|First Name is invalid");
    EXPECT_EQ(refusal({"Ann", " ", "C", ""}, 3), "Invalid Last Name|Last Name is invalid");
    // Refused without a word: the front end shows nothing.
    // A name or team no person types is refused with what is wrong, before the position.
    EXPECT_EQ(refusal({"Ann\x1b[2J", "Lee", "G", ""}, 3),
              "Invalid First Name|First Name holds a control character");
    EXPECT_EQ(refusal({"Ann", "Lee", "G", "LA\tL"}, 3),
              "Invalid Team|Team holds a control character");
    EXPECT_EQ(refusal({"Ann", "Lee", "G", ""}, 3), "|");
    EXPECT_EQ(refusal({"Ann", "Lee", "C", ""}, 1),
              "Player Exists|A player with that name already exists.");
    EXPECT_EQ(refusal({"Ann", "Lee", "C", ""}, 0), "goes");
}

TEST(FlagChoice, ChoosingTheFlagHeHasClearsItAnyOtherReplacesIt) {
    EXPECT_EQ(flagAfterChoice(0, 1), 1);
    EXPECT_EQ(flagAfterChoice(1, 1), 0);
    EXPECT_EQ(flagAfterChoice(3, 2), 2);
    EXPECT_EQ(flagAfterChoice(2, 2), 0);
    // A caller that sends a flag the lists cannot show (a phone, a script) stores nothing.
    const DraftModel model = smallDraft();
    EXPECT_TRUE(decideFlag(model, {101, 0}).goes());
    EXPECT_TRUE(decideFlag(model, {101, 3}).goes());
    EXPECT_EQ(decideFlag(model, {101, 4}).refusal->title, "Invalid Flag");
    EXPECT_TRUE(decideFlag(model, {101, -1}).refused());
    EXPECT_TRUE(decideNote(model, {101, 2019, ""}).goes());
}

// A note is stored as typed unless it holds what no person types; the draft's notes may run
// over lines, a player's note may not.
TEST(NoteDecision, ControlCharactersAndOverlongNotesAreRefusedLinesOnlyInTheDraftNotes) {
    const DraftModel model = smallDraft();
    EXPECT_TRUE(decideNote(model, {101, 2019, "Back in \"May\", maybe"}).goes());
    const Decision escaped = decideNote(model, {101, 2019, "out\x1b]0;x\x07"});
    ASSERT_TRUE(escaped.refused());
    EXPECT_EQ(escaped.refusal->title, "Invalid Note");
    EXPECT_EQ(escaped.refusal->text, "The note holds a control character");
    EXPECT_TRUE(decideNote(model, {101, 2019, "two\nlines"}).refused());
    EXPECT_TRUE(decideNote(model, {101, 2019, std::string(1000, 'x')}).goes());
    EXPECT_TRUE(decideNote(model, {101, 2019, std::string(1001, 'x')}).refused());

    EXPECT_TRUE(decideNote(DraftNoteRequest{7, "Round 1:\n\tgo big"}).goes());
    const Decision hidden = decideNote(DraftNoteRequest{7, "a\u202eb"});
    ASSERT_TRUE(hidden.refused());
    EXPECT_EQ(hidden.refusal->title, "Invalid Notes");
    EXPECT_EQ(hidden.refusal->text.rfind("The draft notes ", 0), 0U);
    EXPECT_TRUE(decideNote(DraftNoteRequest{7, std::string(20001, 'x')}).refused());
}

// A $260 auction of 13 slots (one PF, two C) with a $1 minimum bid.
DraftSettings auctionOf13() {
    DraftSettings draft;
    draft.dollars = 260;
    draft.minbid = 1;
    draft.C = 2;
    draft.PF = 1;
    draft.G = draft.PG = draft.SG = draft.F = draft.SF = 1;
    draft.UT = 2;
    draft.R = 3;
    return draft;
}

TEST(PickRules, AskOnlyWhenTheBidLeavesTooLittleForTheOtherOpenSlots) {
    const DraftSettings draft = auctionOf13();
    ASSERT_EQ(draft.rosterSize(), 13);
    // 10 other players bought for 200.5: 2 other slots stay open at $1 each, so $57.50 is left.
    EXPECT_EQ(moneyQuestion(draft, 47.25, 200.5, 10), std::nullopt);  // 249.75
    EXPECT_EQ(moneyQuestion(draft, 57.5, 200.5, 10), std::nullopt);   // exactly 260
    const auto question = moneyQuestion(draft, 57.75, 200.5, 10);     // 260.25
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title, "Not Enough Money");
    EXPECT_EQ(question->text,
              "The selected team does not have enough money to buy this player.  Do you want to "
              "still add this player to the team?");
    // An empty team keeps $1 for each of its 12 other slots: $248 is its most.
    EXPECT_EQ(moneyQuestion(draft, 248, 0, 0), std::nullopt);
    EXPECT_TRUE(moneyQuestion(draft, 248.01, 0, 0));
}

TEST(PickRules, AskOnlyWhenEverySlotOfThePositionIsHeld) {
    const DraftSettings draft = auctionOf13();
    EXPECT_EQ(slotQuestion(draft, "C", 1), std::nullopt);
    const auto full = slotQuestion(draft, "C", 2);
    ASSERT_TRUE(full);
    // The slot question keeps its title; the money question has its own.
    EXPECT_EQ(full->title, "No Roster Spot Available");
    EXPECT_EQ(full->text,
              "A C roster spot is not available for this team.  Do you want to still add this "
              "player to the team?");
    // Any case finds the slot; the question names the position as it was given.
    EXPECT_EQ(slotQuestion(draft, "pf", 1)->text.substr(0, 5), "A pf ");
    EXPECT_EQ(slotQuestion(draft, "BENCH", 40), std::nullopt);
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
