// SPDX-License-Identifier: MIT
#include "projections/StoredPlayers.h"

#include <cstdlib>

#include "store/ProjectionRepository.h"

namespace quorvane {

namespace {

// About 22 of every 100 rebounds in the league are offensive (2017-18 and 2018-19).
constexpr double kTypicalOffensiveShare = 0.22;

constexpr std::size_t kOrebIndex = 8;
constexpr std::size_t kDrebIndex = 9;

// In 64 bits: a row stored before figures were range-checked may hold anything an int can.
long long reboundsOf(const ProjectionRow& row) {
    return static_cast<long long>(row.stats[kOrebIndex]) + row.stats[kDrebIndex];
}

// Nearer seasons first; of two equally near, the earlier (last season before a projection).
bool nearer(int candidate, int best, int season) {
    const int a = std::abs(candidate - season);
    const int b = std::abs(best - season);
    return a < b || (a == b && candidate < best);
}

}  // namespace

bool StoredPlayers::load(Connection& connection) {
    auto rows = readProjectionRows(connection);
    if (!rows) {
        return false;
    }
    m_rows.clear();
    m_seasonRebounds.clear();
    for (ProjectionRow& row : *rows) {
        Rebounds& season = m_seasonRebounds[row.yearofprojection];
        season.offensive += row.stats[kOrebIndex];
        season.total += reboundsOf(row);
        m_rows[row.playerid].push_back(std::move(row));
    }
    return true;
}

const ProjectionRow* StoredPlayers::row(int playerid, int season) const {
    const auto found = m_rows.find(playerid);
    if (found == m_rows.end()) {
        return nullptr;
    }
    for (const ProjectionRow& candidate : found->second) {
        if (candidate.yearofprojection == season) {
            return &candidate;
        }
    }
    return nullptr;
}

const ProjectionRow* StoredPlayers::anyRow(int playerid, int season) const {
    if (const ProjectionRow* own = row(playerid, season)) {
        return own;
    }
    const auto found = m_rows.find(playerid);
    if (found == m_rows.end() || found->second.empty()) {
        return nullptr;
    }
    const ProjectionRow* latest = &found->second.front();
    for (const ProjectionRow& candidate : found->second) {
        if (candidate.yearofprojection > latest->yearofprojection) {
            latest = &candidate;
        }
    }
    return latest;
}

std::vector<int> StoredPlayers::playerIds() const {
    std::vector<int> ids;
    ids.reserve(m_rows.size());
    for (const auto& [playerid, rows] : m_rows) {
        ids.push_back(playerid);
    }
    return ids;
}

PlayerNameMatcher StoredPlayers::matcher(int season) const {
    PlayerNameMatcher matcher;
    for (const auto& [playerid, rows] : m_rows) {
        PlayerCandidate candidate{playerid, {}, {}};
        if (const ProjectionRow* own = row(playerid, season)) {
            candidate.teams.push_back(own->team);
        }
        for (const ProjectionRow& other : rows) {
            candidate.teams.push_back(other.team);
            for (std::size_t i = 0; i < candidate.flags.size(); ++i) {
                candidate.flags[i] |= other.flags[i];
            }
        }
        for (const ProjectionRow& other : rows) {
            matcher.addPlayer(other.firstname, other.lastname, candidate);
        }
    }
    return matcher;
}

double StoredPlayers::offensiveReboundShare(std::optional<int> playerid, int season) const {
    if (playerid) {
        if (const auto found = m_rows.find(*playerid); found != m_rows.end()) {
            const ProjectionRow* best = nullptr;
            for (const ProjectionRow& other : found->second) {
                if (other.yearofprojection != season && reboundsOf(other) > 0 &&
                    (!best || nearer(other.yearofprojection, best->yearofprojection, season))) {
                    best = &other;
                }
            }
            if (best) {
                return static_cast<double>(best->stats[kOrebIndex]) /
                       static_cast<double>(reboundsOf(*best));
            }
        }
    }
    std::optional<int> chosen;
    for (const auto& [year, rebounds] : m_seasonRebounds) {
        if (year != season && rebounds.total > 0 && (!chosen || nearer(year, *chosen, season))) {
            chosen = year;
        }
    }
    if (!chosen && m_seasonRebounds.contains(season) && m_seasonRebounds.at(season).total > 0) {
        chosen = season;
    }
    if (!chosen) {
        return kTypicalOffensiveShare;
    }
    const Rebounds& rebounds = m_seasonRebounds.at(*chosen);
    return static_cast<double>(rebounds.offensive) / static_cast<double>(rebounds.total);
}

}  // namespace quorvane
