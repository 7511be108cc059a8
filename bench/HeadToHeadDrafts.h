// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>

#include "BenchSupport.h"
#include "model/DraftModel.h"

namespace quorvane::bench {

inline constexpr int kLeagueTeams = 12;
inline constexpr int kLeagueRounds = 13;

// A new twelve-team snake of the sample's season with the nine usual categories, played
// head-to-head in `mode`, held in memory with no pick made and Owner 1 on the clock. With
// `everyoneCounts` its thirteen slots all count in the matchups (five utility slots in place of
// two and the three reserves).
std::optional<DraftModel> sampleHeadToHeadDraft(BenchDatabase& database, int mode,
                                                bool everyoneCounts);

// The team on the clock (index into model.teams); none once every round is drafted.
std::optional<std::size_t> teamOnClock(const DraftModel& model);

// Records the pick in memory, in the first open slot the player fits, and passes the clock on
// as the snake turns.
void takeTurn(DraftModel& model, std::size_t team, std::size_t player);

}  // namespace quorvane::bench
