// SPDX-License-Identifier: MIT
#pragma once

#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// A draft's "ADP spread" s: the room's picks stray around a player's average draft position a
// by 1 + s·a. The default when the draft has none stored; a failed read comes back with its
// message (its log line written).
Outcome<double> readDraftAdpSpread(Connection& connection, int templateId);

// Stores a draft's "ADP spread" (checked by the caller), in one transaction.
Outcome<Done> writeDraftAdpSpread(Connection& connection, int templateId, double spread);

}  // namespace quorvane
