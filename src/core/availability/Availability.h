// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

inline constexpr int kDefaultContinuations = 10000;

struct AvailabilityRequest {
    std::size_t team = 0;  // whose next turns, by index into model.teams
    int continuations = kDefaultContinuations;
    std::uint64_t seed = 0;
};

// One player's figures; each blank when it does not apply (a drafted player, a horizon the
// draft ends before).
struct PlayerAvailability {
    std::optional<double> avail;   // share of continuations he is undrafted at horizon 1
    std::optional<double> avail2;  // the same at horizon 2
    std::optional<double> xvona;   // his value less the expected best left at his positions
};

struct AvailabilityFigures {
    std::vector<PlayerAvailability> players;  // by index into model.players
    bool firstHorizon = false;
    bool secondHorizon = false;
};

// Who is still there at the team's next two turns. Each continuation plays the draft on from
// where it stands in its own turn order up to the team's second horizon (its next turn, or its
// turn after the one on the clock; then the one after that): every undrafted player gets one
// noisy position b = a + (1 + s·a)·z (a his average draft position, s the draft's ADP spread, z
// standard normal drawn once per continuation); another team on the clock takes the undrafted
// player of lowest b it can roster (ties by lower a, then lower playerid), the team itself the
// undrafted player of highest value v it can roster. Avail and Avail 2 are the shares of
// continuations in which a player is undrafted when each horizon comes; xVONA is v less the
// mean over continuations of the best v among the other players undrafted at horizon 1 who
// share one of his positions (PG, SG, SF, PF, C), his whole value when there is none. The same
// seed gives the same figures. nullopt when `stop` was requested before the end.
std::optional<AvailabilityFigures> availability(const DraftModel& model,
                                                const AvailabilityRequest& request,
                                                std::stop_token stop = {});

}  // namespace quorvane
