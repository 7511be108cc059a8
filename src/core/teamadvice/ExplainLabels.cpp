// SPDX-License-Identifier: MIT
#include "teamadvice/ExplainLabels.h"

#include <array>
#include <utility>

namespace quorvane {

namespace {

using Words = std::pair<std::string_view, std::string_view>;

constexpr std::array<Words, 22> kWholeKeys = {{
    {"playerid", "Player id"},
    {"name", "Name"},
    {"valued", "Valued by the last run"},
    {"points", "Fantasy points"},
    {"baseline", "Baseline (last starter's points)"},
    {"vbd", "Points above the baseline (VBD)"},
    {"sgp", "Standings gain points (SGP)"},
    {"group", "Replacement group"},
    {"replacement", "Replacement level (SGP)"},
    {"sgp_above", "SGP above replacement"},
    {"dollars_per_sgp", "Dollars per SGP"},
    {"dollars", "Dollar value"},
    {"rank", "Rank"},
    {"punts", "Categories punted"},
    {"zpool", "Players in the z-score pool"},
    {"z", "Total z-score"},
    {"zdollars", "Z-score dollars"},
    {"games_per_week", "Games a week"},
    {"counted_roster", "Players counted a week"},
    {"kappa", "Kappa (spread of a week)"},
    {"g", "Total G-score"},
    {"gdollars", "G-score dollars"},
}};

// What a category's key says after its symbol ("PTS.sd").
constexpr std::array<Words, 12> kCategoryKeys = {{
    {"statistic", "projected figure"},
    {"weight", "points per unit"},
    {"points", "fantasy points"},
    {"denominator", "SGP denominator"},
    {"sgp", "SGP"},
    {"rate", "pool's rate"},
    {"mean", "pool's mean"},
    {"sd", "pool's deviation"},
    {"z", "z-score"},
    {"r", "variance ratio"},
    {"tau", "weekly spread (tau)"},
    {"g", "G-score"},
}};

template <std::size_t N>
std::string_view wordsOf(const std::array<Words, N>& table, std::string_view key) {
    for (const auto& [known, words] : table) {
        if (known == key) {
            return words;
        }
    }
    return {};
}

}  // namespace

std::string explainLabel(std::string_view key) {
    if (const std::string_view words = wordsOf(kWholeKeys, key); !words.empty()) {
        return std::string(words);
    }
    // Category symbols hold no dot ("3PCT", "A/T"): the last dot parts symbol and figure.
    const std::size_t dot = key.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        if (const std::string_view words = wordsOf(kCategoryKeys, key.substr(dot + 1));
            !words.empty()) {
            return std::string(key.substr(0, dot)) + ": " + std::string(words);
        }
    }
    return std::string(key);
}

}  // namespace quorvane
