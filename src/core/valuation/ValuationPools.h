// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The pools a valuation measures against: the best players of a group by a figure.
class ValuationPool {
  public:
    explicit ValuationPool(std::size_t size) : m_size(size) {}

    // Indexes of at most `count` players (a fractional count takes its whole part) with the
    // highest figure among those `admits` lets in, the highest first. Players of equal figures
    // may come in any order: every sum and minimum over the pool is the same.
    template <class Figure, class Admits>
    std::vector<std::size_t> best(Figure figure, Admits admits, double count) const {
        const double whole = std::floor(count);
        const std::size_t wanted = whole > 0 ? static_cast<std::size_t>(whole) : 0;
        std::vector<std::size_t> chosen;
        if (wanted == 0) {
            return chosen;
        }
        chosen.reserve(m_size);
        for (std::size_t i = 0; i < m_size; ++i) {
            if (admits(i)) {
                chosen.push_back(i);
            }
        }
        const auto higher = [&](std::size_t a, std::size_t b) { return figure(a) > figure(b); };
        if (chosen.size() > wanted) {
            std::nth_element(chosen.begin(), chosen.begin() + static_cast<std::ptrdiff_t>(wanted),
                             chosen.end(), higher);
            chosen.resize(wanted);
        }
        std::sort(chosen.begin(), chosen.end(), higher);
        return chosen;
    }

    // The lowest figure of a pool; 0 for an empty pool.
    template <class Figure>
    static double lowest(const std::vector<std::size_t>& pool, Figure figure) {
        if (pool.empty()) {
            return 0.0;
        }
        double low = figure(pool.front());
        for (const std::size_t i : pool) {
            low = std::min(low, figure(i));
        }
        return low;
    }

  private:
    std::size_t m_size;
};

// The players a draft holds, for pools of the players still to be bought.
class DraftedPlayers {
  public:
    explicit DraftedPlayers(const DraftModel& model) {
        m_ids.reserve(model.picks.size());
        for (const ModelPick& pick : model.picks) {
            m_ids.push_back(pick.playerid);
        }
        std::sort(m_ids.begin(), m_ids.end());
    }
    bool contains(int playerid) const {
        return std::binary_search(m_ids.begin(), m_ids.end(), playerid);
    }

  private:
    std::vector<int> m_ids;
};

// The money the draft's picks cost, summed in the order they were recorded.
inline double spentOf(const DraftModel& model) {
    double spent = 0.0;
    for (const ModelPick& pick : model.picks) {
        spent += pick.price;
    }
    return spent;
}

}  // namespace quorvane
