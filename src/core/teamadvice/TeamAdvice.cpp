// SPDX-License-Identifier: MIT
#include "teamadvice/TeamAdvice.h"

#include <algorithm>

#include "advice/ValueOrder.h"
#include "text/NumberText.h"

namespace quorvane {

TeamAdvice::TeamAdvice(const DraftModel& model, std::size_t team)
    : m_model(model),
      m_team(team),
      m_available(availableByValue(model)),
      m_z(model),
      m_g(model.headToHead() ? std::optional<GScores>(std::in_place, model, m_z) : std::nullopt),
      m_values(m_g ? m_g->totals() : playerValues(model)),
      m_standings(model, m_available),
      m_next(model, team, m_available, m_values) {
    if (m_g) {
        m_headToHeadGain.emplace(model, m_standings, m_g->scales(), team);
    }
    m_rows.reserve(m_available.size());
    for (std::size_t index : m_available) {
        const ModelPlayer& player = model.players[index];
        const bool showPoints = model.pointsLeague() && !model.auction();
        m_rows.push_back(
            {index, player.playerid, player.firstname, player.lastname, player.pos,
             showPoints ? m_values[index] : player.dollars, player.rank,
             m_g ? m_g->total(index) : m_z.total(index),
             m_g ? m_g->auctionDollars(index) : m_z.dollars(index),
             m_headToHeadGain ? m_headToHeadGain->gain(player) : m_standings.gain(team, player),
             m_next.vona(index)});
    }
    // The rows arrive in the draft's order of value, which a stable sort keeps among equals.
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const AdviceRow& a, const AdviceRow& b) {
        if (a.gain && b.gain) {
            return *a.gain > *b.gain;
        }
        return a.gain.has_value() && !b.gain.has_value();
    });
}

std::vector<CategoryAdvice> TeamAdvice::categories(int playerid) const {
    std::vector<CategoryAdvice> result;
    const ModelPlayer* player = m_model.findPlayer(playerid);
    if (player == nullptr) {
        return result;
    }
    const auto index = static_cast<std::size_t>(player - m_model.players.data());
    const std::optional<std::vector<double>> gains =
        m_headToHeadGain ? m_headToHeadGain->categoryGains(*player)
                         : m_standings.categoryGains(m_team, *player);
    for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
        const ModelCategory& category = m_model.categories[c];
        result.push_back({category.definition->categoryid,
                          std::string(category.definition->heading), category.punted,
                          m_g ? m_g->g(index, c) : m_z.z(index, c),
                          gains ? std::optional<double>((*gains)[c]) : std::nullopt});
    }
    return result;
}

GridTable TeamAdvice::grid() const {
    GridTable table;
    table.headings = {"playerid", "Name", "Pos", "Value", "RK", "Z", "Z$", "Gain", "VONA"};
    table.hiddenColumns = {0};
    for (const AdviceRow& row : m_rows) {
        table.rows.push_back({std::to_string(row.playerid), row.firstname + " " + row.lastname,
                              row.pos, twoDecimalsOrEmpty(row.value),
                              row.rank > 0 ? std::to_string(row.rank) : std::string(),
                              twoDecimalsOrEmpty(row.z), twoDecimalsOrEmpty(row.zDollars),
                              twoDecimalsOrEmpty(row.gain), twoDecimalsOrEmpty(row.vona)});
    }
    return table;
}

}  // namespace quorvane
