// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// A player's average draft position and average auction value from one source.
struct PlayerAdp {
    int playerid = 0;
    std::optional<double> adp;
    std::optional<double> aav;
};

// Replaces the figures one source gave for a season with new ones, inside the caller's
// transaction. Logs and returns false when a statement fails.
bool replaceSourceAdp(Connection& connection, int season, const std::string& source,
                      const std::vector<PlayerAdp>& figures);

}  // namespace quorvane
