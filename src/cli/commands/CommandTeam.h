// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>

#include "model/DraftModel.h"

namespace quorvane::cli {

class CliContext;

// The team a command works for, by index into model.teams: the one with the id given, or the
// user's own for 0. nullopt after "Error: The draft has no team ..." was shown.
std::optional<std::size_t> commandTeam(CliContext& context, const DraftModel& model, int teamid);

}  // namespace quorvane::cli
