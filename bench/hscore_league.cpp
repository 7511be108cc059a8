// SPDX-License-Identifier: MIT
// How often one drafter who takes the best H-score at each of his turns finishes first among
// eleven who take the best G who fits, against a G drafter in the same seat: a twelve-team,
// thirteen-round head-to-head league on the sample's season, every seat in turn, in both modes,
// each finished draft played for many seasons over the weekly matchup model.
//
//   quorvane_hscore_league [SEASONS] [WEEKS]      (default 10000 seasons of 20 weeks)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "HeadToHeadDrafts.h"
#include "availability/TurnSequence.h"
#include "headtohead/HeadToHeadLeague.h"
#include "hscores/SeasonOdds.h"
#include "practice/BotDrafters.h"
#include "vocabulary/DraftSettings.h"

namespace {

using namespace quorvane;

// Drafts the league, the H drafter in `seat` (none: G drafters only), and plays its seasons: each
// team's odds.
std::vector<TeamSeasonOdds> draftAndPlay(DraftModel model, const std::optional<std::size_t>& seat,
                                         const SeasonOddsRequest& seasons) {
    const BotPicks bots(model, 0);
    BotDrafter byG;
    byG.style = BotDrafter::Style::G;
    BotDrafter byH;
    byH.style = BotDrafter::Style::H;
    while (const std::optional<std::size_t> team = bench::teamOnClock(model)) {
        const std::optional<std::size_t> player = bots.pick(model, *team, seat == team ? byH : byG);
        if (!player) {
            break;
        }
        bench::takeTurn(model, *team, *player);
    }
    const HeadToHeadLeague league(model, false);
    return seasonOdds(seasonLeagueOf(model, league.matchups()), seasons)
        .value_or(std::vector<TeamSeasonOdds>{});
}

int playMode(int mode, const char* name, const SeasonOddsRequest& seasons) {
    bench::BenchDatabase database;
    const std::optional<DraftModel> model = bench::sampleHeadToHeadDraft(database, mode, true);
    if (!model) {
        std::fprintf(stderr, "the sample league could not be made\n");
        return 1;
    }
    std::printf("%s: %d seats, %d seasons of %d weeks each\n", name, bench::kLeagueTeams,
                seasons.seasons, seasons.weeks);
    std::printf("seat,h_first,g_first,h_top_half,g_top_half\n");
    const std::vector<TeamSeasonOdds> allG = draftAndPlay(*model, std::nullopt, seasons);
    double hFirst = 0.0;
    double gFirst = 0.0;
    double hHalf = 0.0;
    double gHalf = 0.0;
    for (std::size_t seat = 0; seat < allG.size(); ++seat) {
        const std::vector<TeamSeasonOdds> withH = draftAndPlay(*model, seat, seasons);
        std::printf("%zu,%.4f,%.4f,%.4f,%.4f\n", seat + 1, withH[seat].first, allG[seat].first,
                    withH[seat].topHalf, allG[seat].topHalf);
        std::fflush(stdout);
        hFirst += withH[seat].first;
        gFirst += allG[seat].first;
        hHalf += withH[seat].topHalf;
        gHalf += allG[seat].topHalf;
    }
    const auto seats = static_cast<double>(allG.size());
    std::printf("mean,%.4f,%.4f,%.4f,%.4f (chance of first: %.4f)\n\n", hFirst / seats,
                gFirst / seats, hHalf / seats, gHalf / seats, 1.0 / seats);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SeasonOddsRequest seasons;
    seasons.seed = 20240611;
    if (argc > 1) {
        seasons.seasons = std::atoi(argv[1]);
    }
    if (argc > 2) {
        seasons.weeks = std::atoi(argv[2]);
    }
    const auto start = std::chrono::steady_clock::now();
    int status = playMode(kHeadToHeadEachCategory, "Each Category", seasons);
    status |= playMode(kHeadToHeadMostCategories, "Most Categories", seasons);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f s\n", seconds);
    return status;
}
