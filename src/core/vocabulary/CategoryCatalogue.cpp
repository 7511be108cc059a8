// SPDX-License-Identifier: MIT
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {

namespace {

using F = CategoryFormat;

constexpr std::array<CategoryDefinition, 27> kCatalogue = {{
    {1, "Points", "PTS", "Points", false, F::Count, false},
    {2, "Assists", "AST", "Assists", false, F::Count, false},
    {3, "Steals", "STL", "Steals", false, F::Count, false},
    {4, "Assists/Game", "APG", "Assists/Game", true, F::TwoDecimals, false},
    {5, "Rebounds", "REB", "Rebounds", false, F::Count, false},
    {6, "Off. Rebounds", "OREB", "Off. Rebounds", false, F::Count, false},
    {7, "Def. Rebounds", "DREB", "Def. Rebounds", false, F::Count, false},
    {8, "Assists/TO", "A/T", "Assists/TO", true, F::TwoDecimals, true},
    {9, "Turnovers", "TO", "Turnovers", false, F::Count, false},
    {14, "FT Pct", "FTP", "FT Pct", true, F::ThreeDecimals, false},
    {15, "FG Pct", "FGP", "FG Pct", true, F::ThreeDecimals, false},
    {16, "3PTM", "3PT", "3 PTM", false, F::Count, false},
    {17, "3PT Pct", "3PCT", "3 PT Pct", true, F::ThreeDecimals, false},
    {18, "3PTA", "3PTA", "3 PTA", false, F::Count, false},
    {19, "FGM", "FGM", "FGM", false, F::Count, false},
    {20, "FGA", "FGA", "FGA", false, F::Count, false},
    {21, "FTM", "FTM", "FTM", false, F::Count, false},
    {22, "FTA", "FTA", "FTA", false, F::Count, false},
    {23, "Double-Doubles", "DD", "Double-Doubles", false, F::Count, false},
    {24, "Triple-Doubles", "TD", "Triple-Double", false, F::Count, false},
    {25, "Points/Game", "PPG", "Points/Game", true, F::TwoDecimals, false},
    {26, "Rebounds/Game", "RPG", "Rebounds/Game", true, F::TwoDecimals, false},
    {27, "Steals/Game", "SPG", "Steals/Game", true, F::TwoDecimals, false},
    {28, "Blocks", "BLK", "Blocks", false, F::Count, false},
    {29, "Blocks/Game", "BPG", "Blocks/Game", true, F::TwoDecimals, false},
    {30, "2PT FGA", "2PTA", "2PT FGA", false, F::Count, false},
    {31, "2PT FGM", "2PTM", "2PT FGM", false, F::Count, false},
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

// One row per ratio entry of kCatalogue.
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

}  // namespace quorvane
