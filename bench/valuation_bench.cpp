// SPDX-License-Identifier: MIT
// Valuation and standings runs over the sample projections and over generated pools.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "BenchSupport.h"
#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/TransactionGuard.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"
#include "valuation/Standings.h"

#include <sys/resource.h>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "valuation/PointsValuation.h"
#include "valuation/RotisserieValuation.h"
#include "valuation/SgpDenominators.h"

namespace {

using namespace quorvane;

// The projection columns the valuation reads, in the order of the insert below.
constexpr const char* kPlayerInsert =
    "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, firstname, lastname, "
    "pos, team, games, minutes, fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, "
    "blocks, turnovers, doubledouble, tripledouble, PG, SG, PF, SF, C) values "
    "(?, 'P', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// A fresh database with the sample projections or a generated pool.
struct Environment {
    bench::BenchDatabase database;
    ProgramState& state = database.state;
    bench::QuietDialogs& dialogs = database.dialogs;

    bool loadSample() { return database.loadSampleProjections(); }

    // Players with varied, repeatable figures and positions.
    void generate(int players) {
        TransactionGuard transaction(state.dbConnection);
        PreparedStatement insert;
        insert.prepare(state.dbConnection, kPlayerInsert);
        unsigned seed = 12345;
        const auto next = [&seed](int range) {
            seed = seed * 1103515245U + 12345U;
            return static_cast<std::int64_t>((seed >> 16) % static_cast<unsigned>(range));
        };
        for (int id = 1; id <= players; ++id) {
            const std::int64_t games = 10 + next(73);
            const std::int64_t fga = games * (2 + next(18));
            const std::int64_t fgm = fga * (35 + next(20)) / 100;
            const std::int64_t pt3a = fga * next(45) / 100;
            const std::int64_t fta = games * next(9);
            const int position = static_cast<int>(next(5));
            SqlParams params{std::int64_t{id},
                             std::int64_t{kProjectionYear},
                             "First",
                             "Player" + std::to_string(id),
                             "G",
                             "TST",
                             games,
                             games * 25,
                             fta,
                             fta * (60 + next(30)) / 100,
                             fga,
                             fgm,
                             pt3a,
                             pt3a * (25 + next(20)) / 100,
                             games * next(4),
                             games * next(9),
                             games * next(10),
                             games * next(3),
                             games * next(3),
                             games * next(4),
                             next(40),
                             next(5)};
            for (int p = 0; p < 5; ++p) {
                params.emplace_back(std::int64_t{p == position || next(6) == 0 ? 1 : 0});
            }
            insert.run(params);
        }
        transaction.commit();
    }

    int newDraft(bool auction, bool rotisserie) {
        const auto id = createDraft(state, dialogs,
                                    {"Bench " + std::to_string(++drafts), 11, auction, rotisserie});
        return id.value_or(0);
    }

    // The first n players by id go to the teams in turn, $10 each.
    void pickPlayers(int draftId, int picks) {
        TransactionGuard transaction(state.dbConnection);
        executeSql(state.dbConnection,
                   "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, "
                   "dollars) select ?, p.playerid, t.teamid, 'UT', p.n, 10 from (select playerid, "
                   "row_number() over (order by playerid) as n from DraftPlayers where "
                   "yearofprojection = ?) p join DraftTeams t on t.template_id = ? and "
                   "t.draftposition = (p.n - 1) % 12 + 1 where p.n <= ?",
                   {std::int64_t{draftId}, std::int64_t{kProjectionYear}, std::int64_t{draftId},
                    std::int64_t{picks}});
        transaction.commit();
        loadDraft(state, draftId);
    }

    int drafts = 0;
};

// Peak resident memory of the process so far, in MiB.
double peakRssMib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

enum class League { RotisserieAuction, RotisserieInflation, PointsSnake, PointsAuction };

void runLeague(benchmark::State& bench, Environment& env, League league) {
    const bool auction = league != League::PointsSnake;
    const bool rotisserie =
        league == League::RotisserieAuction || league == League::RotisserieInflation;
    const int draftId = env.newDraft(auction, rotisserie);
    if (league == League::RotisserieInflation) {
        env.pickPlayers(draftId, 60);
    }
    env.state.showInflation = league == League::RotisserieInflation;
    // Every run changes every value (a new cap or, for ranks, a new league size), so each run
    // writes all its rows as in a live draft.
    for (auto _ : bench) {
        env.state.changeDraftSettings([auction](DraftSettings& draft) {
            if (auction) {
                draft.dollars = draft.dollars == 200 ? 210 : 200;
            } else {
                draft.teams = draft.teams == 12 ? 11 : 12;
            }
        });
        const bool done = auction ? calcDollarValues(env.state, env.state.showInflation).ok()
                                  : calcRanks(env.state, env.state.showInflation).ok();
        if (!done) {
            bench.SkipWithError("valuation failed");
            break;
        }
    }
}

void sampleLeague(benchmark::State& bench, League league) {
    Environment env;
    if (!env.loadSample()) {
        bench.SkipWithError("sample projections not found");
        return;
    }
    runLeague(bench, env, league);
}

void generatedLeague(benchmark::State& bench, League league) {
    Environment env;
    env.generate(static_cast<int>(bench.range(0)));
    runLeague(bench, env, league);
    bench.SetComplexityN(bench.range(0));
    bench.counters["peak_rss_mib"] = peakRssMib();
}

void BM_SampleRotisserieAuction(benchmark::State& s) {
    sampleLeague(s, League::RotisserieAuction);
}
void BM_SampleRotisserieInflation(benchmark::State& s) {
    sampleLeague(s, League::RotisserieInflation);
}
void BM_SamplePointsSnake(benchmark::State& s) {
    sampleLeague(s, League::PointsSnake);
}
void BM_SamplePointsAuction(benchmark::State& s) {
    sampleLeague(s, League::PointsAuction);
}

void BM_SampleStandingsFullDraft(benchmark::State& bench) {
    Environment env;
    if (!env.loadSample()) {
        bench.SkipWithError("sample projections not found");
        return;
    }
    const int draftId = env.newDraft(false, true);
    env.pickPlayers(draftId, 12 * 13);
    for (auto _ : bench) {
        if (!calcStandings(env.state, env.state.includeReserves, false)) {
            bench.SkipWithError("standings failed");
            break;
        }
    }
}

// The valuation alone: the pure function over the model the program holds, nothing written.
void inMemoryLeague(benchmark::State& bench, Environment& env, bool rotisserie) {
    env.newDraft(true, rotisserie);
    ProgramState& state = env.state;
    if (!loadSgpDenominators(state)) {
        bench.SkipWithError("no denominators");
        return;
    }
    const DraftModel* model = currentDraftModel(state, env.dialogs);
    if (model == nullptr) {
        bench.SkipWithError("no model");
        return;
    }
    DraftSettings draft = *state.draftSettings();
    for (auto _ : bench) {
        draft.dollars = draft.dollars == 200 ? 210 : 200;
        if (rotisserie) {
            auto valuation = rotisserieValuation(draft, state.sgpDenominators(), *model, false);
            benchmark::DoNotOptimize(valuation);
        } else {
            auto valuation = pointsValuation(draft, *model, false);
            benchmark::DoNotOptimize(valuation);
        }
    }
    bench.counters["peak_rss_mib"] = peakRssMib();
}

void BM_SampleRotisserieInMemory(benchmark::State& bench) {
    Environment env;
    if (!env.loadSample()) {
        bench.SkipWithError("sample projections not found");
        return;
    }
    inMemoryLeague(bench, env, true);
}

void BM_GeneratedRotisserieInMemory(benchmark::State& bench) {
    Environment env;
    env.generate(static_cast<int>(bench.range(0)));
    inMemoryLeague(bench, env, true);
}

void BM_GeneratedPointsInMemory(benchmark::State& bench) {
    Environment env;
    env.generate(static_cast<int>(bench.range(0)));
    inMemoryLeague(bench, env, false);
}

void BM_GeneratedRotisserieAuction(benchmark::State& s) {
    generatedLeague(s, League::RotisserieAuction);
}
void BM_GeneratedPointsAuction(benchmark::State& s) {
    generatedLeague(s, League::PointsAuction);
}

}  // namespace

BENCHMARK(BM_SampleRotisserieAuction)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleRotisserieInflation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SamplePointsSnake)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SamplePointsAuction)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleStandingsFullDraft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleRotisserieInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedRotisserieInMemory)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedPointsInMemory)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedRotisserieAuction)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratedPointsAuction)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
