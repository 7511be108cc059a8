// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "online/AnswerJson.h"
#include "online/RoomAnswerCheck.h"

namespace quorvane::test {
namespace {

TEST(AnswerJson, NumbersKeepTheTextTheRoomWroteAndStringsAreLeftAlone) {
    const auto json = parseAnswerJson(
        R"({"a":-0,"b":1e400,"c":"57","d":12.50,"s":"pick \"12\" at -3","n":[1,-2E+3]})");
    ASSERT_TRUE(json);
    EXPECT_EQ(textOf((*json)["a"]), "-0");
    EXPECT_EQ(textOf((*json)["b"]), "1e400");
    EXPECT_EQ(textOf((*json)["d"]), "12.50");
    EXPECT_EQ(textOf((*json)["s"]), "pick \"12\" at -3");
    EXPECT_EQ(textOf((*json)["n"][1]), "-2E+3");
    EXPECT_FALSE(parseAnswerJson(R"({"a":1,)"));

    const FieldRange picks{1.0, 100.0};
    EXPECT_EQ(wholeNumberOf((*json)["c"], picks, "the pick").value, 57);
    EXPECT_EQ(wholeNumberOf((*json)["d"], picks, "the pick").problem,
              "the pick \"12.50\" is not a number");
    EXPECT_EQ(wholeNumberOf((*json)["a"], picks, "the pick").problem,
              "the pick \"-0\" is outside 1 to 100");
    EXPECT_EQ(wholeNumberOf((*json)["b"], picks, "the pick").problem,
              "the pick \"1e400\" is outside 1 to 100");
    EXPECT_FALSE(wholeNumberOf(memberOf(*json, "missing"), picks, "the pick").value);
    EXPECT_TRUE(wholeNumberOf(memberOf(*json, "missing"), picks, "the pick").problem.empty());
}

TEST(RoomText, ControlCharactersBrokenUtf8AndOverlongNamesAreRefused) {
    EXPECT_EQ(roomTextProblem("Luka Don\xC4\x8Di\xC4\x87"), "");
    EXPECT_EQ(roomTextProblem("Luka\x7F"), "holds a control character");
    EXPECT_EQ(roomTextProblem("Luka\xC2\x85"), "holds a control character");  // C1 NEL
    EXPECT_EQ(roomTextProblem("Luka\tDoncic"), "holds a control character");
    EXPECT_EQ(roomTextProblem("Luka\xC3\x28"), "is not UTF-8");
    EXPECT_EQ(roomTextProblem("\xE0\x80\xAF"), "is not UTF-8");  // an overlong slash
    EXPECT_EQ(roomTextProblem("\xED\xA0\x80"), "is not UTF-8");  // a surrogate
    EXPECT_EQ(roomTextProblem("Team\xE2\x81\xA6"
                              "Evil"),
              "holds a character that turns the writing direction");  // U+2066
    EXPECT_EQ(roomTextProblem(std::string(100, 'a')), "");
    EXPECT_EQ(roomTextProblem(std::string(101, 'a')), "is longer than 100 characters");
}

// $200 a team, bids from $1, whole dollars.
const DraftMoney kLeagueMoney{200.0, 1.0, true};

RoomPick pick(int pickNo, int team, std::string price, bool keeper = false) {
    RoomPick made;
    made.pickNo = pickNo;
    made.team = team;
    made.teamLabel = "roster " + std::to_string(team);
    made.playerId = std::to_string(100 + pickNo);
    made.lastName = "Player";
    made.priceText = std::move(price);
    made.isKeeper = keeper;
    return made;
}

RoomDraft auctionOf(int teams, int rounds) {
    RoomDraft draft;
    draft.type = "auction";
    draft.teams = teams;
    draft.rounds = rounds;
    for (int team = 1; team <= teams; ++team) {
        draft.order.push_back(team);
    }
    return draft;
}

TEST(RoomAnswerCheck, KeepersPayInPickNumberOrderFromWhatTheTeamHasLeft) {
    const RoomDraft draft = auctionOf(3, 4);
    // Roster 3 buys for $150 at pick 3 and $36 at pick 5, leaving 200 - 150 - 36 = 14; its
    // keeper stands at pick 12 for $15.
    CheckedAnswer checked = checkRoomAnswer(
        draft, {pick(12, 3, "15", true), pick(3, 3, "150"), pick(5, 3, "36")}, 13, kLeagueMoney);
    EXPECT_EQ(checked.problem,
              "pick 12's price \"15\" is outside 0 to 14 (what roster 3 can still pay)");
    EXPECT_TRUE(checked.picks.empty());

    // A keeper without a price costs nothing the check could count; a bought player without
    // one is refused.
    RoomPick unpricedKeeper = pick(12, 3, "", true);
    unpricedKeeper.priceText.reset();
    RoomPick unpricedBuy = pick(4, 2, "");
    unpricedBuy.priceText.reset();
    EXPECT_EQ(checkRoomAnswer(draft, {unpricedKeeper, pick(3, 3, "150")}, 13, kLeagueMoney).problem,
              "");
    EXPECT_EQ(checkRoomAnswer(draft, {unpricedBuy}, 13, kLeagueMoney).problem,
              "pick 4 has no price");

    // $14 fits exactly; the picks come back in pick-number order with their prices read.
    checked = checkRoomAnswer(
        draft, {pick(12, 3, "14", true), pick(3, 3, "150"), pick(5, 3, "36.00")}, 13, kLeagueMoney);
    ASSERT_EQ(checked.problem, "");
    ASSERT_EQ(checked.picks.size(), 3u);
    EXPECT_EQ(checked.picks[0].pickNo, 3);
    EXPECT_EQ(checked.picks[1].amount, 36.0);
    EXPECT_EQ(checked.picks[2].amount, 14.0);
}

TEST(RoomAnswerCheck, TheRoomsBudgetAndRoundsHoldOverTheDraftsOwn) {
    RoomDraft draft = auctionOf(2, 0);
    draft.budgetText = "100";
    // The room's $100, not the draft's $200.
    EXPECT_EQ(checkRoomAnswer(draft, {pick(1, 1, "101")}, 3, kLeagueMoney).problem,
              "pick 1's price \"101\" is outside 0 to 100 (what roster 1 can still pay)");
    // No rounds from the room: the draft's 3, so 2 teams hold 6 picks.
    EXPECT_EQ(checkRoomAnswer(draft, {pick(7, 1, "1")}, 3, kLeagueMoney).problem,
              "pick 7 is beyond the draft's last pick, 6");
    draft.budgetText = "lots";
    EXPECT_EQ(checkRoomAnswer(draft, {pick(1, 1, "1")}, 3, kLeagueMoney).problem,
              "the budget \"lots\" is not a number");
    // A snake room's prices are not read at all.
    draft.type = "snake";
    EXPECT_EQ(checkRoomAnswer(draft, {pick(1, 1, "abc")}, 3, kLeagueMoney).problem, "");
}

TEST(RoomAnswerCheck, APriceBelowTheMinimumBidWithCentsOrWithAnExponentIsRefused) {
    const RoomDraft draft = auctionOf(2, 2);
    const auto problem = [&](const std::string& price, const DraftMoney& money = kLeagueMoney) {
        return checkRoomAnswer(draft, {pick(1, 1, "3"), pick(2, 2, price)}, 2, money).problem;
    };
    EXPECT_EQ(problem("0"), "pick 2's price \"0\" is below the minimum bid of $1");
    EXPECT_EQ(problem("0.99"), "pick 2's price \"0.99\" is below the minimum bid of $1");
    EXPECT_EQ(problem("2.5"),
              "pick 2's price \"2.5\" has cents, but the draft counts whole dollars");
    for (const std::string written : {"5e1", "5E1", "0.05e3", "+50", "50.", ".5", "5 0"}) {
        EXPECT_NE(problem(written), "") << written;
    }
    EXPECT_EQ(problem("5e1"),
              "pick 2's price \"5e1\" is not written as dollars (digits and a decimal point)");
    EXPECT_EQ(problem("1"), "");
    // A keeper at $0 is one the room gives no price for; at 50 cents he is below the minimum.
    EXPECT_EQ(checkRoomAnswer(draft, {pick(1, 1, "0", true)}, 2, kLeagueMoney).problem, "");
    EXPECT_EQ(checkRoomAnswer(draft, {pick(1, 1, "0.5", true)}, 2, kLeagueMoney).problem,
              "pick 1's price \"0.5\" is below the minimum bid of $1");
    EXPECT_EQ(problem("50.00"), "");

    // A draft that bids in half dollars from $0.50 takes cents and keeps them.
    const DraftMoney halves{200.0, 0.5, false};
    EXPECT_EQ(problem("0.25", halves), "pick 2's price \"0.25\" is below the minimum bid of $0.5");
    const CheckedAnswer checked =
        checkRoomAnswer(draft, {pick(1, 1, "3"), pick(2, 2, "2.5")}, 2, halves);
    ASSERT_EQ(checked.problem, "");
    EXPECT_EQ(checked.picks[1].amount, 2.5);

    // The room's own budget is money too.
    RoomDraft budgeted = draft;
    budgeted.budgetText = "2e2";
    EXPECT_EQ(checkRoomAnswer(budgeted, {pick(1, 1, "3")}, 2, kLeagueMoney).problem,
              "the budget \"2e2\" is not written as dollars (digits and a decimal point)");
}

TEST(AnswerJson, AnAnswerFollowedByANulByteAndGarbageIsNoJson) {
    EXPECT_TRUE(parseAnswerJson("{\"a\":1} \r\n\t"));
    using namespace std::string_literals;
    EXPECT_FALSE(parseAnswerJson("{\"a\":1}\0{\"a\":2}garbage"s));
    EXPECT_FALSE(parseAnswerJson("[1,2]\0"s));
    EXPECT_FALSE(parseAnswerJson("{\"a\":\"x\0y\"}"s));
    EXPECT_FALSE(parseAnswerJson("{\"a\":1} trailing"));
}

TEST(RoomAnswerCheck, APickOfNoTeamOrNoPlayerIsRefused) {
    const RoomDraft draft = auctionOf(2, 2);
    RoomPick noTeam = pick(1, 0, "1");
    noTeam.teamLabel.clear();
    EXPECT_EQ(checkRoomAnswer(draft, {noTeam}, 2, kLeagueMoney).problem, "pick 1 names no team");
    RoomPick slotOnly = pick(1, 0, "1");
    slotOnly.teamLabel = "slot 9";
    EXPECT_EQ(checkRoomAnswer(draft, {slotOnly}, 2, kLeagueMoney).problem,
              "pick 1 is for slot 9, which the room never listed");
    RoomPick noPlayer = pick(2, 1, "1");
    noPlayer.playerId.clear();
    EXPECT_EQ(checkRoomAnswer(draft, {noPlayer}, 2, kLeagueMoney).problem,
              "pick 2 names no player");
}

}  // namespace
}  // namespace quorvane::test
