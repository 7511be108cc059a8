// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// The categories a draft counts, the user's targets and punts in them, and the denominators of
// standings gained points (tables Category, DraftCategory, DraftTargets, DraftPunts). Reads return
// nullopt and writers false after a failure the connection logged; writers run inside the
// caller's transaction.

struct DraftCategorySymbolRow {
    int categoryid = 0;
    std::string symbol;
};
// The draft's categories in the order they were chosen.
std::optional<std::vector<DraftCategorySymbolRow>> readDraftCategories(Connection& connection,
                                                                       int templateId);

struct CategoryFigure {
    int categoryid = 0;
    double value = 0.0;
};
// The targets the user set for the draft (categories without one have no row).
std::optional<std::vector<CategoryFigure>> readCategoryTargets(Connection& connection,
                                                               int templateId);
bool deleteCategoryTargets(Connection& connection, int templateId);
bool insertCategoryTarget(Connection& connection, int templateId, int categoryid, double target);

// Every category's denominator (the placeholder category 0 left out) and the highest id.
struct SgpDenominatorRows {
    std::int64_t highestId = 0;  // 0 without categories
    std::vector<CategoryFigure> denominators;
};
std::optional<SgpDenominatorRows> readSgpDenominators(Connection& connection);
// One category's denominator; an empty optional inside when the category is missing.
std::optional<std::optional<double>> readSgpDenominator(Connection& connection, int categoryid);
bool writeSgpDenominator(Connection& connection, int categoryid, double denominator);

// The categories the user punts in the draft, by id.
std::optional<std::vector<int>> readPuntRows(Connection& connection, int templateId);
bool deletePuntRows(Connection& connection, int templateId);
// A category punted twice is stored once.
bool insertPuntRow(Connection& connection, int templateId, int categoryid);

}  // namespace quorvane
