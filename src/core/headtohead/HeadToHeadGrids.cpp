// SPDX-License-Identifier: MIT
#include "headtohead/HeadToHeadGrids.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

constexpr Rgb kWinColour{150, 220, 150};
constexpr Rgb kLossColour{235, 150, 150};

bool mostCategories(const DraftModel& model) {
    return model.headToHeadMode() == kHeadToHeadMostCategories;
}

std::uint8_t towards(std::uint8_t to, double share) {
    return static_cast<std::uint8_t>(std::lround(255.0 - share * (255.0 - to)));
}

std::vector<std::string> matchupRow(const std::string& name, const MatchupFigures& figures) {
    std::vector<std::string> row{name};
    for (const double chance : figures.chances) {
        row.push_back(chanceText(chance));
    }
    row.push_back(fmt::format("{:.2f}", figures.expectedWins + 0.0));
    row.push_back(chanceText(figures.weekWin));
    return row;
}

// Each category by its own chance, the expected wins by the share of the categories they make
// and the week by its win chance; the opponent's name stays plain.
std::vector<std::optional<Rgb>> matchupColours(const MatchupFigures& figures, double categories) {
    std::vector<std::optional<Rgb>> colours{std::nullopt};
    for (const double chance : figures.chances) {
        colours.push_back(chanceColour(chance));
    }
    colours.push_back(chanceColour(figures.expectedWins / categories));
    colours.push_back(chanceColour(figures.weekWin));
    return colours;
}

}  // namespace

std::string chanceText(double chance) {
    return fmt::format("{:.1f}%", chance * 100.0 + 0.0);
}

Rgb chanceColour(double chance) {
    const double share = std::min(1.0, std::abs(chance - 0.5) * 2.0);
    const Rgb& to = chance >= 0.5 ? kWinColour : kLossColour;
    return {towards(to.red, share), towards(to.green, share), towards(to.blue, share)};
}

GridTable headToHeadStandingsGrid(const DraftModel& model,
                                  const std::vector<HeadToHeadStanding>& standings) {
    GridTable grid;
    const bool most = mostCategories(model);
    grid.headings = {"Owner", most ? "Win %" : "Exp. Wins", "Rank"};
    for (const HeadToHeadStanding& standing : standings) {
        grid.rows.push_back(
            {standing.teamname,
             most ? chanceText(standing.figure) : fmt::format("{:.2f}", standing.figure + 0.0),
             std::to_string(standing.rank)});
    }
    return grid;
}

GridTable matchupGrid(const DraftModel& model, const Matchups& matchups, std::size_t team) {
    GridTable grid;
    grid.headings.push_back("Opponent");
    for (const ModelCategory& category : model.categories) {
        grid.headings.emplace_back(category.definition->heading);
    }
    grid.headings.push_back("Exp. Wins");
    grid.headings.push_back("Win %");
    if (team >= matchups.teamCount()) {
        return grid;
    }
    const double categories =
        static_cast<double>(std::max<std::size_t>(1, model.categories.size()));
    for (std::size_t other = 0; other < matchups.teamCount(); ++other) {
        if (other == team) {
            continue;
        }
        const MatchupFigures figures = matchups.matchup(team, other);
        grid.rows.push_back(matchupRow(model.teams[other].teamname, figures));
        grid.cellColours.push_back(matchupColours(figures, categories));
    }
    if (matchups.teamCount() > 1) {
        MatchupFigures average;
        average.chances = matchups.chancesAgainstAverage(team);
        average.expectedWins = expectedCategoryWins(average.chances);
        average.weekWin = weekWinChance(average.chances);
        grid.rows.push_back(matchupRow(kAverageOpponentName, average));
        grid.cellColours.push_back(matchupColours(average, categories));
    }
    return grid;
}

}  // namespace quorvane
