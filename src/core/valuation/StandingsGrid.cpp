// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>
#include <map>

#include "model/DraftSession.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "valuation/CategoryFormat.h"
#include "valuation/Standings.h"

namespace quorvane {

namespace {

bool isTotal(const std::string& symbol) {
    return upperText(symbol) == "TOTAL";
}

}  // namespace

std::optional<GridTable> fillStandingsGrid(DraftSession& session, bool includeReserves) {
    return calcStandings(session, includeReserves, false);
}

GridTable standingsGrid(const std::vector<StandingsEntry>& entries, bool rotisserie) {
    // Columns from every category any team has, highest id first and the total last. In a
    // points league a team without players has no ratio rows: its cells stay empty instead of
    // shifting the rest of its row under the wrong headings.
    std::vector<std::pair<int, std::string>> columns;
    for (const StandingsEntry& entry : entries) {
        const bool known = std::any_of(columns.begin(), columns.end(),
                                       [&](const auto& c) { return c.first == entry.categoryid; });
        if (!known) {
            columns.emplace_back(entry.categoryid, entry.symbol);
        }
    }
    std::stable_sort(columns.begin(), columns.end(), [](const auto& a, const auto& b) {
        const bool aTotal = isTotal(a.second);
        const bool bTotal = isTotal(b.second);
        if (aTotal != bTotal) {
            return bTotal;
        }
        return a.first > b.first;
    });

    GridTable grid;
    grid.headings.push_back("Owner");
    std::map<int, std::size_t> cellOf;
    for (const auto& [categoryid, symbol] : columns) {
        cellOf[categoryid] = grid.headings.size();
        grid.headings.push_back(symbol);
        if (rotisserie && !isTotal(symbol)) {
            grid.headings.push_back("RK");
        }
    }

    int currentTeam = -1;
    for (const StandingsEntry& entry : entries) {
        if (grid.rows.empty() || entry.teamid != currentTeam) {
            currentTeam = entry.teamid;
            grid.rows.emplace_back(grid.headings.size());
            grid.rows.back()[0] = entry.teamname;
        }
        auto& row = grid.rows.back();
        const std::size_t cell = cellOf[entry.categoryid];
        row[cell] = formatCategoryValue(entry.symbol, static_cast<float>(entry.points));
        if (rotisserie && !isTotal(entry.symbol)) {
            row[cell + 1] = numberText(entry.rank);
        }
    }
    return grid;
}

}  // namespace quorvane
