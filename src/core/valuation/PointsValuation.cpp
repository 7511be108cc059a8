// SPDX-License-Identifier: MIT
#include "valuation/PointsValuation.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "advice/CategoryFigures.h"
#include "valuation/ValuationPools.h"

namespace quorvane {

namespace {

enum Column : std::size_t { PG, SG, SF, PF, C };

// A position whose last starter sets a baseline for value-based drafting.
struct BaselinePosition {
    std::string_view letter;
    bool (*applies)(const DraftSettings&);
    // How many players the league starts there; fractional with an odd share of G or F slots.
    double (*starters)(const DraftSettings&);
    bool (*canBeLastStarter)(const PositionColumns&);
    bool (*measured)(const PositionColumns&);  // who is measured against the baseline
};

// Guards shared by PG and SG count half to each; a dual PG/SG sets the PG baseline only, and
// forwards who also play guard or centre stay out of the SF and PF baselines.
constexpr std::array<BaselinePosition, 7> kBaselinePositions = {{
    {"C", [](const DraftSettings& d) { return d.C > 0; },
     [](const DraftSettings& d) { return double(d.teams) * d.C; },
     [](const PositionColumns& p) { return p[C] > 0; },
     [](const PositionColumns& p) { return p[C] > 0; }},
    {"F", [](const DraftSettings& d) { return d.PF + d.SF == 0 && d.F >= 1; },
     [](const DraftSettings& d) { return double(d.teams) * d.F; },
     [](const PositionColumns& p) { return p[PF] > 0 || p[SF] > 0; },
     [](const PositionColumns& p) { return p[PF] > 0 || p[SF] > 0; }},
    {"G", [](const DraftSettings& d) { return d.PG + d.SG == 0 && d.G >= 1; },
     [](const DraftSettings& d) { return double(d.teams) * d.G; },
     [](const PositionColumns& p) { return p[PG] > 0 || p[SG] > 0; },
     [](const PositionColumns& p) { return p[PG] > 0 || p[SG] > 0; }},
    {"PG", [](const DraftSettings& d) { return d.PG > 0; },
     [](const DraftSettings& d) { return (d.G * 0.5 + d.PG) * d.teams; },
     [](const PositionColumns& p) { return p[PG] > 0; },
     [](const PositionColumns& p) { return p[PG] > 0; }},
    {"SG", [](const DraftSettings& d) { return d.SG > 0; },
     [](const DraftSettings& d) { return (d.G * 0.5 + d.SG) * d.teams; },
     [](const PositionColumns& p) { return p[SG] > 0 && p[PG] == 0; },
     [](const PositionColumns& p) { return p[SG] > 0; }},
    {"SF", [](const DraftSettings& d) { return d.SF >= 1; },
     [](const DraftSettings& d) { return (d.F * 0.5 + d.SF) * d.teams; },
     [](const PositionColumns& p) { return p[SF] > 0 && p[SG] + p[PG] == 0; },
     [](const PositionColumns& p) { return p[SF] > 0; }},
    {"PF", [](const DraftSettings& d) { return d.PF >= 1; },
     [](const DraftSettings& d) { return (d.F * 0.5 + d.PF) * d.teams; },
     [](const PositionColumns& p) { return p[PF] > 0 && (p[PG] + p[SG] + p[C]) == 0; },
     [](const PositionColumns& p) { return p[PF] > 0; }},
}};

// The statistic of each catalogue category with every weight the draft gives it applied (a
// category listed twice carries both weights), and the fantasy points: the draft's weighted
// statistics summed, one term per listing.
void weigh(const DraftSettings& d, const ModelPlayer& player, PointsValuation::Player& valued) {
    for (const CategoryWeight& use : d.categories) {
        const CategoryDefinition* category = findCategory(use.categoryid);
        if (category == nullptr) {
            continue;
        }
        double weighted = figureOf(categoryFormula(*category), player.stats);
        for (const CategoryWeight& weight : d.categories) {
            if (weight.categoryid == use.categoryid) {
                weighted = weighted * weight.points;
            }
        }
        valued.points = valued.weighted.empty() ? weighted : valued.points + weighted;
        valued.weighted.push_back(weighted);
    }
}

void valueOverBaselines(const DraftSettings& d, const DraftModel& model, PointsValuation& result) {
    const ValuationPool pool(result.players.size());
    const auto pointsOf = [&](std::size_t i) { return result.players[i].points; };
    for (const BaselinePosition& position : kBaselinePositions) {
        if (!position.applies(d)) {
            continue;
        }
        const double baseline = ValuationPool::lowest(
            pool.best(
                pointsOf,
                [&](std::size_t i) {
                    return position.canBeLastStarter(model.players[i].positionColumns);
                },
                position.starters(d)),
            pointsOf);
        result.baselines.push_back({position.letter, baseline});
        for (std::size_t i = 0; i < result.players.size(); ++i) {
            if (position.measured(model.players[i].positionColumns)) {
                PointsValuation::Player& player = result.players[i];
                const double overBaseline = player.points - baseline;
                player.vbd = player.vbd ? std::max(*player.vbd, overBaseline) : overBaseline;
            }
        }
    }
}

void auctionMoney(const DraftSettings& d, const DraftModel& model, bool inflation,
                  PointsValuation& result) {
    long long toBuy =
        static_cast<long long>(d.teams) * (d.C + d.F + d.G + d.PG + d.SG + d.PF + d.SF + d.UT);
    if (inflation) {
        toBuy = std::max(0LL, toBuy - static_cast<long long>(model.picks.size()));
    }
    const DraftedPlayers drafted(model);
    const ValuationPool pool(result.players.size());
    double poolVbd = 0.0;
    for (const std::size_t i :
         pool.best([&](std::size_t i) { return *result.players[i].vbd; },
                   [&](std::size_t i) {
                       return result.players[i].vbd &&
                              (!inflation || !drafted.contains(result.players[i].playerid));
                   },
                   static_cast<double>(toBuy))) {
        poolVbd += *result.players[i].vbd;
    }
    if (poolVbd == 0) {
        poolVbd = 1.0;
    }
    const double spent = spentOf(model);
    const double pot = static_cast<double>(d.teams) * d.dollars;
    result.rate = inflation ? std::max(0.0, (pot - spent) / poolVbd) : pot / poolVbd;
    // Without a vbd a player is worth nothing here rather than an empty value.
    for (PointsValuation::Player& player : result.players) {
        player.dollars = player.vbd ? *player.vbd * result.rate : 0.0;
    }
}

}  // namespace

std::vector<int> ranksOf(const std::vector<std::optional<double>>& figures) {
    std::vector<std::size_t> order(figures.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto higher = [&](std::size_t a, std::size_t b) {
        if (figures[a].has_value() != figures[b].has_value()) {
            return figures[a].has_value();
        }
        return figures[a].has_value() && *figures[a] > *figures[b];
    };
    std::sort(order.begin(), order.end(), higher);
    std::vector<int> ranks(figures.size(), 0);
    for (std::size_t place = 0; place < order.size(); ++place) {
        const bool tied = place > 0 && !higher(order[place - 1], order[place]);
        ranks[order[place]] = tied ? ranks[order[place - 1]] : static_cast<int>(place) + 1;
    }
    return ranks;
}

std::optional<PointsValuation> pointsValuation(const DraftSettings& d, const DraftModel& model,
                                               bool inflation) {
    PointsValuation result;
    result.players.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        PointsValuation::Player valued;
        valued.playerid = player.playerid;
        weigh(d, player, valued);
        if (valued.weighted.empty()) {
            return std::nullopt;
        }
        result.players.push_back(std::move(valued));
    }
    if (result.players.empty() &&
        std::none_of(d.categories.begin(), d.categories.end(), [](const CategoryWeight& weight) {
            return findCategory(weight.categoryid);
        })) {
        return std::nullopt;
    }
    valueOverBaselines(d, model, result);
    std::vector<std::optional<double>> vbds;
    vbds.reserve(result.players.size());
    for (const PointsValuation::Player& player : result.players) {
        vbds.push_back(player.vbd);
    }
    const std::vector<int> ranks = ranksOf(vbds);
    for (std::size_t i = 0; i < result.players.size(); ++i) {
        result.players[i].rank = ranks[i];
    }
    result.auction = d.drafttype == kDraftTypeAuction;
    if (result.auction) {
        auctionMoney(d, model, inflation, result);
    }
    return result;
}

}  // namespace quorvane
