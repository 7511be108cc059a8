// SPDX-License-Identifier: MIT
#include "room/PlayerListSql.h"

#include <algorithm>
#include <cctype>

#include "valuation/CategoryCatalogue.h"

namespace quorvane {

std::string categoryGridColumn(const CategoryDefinition& category) {
    const std::string statistic(category.playerStatistic);
    switch (category.format) {
        case CategoryFormat::TwoDecimals:
            return "vbformat(" + statistic + ",'0.00')";
        case CategoryFormat::ThreeDecimals:
            return "vbformat(" + statistic + ",'#.000')";
        case CategoryFormat::Count:
            break;
    }
    return statistic;
}

std::string categoryPointsTerm(const CategoryDefinition& category) {
    const std::string statistic(category.playerStatistic);
    switch (category.format) {
        case CategoryFormat::TwoDecimals:
            return "round(" + statistic + ",2)";
        case CategoryFormat::ThreeDecimals:
            return "round(" + statistic + ",3)";
        case CategoryFormat::Count:
            break;
    }
    return "(" + statistic + "*1.0)";
}

std::string lowerText(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

}  // namespace quorvane
