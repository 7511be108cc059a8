// SPDX-License-Identifier: MIT
#include "advice/ExpectedStandings.h"

#include <algorithm>
#include <cmath>

#include "advice/CategoryFigures.h"

namespace quorvane {

namespace {

bool tied(double a, double b) {
    return std::abs(a - b) <= kTieTolerance * std::max({1.0, std::abs(a), std::abs(b)});
}

void addTo(StatLine& sum, const StatLine& line, double times = 1.0) {
    for (std::size_t i = 0; i < sum.size(); ++i) {
        sum[i] += times * line[i];
    }
}

}  // namespace

ExpectedStandings::ExpectedStandings(const DraftModel& model,
                                     const std::vector<std::size_t>& available)
    : m_model(model) {
    const std::size_t teams = model.teams.size();
    const std::size_t categories = model.categories.size();
    std::vector<StatLine> picked(teams, StatLine{});
    std::vector<int> filled(teams, 0);
    for (const ModelPlayer& player : model.players) {
        if (player.available() || !isStartingSlot(player.slot)) {
            continue;
        }
        for (std::size_t t = 0; t < teams; ++t) {
            if (model.teams[t].teamid == player.teamid) {
                addTo(picked[t], player.stats);
                ++filled[t];
            }
        }
    }
    m_filledSlots = filled;
    int poolSize = 0;
    for (std::size_t t = 0; t < teams; ++t) {
        m_openSlots.push_back(std::max(0, model.startingSlots() - filled[t]));
        poolSize += m_openSlots.back();
    }
    m_pool.assign(available.begin(),
                  available.begin() + std::min<std::ptrdiff_t>(
                                          poolSize, static_cast<std::ptrdiff_t>(available.size())));
    for (std::size_t index : m_pool) {
        addTo(m_average, model.players[index].stats);
    }
    if (!m_pool.empty()) {
        for (double& column : m_average) {
            column /= static_cast<double>(m_pool.size());
        }
    }
    for (std::size_t t = 0; t < teams; ++t) {
        m_totals.push_back(picked[t]);
        addTo(m_totals.back(), m_average, m_openSlots[t]);
    }

    for (const ModelCategory& category : model.categories) {
        m_averageNumerator.push_back(numeratorOf(*category.formula, m_average));
        m_averageDenominator.push_back(denominatorOf(*category.formula, m_average));
        m_averageFigure.push_back(
            figureOf(*category.formula, m_averageNumerator.back(), m_averageDenominator.back()));
    }
    m_numerator.resize(teams * categories);
    m_denominator.resize(teams * categories);
    m_figure.resize(teams * categories);
    m_points.resize(teams * categories);
    for (std::size_t t = 0; t < teams; ++t) {
        for (std::size_t c = 0; c < categories; ++c) {
            const ModelCategory& category = model.categories[c];
            const std::size_t at = t * categories + c;
            m_numerator[at] = numeratorOf(*category.formula, m_totals[t]);
            m_denominator[at] = denominatorOf(*category.formula, m_totals[t]);
            m_figure[at] = standingsFigureOf(category, m_numerator[at], m_denominator[at]);
        }
    }
    for (std::size_t t = 0; t < teams; ++t) {
        for (std::size_t c = 0; c < categories; ++c) {
            m_points[t * categories + c] = pointsAgainstOthers(t, c, m_figure[t * categories + c]);
        }
    }
}

double ExpectedStandings::rankPoints(std::size_t team, std::size_t category) const {
    return m_points[team * m_model.categories.size() + category];
}

double ExpectedStandings::pointsAgainstOthers(std::size_t team, std::size_t category,
                                              double figure) const {
    const std::size_t categories = m_model.categories.size();
    const bool fewerIsBetter =
        m_model.categories[category].definition->categoryid == kTurnoversCategory;
    double points = 1.0;
    for (std::size_t other = 0; other < m_model.teams.size(); ++other) {
        if (other == team) {
            continue;
        }
        const double theirs = m_figure[other * categories + category];
        if (tied(figure, theirs)) {
            points += 0.5;
        } else if (fewerIsBetter ? figure < theirs : figure > theirs) {
            points += 1.0;
        }
    }
    return points;
}

double ExpectedStandings::categoryGain(std::size_t team, std::size_t category,
                                       const StatLine& stats) const {
    const ModelCategory& use = m_model.categories[category];
    if (m_model.pointsLeague()) {
        return use.weight * (figureOf(*use.formula, stats) - m_averageFigure[category]);
    }
    const std::size_t at = team * m_model.categories.size() + category;
    const double numerator =
        m_numerator[at] + numeratorOf(*use.formula, stats) - m_averageNumerator[category];
    const double denominator =
        m_denominator[at] + denominatorOf(*use.formula, stats) - m_averageDenominator[category];
    const double figure = standingsFigureOf(use, numerator, denominator);
    return pointsAgainstOthers(team, category, figure) - m_points[at];
}

std::optional<double> ExpectedStandings::gain(std::size_t team, const ModelPlayer& player) const {
    if (m_openSlots[team] == 0) {
        return std::nullopt;
    }
    double total = 0.0;
    for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
        if (!m_model.categories[c].punted) {
            total += categoryGain(team, c, player.stats);
        }
    }
    return total;
}

std::optional<std::vector<double>> ExpectedStandings::categoryGains(
    std::size_t team, const ModelPlayer& player) const {
    if (m_openSlots[team] == 0) {
        return std::nullopt;
    }
    std::vector<double> gains;
    for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
        gains.push_back(categoryGain(team, c, player.stats));
    }
    return gains;
}

}  // namespace quorvane
