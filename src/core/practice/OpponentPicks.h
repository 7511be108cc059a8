// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The practice draft's opponents draft as one continuation does: each player has one noisy
// position b = a + (1 + s·a)·z for the whole practice draft, z drawn from the practice's seed and
// the player alone, so that it stays his however the draft goes and however often it is run on.
std::vector<double> practicePositions(const DraftModel& model, std::uint64_t seed);

// The undrafted player (index into model.players) of lowest noisy position that the team (by
// index into model.teams) can roster, ties by lower a, then lower playerid; nullopt when it can
// roster none.
std::optional<std::size_t> opponentPick(const DraftModel& model, std::size_t team,
                                        const std::vector<double>& noisyPositions);

// The user's own pick when the practice runs on without him: the first player of the advice for
// his team that he can roster.
std::optional<std::size_t> advicePick(const DraftModel& model, std::size_t team);

// The slot a pick of the player fills: the first open slot he may fill, as the pick window
// preselects it; nullopt when the team has none for him.
std::optional<std::string> openSlotFor(const DraftModel& model, std::size_t team,
                                       const ModelPlayer& player);

}  // namespace quorvane
