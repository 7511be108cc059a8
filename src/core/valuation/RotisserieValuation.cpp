// SPDX-License-Identifier: MIT
#include "valuation/RotisserieValuation.h"

#include <algorithm>
#include <cmath>

#include "advice/CategoryFigures.h"
#include "valuation/ValuationPools.h"

namespace quorvane {

namespace {

double denominatorOf(const std::vector<SgpDenominator>& denominators, int categoryid) {
    const auto id = static_cast<std::size_t>(categoryid);
    return id < denominators.size() ? denominators[id].sgp_denominator : 0.0;
}

// The draft's categories that have a term, or nothing when one of them has no denominator.
std::optional<std::vector<const CategoryDefinition*>> sgpCategories(
    const DraftSettings& draft, const std::vector<SgpDenominator>& denominators) {
    std::vector<const CategoryDefinition*> categories;
    for (const CategoryWeight& weight : draft.categories) {
        const CategoryDefinition* category = findCategory(weight.categoryid);
        if (category == nullptr) {
            continue;
        }
        if (denominatorOf(denominators, weight.categoryid) == 0.0) {
            return std::nullopt;
        }
        categories.push_back(category);
    }
    if (categories.empty()) {
        return std::nullopt;
    }
    return categories;
}

}  // namespace

double sgpWorkStatistic(const CategoryDefinition& category, const StatLine& stats) {
    const CategoryFormula& formula = categoryFormula(category);
    if (category.marksNoDenominator && denominatorOf(formula, stats) == 0.0) {
        return kAssistsPerNoTurnover;
    }
    return figureOf(formula, stats);
}

double sgpTerm(const CategoryDefinition& category, const StatLine& stats, double denominator,
               int teams) {
    const RatioSgpTerm* ratio = ratioSgpTerm(category);
    if (ratio == nullptr) {
        return sgpWorkStatistic(category, stats) / denominator;
    }
    const CategoryFormula& formula = categoryFormula(category);
    const double scale = ratio->perTeam ? static_cast<double>(teams - 1) : 1.0;
    return (((ratio->leagueNumerator * scale + numeratorOf(formula, stats)) /
             (ratio->leagueDenominator * scale + denominatorOf(formula, stats))) -
            ratio->leagueFigure) /
           denominator;
}

std::optional<RotisserieValuation> rotisserieValuation(
    const DraftSettings& d, const std::vector<SgpDenominator>& denominators,
    const DraftModel& model, bool inflation) {
    const auto categories = sgpCategories(d, denominators);
    if (!categories) {
        return std::nullopt;
    }
    RotisserieValuation result;
    result.players.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        if (!player.projected) {
            continue;
        }
        RotisserieValuation::Player valued;
        valued.playerid = player.playerid;
        valued.centre = player.positionColumns[4] > 0;
        valued.terms.reserve(categories->size());
        for (const CategoryDefinition* category : *categories) {
            const double term = sgpTerm(*category, player.stats,
                                        denominatorOf(denominators, category->categoryid), d.teams);
            valued.sgp = valued.terms.empty() ? term : valued.sgp + term;
            valued.terms.push_back(term);
        }
        result.players.push_back(std::move(valued));
    }

    const long long picks = static_cast<long long>(model.picks.size());
    const long long teams = d.teams;
    const long long otherSlots = d.F + d.PF + d.SF + d.G + d.PG + d.SG;  // UT and C excluded
    const long long rosterSize = d.C + otherSlots + d.UT;
    long long rostered = teams * rosterSize;
    if (inflation) {
        rostered -= picks;
    }
    const long long centreSlots = teams * d.C;
    const long long nonCentreSlots = teams * (otherSlots + d.UT);

    ValuationPool pool(result.players.size());
    const auto sgpOf = [&](std::size_t i) { return result.players[i].sgp; };
    const auto centres = [&](std::size_t i) { return result.players[i].centre; };
    const auto others = [&](std::size_t i) { return !result.players[i].centre; };

    // The players a full league would roster set the replacement levels: with no positional
    // slot but utility, one level for everyone; otherwise one for centres, one for the rest.
    result.oneGroup = otherSlots == 0;
    if (result.oneGroup) {
        const long long utility = teams * d.UT;
        const double level =
            utility >= 1
                ? pool.lowest(pool.best(
                                  sgpOf, [](std::size_t) { return true; }, double(utility)),
                              sgpOf)
                : 0.0;
        result.centreLevel = result.otherLevel = level;
    } else {
        if (d.C >= 1 && centreSlots > 0) {
            result.centreLevel = pool.lowest(pool.best(sgpOf, centres, double(centreSlots)), sgpOf);
        }
        if (otherSlots + d.UT >= 1 && nonCentreSlots >= 1) {
            result.otherLevel =
                pool.lowest(pool.best(sgpOf, others, double(nonCentreSlots)), sgpOf);
        }
    }

    double pot = static_cast<double>(teams) * d.dollars;
    if (inflation) {
        pot -= spentOf(model);
    }

    // The players still to be bought share the money.
    double centresToBuy = static_cast<double>(centreSlots);
    double othersToBuy = static_cast<double>(nonCentreSlots);
    const DraftedPlayers drafted(model);
    if (inflation) {
        long long centresTaken = 0;
        long long othersTaken = 0;
        for (const ModelPick& pick : model.picks) {
            // A pick without a slot counts as neither; reserve picks count against the others.
            if (!pick.slotMissing) {
                ++(pick.slot == "C" ? centresTaken : othersTaken);
            }
        }
        centresToBuy = std::max(0.0, centresToBuy - static_cast<double>(centresTaken));
        othersToBuy = std::max(1.0, othersToBuy - static_cast<double>(othersTaken));
    }
    const auto available = [&](std::size_t i) {
        return !inflation || !drafted.contains(result.players[i].playerid);
    };
    double sgpTotal = 0.0;
    if (centresToBuy > 0) {
        for (const std::size_t i : pool.best(
                 sgpOf, [&](std::size_t i) { return centres(i) && available(i); }, centresToBuy)) {
            sgpTotal += result.players[i].sgp - result.centreLevel;
        }
    }
    if (othersToBuy >= 1) {
        for (const std::size_t i : pool.best(
                 sgpOf, [&](std::size_t i) { return others(i) && available(i); }, othersToBuy)) {
            sgpTotal += result.players[i].sgp - result.otherLevel;
        }
    }

    // Every rostered slot beyond one per team costs at least a dollar.
    if (rostered - teams > 0) {
        pot -= static_cast<double>(rostered - teams);
    }
    result.rate = sgpTotal > 0 ? pot / sgpTotal : pot;
    // A replacement-level player ends at SGP 0 and the minimum bid; better ones above it, worse
    // ones below it, down to negative values.
    for (RotisserieValuation::Player& player : result.players) {
        player.aboveLevel = player.sgp - (player.centre ? result.centreLevel : result.otherLevel);
        player.dollars = d.minbid + (player.aboveLevel * result.rate);
    }
    return result;
}

}  // namespace quorvane
