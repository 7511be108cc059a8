// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// One coloured set of bars: a value for every label of the chart.
struct ChartSeries {
    std::string name;
    std::vector<double> values;
};

// A bar chart as core computes it; the desktop program draws it as it is.
struct ChartData {
    std::string title;
    std::string valueAxisTitle;
    std::vector<std::string> labels;  // one group of bars each: teams or categories
    std::vector<ChartSeries> series;
    bool stacked = false;
    // The value axis stops here even when the bars' headroom would reach past it: a chance in
    // percent never passes 100.
    std::optional<double> valueCeiling;
    // The label of the user's own team, drawn in its own colour; none when no team is his.
    std::optional<std::size_t> highlighted;
};

enum class ChartKind { Standings, Targets, Money };

// "standings", "targets" or "money".
std::optional<ChartKind> chartKindNamed(std::string_view name);

// Total standings points by team in standings order, from the last standings run: the
// rotisserie rank points or the weighted fantasy points the grid's TOTAL column shows.
std::optional<ChartData> standingsChart(DraftSession& session, bool includeReserves);

// The user's team against the league in every category of the draft, from the last standings
// run: in rotisserie his rank points and the league's average rank points, in a points league
// his weighted total and the average team's. Categories in the order of the targets panel last
// shown (the session's category targets), else in catalogue order.
std::optional<ChartData> targetsChart(DraftSession& session, bool includeReserves);

// Money spent and money left by team in draft order, stacked to the cap; auctions only (any
// other draft fails with "Only an auction has money to chart."). No message without a draft.
Outcome<ChartData> moneyChart(DraftSession& session);

// The chart of that kind for the open draft. A failure without words was only logged.
Outcome<ChartData> chartData(DraftSession& session, bool includeReserves, ChartKind kind);

}  // namespace quorvane
