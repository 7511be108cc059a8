// SPDX-License-Identifier: MIT
#include "room/PlayerListFigures.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <functional>

#include <fmt/format.h>

#include "advice/CategoryFigures.h"
#include "store/ProjectionRow.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

int decimalsOf(CategoryFormat format) {
    return format == CategoryFormat::ThreeDecimals ? 3 : 2;
}

std::optional<double> difference(std::optional<double> left, std::optional<double> right) {
    if (!left || !right) {
        return std::nullopt;
    }
    return *left - *right;
}

}  // namespace

std::string listName(const ModelPlayer& player) {
    if (player.firstnameMissing || player.lastnameMissing) {
        return {};
    }
    return player.lastname + ", " + player.firstname;
}

SortValue textSortValue(const std::optional<std::string>& text) {
    return text ? SortValue::of(std::string_view(*text)) : SortValue::missing();
}

SortValue textSortValue(const std::string& text, bool missing) {
    return missing ? SortValue::missing() : SortValue::of(std::string_view(text));
}

void pushNameKeys(std::vector<SortValue>& keys, const ModelPlayer& player) {
    keys.push_back(textSortValue(player.lastname, player.lastnameMissing));
    keys.push_back(textSortValue(player.firstname, player.firstnameMissing));
}

std::optional<int> ageOn(const std::optional<std::string>& dob, std::chrono::year_month_day day) {
    const std::optional<std::string> date = dob ? readDate(*dob) : std::nullopt;
    if (!date) {
        return std::nullopt;
    }
    // readDate writes YYYY-MM-DD.
    const int year = std::stoi(date->substr(0, 4));
    const auto month = static_cast<unsigned>(std::stoi(date->substr(5, 2)));
    const auto dayOfMonth = static_cast<unsigned>(std::stoi(date->substr(8, 2)));
    const int years = static_cast<int>(day.year()) - year;
    const bool birthdayToCome =
        std::pair(static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day())) <
        std::pair(month, dayOfMonth);
    const int age = birthdayToCome ? years - 1 : years;
    if (age < 0) {
        return std::nullopt;
    }
    return age;
}

std::chrono::year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

std::string isoDate(std::chrono::year_month_day day) {
    return fmt::format("{:04}-{:02}-{:02}", static_cast<int>(day.year()),
                       static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
}

double shownFantasyPoints(const std::vector<ModelCategory>& categories, const StatLine& stats) {
    double sum = 0.0;
    bool first = true;
    for (const ModelCategory& category : categories) {
        double figure = figureOf(*category.formula, stats);
        if (category.definition->format != CategoryFormat::Count) {
            figure = roundHalfAway(figure, decimalsOf(category.definition->format));
        }
        // The first term alone, not 0 plus it, so that a lone -0 stays as it is.
        sum = first ? figure * category.weight : sum + figure * category.weight;
        first = false;
    }
    return sum;
}

std::string categoryCellText(const CategoryDefinition& category, double figure) {
    switch (category.format) {
        case CategoryFormat::TwoDecimals:
            return formatPattern(figure, "0.00");
        case CategoryFormat::ThreeDecimals:
            return formatPattern(figure, "#.000");
        case CategoryFormat::Count:
            break;
    }
    return numberText(figure);
}

AdpColumnFigures::AdpColumnFigures(const DraftModel& model) : m_model(model) {
    if (!model.auction()) {
        return;
    }
    std::vector<double> byValue;
    byValue.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        byValue.push_back(player.dollars);
    }
    std::sort(byValue.begin(), byValue.end(), std::greater<>());
    m_dollarRanks.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        const auto better =
            std::lower_bound(byValue.begin(), byValue.end(), player.dollars, std::greater<>());
        m_dollarRanks.push_back(static_cast<int>(better - byValue.begin()) + 1);
    }
}

AdpFigures AdpColumnFigures::of(const ModelPlayer& shown) const {
    const ModelPlayer* projected = m_model.findPlayer(shown.playerid);
    if (projected == nullptr) {
        return {};
    }
    std::optional<double> valueRank;
    if (m_model.auction()) {
        valueRank = m_dollarRanks[static_cast<std::size_t>(projected - m_model.players.data())];
    } else if (shown.rank > 0) {
        valueRank = shown.rank;
    }
    return {projected->adp, projected->aav, difference(valueRank, projected->adp)};
}

void appendAdpCells(std::vector<std::string>& cells, const AdpFigures& figures) {
    for (const std::optional<double>& figure : {figures.adp, figures.aav, figures.rankMinusAdp}) {
        cells.push_back(figure ? formatPattern(*figure, "0.##") : std::string());
    }
}

}  // namespace quorvane
