// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/Connection.h"

namespace quorvane {

// A draft's DraftHeadToHead row: how its weeks are won and how many games a player plays in one.
struct HeadToHeadRow {
    int mode = 0;
    double gamesperweek = 0.0;
};

// One DraftVarianceRatio row: a category's week-to-week variance ratio set for the draft.
struct VarianceRatioRow {
    int categoryid = 0;
    double ratio = 0.0;
};

struct HeadToHeadRows {
    std::optional<HeadToHeadRow> settings;  // none for a draft never set up head-to-head
    std::vector<VarianceRatioRow> ratios;   // by categoryid
};

// The draft's rows; nullopt after the failure was logged.
std::optional<HeadToHeadRows> readHeadToHeadRows(Connection& connection, int templateId);

// Replaces the draft's rows with these; the caller holds the transaction. False after the
// failing statement was logged.
bool writeHeadToHeadRows(Connection& connection, int templateId, const HeadToHeadRow& settings,
                         const std::vector<VarianceRatioRow>& ratios);

}  // namespace quorvane
