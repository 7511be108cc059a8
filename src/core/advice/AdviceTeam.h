// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>

#include "model/DraftModel.h"

namespace quorvane {

// Index in model.teams of a team id, or of the user's own team when teamid is 0; nullopt when
// there is no such team.
std::optional<std::size_t> adviceTeamIndex(const DraftModel& model, int teamid);

}  // namespace quorvane
