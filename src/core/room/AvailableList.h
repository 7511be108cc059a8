// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// What the available-players grid shows of a draft.
struct AvailableListRequest {
    int statsYear = 0;  // the season whose rows and figures show
    // Positions of which a player needs at least one (kPositionPG ...); 0 lets everyone through.
    std::uint8_t positions = 0;
    // The heading of the column sorted by, as shown; an unknown one sorts by value (auction)
    // or rank.
    std::string_view sortHeading;
    bool withAdp = false;  // the ADP, AAV and "value rank minus ADP" columns before the notes
};

// The rows of the season that no team of the draft holds: playerid, flag, value or rank,
// fantasy points (points leagues), name, team, position, games, the draft's categories, the
// ADP columns when asked, notes; coloured by flag. Sorted by the heading's column (fewer
// turnovers first, players without an ADP figure last), then by last and first name, the
// file's order among players with the same name. Headings are the caller's.
GridTable availablePlayersGrid(const DraftModel& model, const AvailableListRequest& request);

// The rows of one season in the file's order.
std::vector<const ModelPlayer*> seasonRows(const DraftModel& model, int season);

}  // namespace quorvane
