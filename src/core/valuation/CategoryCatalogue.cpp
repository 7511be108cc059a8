// SPDX-License-Identifier: MIT
#include "valuation/CategoryCatalogue.h"

#include <fmt/format.h>

#include "store/NumberText.h"

namespace quorvane {

namespace {

using F = CategoryFormat;

constexpr std::array<CategoryDefinition, 27> kCatalogue = {{
    {1, "Points", "PTS", "Points", false, F::Count, "(dp.ftm + 2.0*dp.fgm + dp.pt3m)", "", "Pts",
     "{c}/{d}"},
    {2, "Assists", "AST", "Assists", false, F::Count, "dp.assists", "", "ast", "{c}/{d}"},
    {3, "Steals", "STL", "Steals", false, F::Count, "dp.steals", "", "st", "{c}/{d}"},
    {4, "Assists/Game", "APG", "Assists/Game", true, F::TwoDecimals,
     "IIF(dp.games=0,0,dp.assists*1.0/dp.games)",
     "IIF(sum(dp.games)=0,0,sum(dp.assists)*1.0/sum(dp.games))", "apg",
     "(((2540.0 + ast)/(680.0 + games)) - 2.36)/{d}"},
    {5, "Rebounds", "REB", "Rebounds", false, F::Count, "(dp.oreb + dp.dreb)", "", "reb",
     "{c}/{d}"},
    {6, "Off. Rebounds", "OREB", "Off. Rebounds", false, F::Count, "dp.oreb", "", "oreb",
     "{c}/{d}"},
    {7, "Def. Rebounds", "DREB", "Def. Rebounds", false, F::Count, "dp.dreb", "", "dreb",
     "{c}/{d}"},
    {8, "Assists/TO", "A/T", "Assists/TO", true, F::TwoDecimals,
     "IIF(dp.turnovers=0,0,dp.assists*1.0/dp.turnovers)",
     "IIF(sum(dp.turnovers)=0,0,sum(dp.assists)*1.0/sum(dp.turnovers))", "a_t",
     "(((2540.0 + ast)/(1590.0 + turnovers)) - 1.59)/{d}",
     "IIF(dp.turnovers=0,9999,dp.assists*1.0/dp.turnovers)"},
    {9, "Turnovers", "TO", "Turnovers", false, F::Count, "dp.turnovers", "", "turnovers",
     "{c}/{d}"},
    {14, "FT Pct", "FTP", "FT Pct", true, F::ThreeDecimals, "IIF(dp.fta=0,0,dp.ftm*1.0/dp.fta)",
     "IIF(sum(dp.fta)=0,0,sum(dp.ftm)*1.0/sum(dp.fta))", "ftpct",
     "((((245.0*({t1})) + ftm)/((296.0*({t1})) + fta)) - .828)/{d}"},
    {15, "FG Pct", "FGP", "FG Pct", true, F::ThreeDecimals, "IIF(dp.fga=0,0,dp.fgm*1.0/dp.fga)",
     "IIF(sum(dp.fga)=0,0,sum(dp.fgm)*1.0/sum(dp.fga))", "fgpct",
     "((((500.0*({t1})) + fgm)/((1032.0*({t1})) + fga)) - .484)/{d}"},
    {16, "3PTM", "3PT", "3 PTM", false, F::Count, "dp.pt3m", "", "pt3m", "{c}/{d}"},
    {17, "3PT Pct", "3PCT", "3 PT Pct", true, F::ThreeDecimals,
     "IIF(dp.pt3a=0,0,dp.pt3m*1.0/dp.pt3a)", "IIF(sum(dp.pt3a)=0,0,sum(dp.pt3m)*1.0/sum(dp.pt3a))",
     "pt3pct", "(((1441.0 + pt3m)/(3960.0 + pt3att)) - .364)/{d}"},
    {18, "3PTA", "3PTA", "3 PTA", false, F::Count, "dp.pt3a", "", "pt3att", "{c}/{d}"},
    {19, "FGM", "FGM", "FGM", false, F::Count, "dp.fgm", "", "fgm", "{c}/{d}"},
    {20, "FGA", "FGA", "FGA", false, F::Count, "dp.fga", "", "fga", "{c}/{d}"},
    {21, "FTM", "FTM", "FTM", false, F::Count, "dp.ftm", "", "ftm", "{c}/{d}"},
    {22, "FTA", "FTA", "FTA", false, F::Count, "dp.fta", "", "fta", "{c}/{d}"},
    {23, "Double-Doubles", "DD", "Double-Doubles", false, F::Count, "dp.doubledouble", "",
     "doubledouble", "{c}/{d}"},
    {24, "Triple-Doubles", "TD", "Triple-Double", false, F::Count, "dp.tripledouble", "",
     "tripledouble", "{c}/{d}"},
    {25, "Points/Game", "PPG", "Points/Game", true, F::TwoDecimals,
     "IIF(dp.games=0,0,(dp.ftm + 2.0*dp.fgm + dp.pt3m)/dp.games)",
     "IIF(sum(dp.games)=0,0,(sum(dp.ftm) + 2.0*sum(dp.fgm) + sum(dp.pt3m))/sum(dp.games))", "ppg",
     "(((11580.0 + pts)/(680.0 + games)) - 17.2)/{d}"},
    {26, "Rebounds/Game", "RPG", "Rebounds/Game", true, F::TwoDecimals,
     "IIF(dp.games=0,0,(dp.oreb + dp.dreb)*1.0/dp.games)",
     "IIF(sum(dp.games)=0,0,(sum(dp.oreb) + sum(dp.dreb))*1.0/sum(dp.games))", "rpg",
     "(((4260.0 + reb)/(680.0 + games)) - 6.33)/{d}"},
    {27, "Steals/Game", "SPG", "Steals/Game", true, F::TwoDecimals,
     "IIF(dp.games=0,0,dp.steals*1.0/dp.games)",
     "IIF(sum(dp.games)=0,0,sum(dp.steals)*1.0/sum(dp.games))", "spg",
     "(((720.0 + st)/(680.0 + games)) - 1.07)/{d}"},
    {28, "Blocks", "BLK", "Blocks", false, F::Count, "dp.blocks", "", "bk", "{c}/{d}"},
    {29, "Blocks/Game", "BPG", "Blocks/Game", true, F::TwoDecimals,
     "IIF(dp.games=0,0,dp.blocks*1.0/dp.games)",
     "IIF(sum(dp.games)=0,0,sum(dp.blocks)*1.0/sum(dp.games))", "bpg",
     "(((490.0 + bk)/(680.0 + games)) - .726)/{d}"},
    {30, "2PT FGA", "2PTA", "2PT FGA", false, F::Count, "(dp.fga - dp.pt3a)", "", "pt2a",
     "{c}/{d}"},
    {31, "2PT FGM", "2PTM", "2PT FGM", false, F::Count, "(dp.fgm - dp.pt3m)", "", "pt2m",
     "{c}/{d}"},
}};

using C = StatColumn;
using K = FigureKind;
constexpr std::optional<StatColumn> kNoDenominator;

// In catalogue order, one row per entry of kCatalogue.
constexpr std::array<CategoryFormula, 27> kFormulas = {{
    {1, K::Count, {{{C::Ftm, 1}, {C::Fgm, 2}, {C::Pt3m, 1}}}, kNoDenominator},
    {2, K::Count, {{{C::Assists, 1}}}, kNoDenominator},
    {3, K::Count, {{{C::Steals, 1}}}, kNoDenominator},
    {4, K::PerGame, {{{C::Assists, 1}}}, C::Games},
    {5, K::Count, {{{C::Oreb, 1}, {C::Dreb, 1}}}, kNoDenominator},
    {6, K::Count, {{{C::Oreb, 1}}}, kNoDenominator},
    {7, K::Count, {{{C::Dreb, 1}}}, kNoDenominator},
    {8, K::Volume, {{{C::Assists, 1}}}, C::Turnovers},
    {9, K::Count, {{{C::Turnovers, 1}}}, kNoDenominator},
    {14, K::Volume, {{{C::Ftm, 1}}}, C::Fta},
    {15, K::Volume, {{{C::Fgm, 1}}}, C::Fga},
    {16, K::Count, {{{C::Pt3m, 1}}}, kNoDenominator},
    {17, K::Volume, {{{C::Pt3m, 1}}}, C::Pt3a},
    {18, K::Count, {{{C::Pt3a, 1}}}, kNoDenominator},
    {19, K::Count, {{{C::Fgm, 1}}}, kNoDenominator},
    {20, K::Count, {{{C::Fga, 1}}}, kNoDenominator},
    {21, K::Count, {{{C::Ftm, 1}}}, kNoDenominator},
    {22, K::Count, {{{C::Fta, 1}}}, kNoDenominator},
    {23, K::Count, {{{C::DoubleDouble, 1}}}, kNoDenominator},
    {24, K::Count, {{{C::TripleDouble, 1}}}, kNoDenominator},
    {25, K::PerGame, {{{C::Ftm, 1}, {C::Fgm, 2}, {C::Pt3m, 1}}}, C::Games},
    {26, K::PerGame, {{{C::Oreb, 1}, {C::Dreb, 1}}}, C::Games},
    {27, K::PerGame, {{{C::Steals, 1}}}, C::Games},
    {28, K::Count, {{{C::Blocks, 1}}}, kNoDenominator},
    {29, K::PerGame, {{{C::Blocks, 1}}}, C::Games},
    {30, K::Count, {{{C::Fga, 1}, {C::Pt3a, -1}}}, kNoDenominator},
    {31, K::Count, {{{C::Fgm, 1}, {C::Pt3m, -1}}}, kNoDenominator},
}};

// One row per ratio entry of kCatalogue: the numbers of its sgpTerm text.
constexpr std::array<RatioSgpTerm, 9> kRatioSgpTerms = {{
    {4, 2540.0, 680.0, 2.36, false},
    {8, 2540.0, 1590.0, 1.59, false},
    {14, 245.0, 296.0, .828, true},
    {15, 500.0, 1032.0, .484, true},
    {17, 1441.0, 3960.0, .364, false},
    {25, 11580.0, 680.0, 17.2, false},
    {26, 4260.0, 680.0, 6.33, false},
    {27, 720.0, 680.0, 1.07, false},
    {29, 490.0, 680.0, .726, false},
}};

struct MeasuredVarianceRatio {
    int categoryid;
    double ratio;
};

// FG%, FT%, 3PM, PTS, REB, AST, STL, BLK, TO.
constexpr std::array<MeasuredVarianceRatio, 9> kVarianceRatios = {{{15, 2.30},
                                                                   {14, 2.19},
                                                                   {16, 1.14},
                                                                   {1, 1.85},
                                                                   {5, 1.43},
                                                                   {2, 0.95},
                                                                   {3, 3.74},
                                                                   {28, 1.40},
                                                                   {9, 1.88}}};

constexpr bool formulasFollowCatalogue() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kFormulas[i].categoryid != kCatalogue[i].categoryid ||
            kFormulas[i].denominator.has_value() != kCatalogue[i].ratio) {
            return false;
        }
    }
    return true;
}
static_assert(formulasFollowCatalogue(), "one formula per catalogue entry, in the same order");

constexpr bool ratioTermsFollowCatalogue() {
    std::size_t ratios = 0;
    for (const CategoryDefinition& category : kCatalogue) {
        if (category.ratio) {
            if (ratios >= kRatioSgpTerms.size() ||
                kRatioSgpTerms[ratios].categoryid != category.categoryid) {
                return false;
            }
            ++ratios;
        }
    }
    return ratios == kRatioSgpTerms.size();
}
static_assert(ratioTermsFollowCatalogue(), "one SGP term per ratio category, in catalogue order");

}  // namespace

std::span<const CategoryDefinition> categoryCatalogue() {
    return kCatalogue;
}

const CategoryDefinition* findCategory(int categoryid) {
    for (const CategoryDefinition& category : kCatalogue) {
        if (category.categoryid == categoryid) {
            return &category;
        }
    }
    return nullptr;
}

const CategoryFormula& categoryFormula(const CategoryDefinition& category) {
    for (const CategoryFormula& formula : kFormulas) {
        if (formula.categoryid == category.categoryid) {
            return formula;
        }
    }
    return kFormulas.front();  // every catalogue entry has a formula (checked above)
}

const RatioSgpTerm* ratioSgpTerm(const CategoryDefinition& category) {
    for (const RatioSgpTerm& term : kRatioSgpTerms) {
        if (term.categoryid == category.categoryid) {
            return &term;
        }
    }
    return nullptr;
}

double defaultVarianceRatio(int categoryid) {
    for (const MeasuredVarianceRatio& measured : kVarianceRatios) {
        if (measured.categoryid == categoryid) {
            return measured.ratio;
        }
    }
    return kOtherVarianceRatio;
}

std::string categoryLabel(int categoryid) {
    const CategoryDefinition* category = findCategory(categoryid);
    return category ? std::string(category->label) : std::string();
}

std::string sgpTermFor(const CategoryDefinition& category, double denominator, int teams) {
    return fmt::format(fmt::runtime(category.sgpTerm), fmt::arg("c", category.workColumn),
                       fmt::arg("d", sqlReal(denominator)), fmt::arg("t1", sqlReal(teams - 1)));
}

}  // namespace quorvane
