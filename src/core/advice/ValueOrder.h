// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The draft's own order of value: dollars descending in an auction, rank ascending otherwise
// (a player the valuation gave no rank comes after every ranked one), ties by playerid.
bool valuedBefore(const DraftModel& model, const ModelPlayer& a, const ModelPlayer& b);

// Indices into model.players of the available players, best first by the draft's value.
std::vector<std::size_t> availableByValue(const DraftModel& model);

// Indices of the best `count` of `candidates` by `better`, best first; all of them when there
// are fewer. Linear in the candidates, plus the sort of the chosen.
template <typename Better>
std::vector<std::size_t> bestOf(std::vector<std::size_t> candidates, std::size_t count,
                                Better better) {
    if (count < candidates.size()) {
        const auto cut = candidates.begin() + static_cast<std::ptrdiff_t>(count);
        std::nth_element(candidates.begin(), cut, candidates.end(), better);
        candidates.erase(cut, candidates.end());
    }
    std::sort(candidates.begin(), candidates.end(), better);
    return candidates;
}

}  // namespace quorvane
