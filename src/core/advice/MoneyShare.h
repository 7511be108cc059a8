// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

namespace quorvane {

// An auction's money for players ranked by a total: the M-th best total (the edge) is worth the
// minimum bid, and the league's money above the minimum bids goes to the M best in proportion
// to how far each is above the edge. Players below the edge come out under the minimum bid.
struct MoneyShare {
    double edge = 0.0;
    double rate = 0.0;  // dollars per unit of the total above the edge

    double dollars(double total, double minbid) const { return minbid + (total - edge) * rate; }
};

// `top` holds the indices into `totals` of the M best, best first; `money` is the league's
// money above the minimum bids of those M players. Nothing to share without a top.
inline MoneyShare shareMoney(const std::vector<double>& totals, const std::vector<std::size_t>& top,
                             double money) {
    MoneyShare share;
    if (top.empty()) {
        return share;
    }
    share.edge = totals[top.back()];
    double above = 0.0;
    for (std::size_t player : top) {
        above += totals[player] - share.edge;
    }
    share.rate = above > 0.0 ? money / above : 0.0;
    return share;
}

}  // namespace quorvane
