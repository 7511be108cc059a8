// SPDX-License-Identifier: MIT
#include "room/AdviceColumns.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

#include "teamadvice/RoomAdvice.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::array<std::string_view, 4> kAdviceHeadings = {"Gain", "Z", "Z$", "VONA"};

using AdviceFigures = std::array<std::optional<double>, kAdviceHeadings.size()>;

AdviceFigures figuresOf(const AdviceRow* row) {
    if (row == nullptr) {
        return {};
    }
    return {row->gain, row->z, row->zDollars, row->vona};
}

}  // namespace

std::vector<std::string> adviceHeadings() {
    return {kAdviceHeadings.begin(), kAdviceHeadings.end()};
}

void addAdviceColumns(GridTable& grid, const RoomAdvice* advice, std::string_view sortHeading,
                      bool auction) {
    const std::size_t before = grid.headings.empty() ? 0 : grid.headings.size() - 1;
    grid.headings.insert(grid.headings.begin() + static_cast<std::ptrdiff_t>(before),
                         kAdviceHeadings.begin(), kAdviceHeadings.end());
    // Z$ and VONA stand third and fourth among the advice's columns.
    grid.hiddenColumns.push_back(static_cast<int>(before) + (auction ? 3 : 2));
    std::vector<AdviceFigures> figures;
    figures.reserve(grid.rows.size());
    for (std::vector<std::string>& cells : grid.rows) {
        const AdviceRow* row = advice != nullptr ? advice->rowOf(playerIdOfCells(cells)) : nullptr;
        figures.push_back(figuresOf(row));
        std::array<std::string, kAdviceHeadings.size()> texts;
        std::transform(figures.back().begin(), figures.back().end(), texts.begin(),
                       twoDecimalsOrEmpty);
        const std::size_t at = std::min(before, cells.size());
        cells.insert(cells.begin() + static_cast<std::ptrdiff_t>(at), texts.begin(), texts.end());
    }

    const auto sorted = std::find_if(kAdviceHeadings.begin(), kAdviceHeadings.end(),
                                     [wanted = lowerText(sortHeading)](std::string_view known) {
                                         return lowerText(known) == wanted;
                                     });
    if (sorted == kAdviceHeadings.end()) {
        return;
    }
    const auto column = static_cast<std::size_t>(sorted - kAdviceHeadings.begin());
    std::vector<std::size_t> order(grid.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::optional<double>& left = figures[a][column];
        const std::optional<double>& right = figures[b][column];
        if (left && right) {
            return *left > *right;
        }
        return left.has_value() && !right.has_value();
    });
    std::vector<std::vector<std::string>> rows;
    std::vector<std::optional<Rgb>> colours;
    rows.reserve(order.size());
    for (std::size_t from : order) {
        rows.push_back(std::move(grid.rows[from]));
        if (from < grid.rowColours.size()) {
            colours.push_back(grid.rowColours[from]);
        }
    }
    grid.rows = std::move(rows);
    grid.rowColours = std::move(colours);
}

}  // namespace quorvane
