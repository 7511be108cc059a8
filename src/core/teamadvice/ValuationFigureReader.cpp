// SPDX-License-Identifier: MIT
#include "teamadvice/ValuationFigureReader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "advice/CategoryFigures.h"
#include "model/DraftSession.h"
#include "valuation/PointsValuation.h"
#include "valuation/RotisserieValuation.h"
#include "valuation/SgpDenominators.h"

namespace quorvane {

namespace {

constexpr std::string_view kReadFailed = " 91004 error: could not read the valuation figures";

// Every valued player's dollars are minbid + sgp * rate with the one rate of the run; the
// player furthest from replacement level gives it most exactly.
std::optional<double> dollarsPerSgp(const RotisserieValuation& valuation, double minbid) {
    const RotisserieValuation::Player* furthest = nullptr;
    for (const RotisserieValuation::Player& player : valuation.players) {
        if (player.aboveLevel != 0.0 &&
            (furthest == nullptr || std::abs(player.aboveLevel) > std::abs(furthest->aboveLevel))) {
            furthest = &player;
        }
    }
    if (furthest == nullptr) {
        return std::nullopt;
    }
    return (furthest->dollars - minbid) / furthest->aboveLevel;
}

Outcome<Done> sgpFigures(DraftSession& session, bool showInflation, const DraftModel& model,
                         const ModelPlayer& player, ValuationFigures& figures) {
    if (Outcome<Done> loaded = loadSgpDenominators(session); !loaded) {
        return loaded;
    }
    const DraftSettings& settings = *session.draftSettings();
    const std::vector<SgpDenominator>& denominators = session.sgpDenominators();
    const auto valuation = rotisserieValuation(settings, denominators, model, showInflation);
    const RotisserieValuation::Player* valued =
        valuation ? findByPlayerid(valuation->players, player.playerid) : nullptr;
    if (valued == nullptr) {
        return Done{};
    }
    figures.valued = true;
    double sgp = 0.0;
    for (std::size_t c = 0; c < model.categories.size() && c < valued->terms.size(); ++c) {
        const CategoryDefinition& category = *model.categories[c].definition;
        const auto id = static_cast<std::size_t>(category.categoryid);
        const double denominator =
            id < denominators.size() ? denominators[id].sgp_denominator : 0.0;
        figures.sgpCategories.push_back({std::string(category.heading),
                                         sgpWorkStatistic(category, player.stats), denominator,
                                         valued->terms[c]});
        sgp += valued->terms[c];
    }
    figures.sgp = sgp;
    figures.sgpAboveReplacement = valued->aboveLevel;
    figures.replacementLevel = sgp - valued->aboveLevel;
    figures.group = valuation->oneGroup ? "all players"
                    : valued->centre    ? "centres"
                                        : "non-centres";
    figures.dollars = valued->dollars;
    figures.dollarsPerSgp = dollarsPerSgp(*valuation, model.minbid());
    return Done{};
}

void pointsFigures(const DraftSettings& settings, bool showInflation, const DraftModel& model,
                   const ModelPlayer& player, ValuationFigures& figures) {
    const auto valuation = pointsValuation(settings, model, showInflation);
    const PointsValuation::Player* valued =
        valuation ? findByPlayerid(valuation->players, player.playerid) : nullptr;
    if (valued == nullptr) {
        return;
    }
    figures.valued = true;
    double points = 0.0;
    for (std::size_t c = 0; c < model.categories.size() && c < valued->weighted.size(); ++c) {
        const ModelCategory& use = model.categories[c];
        figures.pointsCategories.push_back({std::string(use.definition->heading),
                                            figureOf(*use.formula, player.stats), use.weight,
                                            valued->weighted[c]});
        points += valued->weighted[c];
    }
    figures.points = points;
    if (valued->vbd) {
        figures.vbd = valued->vbd;
        figures.baseline = points - *valued->vbd;
    }
    if (!model.auction()) {
        figures.dollars.reset();
    }
}

}  // namespace

Outcome<ValuationFigures> readValuationFigures(DraftSession& session, bool showInflation,
                                               const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr || !session.draftSettings()) {
        return ValuationFigures{};
    }
    ValuationFigures figures;
    figures.dollars = player->dollars;
    figures.rank = player->rank;
    if (model.headToHead()) {
        figures.valued = true;
    } else if (model.pointsLeague()) {
        pointsFigures(*session.draftSettings(), showInflation, model, *player, figures);
    } else if (Outcome<Done> read = sgpFigures(session, showInflation, model, *player, figures);
               !read) {
        session.dbConnection.log().writeEntry(kReadFailed);
        WriteFailure failure = read.failure();
        failure.logLine = std::string(kReadFailed);
        return failure;
    }
    return figures;
}

}  // namespace quorvane
