// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/DraftModel.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// A points league's value-based drafting: each player's fantasy points (his statistics times
// the draft's weights), less the points of the last starter at each position he plays (the
// baseline); his best such difference (VBD) ranks him, and in an auction the money left is
// shared out by VBD.
struct PointsValuation {
    struct Player {
        int playerid = 0;
        std::vector<double> weighted;  // one per draft category with a catalogue entry
        double points = 0.0;
        std::optional<double> vbd;  // none: eligible at no position with a baseline
        int rank = 0;               // by VBD, ties share a rank, no VBD last
        double dollars = 0.0;       // auctions only: VBD times dollars per VBD
    };
    struct Baseline {
        std::string_view position;  // C, F, G, PG, SG, SF, PF
        double points = 0.0;        // of its last starter; 0 when nobody can start there
    };
    std::vector<Player> players;      // every player of the projection season, by playerid
    std::vector<Baseline> baselines;  // the positions the draft's slots give a baseline
    bool auction = false;
    double rate = 0.0;  // dollars per VBD
};

// nullopt when the draft has no category with a catalogue entry (no points to sum).
std::optional<PointsValuation> pointsValuation(const DraftSettings& draft, const DraftModel& model,
                                               bool inflation);

// Ranks by a figure, highest first: equal figures share a rank and the next rank is skipped
// (1, 2, 2, 4); players without a figure come after everyone who has one.
std::vector<int> ranksOf(const std::vector<std::optional<double>>& figures);

}  // namespace quorvane
