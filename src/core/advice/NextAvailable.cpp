// SPDX-License-Identifier: MIT
#include "advice/NextAvailable.h"

#include <string>

#include "advice/CategoryFigures.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

constexpr std::size_t kNotAvailable = static_cast<std::size_t>(-1);

int playersOf(const DraftModel& model, int teamid) {
    int count = 0;
    for (const ModelPlayer& player : model.players) {
        count += player.teamid == teamid ? 1 : 0;
    }
    return count;
}

}  // namespace

std::optional<int> picksBeforeNextTurn(const DraftModel& model, std::size_t team) {
    if (model.auction() || team >= model.teams.size()) {
        return std::nullopt;
    }
    const ModelTeam& mine = model.teams[team];
    if (playersOf(model, mine.teamid) + 1 >= model.rounds()) {
        return std::nullopt;
    }
    const int teams = model.teamCount();
    TurnPosition turn{1, "U"};
    for (const ModelTeam& candidate : model.teams) {
        if (candidate.onClock) {
            turn = {candidate.draftposition, model.direction()};
        }
    }
    // Each team comes up within two rounds of turns, whatever the direction.
    const int limit = 2 * teams + 2;
    int steps = 0;
    while (turn.position != mine.draftposition) {
        if (++steps > limit) {
            return std::nullopt;
        }
        turn = nextTurn(model.drafttype(), teams, turn);
    }
    for (int picks = 0; picks <= limit; ++picks) {
        turn = nextTurn(model.drafttype(), teams, turn);
        if (turn.position == mine.draftposition) {
            return picks;
        }
    }
    return std::nullopt;
}

std::vector<double> playerValues(const DraftModel& model) {
    std::vector<double> values;
    values.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        values.push_back(model.pointsLeague() ? fantasyPointsOf(model, player.stats)
                                              : player.dollars);
    }
    return values;
}

NextAvailable::NextAvailable(const DraftModel& model, std::size_t team,
                             const std::vector<std::size_t>& available,
                             const std::vector<double>& values)
    : m_model(model),
      m_available(available),
      m_values(values),
      m_picks(picksBeforeNextTurn(model, team)),
      m_placeInAvailable(model.players.size(), kNotAvailable) {
    for (std::size_t place = 0; place < available.size(); ++place) {
        m_placeInAvailable[available[place]] = place;
    }
    if (m_picks) {
        const auto k = static_cast<std::size_t>(*m_picks);
        m_fromPicks = bestFrom(k);
        m_afterPicks = bestFrom(k + 1);
    }
}

bool NextAvailable::higher(std::size_t a, std::size_t b) const {
    if (m_values[a] != m_values[b]) {
        return m_values[a] > m_values[b];
    }
    return m_model.players[a].playerid < m_model.players[b].playerid;
}

NextAvailable::BestTwo NextAvailable::bestFrom(std::size_t first) const {
    BestTwo best{};
    for (std::size_t place = first; place < m_available.size(); ++place) {
        const std::size_t player = m_available[place];
        for (std::size_t position = 0; position < kPositions; ++position) {
            if ((m_model.players[player].positions & (1U << position)) == 0) {
                continue;
            }
            auto& [top, second] = best[position];
            if (!top || higher(player, *top)) {
                second = top;
                top = player;
            } else if (!second || higher(player, *second)) {
                second = player;
            }
        }
    }
    return best;
}

std::optional<std::size_t> NextAvailable::bestSharing(const BestTwo& best,
                                                      std::size_t player) const {
    std::optional<std::size_t> found;
    for (std::size_t position = 0; position < kPositions; ++position) {
        if ((m_model.players[player].positions & (1U << position)) == 0) {
            continue;
        }
        for (const std::optional<std::size_t>& candidate : best[position]) {
            if (candidate && *candidate != player) {
                if (!found || higher(*candidate, *found)) {
                    found = candidate;
                }
                break;
            }
        }
    }
    return found;
}

std::optional<double> NextAvailable::vona(std::size_t player) const {
    const std::size_t place = m_placeInAvailable[player];
    if (!m_picks || place == kNotAvailable) {
        return std::nullopt;
    }
    // A player among the k best is passed over by the others, who take the next one instead.
    const bool amongPicks = place < static_cast<std::size_t>(*m_picks);
    const std::optional<std::size_t> next =
        bestSharing(amongPicks ? m_afterPicks : m_fromPicks, player);
    return next ? m_values[player] - m_values[*next] : m_values[player];
}

}  // namespace quorvane
