// SPDX-License-Identifier: MIT
#include "hscores/HScoreBasis.h"

#include <algorithm>
#include <numeric>

#include "advice/ValueOrder.h"
#include "hscores/XScores.h"

namespace quorvane {

HScoreBasis::HScoreBasis(const DraftModel& model, const GScores& gScores)
    : m_categories(model.categories.size()),
      m_g(model.players.size(), 0.0),
      m_neutral(neutralWeights(gScores.scales())),
      m_uncertainty(uncertaintyWeights(gScores.scales())) {
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        for (std::size_t c = 0; c < m_categories; ++c) {
            m_g[p] += gScores.g(p, c);
        }
    }
    std::vector<std::size_t> everyone(model.players.size());
    std::iota(everyone.begin(), everyone.end(), std::size_t{0});
    const auto size =
        static_cast<std::size_t>(std::max(0, model.teamCount() * model.startingSlots()));
    m_pool = bestOf(std::move(everyone), size,
                    [&](std::size_t a, std::size_t b) { return betterByG(model, *this, a, b); });
    m_x = xScores(model, gScores.scales(), m_pool);
    m_covariance = positionCovariance(model, m_x, m_pool);
}

bool betterByG(const DraftModel& model, const HScoreBasis& basis, std::size_t a, std::size_t b) {
    if (basis.g(a) != basis.g(b)) {
        return basis.g(a) > basis.g(b);
    }
    return model.players[a].playerid < model.players[b].playerid;
}

}  // namespace quorvane
