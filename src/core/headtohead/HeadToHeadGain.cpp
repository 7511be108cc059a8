// SPDX-License-Identifier: MIT
#include "headtohead/HeadToHeadGain.h"

#include <span>

#include "headtohead/WeekChances.h"

namespace quorvane {

HeadToHeadGain::HeadToHeadGain(const DraftModel& model, const ExpectedStandings& expected,
                               const std::vector<CategoryScale>& scales, std::size_t team)
    : m_model(model), m_scales(scales), m_team(team) {
    const std::size_t categories = model.categories.size();
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        m_teams.push_back({static_cast<double>(expected.filledSlots(t) + expected.openSlots(t)),
                           weeklyLine(expected.expectedTotals(t), model.gamesPerWeek())});
        for (std::size_t c = 0; c < categories; ++c) {
            m_weeks.push_back(
                categoryWeekOf(m_teams.back(), *model.categories[c].formula, scales[c]));
        }
        if (t != team) {
            m_opponents.push_back(t);
        }
    }
    if (team >= m_teams.size()) {
        return;
    }
    m_open = expected.openSlots(team) > 0;
    m_averageWeek = weeklyLine(expected.averagePlayer(), model.gamesPerWeek());
    const std::vector<CategoryWeek> mine(
        m_weeks.begin() + static_cast<std::ptrdiff_t>(team * categories),
        m_weeks.begin() + static_cast<std::ptrdiff_t>((team + 1) * categories));
    double sum = 0.0;
    for (std::size_t o = 0; o < m_opponents.size(); ++o) {
        for (std::size_t c = 0; c < categories; ++c) {
            m_chances.push_back(chance(mine, m_opponents[o], c));
        }
        sum += weekFigure(model,
                          std::span<const double>(m_chances.data() + o * categories, categories));
    }
    m_figure = m_opponents.empty() ? 0.0 : sum / static_cast<double>(m_opponents.size());
}

double HeadToHeadGain::chance(const std::vector<CategoryWeek>& mine, std::size_t opponent,
                              std::size_t category) const {
    const CategoryWeek& theirs = m_weeks[opponent * m_model.categories.size() + category];
    return categoryWinChance(mine[category], theirs, m_scales[category].fewerIsBetter);
}

std::vector<CategoryWeek> HeadToHeadGain::weeksWith(const ModelPlayer& player) const {
    TeamWeek team = m_teams[m_team];
    const StatLine week = weeklyLine(player.stats, m_model.gamesPerWeek());
    for (std::size_t i = 0; i < week.size(); ++i) {
        team.totals[i] += week[i] - m_averageWeek[i];
    }
    std::vector<CategoryWeek> weeks;
    for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
        weeks.push_back(categoryWeekOf(team, *m_model.categories[c].formula, m_scales[c]));
    }
    return weeks;
}

std::optional<double> HeadToHeadGain::gain(const ModelPlayer& player) const {
    if (!m_open) {
        return std::nullopt;
    }
    if (m_opponents.empty()) {
        return 0.0;
    }
    const std::size_t categories = m_model.categories.size();
    const std::vector<CategoryWeek> mine = weeksWith(player);
    std::vector<double> chances(categories);
    double sum = 0.0;
    for (std::size_t o = 0; o < m_opponents.size(); ++o) {
        for (std::size_t c = 0; c < categories; ++c) {
            chances[c] = m_model.categories[c].punted ? m_chances[o * categories + c]
                                                      : chance(mine, m_opponents[o], c);
        }
        sum += weekFigure(m_model, chances);
    }
    return sum / static_cast<double>(m_opponents.size()) - m_figure;
}

std::optional<std::vector<double>> HeadToHeadGain::categoryGains(const ModelPlayer& player) const {
    if (!m_open) {
        return std::nullopt;
    }
    const std::size_t categories = m_model.categories.size();
    std::vector<double> gains(categories, 0.0);
    if (m_opponents.empty()) {
        return gains;
    }
    const std::vector<CategoryWeek> mine = weeksWith(player);
    for (std::size_t o = 0; o < m_opponents.size(); ++o) {
        for (std::size_t c = 0; c < categories; ++c) {
            gains[c] += chance(mine, m_opponents[o], c) - m_chances[o * categories + c];
        }
    }
    for (double& gain : gains) {
        gain /= static_cast<double>(m_opponents.size());
    }
    return gains;
}

}  // namespace quorvane
