// SPDX-License-Identifier: MIT
#include "teamadvice/ValuationFigureReader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "advice/CategoryFigures.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
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

bool sgpFigures(ProgramState& state, UserDialogs& dialogs, const DraftModel& model,
                const ModelPlayer& player, ValuationFigures& figures) {
    if (!loadSgpDenominators(state, dialogs)) {
        return false;
    }
    const DraftSettings& settings = *state.draftSettings();
    const auto valuation =
        rotisserieValuation(settings, state.sgpDenominators(), model, state.showInflation);
    const RotisserieValuation::Player* valued =
        valuation ? findByPlayerid(valuation->players, player.playerid) : nullptr;
    if (valued == nullptr) {
        return true;
    }
    figures.valued = true;
    double sgp = 0.0;
    for (std::size_t c = 0; c < model.categories.size() && c < valued->terms.size(); ++c) {
        const CategoryDefinition& category = *model.categories[c].definition;
        const auto id = static_cast<std::size_t>(category.categoryid);
        const double denominator =
            id < state.sgpDenominators().size() ? state.sgpDenominators()[id].sgp_denominator : 0.0;
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
    figures.dollarsPerSgp = dollarsPerSgp(*valuation, model.minbid);
    return true;
}

void pointsFigures(const ProgramState& state, const DraftModel& model, const ModelPlayer& player,
                   ValuationFigures& figures) {
    const auto valuation = pointsValuation(*state.draftSettings(), model, state.showInflation);
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

std::optional<ValuationFigures> readValuationFigures(ProgramState& state, UserDialogs& dialogs,
                                                     const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr || !state.draftSettings()) {
        return ValuationFigures{};
    }
    ValuationFigures figures;
    figures.dollars = player->dollars;
    figures.rank = player->rank;
    if (model.headToHead()) {
        figures.valued = true;
    } else if (model.pointsLeague()) {
        pointsFigures(state, model, *player, figures);
    } else if (!sgpFigures(state, dialogs, model, *player, figures)) {
        state.dbConnection.log().writeEntry(kReadFailed);
        return std::nullopt;
    }
    return figures;
}

}  // namespace quorvane
