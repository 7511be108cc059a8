// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "../hscores/PuntLeague.h"
#include "availability/RosterRoom.h"
#include "practice/BotDrafters.h"
#include "practice/OpponentPicks.h"

namespace quorvane {
namespace {

using test::PuntLeague;

TEST(BotDrafters, AMixDrawsEachTeamsStyleOnceFromTheSeed) {
    PuntLeague league(12, {{2, 0.95}}, 1);
    const std::vector<BotDrafter> once = botDrafters(league.model, BotMix::Mix, 41);
    const std::vector<BotDrafter> again = botDrafters(league.model, BotMix::Mix, 41);
    for (std::size_t t = 0; t < once.size(); ++t) {
        EXPECT_EQ(once[t].style, again[t].style);
        EXPECT_EQ(once[t].omega, again[t].omega);
        EXPECT_EQ(once[t].gamma, again[t].gamma);
        EXPECT_GE(once[t].omega, kLeastOmega);
        EXPECT_LE(once[t].omega, kMostOmega);
        EXPECT_GE(once[t].gamma, kLeastGamma);
        EXPECT_LE(once[t].gamma, kMostGamma);
    }
    // A third each: 240 draws put 80 in each style, give or take 7.3.
    std::map<BotDrafter::Style, int> styles;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        for (const BotDrafter& drafter : botDrafters(league.model, BotMix::Mix, seed)) {
            ++styles[drafter.style];
        }
    }
    for (const auto& [style, count] : styles) {
        EXPECT_GT(count, 58) << static_cast<int>(style);
        EXPECT_LT(count, 102) << static_cast<int>(style);
    }
    EXPECT_EQ(styles.size(), 3u);
    const std::vector<BotDrafter> other = botDrafters(league.model, BotMix::Mix, 42);
    bool differs = false;
    for (std::size_t t = 0; t < once.size(); ++t) {
        differs = differs || other[t].omega != once[t].omega;
    }
    EXPECT_TRUE(differs);
    for (const BotDrafter& drafter : botDrafters(league.model, BotMix::H, 41)) {
        EXPECT_EQ(drafter.style, BotDrafter::Style::H);
        EXPECT_EQ(drafter.omega, kDefaultOmega);
        EXPECT_EQ(drafter.gamma, kDefaultGamma);
    }
}

TEST(BotDrafters, NamesReadBack) {
    for (const BotMix mix : {BotMix::Adp, BotMix::G, BotMix::H, BotMix::Mix}) {
        EXPECT_EQ(botMixNamed(botMixName(mix)), mix);
    }
    EXPECT_FALSE(botMixNamed("G").has_value());
    EXPECT_FALSE(botMixNamed("").has_value());
}

// Six teams of a seven-round snake with C, G, F, two UT and two reserves; sixty players of
// random lines at one or two positions.
PuntLeague rosterLeague() {
    PuntLeague league(6, {{2, 0.95}, {3, 3.74}, {5, 1.43}, {9, 1.88}, {15, 2.30}}, 0);
    SlotCounts slots{};
    slots[0] = 1;  // C
    slots[1] = 1;  // G
    slots[4] = 1;  // F
    slots[7] = 2;  // UT
    slots[8] = 2;  // R
    league.slots(slots);
    league.snake(7, 1);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> figure(20, 600);
    constexpr std::uint8_t kPositions[] = {kPositionPG, kPositionSG, kPositionSF, kPositionPF,
                                           kPositionC};
    for (int playerid = 1; playerid <= 60; ++playerid) {
        std::uint8_t positions = kPositions[random() % 5];
        if (random() % 3 == 0) {
            positions |= kPositions[random() % 5];
        }
        const double attempts = figure(random) + 200.0;
        league.player(playerid, positions,
                      {{StatColumn::Assists, figure(random)},
                       {StatColumn::Steals, figure(random) / 5.0},
                       {StatColumn::Dreb, figure(random)},
                       {StatColumn::Turnovers, figure(random) / 3.0},
                       {StatColumn::Fga, attempts},
                       {StatColumn::Fgm, attempts * (0.35 + (random() % 200) / 1000.0)}});
        league.model.players.back().rank = playerid;
    }
    return league;
}

// Every team of the snake picks in turn until the rounds are done, each pick going into the
// first open slot its player fits; the picks by team.
std::map<int, std::vector<ModelPick>> draftToTheEnd(DraftModel& model, BotMix mix) {
    const BotPicks bots(model, 11);
    const std::vector<BotDrafter> drafters = botDrafters(model, mix, 11);
    const int teams = model.teamCount();
    for (int turn = 0; turn < teams * model.rounds(); ++turn) {
        const int round = turn / teams;
        const int at = round % 2 == 0 ? turn % teams : teams - 1 - turn % teams;
        const auto team = static_cast<std::size_t>(at);
        for (std::size_t t = 0; t < model.teams.size(); ++t) {
            model.teams[t].onClock = t == team;
        }
        model.changeSettings(
            [round](DraftSettings& draft) { draft.draftdirection = round % 2 == 0 ? "U" : "D"; });
        const std::optional<std::size_t> player = bots.pick(model, team, drafters[team]);
        if (!player) {
            ADD_FAILURE() << "team " << at << " found no one at turn " << turn + 1;
            break;
        }
        const std::optional<std::string> slot = openSlotFor(model, team, model.players[*player]);
        EXPECT_TRUE(slot.has_value());
        applyPick(model, model.players[*player].playerid, model.teams[team].teamid,
                  slot.value_or("NA"), turn + 1, 0.0);
    }
    std::map<int, std::vector<ModelPick>> byTeam;
    for (const ModelPick& pick : model.picks) {
        byTeam[pick.teamid].push_back(pick);
    }
    return byTeam;
}

TEST(BotDrafters, EveryStyleFillsLegalRosters) {
    for (const BotMix mix : {BotMix::Adp, BotMix::G, BotMix::H, BotMix::Mix}) {
        PuntLeague league = rosterLeague();
        DraftModel& model = league.model;
        const std::map<int, std::vector<ModelPick>> rosters = draftToTheEnd(model, mix);
        ASSERT_EQ(rosters.size(), 6u) << botMixName(mix);
        std::set<int> taken;
        for (const auto& [teamid, picks] : rosters) {
            EXPECT_EQ(picks.size(), 7u) << botMixName(mix) << " team " << teamid;
            SlotCounts filled{};
            for (const ModelPick& pick : picks) {
                EXPECT_TRUE(taken.insert(pick.playerid).second) << pick.playerid;
                const std::optional<std::size_t> kind = slotKindOf(pick.slot);
                ASSERT_TRUE(kind.has_value()) << pick.slot;
                ++filled[*kind];
                const SlotPreference fits = slotPreferenceOf(*model.findPlayer(pick.playerid));
                EXPECT_NE(fits.mask & (1u << *kind), 0u)
                    << botMixName(mix) << ": player " << pick.playerid << " in " << pick.slot;
            }
            EXPECT_EQ(filled, model.slotCounts()) << botMixName(mix) << " team " << teamid;
        }
    }
}

TEST(BotDrafters, GDrafterTakesTheBestGWhoFitsAStartingSlot) {
    PuntLeague league(2, {{2, 0.95}}, 0);
    SlotCounts slots{};
    slots[2] = 1;  // PG
    slots[8] = 1;  // R
    league.slots(slots);
    league.player(1, kPositionC, {{StatColumn::Assists, 900}})
        .player(2, kPositionPG, {{StatColumn::Assists, 500}})
        .player(3, kPositionPG, {{StatColumn::Assists, 300}})
        .player(4, kPositionC, {{StatColumn::Assists, 100}});
    const BotPicks bots(league.model, 1);
    BotDrafter byG;
    byG.style = BotDrafter::Style::G;
    // The centre has more assists but only a reserve slot: the point guard starts.
    EXPECT_EQ(bots.pick(league.model, 0, byG), std::optional<std::size_t>(1));
    league.pick(2, 1, "PG");
    EXPECT_EQ(bots.pick(league.model, 0, byG), std::optional<std::size_t>(0));
    league.pick(1, 1, "R");
    EXPECT_EQ(bots.pick(league.model, 0, byG), std::nullopt);
}

}  // namespace
}  // namespace quorvane
