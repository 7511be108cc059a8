// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "headtohead/CategoryScales.h"
#include "headtohead/WeekChances.h"
#include "model/DraftModel.h"

namespace quorvane {

// A team's week: how many players it counts and their weekly figures summed.
struct TeamWeek {
    double players = 0.0;  // fractional only for the league's average team
    StatLine totals{};     // weekly units
};

// The team's week in one category. A counting category: mean M = the summed weekly figure,
// variance n x tau^2. A ratio category: W = the weekly attempts, R = made / W, variance
// A-bar^2 x n x tau^2 / W^2; a team without attempts has no ratio. A team without counted
// players has mean 0 and variance 0 (and no attempts).
CategoryWeek categoryWeekOf(const TeamWeek& team, const CategoryFormula& formula,
                            const CategoryScale& scale);

// Every team's week (in model.teams order) from the rosters drafted so far: the players in
// starting slots, and the reserves too when asked. A pick without a slot counts; a pick of a
// player the projections do not hold does not.
std::vector<TeamWeek> draftedTeamWeeks(const DraftModel& model, bool includeReserves);

// The league's average team as one team meets it: each weekly total and the counted players
// are the means over the other teams (the team itself left out). Empty without other teams.
TeamWeek averageOpponent(const std::vector<TeamWeek>& teams, std::size_t team);

// One week of A against B.
struct MatchupFigures {
    std::vector<double> chances;  // A beats B, per category of the draft
    double expectedWins = 0.0;    // Each Category
    double weekWin = 0.0;         // Most Categories
};

// Every team's week against every other's, under the draft's categories (all of them: a punt is
// the user's plan, not the league's rule).
class Matchups {
  public:
    // `teams` in model.teams order; the model and the scales must outlive this.
    Matchups(const DraftModel& model, const std::vector<CategoryScale>& scales,
             std::vector<TeamWeek> teams);

    std::size_t teamCount() const { return m_teams.size(); }
    const TeamWeek& team(std::size_t team) const { return m_teams[team]; }
    const CategoryWeek& week(std::size_t team, std::size_t category) const {
        return m_weeks[team * m_categories + category];
    }

    MatchupFigures matchup(std::size_t a, std::size_t b) const;
    // The standings figure: a team's mean over the other teams of its expected category wins
    // (Each Category) or of its chance to win the week (Most Categories); 0 without others.
    double standing(std::size_t team) const;
    // Per category, the team's chance against averageOpponent.
    std::vector<double> chancesAgainstAverage(std::size_t team) const;

  private:
    const DraftModel& m_model;
    const std::vector<CategoryScale>& m_scales;
    std::vector<TeamWeek> m_teams;
    std::size_t m_categories = 0;
    std::vector<CategoryWeek> m_weeks;
};

// What the league plays for: the expected category wins, or the week's win chance.
double matchupFigure(const DraftModel& model, const MatchupFigures& figures);
// The same from one week's chances per category.
double weekFigure(const DraftModel& model, std::span<const double> chances);

// A team's place in the head-to-head standings.
struct HeadToHeadStanding {
    std::size_t team = 0;  // index into model.teams
    int teamid = 0;
    std::string teamname;
    double figure = 0.0;
    int rank = 0;  // 1 + the teams with a higher figure
};

// Best figure first; equal figures share a rank and keep the draft order.
std::vector<HeadToHeadStanding> headToHeadStandings(const DraftModel& model,
                                                    const Matchups& matchups);

}  // namespace quorvane
