// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "hscores/HScoreBasis.h"
#include "hscores/WeightSearch.h"
#include "model/DraftModel.h"
#include "vocabulary/Progress.h"

namespace quorvane {

inline constexpr int kDefaultCandidates = 40;

struct HScoreRequest {
    std::size_t team = 0;  // by index into model.teams
    int candidates = kDefaultCandidates;
    WeightSearchSettings search;
};

struct HScoreRow {
    std::size_t player = 0;       // index into model.players
    double h = 0.0;               // the objective at the best weights, a share
    double g = 0.0;               // total G over every category
    std::vector<double> weights;  // the punt plan, per category, summing to 1
    // Per category, the mean over the opponents of the chance to win it under the plan.
    std::vector<double> chances;
};

// H-scores of the team's best candidates by total G among the available players who can fill
// one of its open starting slots, best H first (ties by total G, then lower playerid). With N
// the counted roster and K the team's counted players, against each other team o (K_o counted):
//   mu_oc = D_oc + X_pc + (N - K - 1) X_d,c(j),  variance 2N + w_c (N - K_o),
// D_o the team's X sums less o's. Every turn of another team from the clock to the end of the
// round that holds this team's next turn adds to that team the mean X of the next available
// players by G (as many as there are such turns, the candidate left out); an auction has no
// turns to fill. Counted players are the picks in any slot but reserves. Empty when the team has
// no open starting slot or no opponent; nullopt when progress asked to stop.
std::optional<std::vector<HScoreRow>> hScores(const DraftModel& model, const HScoreBasis& basis,
                                              const HScoreRequest& request,
                                              const Progress& progress = {});

}  // namespace quorvane
