// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvane {

// How a category's value is shown: counts plainly, per-game and assist ratios with two
// decimals, percentages with three decimals and no leading zero.
enum class CategoryFormat { Count, TwoDecimals, ThreeDecimals };

// One scoring statistic. Every rule that switches on a category reads this table (and the
// formulas and SGP terms below, one row per entry), so a new category is one new row here.
struct CategoryDefinition {
    int categoryid;
    std::string_view label;         // shown to the user ("Assists/TO")
    std::string_view heading;       // grid heading and category.symbol ("A/T")
    std::string_view setupCaption;  // caption of its box in the setup editor ("Assists/TO")
    bool ratio;                     // team value from team sums, not a sum over players
    CategoryFormat format;
    // Whether a player without the figure's denominator works in the SGP's figures as
    // kAssistsPerNoTurnover rather than 0 (assists per turnover of a player without turnovers).
    bool marksNoDenominator;
};

// The 27 categories in id order (ids 1-9 and 14-31).
std::span<const CategoryDefinition> categoryCatalogue();

// The definition of an id, or nullptr for an id outside the catalogue (0, 10-13, 32 ...).
const CategoryDefinition* findCategory(int categoryid);

// The label of an id, empty for an id outside the catalogue.
std::string categoryLabel(int categoryid);

// Category ids of the setup editor's 27 boxes, in box order.
inline constexpr std::array<int, 27> kSetupCategoryBoxes = {1,  2,  3,  28, 5,  6,  7,  8,  9,
                                                            21, 22, 14, 19, 20, 15, 16, 18, 17,
                                                            26, 25, 27, 29, 4,  23, 24, 30, 31};

// The projection columns a category's figure is made from, for figures computed in memory.
enum class StatColumn : std::uint8_t {
    Games,
    Fta,
    Ftm,
    Fga,
    Fgm,
    Pt3a,
    Pt3m,
    Oreb,
    Dreb,
    Assists,
    Steals,
    Blocks,
    Turnovers,
    DoubleDouble,
    TripleDouble,
};
inline constexpr std::size_t kStatColumnCount = 15;

// How a player's figure in a category compares with others': a season count, a figure per game
// played, or a percentage whose weight is the player's volume (made against attempted; assists
// against turnovers).
enum class FigureKind { Count, PerGame, Volume };

struct StatTerm {
    StatColumn column = StatColumn::Games;
    double factor = 0.0;  // 0 marks an unused term
};

// A category's figure as columns: the numerator's terms summed, divided by the denominator's
// column where there is one (0 when that column sums to 0). Team figures divide the team's
// summed columns, so a ratio is never an average of ratios.
struct CategoryFormula {
    int categoryid;
    FigureKind kind;
    std::array<StatTerm, 3> numerator;
    std::optional<StatColumn> denominator;
};

// The formula of a catalogue entry.
const CategoryFormula& categoryFormula(const CategoryDefinition& category);

// A ratio category's SGP term: the league's made and attempted figures (per team but one when
// perTeam) with the player's added, less the league's figure, per denominator. The player's made
// and attempted figures are his formula's numerator and denominator.
struct RatioSgpTerm {
    int categoryid;
    double leagueNumerator;
    double leagueDenominator;
    double leagueFigure;
    bool perTeam;
};

// The term of a ratio category; nullptr for a count category (its term is statistic per
// denominator).
const RatioSgpTerm* ratioSgpTerm(const CategoryDefinition& category);

// What a player without turnovers holds in assists per turnover for the SGP's work figures.
inline constexpr double kAssistsPerNoTurnover = 9999.0;

// How much a category's weekly figures swing around a player's mean, against how much the
// players' means differ: r = tau^2 / sigma^2 (a head-to-head league's week-to-week variance
// ratio). Measured on the 2024-25 season's weekly totals for the nine usual categories; a
// category without a measurement gets kOtherVarianceRatio.
double defaultVarianceRatio(int categoryid);
inline constexpr double kOtherVarianceRatio = 1.5;

// The only category in which fewer is better.
inline constexpr int kTurnoversCategory = 9;

}  // namespace quorvane
