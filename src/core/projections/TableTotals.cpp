// SPDX-License-Identifier: MIT
#include "projections/TableTotals.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <fmt/format.h>

namespace quorvane {

namespace {

enum Stat : std::size_t {
    kGames,
    kMinutes,
    kFta,
    kFtm,
    kFga,
    kFgm,
    kPt3a,
    kPt3m,
    kOreb,
    kDreb,
    kAssists,
    kSteals,
    kBlocks,
    kTurnovers,
    kDoubleDoubles,
    kTripleDoubles,
};

// Each of points, field goals, threes and free throws per game is off by up to 0.05 once
// rounded to one decimal, and 2 x FGM + 3PM + FTM weighs them 1 + 2 + 1 + 1 times.
constexpr double kPerGamePointsSlack = 0.25;
constexpr double kWholeNumberPointsSlack = 2.5;

class TotalsBuilder {
  public:
    TotalsBuilder(const TableRow& row, bool perGame)
        : m_games(perGame ? row.games.value_or(0.0) : 1.0) {}

    std::optional<int> total(TableFigure figure) const {
        return figure ? std::optional<int>(roundFigure(*figure * m_games)) : std::nullopt;
    }

    // Made and attempted totals from whatever the table gives of them.
    void shots(const ShotFigures& shots, std::optional<int>& made,
               std::optional<int>& attempted) const {
        made = total(shots.made);
        attempted = total(shots.attempted);
        if (!made && shots.fraction && shots.attempted) {
            made = roundFigure(*shots.fraction * *shots.attempted * m_games);
        }
        if (!attempted && shots.made && shots.fraction && *shots.fraction > 0.0) {
            attempted = roundFigure(*shots.made / *shots.fraction * m_games);
        }
    }

    double games() const { return m_games; }

  private:
    double m_games;
};

}  // namespace

int roundFigure(double value) {
    constexpr double kBinaryRoom = 1e-7;
    // The reader keeps every figure within a season's range, so this never saturates; should a
    // figure get past it, it stops at the int's limit instead of wrapping round.
    const double nudged = value + (value < 0.0 ? -kBinaryRoom : kBinaryRoom);
    if (!(nudged > static_cast<double>(std::numeric_limits<int>::min()))) {
        return std::numeric_limits<int>::min();
    }
    if (!(nudged < static_cast<double>(std::numeric_limits<int>::max()))) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(std::lround(nudged));
}

SeasonTotals seasonTotals(const TableRow& row, bool perGame, double offensiveReboundShare) {
    const TotalsBuilder build(row, perGame);
    SeasonTotals result;
    auto& stats = result.stats;
    stats[kGames] = row.games ? std::optional<int>(roundFigure(*row.games)) : std::nullopt;
    stats[kMinutes] = build.total(row.minutes);
    build.shots(row.freeThrows, stats[kFtm], stats[kFta]);
    build.shots(row.fieldGoals, stats[kFgm], stats[kFga]);
    build.shots(row.threes, stats[kPt3m], stats[kPt3a]);
    stats[kOreb] = build.total(row.offensiveRebounds);
    stats[kDreb] = build.total(row.defensiveRebounds);
    if (const auto rebounds = build.total(row.rebounds)) {
        if (!stats[kOreb] && !stats[kDreb]) {
            stats[kOreb] = roundFigure(*rebounds * offensiveReboundShare);
        }
        if (!stats[kDreb]) {
            stats[kDreb] = static_cast<int>(std::max(0LL, 1LL * *rebounds - *stats[kOreb]));
        } else if (!stats[kOreb]) {
            stats[kOreb] = static_cast<int>(std::max(0LL, 1LL * *rebounds - *stats[kDreb]));
        }
    }
    stats[kAssists] = build.total(row.assists);
    stats[kSteals] = build.total(row.steals);
    stats[kBlocks] = build.total(row.blocks);
    stats[kTurnovers] = build.total(row.turnovers);
    stats[kDoubleDoubles] = build.total(row.doubleDoubles);
    stats[kTripleDoubles] = build.total(row.tripleDoubles);

    result.points = build.total(row.points);
    result.games = build.games();
    return result;
}

std::optional<std::string> layTotalsOver(const SeasonTotals& totals, bool perGame,
                                         ProjectionRow& row) {
    for (std::size_t i = 0; i < totals.stats.size(); ++i) {
        if (totals.stats[i]) {
            row.stats[i] = *totals.stats[i];
        }
    }
    if (!totals.points) {
        return std::nullopt;
    }
    // Stored figures may come from files older than the range checks: worked in 64 bits, no
    // sum of a few ints can overflow.
    const long long points = *totals.points;
    const long long threes = row.stats[kPt3m];
    const long long freeThrows = row.stats[kFtm];
    if (!totals.stats[kFgm]) {
        row.stats[kFgm] =
            std::max(0, roundFigure(static_cast<double>(points - threes - freeThrows) / 2.0));
        return std::nullopt;
    }
    const long long fromParts = 2LL * row.stats[kFgm] + threes + freeThrows;
    const double slack = perGame ? kPerGamePointsSlack * totals.games + kWholeNumberPointsSlack
                                 : kWholeNumberPointsSlack;
    if (static_cast<double>(std::llabs(fromParts - points)) <= slack) {
        return std::nullopt;
    }
    return fmt::format("{} points, but 2 x FGM + 3PM + FTM = {}", points, fromParts);
}

}  // namespace quorvane
