// SPDX-License-Identifier: MIT
#include "room/PlayerListFigures.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <functional>

#include "advice/CategoryFigures.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

// The leading whole number of a text, blanks before it skipped; 0 without one.
long long leadingWholeNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    long long number = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
        number = number * 10 + (text[at] - '0');
        ++at;
    }
    return negative ? -number : number;
}

// The first four characters; a character of several bytes counts once.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0U) == 0x80U) {
            ++at;
        }
    }
    return text.substr(0, at);
}

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

std::optional<int> ageInYears(const std::optional<std::string>& dob, int currentYear) {
    if (!dob) {
        return std::nullopt;
    }
    return static_cast<int>(currentYear - leadingWholeNumber(firstCharacters(*dob, 4)));
}

int currentYearUtc() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<int>(std::chrono::year_month_day{today}.year());
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
