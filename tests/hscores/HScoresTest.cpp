// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <stop_token>
#include <vector>

#include "PuntLeague.h"
#include "advice/ZScores.h"
#include "headtohead/GScores.h"
#include "hscores/HScores.h"

namespace quorvane {
namespace {

using test::PuntLeague;

// One category (assists, variance ratio 2) of players with a whole season each: a week is 1/20
// of it.
PuntLeague assistsLeague(int teams, int slots, std::initializer_list<double> seasons) {
    PuntLeague league(teams, {{2, 2.0}}, slots);
    int playerid = 1;
    for (const double assists : seasons) {
        league.player(playerid++, kPositionPG, {{StatColumn::Assists, assists}});
    }
    return league;
}

struct Scored {
    std::vector<int> playerids;
    std::vector<double> h;
};

Scored scored(const DraftModel& model, std::size_t team, int candidates = kDefaultCandidates) {
    const ZScores z(model);
    const GScores g(model, z);
    const HScoreBasis basis(model, g);
    HScoreRequest request;
    request.team = team;
    request.candidates = candidates;
    const std::optional<std::vector<HScoreRow>> rows = hScores(model, basis, request);
    Scored result;
    if (!rows) {
        ADD_FAILURE() << "stopped";
        return result;
    }
    for (const HScoreRow& row : *rows) {
        result.playerids.push_back(model.players[row.player].playerid);
        result.h.push_back(row.h);
        EXPECT_EQ(row.weights, std::vector<double>{1.0});
    }
    return result;
}

TEST(HScores, LastPickWeighsTheRostersAndTheOpponentsUnknownPlayers) {
    // Two teams of two; the pool is the best four, 1200 to 600 assists: sigma 11.18 a week,
    // tau 15.81, X of the five 0.9487, 0.3162, -0.3162, -0.9487, -1.5811 and w = 1/2. Owner 1
    // holds p1, Owner 2 p2: mu = X1 + X_p - X2 over sqrt(2 x 2 + 1/2 x (2 - 1)).
    PuntLeague league = assistsLeague(2, 2, {1200, 1000, 800, 600, 400});
    league.pick(1, 1).pick(2, 2);
    const Scored result = scored(league.model, 0);
    EXPECT_EQ(result.playerids, (std::vector<int>{3, 4, 5}));
    ASSERT_EQ(result.h.size(), 3u);
    EXPECT_NEAR(result.h[0], 0.559251, 1e-6);
    EXPECT_NEAR(result.h[1], 0.440749, 1e-6);
    EXPECT_NEAR(result.h[2], 0.327360, 1e-6);
    EXPECT_EQ(scored(league.model, 0, 2).playerids, (std::vector<int>{3, 4}));
}

TEST(HScores, OpponentsStillToPickThisRoundTakeTheNextBestByG) {
    // Three teams of one, Owner 1 on the clock of a one-round snake: Owners 2 and 3 each take
    // the mean X of the next two by G, the candidate left out. Pool of three (1200 to 800):
    // X = 0.8660, 0, -0.8660, -1.7321; variance 2 + 1/2.
    PuntLeague league = assistsLeague(3, 1, {1200, 1000, 800, 600});
    league.snake(1, 1);
    const Scored result = scored(league.model, 0);
    EXPECT_EQ(result.playerids, (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(result.h.size(), 4u);
    EXPECT_NEAR(result.h[0], 0.794343, 1e-6);  // 0.8660 + (0 - 0.8660) / 2
    EXPECT_NEAR(result.h[1], 0.5, 1e-9);
    EXPECT_NEAR(result.h[2], 0.205657, 1e-6);
    EXPECT_NEAR(result.h[3], 0.085452, 1e-6);  // -1.7321 - (0.8660 + 0) / 2
}

TEST(HScores, OnlyTheTeamsStillToPickThisRoundAreFilled) {
    // Three teams of two, a two-round snake: Owner 1 took p1, Owner 2 is on the clock and only
    // Owner 3 picks after him this round, taking the next best by G. One category: no weights
    // to choose, so the future picks add nothing. Pool of six (1200 to 700): X = 1.0351,
    // 0.6211, 0.2070, -0.2070, -0.6211, -1.0351, -1.4491. Against Owner 1 (one unknown player
    // left) the variance is 4 + 1/2, against Owner 3 (two) 4 + 1.
    PuntLeague league = assistsLeague(3, 2, {1200, 1100, 1000, 900, 800, 700, 600});
    league.pick(1, 1).snake(2, 2);
    const Scored result = scored(league.model, 1);
    ASSERT_EQ(result.playerids.size(), 6u);
    EXPECT_EQ(result.playerids[0], 2);
    // p2: (Phi((0.6211 - 1.0351) / sqrt 4.5) + Phi((0.6211 - 0.2070) / sqrt 5)) / 2
    EXPECT_NEAR(result.h[0], 0.498038, 1e-6);
    EXPECT_EQ(result.playerids[1], 3);  // Owner 3 is then left p2
    EXPECT_NEAR(result.h[1], 0.387343, 1e-6);
    EXPECT_EQ(result.playerids[5], 7);
    EXPECT_NEAR(result.h[5], 0.149027, 1e-6);
}

TEST(HScores, OnlyPlayersWhoFitAnOpenStartingSlotAreCandidates) {
    PuntLeague league = assistsLeague(2, 0, {1200, 1000, 800, 600});
    league.player(5, kPositionC, {{StatColumn::Assists, 1100}});
    SlotCounts slots{};
    slots[0] = 1;  // C
    slots[2] = 1;  // PG
    slots[8] = 2;  // reserves: a point guard fits there, but does not count
    league.slots(slots);
    league.pick(1, 1, "PG");
    EXPECT_EQ(scored(league.model, 0).playerids, std::vector<int>{5});
    league.pick(5, 1, "C");
    EXPECT_TRUE(scored(league.model, 0).playerids.empty());
    EXPECT_EQ(scored(league.model, 1).playerids, (std::vector<int>{2, 3, 4}));
}

TEST(HScores, StopsWhenAskedTo) {
    const PuntLeague league = assistsLeague(2, 2, {1200, 1000, 800, 600});
    const ZScores z(league.model);
    const GScores g(league.model, z);
    const HScoreBasis basis(league.model, g);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(hScores(league.model, basis, {}, Progress{{}, stop.get_token()}).has_value());
}

}  // namespace
}  // namespace quorvane
