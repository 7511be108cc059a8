// SPDX-License-Identifier: MIT
#include "availability/AdpPositions.h"

#include <algorithm>
#include <optional>

namespace quorvane {

namespace {

// Places by dollars, equal dollars sharing the better place (1 + the players worth more).
std::vector<std::optional<double>> auctionPlaces(const DraftModel& model) {
    std::vector<double> dollars;
    dollars.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        dollars.push_back(player.dollars);
    }
    std::sort(dollars.begin(), dollars.end(), std::greater<>());
    std::vector<std::optional<double>> places;
    places.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        const auto worthMore =
            std::lower_bound(dollars.begin(), dollars.end(), player.dollars, std::greater<>()) -
            dollars.begin();
        places.push_back(static_cast<double>(worthMore + 1));
    }
    return places;
}

std::vector<std::optional<double>> rankPlaces(const DraftModel& model) {
    std::vector<std::optional<double>> places;
    places.reserve(model.players.size());
    for (const ModelPlayer& player : model.players) {
        places.push_back(player.rank > 0 ? std::optional<double>(player.rank) : std::nullopt);
    }
    return places;
}

}  // namespace

std::vector<double> adpPositions(const DraftModel& model) {
    const std::vector<std::optional<double>> places =
        model.auction() ? auctionPlaces(model) : rankPlaces(model);
    std::vector<std::optional<double>> known(model.players.size());
    std::size_t withOne = 0;
    for (std::size_t i = 0; i < model.players.size(); ++i) {
        known[i] = model.players[i].adp ? model.players[i].adp : places[i];
        withOne += known[i] ? 1 : 0;
    }
    std::vector<double> positions;
    positions.reserve(known.size());
    for (const std::optional<double>& position : known) {
        positions.push_back(position.value_or(static_cast<double>(withOne + 1)));
    }
    return positions;
}

double adpSpreadAt(const DraftModel& model, double position) {
    return 1.0 + model.adpSpread * position;
}

}  // namespace quorvane
