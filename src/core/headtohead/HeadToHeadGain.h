// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "advice/ExpectedStandings.h"
#include "headtohead/CategoryScales.h"
#include "headtohead/Matchups.h"
#include "model/DraftModel.h"

namespace quorvane {

// The pick advice's gain in a head-to-head league, measured on the standings the draft is
// heading for (the expected rosters of ExpectedStandings: every open starting slot held by the
// expected pool's average player): how much the team's standings figure (its mean expected
// category wins, or week win chance, against the other teams) changes when the player takes
// the place of one average player. A punted category keeps the chances it had, whatever the
// player brings to it.
class HeadToHeadGain {
  public:
    // `team` indexes model.teams; every argument must outlive this.
    HeadToHeadGain(const DraftModel& model, const ExpectedStandings& expected,
                   const std::vector<CategoryScale>& scales, std::size_t team);

    // The team's standings figure on the expected rosters.
    double figure() const { return m_figure; }
    // nullopt when the team has no open starting slot.
    std::optional<double> gain(const ModelPlayer& player) const;
    // Per category of the draft (punted ones included): the change of the team's mean chance
    // against the other teams.
    std::optional<std::vector<double>> categoryGains(const ModelPlayer& player) const;

  private:
    std::vector<CategoryWeek> weeksWith(const ModelPlayer& player) const;
    double chance(const std::vector<CategoryWeek>& mine, std::size_t opponent,
                  std::size_t category) const;

    const DraftModel& m_model;
    const std::vector<CategoryScale>& m_scales;
    std::size_t m_team;
    bool m_open = false;
    std::vector<TeamWeek> m_teams;  // expected, weekly
    StatLine m_averageWeek{};
    std::vector<std::size_t> m_opponents;
    std::vector<CategoryWeek> m_weeks;  // team x category
    std::vector<double> m_chances;      // opponent place x category, as things stand
    double m_figure = 0.0;
};

}  // namespace quorvane
