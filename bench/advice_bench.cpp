// SPDX-License-Identifier: MIT
// The pick advice after a pick: on the sample's season (27 categories, 12 teams) through the real
// valuation and loader, and on generated pools held in memory to show how the cost grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>

#include "BenchSupport.h"
#include "advice/CategoryFigures.h"
#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"
#include "session/ValuationConversation.h"
#include "store/TransactionGuard.h"
#include "teamadvice/TeamAdvice.h"
#include "valuation/Ranks.h"

namespace {

using namespace quorvane;

constexpr int kTeams = 12;

void scoreEveryCategory(ProgramState& state, int draftId) {
    TransactionGuard transaction(state.dbConnection);
    const SqlValue draft{std::int64_t{draftId}};
    executeSql(state.dbConnection, "delete from DraftCategory where template_id = ?", {draft});
    for (const CategoryDefinition& category : categoryCatalogue()) {
        executeSql(state.dbConnection,
                   "insert into DraftCategory (template_id, categoryid, points) values (?, ?, 1.0)",
                   {draft, SqlValue{std::int64_t{category.categoryid}}});
    }
    transaction.commit();
}

// One pick by the team on the clock, the advice for the user's team, the pick taken back: each
// iteration is the work the room does after a pick.
void adviseAfterPicks(benchmark::State& bench, DraftModel& model) {
    const std::size_t mine = adviceTeamIndex(model, 0).value_or(0);
    const int picker = model.teams[1].teamid;
    std::size_t rows = 0;
    for (auto _ : bench) {
        const auto best = std::find_if(model.players.begin(), model.players.end(),
                                       [](const ModelPlayer& p) { return p.available(); });
        const int playerid = best->playerid;
        applyPick(model, playerid, picker, "UT", 1, 0.0);
        const TeamAdvice advice(model, mine);
        rows = advice.rows().size();
        benchmark::DoNotOptimize(advice.rows().data());
        applyPick(model, playerid, 0, "", 0, 0.0);
    }
    bench.counters["rows"] = static_cast<double>(rows);
}

void sampleAdvice(benchmark::State& bench, bool auction) {
    bench::BenchDatabase database;
    if (!database.loadSampleProjections()) {
        bench.SkipWithError("sample projections not found");
        return;
    }
    ProgramState& state = database.state;
    const auto id = createDraft(state, database.dialogs, {"Advice", kTeams - 1, auction, true});
    if (!id) {
        bench.SkipWithError("no draft");
        return;
    }
    if (!auction) {
        executeSql(state.dbConnection,
                   "update DraftTemplate set drafttype = 1 where template_id = ?",
                   {SqlValue{std::int64_t{*id}}});
    }
    scoreEveryCategory(state, *id);
    loadDraft(state, *id);
    if (!calcRanks(state, database.dialogs)) {
        bench.SkipWithError("valuation failed");
        return;
    }
    std::optional<DraftModel> model = loadDraftModel(state, database.dialogs);
    if (!model) {
        bench.SkipWithError("no model");
        return;
    }
    adviseAfterPicks(bench, *model);
}

void BM_AdviceSampleAuction(benchmark::State& bench) {
    sampleAdvice(bench, true);
}
void BM_AdviceSampleSnake(benchmark::State& bench) {
    sampleAdvice(bench, false);
}

// A twelve-team snake over `players` generated players scoring all 27 categories, ranked by a
// rough value, two rounds already drafted.
DraftModel generatedModel(int players) {
    DraftModel model;
    model.changeSettings([](DraftSettings& draft) {
        draft.drafttype = kDraftTypeSnake;
        draft.scoringstyle = kScoringRotisserie;
        draft.dollars = 200.0;
        draft.minbid = 1.0;
        draft.roundsIndex = 12;
        draft.draftdirection = "U";
        // Ten starting places: ten utility slots.
        draft.UT = 10;
    });
    for (int t = 1; t <= kTeams; ++t) {
        model.teams.push_back({t, "Team " + std::to_string(t), t, t == 1, t == 1});
    }
    for (const CategoryDefinition& category : categoryCatalogue()) {
        model.categories.push_back({&category, &categoryFormula(category), 1.0, false});
    }
    unsigned seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245U + 12345U;
        return static_cast<double>((seed >> 16) % static_cast<unsigned>(range));
    };
    for (int id = 1; id <= players; ++id) {
        ModelPlayer player;
        player.playerid = id;
        player.firstname = "First";
        player.lastname = "Player" + std::to_string(id);
        player.pos = "G";
        player.positions = static_cast<std::uint8_t>(1U << static_cast<unsigned>(next(5)));
        StatLine& s = player.stats;
        const double games = 10 + next(73);
        statOf(s, StatColumn::Games) = games;
        statOf(s, StatColumn::Fga) = games * (2 + next(18));
        statOf(s, StatColumn::Fgm) = std::floor(statOf(s, StatColumn::Fga) * (35 + next(20)) / 100);
        statOf(s, StatColumn::Pt3a) = std::floor(statOf(s, StatColumn::Fga) * next(45) / 100);
        statOf(s, StatColumn::Pt3m) =
            std::floor(statOf(s, StatColumn::Pt3a) * (25 + next(20)) / 100);
        statOf(s, StatColumn::Fta) = games * next(9);
        statOf(s, StatColumn::Ftm) = std::floor(statOf(s, StatColumn::Fta) * (60 + next(30)) / 100);
        statOf(s, StatColumn::Oreb) = games * next(4);
        statOf(s, StatColumn::Dreb) = games * next(9);
        statOf(s, StatColumn::Assists) = games * next(10);
        statOf(s, StatColumn::Steals) = games * next(3);
        statOf(s, StatColumn::Blocks) = games * next(3);
        statOf(s, StatColumn::Turnovers) = games * next(4);
        statOf(s, StatColumn::DoubleDouble) = next(40);
        statOf(s, StatColumn::TripleDouble) = next(5);
        player.dollars = fantasyPointsOf(model, s) / 100.0;
        model.players.push_back(std::move(player));
    }
    std::vector<std::size_t> order(model.players.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&model](std::size_t a, std::size_t b) {
        return model.players[a].dollars > model.players[b].dollars;
    });
    for (std::size_t place = 0; place < order.size(); ++place) {
        model.players[order[place]].rank = static_cast<int>(place) + 1;
    }
    for (std::size_t pick = 0; pick < 2 * kTeams && pick < order.size(); ++pick) {
        ModelPlayer& player = model.players[order[pick]];
        player.teamid = static_cast<int>(pick % kTeams) + 1;
        player.slot = "UT";
        player.pickNumber = static_cast<int>(pick) + 1;
    }
    return model;
}

void BM_AdviceGenerated(benchmark::State& bench) {
    DraftModel model = generatedModel(static_cast<int>(bench.range(0)));
    adviseAfterPicks(bench, model);
    bench.SetComplexityN(bench.range(0));
}

}  // namespace

BENCHMARK(BM_AdviceSampleAuction)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdviceSampleSnake)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdviceGenerated)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
