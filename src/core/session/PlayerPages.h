// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/HtmlText.h"

namespace quorvane {

struct ProgramState;
struct ProgramStore;

// What the web pane shows for a player: the service's page when a service is configured, else a
// page made here from the database. Exactly one of the two is set.
struct PlayerPageContent {
    std::string url;
    std::string html;
};

// The page of a projected player (ids 1 .. 19999); nullopt for the user's own players, who have
// no page, and for a local page of a player the database does not hold.
std::optional<PlayerPageContent> playerPageFor(ProgramState& state, int playerid);

// The local page, a card for a narrow pane: name, team and positions, value, rank and flag, the
// user's note on him, and a table with a column per season the database holds (newest first)
// and a row per figure (per-game figures, then totals). nullopt when he is not there or the
// database cannot be read (the failing statement is logged).
std::optional<std::string> localPlayerPageHtml(ProgramStore& state, int playerid);

}  // namespace quorvane
