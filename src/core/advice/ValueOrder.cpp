// SPDX-License-Identifier: MIT
#include "advice/ValueOrder.h"

#include <algorithm>
#include <limits>

namespace quorvane {

namespace {
int rankKey(int rank) {
    return rank > 0 ? rank : std::numeric_limits<int>::max();
}
}  // namespace

bool valuedBefore(const DraftModel& model, const ModelPlayer& a, const ModelPlayer& b) {
    if (model.auction()) {
        if (a.dollars != b.dollars) {
            return a.dollars > b.dollars;
        }
    } else if (rankKey(a.rank) != rankKey(b.rank)) {
        return rankKey(a.rank) < rankKey(b.rank);
    }
    return a.playerid < b.playerid;
}

std::vector<std::size_t> availableByValue(const DraftModel& model) {
    std::vector<std::size_t> indices;
    indices.reserve(model.players.size());
    for (std::size_t i = 0; i < model.players.size(); ++i) {
        if (model.players[i].available()) {
            indices.push_back(i);
        }
    }
    std::sort(indices.begin(), indices.end(), [&model](std::size_t a, std::size_t b) {
        return valuedBefore(model, model.players[a], model.players[b]);
    });
    return indices;
}

}  // namespace quorvane
