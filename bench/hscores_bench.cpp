// SPDX-License-Identifier: MIT
// H-scores of a twelve-team, thirteen-round head-to-head draft on the sample at its 50th pick,
// and its season odds once every roster is full.
#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

#include "HeadToHeadDrafts.h"
#include "headtohead/HeadToHeadLeague.h"
#include "hscores/MatchupObjective.h"
#include "hscores/SeasonOdds.h"
#include "hscores/TeamHScores.h"
#include "practice/BotDrafters.h"

namespace {

using namespace quorvane;

// The draft with `picks` made, each team taking the best G who fits.
std::optional<DraftModel> draftedBy(bench::BenchDatabase& database, int picks) {
    std::optional<DraftModel> model =
        bench::sampleHeadToHeadDraft(database, kHeadToHeadEachCategory, false);
    if (!model) {
        return std::nullopt;
    }
    const BotPicks bots(*model, 0);
    BotDrafter byG;
    byG.style = BotDrafter::Style::G;
    for (int made = 0; made < picks; ++made) {
        const std::optional<std::size_t> team = bench::teamOnClock(*model);
        const std::optional<std::size_t> player =
            team ? bots.pick(*model, *team, byG) : std::nullopt;
        if (!player) {
            return std::nullopt;
        }
        bench::takeTurn(*model, *team, *player);
    }
    return model;
}

void BM_HScoresAtTheFiftiethPick(benchmark::State& state) {
    bench::BenchDatabase database;
    const std::optional<DraftModel> model = draftedBy(database, 49);
    const std::optional<std::size_t> team = model ? bench::teamOnClock(*model) : std::nullopt;
    if (!team) {
        state.SkipWithError("no draft");
        return;
    }
    HScoreRequest request;
    request.team = *team;
    request.search.objective = leagueObjective(model->headToHeadMode());
    std::size_t scored = 0;
    for (auto _ : state) {
        const std::optional<TeamHScores> figures = teamHScores(*model, request);
        scored = figures ? figures->rows.size() : 0;
        benchmark::DoNotOptimize(figures);
    }
    state.counters["candidates"] = static_cast<double>(scored);
}

void BM_SeasonOddsOfTenThousandSeasons(benchmark::State& state) {
    bench::BenchDatabase database;
    const std::optional<DraftModel> model =
        draftedBy(database, bench::kLeagueTeams * bench::kLeagueRounds);
    if (!model) {
        state.SkipWithError("no draft");
        return;
    }
    const HeadToHeadLeague league(*model, false);
    const SeasonLeague season = seasonLeagueOf(*model, league.matchups());
    SeasonOddsRequest request;
    request.seasons = 10000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(seasonOdds(season, request));
        ++request.seed;
    }
}

}  // namespace

BENCHMARK(BM_HScoresAtTheFiftiethPick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeasonOddsOfTenThousandSeasons)->Unit(benchmark::kMillisecond);
