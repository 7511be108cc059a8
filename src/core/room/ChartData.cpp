// SPDX-License-Identifier: MIT
#include "room/ChartData.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/DraftSession.h"
#include "room/Rosters.h"
#include "room/WriteFailures.h"
#include "valuation/CategoryTargets.h"
#include "valuation/HeadToHeadStandings.h"
#include "valuation/Standings.h"
#include "vocabulary/OwnTeam.h"

namespace quorvane {

namespace {

constexpr int kTotalCategory = 0;

bool isRotisserie(const DraftSession& session) {
    return session.draftSettings() && session.draftSettings()->scoringstyle != kScoringPoints;
}

bool isHeadToHead(const DraftSession& session) {
    return session.draftSettings() && session.draftSettings()->scoringstyle == kScoringHeadToHead;
}

std::optional<std::size_t> indexOfTeam(const std::vector<int>& teams, int teamid) {
    const auto found = std::find(teams.begin(), teams.end(), teamid);
    if (teamid == 0 || found == teams.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - teams.begin());
}

bool mostCategories(const DraftSession& session) {
    return session.draftSettings()->headToHead.mode == kHeadToHeadMostCategories;
}

// Each team's standings figure, best first; a chance as a percentage.
std::optional<ChartData> headToHeadStandingsChart(DraftSession& session, bool includeReserves) {
    const Outcome<OpenHeadToHead> open = openHeadToHead(session, includeReserves);
    if (!open) {
        return std::nullopt;
    }
    const bool most = mostCategories(session);
    ChartData chart;
    chart.title = "Projected head-to-head standings";
    chart.valueAxisTitle = most ? "Chance to win the week (%)" : "Expected category wins a week";
    if (most) {
        chart.valueCeiling = 100.0;
    }
    ChartSeries figures{most ? "Win %" : "Expected wins", {}};
    std::vector<int> teams;
    for (const HeadToHeadStanding& standing : open->league->standings()) {
        teams.push_back(standing.teamid);
        chart.labels.push_back(standing.teamname);
        figures.values.push_back(most ? standing.figure * 100.0 : standing.figure);
    }
    chart.series.push_back(std::move(figures));
    chart.highlighted = indexOfTeam(teams, myTeamId(session));
    return chart;
}

// The user's chance per category against the league's average team, in the order of the
// targets panel when it shows every category.
std::optional<ChartData> headToHeadTargetsChart(DraftSession& session, bool includeReserves) {
    const auto chances = myChancesAgainstAverage(session, includeReserves);
    if (!chances) {
        return std::nullopt;
    }
    ChartData chart;
    chart.title = "My team against the league's average team: chance per category";
    chart.valueAxisTitle = "Chance to win the category (%)";
    chart.valueCeiling = 100.0;
    ChartSeries own{"My chance", {}};
    std::vector<int> order;
    for (const CategoryTarget& row : session.categoryTargets()) {
        if (chances->contains(row.categoryid)) {
            order.push_back(row.categoryid);
        }
    }
    if (order.size() != chances->size()) {
        order.clear();
        for (const CategoryWeight& category : session.draftSettings()->categories) {
            if (chances->contains(category.categoryid)) {
                order.push_back(category.categoryid);
            }
        }
    }
    for (const int categoryid : order) {
        const CategoryDefinition* category = findCategory(categoryid);
        chart.labels.emplace_back(category != nullptr ? category->heading : "");
        own.values.push_back(chances->at(categoryid) * 100.0);
    }
    chart.series.push_back(std::move(own));
    return chart;
}

}  // namespace

std::optional<ChartKind> chartKindNamed(std::string_view name) {
    if (name == "standings") {
        return ChartKind::Standings;
    }
    if (name == "targets") {
        return ChartKind::Targets;
    }
    if (name == "money") {
        return ChartKind::Money;
    }
    return std::nullopt;
}

std::optional<ChartData> standingsChart(DraftSession& session, bool includeReserves) {
    if (isHeadToHead(session)) {
        return headToHeadStandingsChart(session, includeReserves);
    }
    const auto entries = readStandings(session, includeReserves);
    if (!entries) {
        return std::nullopt;
    }
    ChartData chart;
    chart.title = "Projected standings";
    chart.valueAxisTitle = isRotisserie(session) ? "Total rank points" : "Total fantasy points";
    ChartSeries totals{"Total", {}};
    std::vector<int> teams;
    for (const StandingsEntry& entry : *entries) {
        if (entry.categoryid == kTotalCategory) {
            teams.push_back(entry.teamid);
            chart.labels.push_back(entry.teamname);
            totals.values.push_back(entry.points);
        }
    }
    chart.series.push_back(std::move(totals));
    chart.highlighted = indexOfTeam(teams, myTeamId(session));
    return chart;
}

std::optional<ChartData> targetsChart(DraftSession& session, bool includeReserves) {
    if (isHeadToHead(session)) {
        return headToHeadTargetsChart(session, includeReserves);
    }
    const auto entries = readStandings(session, includeReserves);
    if (!entries) {
        return std::nullopt;
    }
    const bool rotisserie = isRotisserie(session);
    const int mine = myTeamId(session);
    std::map<int, std::string> symbols;
    std::map<int, double> ownValue;
    std::map<int, double> leagueSum;
    std::set<int> teams;
    for (const StandingsEntry& entry : *entries) {
        teams.insert(entry.teamid);
        if (entry.categoryid == kTotalCategory) {
            continue;
        }
        const double value = rotisserie ? entry.rank : entry.points;
        symbols[entry.categoryid] = entry.symbol;
        leagueSum[entry.categoryid] += value;
        if (entry.teamid == mine) {
            ownValue[entry.categoryid] = value;
        }
    }
    ChartData chart;
    chart.title = rotisserie ? "My team against the league: rank points per category"
                             : "My team against the league: fantasy points per category";
    chart.valueAxisTitle = rotisserie ? "Rank points" : "Fantasy points";
    ChartSeries own{"My team", {}};
    ChartSeries league{"League average", {}};
    // In the order of the targets panel when it is shown, so bars and rows line up.
    std::vector<int> order;
    for (const CategoryTarget& row : session.categoryTargets()) {
        if (symbols.contains(row.categoryid)) {
            order.push_back(row.categoryid);
        }
    }
    if (order.size() != symbols.size()) {
        order.clear();
        for (const auto& [categoryid, symbol] : symbols) {
            order.push_back(categoryid);
        }
    }
    for (const int categoryid : order) {
        chart.labels.push_back(symbols[categoryid]);
        own.values.push_back(ownValue[categoryid]);
        // A team without a row in a category (a points league's ratio categories before its
        // first pick) counts as 0 there.
        league.values.push_back(leagueSum[categoryid] / static_cast<double>(teams.size()));
    }
    chart.series = {std::move(own), std::move(league)};
    return chart;
}

Outcome<ChartData> moneyChart(DraftSession& session) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    if (session.draftSettings()->drafttype != kDraftTypeAuction) {
        return refusedBy(
            {"Money Chart", "Only an auction has money to chart.", MessageIcon::Information});
    }
    const auto money = readTeamMoney(session);
    if (!money) {
        return money.failure();
    }
    ChartData chart;
    chart.title = "Money spent and left";
    chart.valueAxisTitle = "Dollars";
    chart.stacked = true;
    ChartSeries spent{"Spent", {}};
    ChartSeries left{"Left", {}};
    std::vector<int> teams;
    for (const TeamMoney& team : *money) {
        teams.push_back(team.teamid);
        chart.labels.push_back(team.teamname);
        spent.values.push_back(team.spent);
        left.values.push_back(team.left);
    }
    chart.series = {std::move(spent), std::move(left)};
    chart.highlighted = indexOfTeam(teams, myTeamId(*session.draftSettings()));
    return chart;
}

Outcome<ChartData> chartData(DraftSession& session, bool includeReserves, ChartKind kind) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    if (kind == ChartKind::Money) {
        return moneyChart(session);
    }
    std::optional<ChartData> chart = kind == ChartKind::Standings
                                         ? standingsChart(session, includeReserves)
                                         : targetsChart(session, includeReserves);
    if (!chart) {
        return WriteFailure{};
    }
    return std::move(*chart);
}

}  // namespace quorvane
