// SPDX-License-Identifier: MIT
#include "valuation/CategoryTargets.h"

#include <cmath>
#include <map>

#include "headtohead/HeadToHeadGrids.h"
#include "model/DraftSession.h"
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
constexpr std::string_view kTargetsNotSet = " 60050 error: could not set targets";

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

WriteFailure targetsFailed(const Connection& connection, std::string_view logLine) {
    return stepFailed(connection, logLine, StepReport::MessageAndLog);
}

WriteFailure invalidTarget(std::string text) {
    return refusedBy({"Invalid Target", std::move(text), MessageIcon::Exclamation});
}

}  // namespace

int myTeamId(const DraftSession& session) {
    return session.hasDraft() ? myTeamId(*session.draftSettings()) : 0;
}

Outcome<TargetPanel> showCategoryTargets(DraftSession& session, bool includeReserves) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    return showCategoryTargets(session, includeReserves, readStandings(session, includeReserves));
}

Outcome<TargetPanel> showCategoryTargets(
    DraftSession& session, bool includeReserves,
    const std::optional<std::vector<StandingsEntry>>& standings) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    Connection& connection = session.dbConnection;
    const int draft = session.draftSettings()->template_id;
    const auto categories = readDraftCategories(connection, draft);
    const auto targets = categories ? readCategoryTargets(connection, draft) : std::nullopt;
    if (!targets) {
        return targetsFailed(connection, kCategoriesFailed);
    }
    // A failed read of the totals leaves every actual value at 0.
    std::map<int, double> actualValues;
    if (standings) {
        const int mine = myTeamId(session);
        for (const StandingsEntry& entry : *standings) {
            if (entry.teamid == mine) {
                actualValues[entry.categoryid] = entry.points;
            }
        }
    }
    const std::map<int, double> targetValues = valuesById(*targets);
    TargetPanel panel;
    std::map<int, double> chances;
    if (session.draftSettings()->scoringstyle == kScoringHeadToHead) {
        Outcome<std::map<int, double>> read = myChancesAgainstAverage(session, includeReserves);
        if (read) {
            chances = std::move(read.value());
        } else {
            panel.unreadChances = read.failure();
        }
    }

    std::vector<TargetRow>& rows = panel.rows;
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
    session.replaceCategoryTargets(std::move(kept));
    return panel;
}

Outcome<TargetPanel> saveCategoryTargets(DraftSession& session, bool includeReserves,
                                         const std::vector<std::string>& targetTexts) {
    if (!session.hasDraft()) {
        return unspoken();
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < session.categoryTargets().size(); ++i) {
        const CategoryTarget& row = session.categoryTargets()[i];
        const auto value = parseNumber(i < targetTexts.size() ? targetTexts[i] : std::string());
        if (!value) {
            return invalidTarget("Target is not valid for: " + row.symbol);
        }
        // 1e308 or a negative target was stored and then drawn as a bar off every chart.
        const FieldRange range = targetRangeOf(row.categoryid);
        if (*value < range.low || *value > range.high) {
            return invalidTarget("Target is not valid for: " + row.symbol +
                                 " (a target lies from " + std::to_string(std::llround(range.low)) +
                                 " to " + std::to_string(std::llround(range.high)) + ")");
        }
        values.push_back(*value + 0.0);  // "-0" is stored as 0
    }

    Connection& connection = session.dbConnection;
    const int draft = session.draftSettings()->template_id;
    {
        TransactionGuard transaction(connection);
        if (!transaction.begun() || !deleteCategoryTargets(connection, draft)) {
            return targetsFailed(connection, kCategoriesFailed);
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!insertCategoryTarget(connection, draft, session.categoryTargets()[i].categoryid,
                                      values[i])) {
                return targetsFailed(connection, kTargetsNotSet);
            }
        }
        if (!transaction.commit()) {
            return targetsFailed(connection, kTargetsNotSet);
        }
    }
    return showCategoryTargets(session, includeReserves);
}

}  // namespace quorvane
