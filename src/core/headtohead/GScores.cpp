// SPDX-License-Identifier: MIT
#include "headtohead/GScores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "advice/ValueOrder.h"

namespace quorvane {

GScores::GScores(const DraftModel& model, const ZScores& zScores)
    : m_model(model),
      m_z(zScores),
      m_kappa(kappaOf(model.startingSlots())),
      m_scales(categoryScales(model, zScores)) {
    for (const CategoryScale& scale : m_scales) {
        m_shrink.push_back(1.0 / std::sqrt(1.0 + m_kappa * scale.varianceRatio));
    }
    const std::size_t players = model.players.size();
    m_total.assign(players, 0.0);
    for (std::size_t p = 0; p < players; ++p) {
        for (std::size_t c = 0; c < model.categories.size(); ++c) {
            if (!model.categories[c].punted) {
                m_total[p] += g(p, c);
            }
        }
    }
    const std::size_t size =
        static_cast<std::size_t>(std::max(0, model.teamCount() * model.startingSlots()));
    std::vector<std::size_t> everyone(players);
    std::iota(everyone.begin(), everyone.end(), std::size_t{0});
    const std::vector<std::size_t> top =
        bestOf(std::move(everyone), size, [this](std::size_t a, std::size_t b) {
            if (m_total[a] != m_total[b]) {
                return m_total[a] > m_total[b];
            }
            return m_model.players[a].playerid < m_model.players[b].playerid;
        });
    const double money =
        model.teamCount() * model.cap() - static_cast<double>(size) * model.minbid();
    m_money = shareMoney(m_total, top, money);
}

double GScores::g(std::size_t player, std::size_t category) const {
    return m_z.z(player, category) * m_shrink[category];
}

double GScores::dollars(std::size_t player) const {
    return m_money.dollars(m_total[player], m_model.minbid());
}

std::optional<double> GScores::auctionDollars(std::size_t player) const {
    if (!m_model.auction()) {
        return std::nullopt;
    }
    return dollars(player);
}

}  // namespace quorvane
