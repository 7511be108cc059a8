// SPDX-License-Identifier: MIT
#include "headtohead/Matchups.h"

#include <algorithm>
#include <cmath>

#include "advice/CategoryFigures.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

CategoryWeek categoryWeekOf(const TeamWeek& team, const CategoryFormula& formula,
                            const CategoryScale& scale) {
    if (team.players <= 0.0) {
        return {0.0, 0.0, !scale.ratio};
    }
    const double made = numeratorOf(formula, team.totals);
    if (!scale.ratio) {
        return {made, team.players * scale.tauSquared, true};
    }
    const double attempts = denominatorOf(formula, team.totals);
    if (attempts <= 0.0) {
        return {0.0, 0.0, false};
    }
    const double spread = scale.meanAttempts / attempts;
    return {made / attempts, spread * spread * team.players * scale.tauSquared, true};
}

std::vector<TeamWeek> draftedTeamWeeks(const DraftModel& model, bool includeReserves) {
    std::vector<TeamWeek> weeks(model.teams.size());
    for (const ModelPick& pick : model.picks) {
        if (!includeReserves && upperText(pick.slot) == "R") {
            continue;
        }
        const ModelPlayer* player = model.findPlayer(pick.playerid);
        if (player == nullptr) {
            continue;
        }
        for (std::size_t t = 0; t < model.teams.size(); ++t) {
            if (model.teams[t].teamid == pick.teamid) {
                weeks[t].players += 1.0;
                const StatLine week = weeklyLine(player->stats, model.gamesPerWeek());
                for (std::size_t i = 0; i < week.size(); ++i) {
                    weeks[t].totals[i] += week[i];
                }
            }
        }
    }
    return weeks;
}

TeamWeek averageOpponent(const std::vector<TeamWeek>& teams, std::size_t team) {
    TeamWeek average;
    if (teams.size() < 2) {
        return average;
    }
    for (std::size_t other = 0; other < teams.size(); ++other) {
        if (other == team) {
            continue;
        }
        average.players += teams[other].players;
        for (std::size_t i = 0; i < average.totals.size(); ++i) {
            average.totals[i] += teams[other].totals[i];
        }
    }
    const auto others = static_cast<double>(teams.size() - 1);
    average.players /= others;
    for (double& column : average.totals) {
        column /= others;
    }
    return average;
}

Matchups::Matchups(const DraftModel& model, const std::vector<CategoryScale>& scales,
                   std::vector<TeamWeek> teams)
    : m_model(model),
      m_scales(scales),
      m_teams(std::move(teams)),
      m_categories(model.categories.size()) {
    m_weeks.reserve(m_teams.size() * m_categories);
    for (const TeamWeek& team : m_teams) {
        for (std::size_t c = 0; c < m_categories; ++c) {
            m_weeks.push_back(categoryWeekOf(team, *model.categories[c].formula, scales[c]));
        }
    }
}

MatchupFigures Matchups::matchup(std::size_t a, std::size_t b) const {
    MatchupFigures figures;
    figures.chances.reserve(m_categories);
    for (std::size_t c = 0; c < m_categories; ++c) {
        figures.chances.push_back(
            categoryWinChance(week(a, c), week(b, c), m_scales[c].fewerIsBetter));
    }
    figures.expectedWins = expectedCategoryWins(figures.chances);
    figures.weekWin = weekWinChance(figures.chances);
    return figures;
}

double matchupFigure(const DraftModel& model, const MatchupFigures& figures) {
    return model.headToHeadMode() == kHeadToHeadMostCategories ? figures.weekWin
                                                               : figures.expectedWins;
}

double weekFigure(const DraftModel& model, std::span<const double> chances) {
    return model.headToHeadMode() == kHeadToHeadMostCategories ? weekWinChance(chances)
                                                               : expectedCategoryWins(chances);
}

double Matchups::standing(std::size_t team) const {
    if (m_teams.size() < 2) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t other = 0; other < m_teams.size(); ++other) {
        if (other != team) {
            sum += matchupFigure(m_model, matchup(team, other));
        }
    }
    return sum / static_cast<double>(m_teams.size() - 1);
}

std::vector<double> Matchups::chancesAgainstAverage(std::size_t team) const {
    const TeamWeek average = averageOpponent(m_teams, team);
    std::vector<double> chances;
    chances.reserve(m_categories);
    for (std::size_t c = 0; c < m_categories; ++c) {
        const CategoryWeek theirs =
            categoryWeekOf(average, *m_model.categories[c].formula, m_scales[c]);
        chances.push_back(categoryWinChance(week(team, c), theirs, m_scales[c].fewerIsBetter));
    }
    return chances;
}

namespace {

// Figures equal but for the order their sums were added in (two teams with the same players
// meet each other on different sides) must rank alike.
double rankingKey(double figure) {
    return std::round(figure * 1e9);
}

}  // namespace

std::vector<HeadToHeadStanding> headToHeadStandings(const DraftModel& model,
                                                    const Matchups& matchups) {
    std::vector<HeadToHeadStanding> standings;
    for (std::size_t t = 0; t < model.teams.size() && t < matchups.teamCount(); ++t) {
        standings.push_back(
            {t, model.teams[t].teamid, model.teams[t].teamname, matchups.standing(t), 0});
    }
    for (HeadToHeadStanding& standing : standings) {
        standing.rank =
            1 + static_cast<int>(std::count_if(
                    standings.begin(), standings.end(), [&](const HeadToHeadStanding& other) {
                        return rankingKey(other.figure) > rankingKey(standing.figure);
                    }));
    }
    // model.teams is in draft order, which a stable sort keeps among equal figures.
    std::stable_sort(standings.begin(), standings.end(),
                     [](const HeadToHeadStanding& a, const HeadToHeadStanding& b) {
                         return rankingKey(a.figure) > rankingKey(b.figure);
                     });
    return standings;
}

}  // namespace quorvane
