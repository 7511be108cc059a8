// SPDX-License-Identifier: MIT
#include "projections/EditDistance.h"

#include <algorithm>
#include <vector>

namespace quorvane {

std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit) {
    if (a.size() > b.size()) {
        std::swap(a, b);
    }
    if (b.size() - a.size() > limit) {
        return limit + 1;
    }
    std::vector<std::size_t> row(a.size() + 1);
    for (std::size_t i = 0; i <= a.size(); ++i) {
        row[i] = i;
    }
    for (std::size_t j = 1; j <= b.size(); ++j) {
        std::size_t diagonal = row[0];
        row[0] = j;
        std::size_t best = row[0];
        for (std::size_t i = 1; i <= a.size(); ++i) {
            const std::size_t above = row[i];
            row[i] =
                std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[i]);
        }
        if (best > limit) {
            return limit + 1;
        }
    }
    return std::min(row[a.size()], limit + 1);
}

}  // namespace quorvane
