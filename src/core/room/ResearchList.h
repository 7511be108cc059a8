// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string_view>

#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// What the research grid shows of a draft.
struct ResearchListRequest {
    int season = 0;
    bool taken = false;  // the draft's picks rather than the players nobody holds
    // A research sort key (isResearchSortKey); any other leaves the rows in the file's order.
    std::string_view sortKey;
    bool withAdp = false;   // the ADP, AAV and "value rank minus ADP" columns last
    int priceDecimals = 2;  // of values and prices: 0 when the draft deals in whole dollars
    std::chrono::year_month_day agesOn{};  // the day the ages are of
};

// The research grid of one season with its headings: value, rank, name, age, team, position,
// games and the thirteen statistics of the research view; a taken player's grid shows the
// price paid, his pick number, his roster slot and his team's name instead of his own team.
// The age column's note says the day its ages are of.
GridTable researchGridOf(const DraftModel& model, const ResearchListRequest& request);

}  // namespace quorvane
