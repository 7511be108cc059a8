// SPDX-License-Identifier: MIT
// The host records through the pick and undo writers with nobody to answer a rule's question.
#include <gtest/gtest.h>

#include <string>

#include "../valuation/LeagueFixture.h"
#include "night/NightHost.h"
#include "night/NightRecording.h"
#include "support/TestProgram.h"

namespace quorvane::test {
namespace {

// Three teams of three places (a centre and two utility slots), $100 and a $1 minimum.
void setUpNight(TestProgram& program, League& league) {
    league.rosterSlots({.C = 1, .UT = 2}).money(100, 1).categories({{1, 1}});
    for (int id = 11; id <= 13; ++id) {
        league.player(PlayerRow{.playerid = id,
                                .lastname = "Center" + std::to_string(id),
                                .ftm = 50,
                                .fgm = 200,
                                .fga = 400,
                                .C = 1,
                                .games = 70});
    }
    program.exec("update DraftTeams set teamname = 'Night Owls' where teamid = " +
                 std::to_string(league.teamId(1)));
    league.load();
}

int picksStored(TestProgram& program) {
    return static_cast<int>(program.scalar("select count(*) from DraftTaken"));
}

TEST(NightRecording, ARuleQuestionRefusesTheSaleWithTheQuestionsOwnText) {
    TestProgram program;
    League league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    setUpNight(program, league);

    // $99 leaves $1 for the two places still open at $1 each: the money rule asks.
    const NightVerdict asked = recordNightPick(program.state, league.teamId(1), 11, 99);
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->kind, NightRefusal::Kind::AgainstRule);
    EXPECT_EQ(asked->message,
              "The selected team does not have enough money to buy this player.  Do you want to "
              "still add this player to the team?");
    EXPECT_EQ(picksStored(program), 0);

    // $98 leaves exactly the minimum for both.
    EXPECT_FALSE(recordNightPick(program.state, league.teamId(1), 11, 98));
    EXPECT_EQ(picksStored(program), 1);
    EXPECT_EQ(program.scalar("select dollars from DraftTaken where playerid = 11"), 98.0);
}

TEST(NightRecording, APickForATurnNoLongerOnTheClockIsRefusedAndAnUndoIsToldByName) {
    TestProgram program;
    League league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    setUpNight(program, league);
    const int owls = league.teamId(1);

    const NightVerdict late = recordNightPick(program.state, owls, 11, std::nullopt, 2);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->kind, NightRefusal::Kind::AgainstRule);
    EXPECT_EQ(late->message,
              "Turn 2 is no longer on the clock: another program took it meanwhile, and turn 1 "
              "is on the clock now.");
    EXPECT_EQ(picksStored(program), 0);

    ASSERT_FALSE(recordNightPick(program.state, owls, 11, std::nullopt, 1));
    EXPECT_EQ(program.state.draftSettings()->turnNumber, 2);

    const NightUndo undone = undoNightEntry(program.state);
    EXPECT_FALSE(undone.refusal);
    EXPECT_EQ(undone.news, "Undid #1 First Center11, Night Owls");
    EXPECT_EQ(picksStored(program), 0);
    EXPECT_EQ(program.state.draftSettings()->turnNumber, 1);
    EXPECT_EQ(undoNightEntry(program.state).news, "Nothing to undo");
}

TEST(NightRecording, AHostForADraftTheFileDoesNotHoldSaysSoInTheLookupsWords) {
    TestProgram program;
    program.newDraft("Thursday", 3, true, false);
    std::string reason;
    const auto host = NightHost::open({program.folder.str(), "Friday", {}}, 1'000, reason);
    EXPECT_EQ(host, nullptr);
    EXPECT_EQ(reason, "No draft with the id or name \"Friday\"");
}

}  // namespace
}  // namespace quorvane::test
