// SPDX-License-Identifier: MIT
// A head-to-head league of twelve teams with thirteen players each on the sample's season and
// the nine usual categories: every ordered matchup, and the whole league (z, G and matchups).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "BenchSupport.h"
#include "draftconfig/NewDraft.h"
#include "headtohead/HeadToHeadLeague.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"

namespace {

using namespace quorvane;

constexpr int kTeams = 12;
constexpr int kPlayersEach = 13;

// The sample's best shooters (by field goals made) dealt round the teams, thirteen each.
std::optional<DraftModel> draftedLeague(bench::BenchDatabase& database) {
    if (!database.loadSampleProjections()) {
        return std::nullopt;
    }
    ProgramState& state = database.state;
    const NewDraftChoice choice{"Weekly", kTeams - 1, false, false, true, kHeadToHeadEachCategory};
    const auto id = createDraft(state, database.dialogs, choice);
    if (!id || !loadDraft(state, *id)) {
        return std::nullopt;
    }
    std::optional<DraftModel> model = loadDraftModel(state, database.dialogs);
    if (!model || model->players.size() < static_cast<std::size_t>(kTeams * kPlayersEach)) {
        return std::nullopt;
    }
    std::vector<std::size_t> order(model->players.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto fieldGoals = [&model](std::size_t p) {
        return statOf(model->players[p].stats, StatColumn::Fgm);
    };
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return fieldGoals(a) > fieldGoals(b); });
    for (int pick = 0; pick < kTeams * kPlayersEach; ++pick) {
        const int playerid = model->players[order[static_cast<std::size_t>(pick)]].playerid;
        applyPick(*model, playerid, model->teams[static_cast<std::size_t>(pick % kTeams)].teamid,
                  "UT", pick + 1, 0.0);
    }
    return model;
}

void BM_HeadToHeadEveryMatchup(benchmark::State& bench) {
    bench::BenchDatabase database;
    const std::optional<DraftModel> model = draftedLeague(database);
    if (!model) {
        bench.SkipWithError("no league");
        return;
    }
    const HeadToHeadLeague league(*model, false);
    const std::vector<CategoryScale>& scales = league.gScores().scales();
    for (auto _ : bench) {
        const Matchups matchups(*model, scales, draftedTeamWeeks(*model, false));
        double sum = 0.0;
        for (std::size_t a = 0; a < matchups.teamCount(); ++a) {
            for (std::size_t b = 0; b < matchups.teamCount(); ++b) {
                if (a != b) {
                    sum += matchups.matchup(a, b).weekWin;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    bench.counters["categories"] = static_cast<double>(model->categories.size());
}

void BM_HeadToHeadLeagueStandings(benchmark::State& bench) {
    bench::BenchDatabase database;
    const std::optional<DraftModel> model = draftedLeague(database);
    if (!model) {
        bench.SkipWithError("no league");
        return;
    }
    for (auto _ : bench) {
        const HeadToHeadLeague league(*model, false);
        benchmark::DoNotOptimize(league.standings().data());
    }
}

}  // namespace

BENCHMARK(BM_HeadToHeadEveryMatchup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadToHeadLeagueStandings)->Unit(benchmark::kMillisecond);
