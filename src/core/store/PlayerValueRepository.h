// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

namespace quorvane {

class Connection;

struct PlayerValue {
    int playerid = 0;
    double dollars = 0.0;
};

// Every player's dollar value of one season as the last valuation wrote it. nullopt after a
// failed read.
std::optional<std::vector<PlayerValue>> readPlayerValues(Connection& connection, int season);

}  // namespace quorvane
