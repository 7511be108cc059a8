// SPDX-License-Identifier: MIT
#include "advice/CategoryFigures.h"

#include <cmath>

#include "text/NumberText.h"

namespace quorvane {

double numeratorOf(const CategoryFormula& formula, const StatLine& stats) {
    double sum = 0.0;
    for (const StatTerm& term : formula.numerator) {
        if (term.factor != 0.0) {
            sum += term.factor * statOf(stats, term.column);
        }
    }
    return sum;
}

double denominatorOf(const CategoryFormula& formula, const StatLine& stats) {
    return formula.denominator ? statOf(stats, *formula.denominator) : 0.0;
}

double figureOf(const CategoryFormula& formula, double numerator, double denominator) {
    if (!formula.denominator) {
        return numerator;
    }
    return denominator == 0.0 ? 0.0 : numerator / denominator;
}

double figureOf(const CategoryFormula& formula, const StatLine& stats) {
    return figureOf(formula, numeratorOf(formula, stats), denominatorOf(formula, stats));
}

double standingsFigureOf(const ModelCategory& category, double numerator, double denominator) {
    const double figure = figureOf(*category.formula, numerator, denominator);
    if (!category.formula->denominator) {
        return figure;
    }
    const int decimals = category.definition->format == CategoryFormat::ThreeDecimals ? 3 : 2;
    return roundLikeStandings(figure, decimals);
}

double fantasyPointsOf(const DraftModel& model, const StatLine& stats) {
    double points = 0.0;
    for (const ModelCategory& category : model.categories) {
        points += category.weight * figureOf(*category.formula, stats);
    }
    return points;
}

double roundLikeStandings(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double fraction = scaled - std::floor(scaled);
    // The patterns first write the value with six more decimals, which can only move a value
    // this close to a half across it.
    if (std::abs(fraction - 0.5) > 1e-5) {
        return std::round(scaled) / scale;
    }
    return roundHalfAway(value, decimals);
}

}  // namespace quorvane
