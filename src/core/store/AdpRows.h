// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/Connection.h"

namespace quorvane {

// A player's average draft position and average auction value over every source imported for
// a season; each empty when no source gives it.
struct MeanAdpRow {
    int playerid = 0;
    std::optional<double> adp;
    std::optional<double> aav;
};

// Players of the season that any source lists, by playerid. nullopt after the failure
// was logged.
std::optional<std::vector<MeanAdpRow>> readMeanAdp(Connection& connection, int season);

// The draft's "ADP spread"; nullopt when the draft keeps the default, or after a failure was
// logged (`failed` tells which).
std::optional<double> readAdpSpread(Connection& connection, int templateId, bool& failed);

// Stores the draft's "ADP spread"; the caller holds the transaction. False after the failing
// statement was logged.
bool writeAdpSpread(Connection& connection, int templateId, double spread);

// Whether any source lists an average draft position for the season; false after a failed read.
bool hasAdpRows(Connection& connection, int season);

}  // namespace quorvane
