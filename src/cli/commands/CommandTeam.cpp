// SPDX-License-Identifier: MIT
#include "cli/commands/CommandTeam.h"

#include <string>

#include "cli/CliContext.h"
#include "teamadvice/TeamAdvice.h"

namespace quorvane::cli {

std::optional<std::size_t> commandTeam(CliContext& context, const DraftModel& model, int teamid) {
    const std::optional<std::size_t> team = adviceTeamIndex(model, teamid);
    if (!team) {
        context.dialogs.showMessage("Error",
                                    teamid == 0 ? "The draft has no team marked as yours"
                                                : "The draft has no team " + std::to_string(teamid),
                                    MessageIcon::Critical);
    }
    return team;
}

}  // namespace quorvane::cli
