// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fmt/format.h>

#include <optional>
#include <stop_token>

#include "../advice/AdviceLeague.h"
#include "availability/AdpPositions.h"
#include "availability/Availability.h"
#include "availability/TurnSequence.h"

namespace quorvane::test {

namespace {

void adp(TestProgram& program, int playerid, const std::string& source, double position,
         int year = kProjectionYear) {
    program.exec(
        fmt::format("insert into DraftPlayerAdp (playerid, yearofprojection, source, "
                    "adp) values ({}, {}, '{}', {})",
                    playerid, year, source, position));
}

void spread(TestProgram& program, int templateId, double s) {
    program.exec(fmt::format("insert into DraftAdpSpread (template_id, adpspread) values ({}, {})",
                             templateId, s));
}

const PlayerAvailability& of(const DraftModel& model, const AvailabilityFigures& figures,
                             int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    EXPECT_NE(player, nullptr) << playerid;
    return figures.players.at(static_cast<std::size_t>(player - model.players.data()));
}

double positionOf(const DraftModel& model, const std::vector<double>& positions, int playerid) {
    return positions.at(
        static_cast<std::size_t>(model.findPlayer(playerid) - model.players.data()));
}

// Three teams, four UT slots each, no spread (every b within 6.5 of its a), ADPs at least 13.5
// apart: the order the others take players in is certain.
//   p1 PG $40.5 ADP (2 + 5) / 2 = 3.5   p2 C $31.25 ADP 17      p3 SG $22.75 ADP 31
//   p4 PG $15.5 ADP 45                  p5 C,SG $9.25 ADP 59    p6 SF $52.5 ADP 120
//   p7 PF,C $12.125 ADP 200
DraftModel certainLeague(TestProgram& program, int onClock) {
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    league.league.rosterSlots({.UT = 4}).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "PG", .dollars = 40.5, .rank = 2})
        .player({.playerid = 2, .positions = "C", .dollars = 31.25, .rank = 3})
        .player({.playerid = 3, .positions = "SG", .dollars = 22.75, .rank = 4})
        .player({.playerid = 4, .positions = "PG", .dollars = 15.5, .rank = 5})
        .player({.playerid = 5, .positions = "C,SG", .dollars = 9.25, .rank = 7})
        .player({.playerid = 6, .positions = "SF", .dollars = 52.5, .rank = 1})
        .player({.playerid = 7, .positions = "PF,C", .dollars = 12.125, .rank = 6});
    adp(program, 1, "site a", 2);
    adp(program, 1, "site b", 5);
    adp(program, 2, "site a", 17);
    adp(program, 3, "site a", 31);
    adp(program, 4, "site a", 45);
    adp(program, 5, "site a", 59);
    adp(program, 6, "site a", 120);
    adp(program, 7, "site a", 200);
    spread(program, league.league.id, 0.0);
    return league.rounds(4).onClock(onClock, "U").model();
}

}  // namespace

// Team 2 on the clock going up: 2, 3, 3, 2 pick before the user (position 1) picks twice.
TEST(Availability, TheOthersTakeTheLowestNoisyPositionsAndTheUserTheHighestValue) {
    TestProgram program;
    const DraftModel model = certainLeague(program, 2);
    const auto figures = availability(model, {.team = 0, .continuations = 200, .seed = 3});
    ASSERT_TRUE(figures);
    ASSERT_TRUE(figures->firstHorizon);
    ASSERT_TRUE(figures->secondHorizon);
    // p1..p4 go to the four turns before horizon 1.
    for (int gone : {1, 2, 3, 4}) {
        EXPECT_EQ(of(model, *figures, gone).avail, 0.0) << gone;
        EXPECT_EQ(of(model, *figures, gone).avail2, 0.0) << gone;
    }
    // At horizon 1 the user takes p6, the most valuable left, however late his ADP.
    EXPECT_EQ(of(model, *figures, 6).avail, 1.0);
    EXPECT_EQ(of(model, *figures, 6).avail2, 0.0);
    EXPECT_EQ(of(model, *figures, 5).avail, 1.0);
    EXPECT_EQ(of(model, *figures, 5).avail2, 1.0);
    EXPECT_EQ(of(model, *figures, 7).avail2, 1.0);
}

// Left at horizon 1: p5 (C,SG $9.25), p6 (SF $52.5), p7 (PF,C $12.125).
TEST(Availability, XvonaIsTheValueLessTheBestOtherLeftAtAnyOfHisPositions) {
    TestProgram program;
    const DraftModel model = certainLeague(program, 2);
    const auto figures = availability(model, {.team = 0, .continuations = 50, .seed = 8});
    ASSERT_TRUE(figures);
    EXPECT_DOUBLE_EQ(*of(model, *figures, 1).xvona, 40.5);            // no PG left
    EXPECT_DOUBLE_EQ(*of(model, *figures, 2).xvona, 31.25 - 12.125);  // p7 beats p5 at C
    EXPECT_DOUBLE_EQ(*of(model, *figures, 3).xvona, 22.75 - 9.25);    // p5 is also a SG
    EXPECT_DOUBLE_EQ(*of(model, *figures, 5).xvona, 9.25 - 12.125);   // never himself
    EXPECT_DOUBLE_EQ(*of(model, *figures, 7).xvona, 12.125 - 9.25);
    EXPECT_DOUBLE_EQ(*of(model, *figures, 6).xvona, 52.5);  // the only SF
}

// The user on the clock now: his horizon is his turn after this one. 3 teams going up from
// position 1: turns 1, 2, 3, 3, 2, 1, 1, 2 ...
TEST(Availability, OnTheClockTheHorizonsAreTheTurnsAfterThisOne) {
    TestProgram program;
    const DraftModel model = certainLeague(program, 1);
    const ComingTurns turns = comingTurns(model);
    ASSERT_EQ(turns.teams.size(), 12U);
    const Horizons horizons = horizonsOf(turns, 0);
    EXPECT_EQ(horizons.first, 5U);
    EXPECT_EQ(horizons.second, 6U);
    // He takes p6 now (the most valuable); the others then take p1, p2, p3, p4.
    const auto figures = availability(model, {.team = 0, .continuations = 40, .seed = 1});
    ASSERT_TRUE(figures);
    EXPECT_EQ(of(model, *figures, 6).avail, 0.0);
    EXPECT_EQ(of(model, *figures, 4).avail, 0.0);
    EXPECT_EQ(of(model, *figures, 5).avail, 1.0);
    // At horizon 1 he takes p7 ($12.125 beats p5's $9.25).
    EXPECT_EQ(of(model, *figures, 7).avail2, 0.0);
    EXPECT_EQ(of(model, *figures, 5).avail2, 1.0);
}

// Two teams of a straight draft, team 2 on the clock: one pick before the user's turn. With
// a_A = 2, a_B = 4 and s = 0.5 the spreads are 2 and 3, so A goes first when
// 2 + 2 z_A < 4 + 3 z_B, i.e. 2 z_A - 3 z_B < 2: P = Φ(2 / √13) = Φ(0.5547) = 0.7105.
// xVONA(A) = 20.5 - 0.7105 × 13.75 = 10.731; xVONA(B) = 13.75 - 0.2895 × 20.5 = 7.815.
TEST(Availability, SharesFollowTheNormalNoiseAroundTheAdp) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeStraight, kScoringRotisserie);
    league.league.rosterSlots({.UT = 2}).categories({{1, 1}});
    league.player({.playerid = 11, .positions = "PG", .dollars = 20.5, .rank = 1})
        .player({.playerid = 12, .positions = "PG", .dollars = 13.75, .rank = 2});
    adp(program, 11, "site a", 1.25);
    adp(program, 11, "site b", 2.75);
    adp(program, 12, "site a", 4);
    spread(program, league.league.id, 0.5);
    const DraftModel model = league.onClock(2, "U").model();
    const auto figures = availability(model, {.team = 0, .continuations = 10000, .seed = 77});
    ASSERT_TRUE(figures);
    // Three standard errors of 10,000 draws: 3 × √(0.71 × 0.29 / 10000) = 0.014.
    EXPECT_NEAR(*of(model, *figures, 11).avail, 0.2895, 0.014);
    EXPECT_NEAR(*of(model, *figures, 12).avail, 0.7105, 0.014);
    EXPECT_NEAR(*of(model, *figures, 11).xvona, 10.731, 0.3);
    EXPECT_NEAR(*of(model, *figures, 12).xvona, 7.815, 0.3);
    // The user takes whichever is left at horizon 1, the other team nothing more after.
    EXPECT_EQ(of(model, *figures, 11).avail2, 0.0);
    EXPECT_EQ(of(model, *figures, 12).avail2, 0.0);
}

// With no spread both deviate by 1: A (a = 1) goes first with P = Φ(1 / √2) = 0.7602.
TEST(Availability, TheSameSeedGivesTheSameFigures) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeStraight, kScoringRotisserie);
    league.league.rosterSlots({.UT = 2}).categories({{1, 1}});
    league.player({.playerid = 11, .positions = "PG", .dollars = 20.5, .rank = 1})
        .player({.playerid = 12, .positions = "SG", .dollars = 13.75, .rank = 2});
    adp(program, 11, "site a", 1);
    adp(program, 12, "site a", 2);
    spread(program, league.league.id, 0.0);
    const DraftModel model = league.onClock(2, "U").model();
    const auto first = availability(model, {.team = 0, .continuations = 3000, .seed = 41});
    const auto again = availability(model, {.team = 0, .continuations = 3000, .seed = 41});
    const auto other = availability(model, {.team = 0, .continuations = 3000, .seed = 42});
    ASSERT_TRUE(first && again && other);
    EXPECT_EQ(*of(model, *first, 11).avail, *of(model, *again, 11).avail);
    EXPECT_EQ(*of(model, *first, 12).xvona, *of(model, *again, 12).xvona);
    EXPECT_NE(*of(model, *first, 11).avail, *of(model, *other, 11).avail);
    // 3 × √(0.76 × 0.24 / 3000) = 0.023
    EXPECT_NEAR(*of(model, *first, 11).avail, 1 - 0.7602, 0.023);
    EXPECT_NEAR(*of(model, *other, 11).avail, 1 - 0.7602, 0.023);
}

// One C and one G slot each; team 2 already holds a centre, so it passes the first centre of the
// ADP for the guard. The user then has one turn left: horizon 2 never comes.
TEST(Availability, ATeamTakesOnlyWhomItCanRosterAndAnEndedDraftLeavesTheHorizonBlank) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeStraight, kScoringRotisserie);
    league.league.rosterSlots({.C = 1, .G = 1}).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "C", .dollars = 30.5, .rank = 1})
        .player({.playerid = 2, .positions = "PG", .dollars = 10.25, .rank = 3})
        .player({.playerid = 9, .positions = "C", .dollars = 20.75, .rank = 2});
    adp(program, 1, "site a", 1.5);
    adp(program, 2, "site a", 30);
    spread(program, league.league.id, 0.0);
    league.rounds(2).pick(9, 2, "C");
    const DraftModel model = league.onClock(2, "U").model();
    const auto figures = availability(model, {.team = 0, .continuations = 100, .seed = 5});
    ASSERT_TRUE(figures);
    EXPECT_TRUE(figures->firstHorizon);
    EXPECT_FALSE(figures->secondHorizon);
    EXPECT_EQ(of(model, *figures, 1).avail, 1.0);
    EXPECT_EQ(of(model, *figures, 2).avail, 0.0);
    EXPECT_FALSE(of(model, *figures, 1).avail2);
    EXPECT_FALSE(of(model, *figures, 9).avail);  // drafted: no figure
}

TEST(Availability, NoTurnLeftForTheUserLeavesEveryFigureBlank) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeStraight, kScoringRotisserie);
    league.league.rosterSlots({.UT = 1}).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "C", .dollars = 30.5, .rank = 1})
        .player({.playerid = 2, .positions = "PG", .dollars = 10.25, .rank = 2})
        .player({.playerid = 3, .positions = "PG", .dollars = 5.25, .rank = 3});
    league.rounds(1).pick(1, 1, "UT");
    const DraftModel model = league.onClock(2, "U").model();
    const auto figures = availability(model, {.team = 0, .continuations = 100, .seed = 5});
    ASSERT_TRUE(figures);
    EXPECT_FALSE(figures->firstHorizon);
    EXPECT_FALSE(of(model, *figures, 2).avail);
    EXPECT_FALSE(of(model, *figures, 2).xvona);
}

TEST(Availability, AStopAskedForEndsTheRunWithoutFigures) {
    TestProgram program;
    const DraftModel model = certainLeague(program, 2);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(
        availability(model, {.team = 0, .continuations = 500, .seed = 3}, stop.get_token()));
}

// p1: sources 3 and 8 of this season (and 99 of the last) → 5.5. p2: none, value rank 4.
// p3: none and no rank → after the two with one: 3. An aav-only row is no ADP.
TEST(AdpPositions, TheMeanOfTheSeasonsSourcesElseTheValueOrderElseLast) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    league.player({.playerid = 1, .positions = "PG", .dollars = 4.5, .rank = 9})
        .player({.playerid = 2, .positions = "C", .dollars = 31.25, .rank = 4})
        .player({.playerid = 3, .positions = "SG", .dollars = 0, .rank = 0});
    adp(program, 1, "site a", 3);
    adp(program, 1, "site b", 8);
    adp(program, 1, "site a", 99, kProjectionYear - 1);
    program.exec(
        fmt::format("insert into DraftPlayerAdp (playerid, yearofprojection, source, "
                    "aav) values (3, {}, 'site c', 14)",
                    kProjectionYear));
    const DraftModel model = league.model();
    const std::vector<double> positions = adpPositions(model);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 1), 5.5);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 2), 4.0);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 3), 3.0);
    // The default spread: 1 + 0.1 × 5.5.
    EXPECT_DOUBLE_EQ(adpSpreadAt(model, 5.5), 1.55);
}

// $40.5, $31.25, $31.25, $9: places 1, 2, 2, 4.
TEST(AdpPositions, AnAuctionOrdersByDollarsEqualDollarsSharingThePlace) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    league.player({.playerid = 1, .positions = "PG", .dollars = 9, .rank = 4})
        .player({.playerid = 2, .positions = "C", .dollars = 31.25, .rank = 2})
        .player({.playerid = 3, .positions = "SG", .dollars = 40.5, .rank = 1})
        .player({.playerid = 4, .positions = "SF", .dollars = 31.25, .rank = 3});
    spread(program, league.league.id, 0.35);
    const DraftModel model = league.model();
    const std::vector<double> positions = adpPositions(model);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 3), 1.0);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 2), 2.0);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 4), 2.0);
    EXPECT_DOUBLE_EQ(positionOf(model, positions, 1), 4.0);
    EXPECT_DOUBLE_EQ(adpSpreadAt(model, 4.0), 2.4);  // 1 + 0.35 × 4
}

// A straight draft of three, team 3 on the clock after two picks: 3, then 1, 2, 3, 1, 2 ...
TEST(TurnSequence, AStraightDraftGoesRoundInOneDirection) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeStraight, kScoringRotisserie);
    league.league.rosterSlots({.UT = 3}).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "PG", .dollars = 9, .rank = 2})
        .player({.playerid = 2, .positions = "C", .dollars = 31.25, .rank = 1});
    league.rounds(3).pick(2, 1, "UT").pick(1, 2, "UT");
    const DraftModel model = league.onClock(3, "U").model();
    const ComingTurns turns = comingTurns(model);
    EXPECT_EQ(turns.firstTurn, 3);
    ASSERT_EQ(turns.teams.size(), 7U);
    EXPECT_EQ(turns.teams[0], 2U);
    EXPECT_EQ(turns.teams[1], 0U);
    EXPECT_EQ(turns.teams[3], 2U);
    const Horizons horizons = horizonsOf(turns, 1);
    EXPECT_EQ(horizons.first, 2U);
    EXPECT_EQ(horizons.second, 5U);
}

}  // namespace quorvane::test
