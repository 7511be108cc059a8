// SPDX-License-Identifier: MIT
#include "valuation/CategoryTargets.h"

#include <cmath>
#include <map>

#include "headtohead/HeadToHeadGrids.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/CategoryRepository.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "valuation/CategoryFormat.h"
#include "valuation/HeadToHeadStandings.h"
#include "valuation/Standings.h"
#include "valuation/TargetRange.h"
#include "valuation/ValuationSteps.h"
#include "vocabulary/OwnTeam.h"

namespace quorvane {

namespace {

constexpr std::string_view kCategoriesFailed = " 60050 error: could not get categories";

// Category id to value; ids without a row read as 0.
std::map<int, double> valuesById(const std::vector<CategoryFigure>& rows) {
    std::map<int, double> values;
    for (const CategoryFigure& row : rows) {
        values[row.categoryid] = row.value;
    }
    return values;
}

double valueOf(const std::map<int, double>& values, int categoryid) {
    const auto found = values.find(categoryid);
    return found == values.end() ? 0.0 : found->second;
}

}  // namespace

int myTeamId(const ProgramState& state) {
    return state.hasDraft() ? myTeamId(*state.draftSettings()) : 0;
}

std::optional<std::vector<TargetRow>> showCategoryTargets(ProgramState& state,
                                                          UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    return showCategoryTargets(state, dialogs, readStandings(state));
}

std::optional<std::vector<TargetRow>> showCategoryTargets(
    ProgramState& state, UserDialogs& dialogs,
    const std::optional<std::vector<StandingsEntry>>& standings) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    Connection& connection = state.dbConnection;
    const int draft = state.draftSettings()->template_id;
    const auto categories = readDraftCategories(connection, draft);
    const auto targets = categories ? readCategoryTargets(connection, draft) : std::nullopt;
    if (!targets) {
        reportDatabaseError(dialogs, connection, kCategoriesFailed);
        return std::nullopt;
    }
    // A failed read of the totals leaves every actual value at 0.
    std::map<int, double> actualValues;
    if (standings) {
        const int mine = myTeamId(state);
        for (const StandingsEntry& entry : *standings) {
            if (entry.teamid == mine) {
                actualValues[entry.categoryid] = entry.points;
            }
        }
    }
    const std::map<int, double> targetValues = valuesById(*targets);
    std::map<int, double> chances;
    if (state.draftSettings()->scoringstyle == kScoringHeadToHead) {
        chances = myChancesAgainstAverage(state, dialogs).value_or(std::map<int, double>{});
    }

    std::vector<TargetRow> rows;
    std::vector<CategoryTarget> kept;
    for (const DraftCategorySymbolRow& category : *categories) {
        const int categoryid = category.categoryid;
        const std::string& symbol = category.symbol;
        // The panel compares and shows single-precision figures, as typed targets are.
        const auto target = static_cast<float>(valueOf(targetValues, categoryid));
        const auto actual = static_cast<float>(valueOf(actualValues, categoryid));
        TargetRow row{categoryid,
                      symbol,
                      formatCategoryValue(symbol, target),
                      formatCategoryValue(symbol, actual),
                      formatCategoryValue(symbol, actual - target),
                      std::nullopt,
                      {}};
        if (actual > target) {
            row.differenceColour = kAboveTargetColour;
        } else if (actual < target) {
            row.differenceColour = kBelowTargetColour;
        }
        if (const auto chance = chances.find(categoryid); chance != chances.end()) {
            row.chance = chanceText(chance->second);
        }
        rows.push_back(std::move(row));
        kept.push_back({categoryid, valueOf(targetValues, categoryid),
                        valueOf(actualValues, categoryid), symbol});
    }
    state.replaceCategoryTargets(std::move(kept));
    return rows;
}

std::optional<std::vector<TargetRow>> saveCategoryTargets(
    ProgramState& state, UserDialogs& dialogs, const std::vector<std::string>& targetTexts) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < state.categoryTargets().size(); ++i) {
        const CategoryTarget& row = state.categoryTargets()[i];
        const auto value = parseNumber(i < targetTexts.size() ? targetTexts[i] : std::string());
        if (!value) {
            dialogs.showMessage("Invalid Target", "Target is not valid for: " + row.symbol,
                                MessageIcon::Exclamation);
            return std::nullopt;
        }
        // 1e308 or a negative target was stored and then drawn as a bar off every chart.
        const FieldRange range = targetRangeOf(row.categoryid);
        if (*value < range.low || *value > range.high) {
            dialogs.showMessage("Invalid Target",
                                "Target is not valid for: " + row.symbol + " (a target lies from " +
                                    std::to_string(std::llround(range.low)) + " to " +
                                    std::to_string(std::llround(range.high)) + ")",
                                MessageIcon::Exclamation);
            return std::nullopt;
        }
        values.push_back(*value + 0.0);  // "-0" is stored as 0
    }

    Connection& connection = state.dbConnection;
    const int draft = state.draftSettings()->template_id;
    {
        TransactionGuard transaction(connection);
        if (!transaction.begun() || !deleteCategoryTargets(connection, draft)) {
            reportDatabaseError(dialogs, connection, kCategoriesFailed);
            return std::nullopt;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!insertCategoryTarget(connection, draft, state.categoryTargets()[i].categoryid,
                                      values[i])) {
                reportDatabaseError(dialogs, connection, " 60050 error: could not set targets");
                return std::nullopt;
            }
        }
        if (!transaction.commit()) {
            reportDatabaseError(dialogs, connection, " 60050 error: could not set targets");
            return std::nullopt;
        }
    }
    return showCategoryTargets(state, dialogs);
}

}  // namespace quorvane
