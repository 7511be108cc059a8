// SPDX-License-Identifier: MIT
#include "advice/ZScores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "advice/CategoryFigures.h"
#include "advice/MoneyShare.h"
#include "advice/ValueOrder.h"

namespace quorvane {

namespace {

std::vector<std::size_t> everyPlayer(const DraftModel& model) {
    std::vector<std::size_t> indices(model.players.size());
    std::iota(indices.begin(), indices.end(), std::size_t{0});
    return indices;
}

// A deviation this small against the mean is rounding noise over equal figures.
bool noSpread(const CategoryMoments& moments) {
    return moments.sd <= 1e-12 * std::max(1.0, std::abs(moments.mean));
}

}  // namespace

ZScores::ZScores(const DraftModel& model)
    : m_model(model), m_categories(model.categories.size()), m_auction(model.auction()) {
    const std::size_t size =
        static_cast<std::size_t>(std::max(0, model.teamCount() * model.startingSlots()));
    const std::vector<std::size_t> players = everyPlayer(model);

    const auto byTotal = [this](std::size_t a, std::size_t b) {
        if (m_total[a] != m_total[b]) {
            return m_total[a] > m_total[b];
        }
        return m_model.players[a].playerid < m_model.players[b].playerid;
    };
    std::vector<std::size_t> firstPass;
    if (model.headToHead()) {
        // The draft's value is itself worked out from these z-scores (G): starting from it
        // would make each valuation depend on the one before. The first pass takes the best
        // by total z against every player of the season instead.
        measure(momentsOver(players));
        firstPass = bestOf(players, size, byTotal);
    } else {
        firstPass = bestOf(players, size, [&model](std::size_t a, std::size_t b) {
            return valuedBefore(model, model.players[a], model.players[b]);
        });
    }
    measure(momentsOver(firstPass));

    m_pool = bestOf(players, size, byTotal);
    m_moments = momentsOver(m_pool);
    measure(m_moments);
    m_top = bestOf(players, size, byTotal);

    if (!m_auction) {
        return;
    }
    const double money =
        model.teamCount() * model.cap() - static_cast<double>(size) * model.minbid();
    const MoneyShare share = shareMoney(m_total, m_top, money);
    m_edge = share.edge;
    m_rate = share.rate;
}

std::optional<double> ZScores::dollars(std::size_t player) const {
    if (!m_auction) {
        return std::nullopt;
    }
    return m_model.minbid() + (m_total[player] - m_edge) * m_rate;
}

double ZScores::rawFigure(std::size_t player, std::size_t category,
                          const CategoryMoments& moments) const {
    const CategoryFormula& formula = *m_model.categories[category].formula;
    const StatLine& stats = m_model.players[player].stats;
    if (formula.kind == FigureKind::Volume) {
        return numeratorOf(formula, stats) - moments.rate * denominatorOf(formula, stats);
    }
    return figureOf(formula, stats);
}

std::vector<CategoryMoments> ZScores::momentsOver(const std::vector<std::size_t>& pool) const {
    std::vector<CategoryMoments> moments(m_categories);
    if (pool.empty()) {
        return moments;
    }
    const double count = static_cast<double>(pool.size());
    for (std::size_t c = 0; c < m_categories; ++c) {
        CategoryMoments& category = moments[c];
        const CategoryFormula& formula = *m_model.categories[c].formula;
        if (formula.kind == FigureKind::Volume) {
            double made = 0.0;
            double attempted = 0.0;
            for (std::size_t player : pool) {
                made += numeratorOf(formula, m_model.players[player].stats);
                attempted += denominatorOf(formula, m_model.players[player].stats);
            }
            category.rate = attempted == 0.0 ? 0.0 : made / attempted;
        }
        double sum = 0.0;
        for (std::size_t player : pool) {
            sum += rawFigure(player, c, category);
        }
        category.mean = sum / count;
        double squares = 0.0;
        for (std::size_t player : pool) {
            const double difference = rawFigure(player, c, category) - category.mean;
            squares += difference * difference;
        }
        category.sd = std::sqrt(squares / count);
    }
    return moments;
}

void ZScores::measure(const std::vector<CategoryMoments>& moments) {
    const std::size_t players = m_model.players.size();
    m_z.assign(players * m_categories, 0.0);
    m_total.assign(players, 0.0);
    for (std::size_t c = 0; c < m_categories; ++c) {
        const CategoryMoments& category = moments[c];
        if (noSpread(category)) {
            continue;
        }
        const bool fewerIsBetter =
            m_model.categories[c].definition->categoryid == kTurnoversCategory;
        const bool counted = !m_model.categories[c].punted;
        for (std::size_t p = 0; p < players; ++p) {
            double z = (rawFigure(p, c, category) - category.mean) / category.sd;
            if (fewerIsBetter) {
                z = -z;
            }
            m_z[p * m_categories + c] = z;
            if (counted) {
                m_total[p] += z;
            }
        }
    }
}

}  // namespace quorvane
