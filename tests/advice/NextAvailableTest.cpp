// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>

#include "AdviceLeague.h"
#include "teamadvice/TeamAdvice.h"

namespace quorvane::test {

namespace {

// Three teams; value is dollars, the draft's order the rank:
//   p1 PG $40.5   p2 C $31.25   p3 PG,SG $22.75   p4 SG $15.5   p5 C $9.25   p6 PG $4.125
AdviceLeague& vonaLeague(AdviceLeague& l) {
    l.league.rosterSlots({.UT = 3}).categories({{1, 1}});
    l.player({.playerid = 1, .positions = "PG", .dollars = 40.5, .rank = 1})
        .player({.playerid = 2, .positions = "C", .dollars = 31.25, .rank = 2})
        .player({.playerid = 3, .positions = "PG,SG", .dollars = 22.75, .rank = 3})
        .player({.playerid = 4, .positions = "SG", .dollars = 15.5, .rank = 4})
        .player({.playerid = 5, .positions = "C", .dollars = 9.25, .rank = 5})
        .player({.playerid = 6, .positions = "PG", .dollars = 4.125, .rank = 6});
    return l;
}

std::optional<double> vonaOf(const TeamAdvice& advice, int playerid) {
    for (const AdviceRow& row : advice.rows()) {
        if (row.playerid == playerid) {
            return row.vona;
        }
    }
    ADD_FAILURE() << "no row for player " << playerid;
    return std::nullopt;
}

}  // namespace

// Team 3 on the clock going up picks again at once: nobody is taken between its turns.
TEST(NextAvailable, AtTheTurnOfASnakeNothingIsTakenBeforeTheNextPick) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = vonaLeague(league).onClock(3, "U").model();
    const TeamAdvice advice(model, 2);

    EXPECT_EQ(advice.nextAvailable().picksBefore(), 0);
    EXPECT_EQ(vonaOf(advice, 1), 40.5 - 22.75);  // p3 shares PG
    EXPECT_EQ(vonaOf(advice, 2), 31.25 - 9.25);
    EXPECT_EQ(vonaOf(advice, 3), 22.75 - 40.5);  // p1 shares PG: the best, not the first found
    EXPECT_EQ(vonaOf(advice, 6), 4.125 - 40.5);
}

// Team 1 is not on the clock: team 2 is, going up. The turn reaches team 1 on its way back
// (3, 3, 2, 1) and team 1 then picks again at the turn.
TEST(NextAvailable, AWaitingTeamIsValuedAtItsComingTurn) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = vonaLeague(league).onClock(2, "U").model();
    const TeamAdvice advice(model, 0);

    EXPECT_EQ(advice.nextAvailable().picksBefore(), 0);
    EXPECT_EQ(vonaOf(advice, 1), 17.75);
}

// Team 1 going up waits for 2, 3, 3, 2: the others take the four best other than the player.
TEST(NextAvailable, TheOthersTakeTheBestByTheDraftsValueBeforeTheNextTurn) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = vonaLeague(league).onClock(1, "U").model();
    const TeamAdvice advice(model, 0);

    EXPECT_EQ(advice.nextAvailable().picksBefore(), 4);
    EXPECT_EQ(vonaOf(advice, 1), 40.5 - 4.125);   // p2..p5 gone, p6 left
    EXPECT_EQ(vonaOf(advice, 3), 22.75 - 4.125);  // p1, p2, p4, p5 gone
    EXPECT_EQ(vonaOf(advice, 5), 9.25);           // no centre left
    EXPECT_EQ(vonaOf(advice, 6), 4.125);          // p1 and p3 gone: no guard left
}

TEST(NextAvailable, AStraightDraftWaitsForEveryOtherTeam) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeStraight, kScoringRotisserie);
    const DraftModel model = vonaLeague(league).onClock(3, "U").model();
    const TeamAdvice advice(model, 0);

    EXPECT_EQ(advice.nextAvailable().picksBefore(), 2);
    EXPECT_EQ(vonaOf(advice, 4), 15.5 - 22.75);  // p1, p2 gone; p3 shares SG
}

// Four teams: team 1 waits for three picks. p3 is the last the others would take and p4 the
// first they would leave, and both are shooting guards.
TEST(NextAvailable, TheLastPlayerTheOthersWouldTakeIsMeasuredAgainstWhatTheyLeave) {
    TestProgram program;
    AdviceLeague league(program, 4, kDraftTypeStraight, kScoringRotisserie);
    const DraftModel model = vonaLeague(league).onClock(4, "U").model();
    const TeamAdvice advice(model, 0);

    EXPECT_EQ(advice.nextAvailable().picksBefore(), 3);
    // Taking p3 now, the others take p1, p2 and p4: p6 is the guard left.
    EXPECT_EQ(vonaOf(advice, 3), 22.75 - 4.125);
    // Waiting for p4, the others take p1, p2 and p3: no shooting guard is left.
    EXPECT_EQ(vonaOf(advice, 4), 15.5);
}

TEST(NextAvailable, IsBlankAtTheTeamsLastPickAndInAnAuction) {
    TestProgram program;
    AdviceLeague snake(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel last = vonaLeague(snake).rounds(2).pick(2, 1, "UT").onClock(1, "U").model();
    EXPECT_FALSE(vonaOf(TeamAdvice(last, 0), 1).has_value());

    TestProgram auctionProgram;
    AdviceLeague auction(auctionProgram, 3, kDraftTypeAuction, kScoringRotisserie);
    const DraftModel room = vonaLeague(auction).model();
    EXPECT_FALSE(vonaOf(TeamAdvice(room, 0), 1).has_value());
}

}  // namespace quorvane::test
