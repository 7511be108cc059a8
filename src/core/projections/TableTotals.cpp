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
    TotalsBuilder(const TableRow& row, bool perGame, SeasonTotals& totals)
        : m_games(perGame ? row.games.value_or(0.0) : 1.0), m_perGame(perGame), m_totals(totals) {}

    std::optional<int> total(TableFigure figure) const {
        return figure ? std::optional<int>(roundFigure(*figure * m_games)) : std::nullopt;
    }

    void set(std::size_t stat, TableFigure figure) {
        if (figure) {
            put(stat, *figure * m_games, m_perGame ? TotalSource::PerGame : TotalSource::Table);
        }
    }

    // Made and attempted totals from whatever the table gives of them.
    void shots(const ShotFigures& shots, std::size_t made, std::size_t attempted) {
        set(made, shots.made);
        set(attempted, shots.attempted);
        if (!shots.made && shots.fraction && shots.attempted) {
            put(made, *shots.fraction * *shots.attempted * m_games, TotalSource::Percentage);
        }
        if (!shots.attempted && shots.made && shots.fraction && *shots.fraction > 0.0) {
            put(attempted, *shots.made / *shots.fraction * m_games, TotalSource::Percentage);
        }
    }

    double games() const { return m_games; }

  private:
    void put(std::size_t stat, double figure, TotalSource source) {
        m_totals.stats[stat] = roundFigure(figure);
        m_totals.unrounded[stat] = figure;
        m_totals.sources[stat] = source;
    }

    double m_games;
    bool m_perGame;
    SeasonTotals& m_totals;
};

// How freely a made figure may take the odd point: one from a percentage or not given by the
// table at all first, then one rounded from a per-game figure, last a total the table wrote.
int oddPointRank(const SeasonTotals& totals, std::size_t stat) {
    if (!totals.stats[stat]) {
        return 1;
    }
    switch (totals.sources[stat]) {
        case TotalSource::Percentage:
            return 0;
        case TotalSource::PerGame:
            return 2;
        case TotalSource::Table:
            break;
    }
    return 3;
}

// Moves free throws or threes made by one so that the points leave whole field goals: the
// freest of the two (free throws on a tie), towards its unrounded figure, kept within 0 and
// its attempts. The column moved, or nullopt when neither may move.
std::optional<std::size_t> moveOddPoint(const SeasonTotals& totals, ProjectionRow& row) {
    struct Made {
        std::size_t made;
        std::size_t attempted;
    };
    std::array<Made, 2> kinds = {Made{kFtm, kFta}, Made{kPt3m, kPt3a}};
    std::stable_sort(kinds.begin(), kinds.end(), [&](const Made& a, const Made& b) {
        return oddPointRank(totals, a.made) < oddPointRank(totals, b.made);
    });
    for (const Made& kind : kinds) {
        int& made = row.stats[kind.made];
        const bool roundedUp =
            totals.stats[kind.made] && totals.unrounded[kind.made] < *totals.stats[kind.made];
        for (const int step : roundedUp ? std::array{-1, 1} : std::array{1, -1}) {
            if (made + step >= 0 && made + step <= row.stats[kind.attempted]) {
                made += step;
                return kind.made;
            }
        }
    }
    return std::nullopt;
}

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
    SeasonTotals result;
    TotalsBuilder build(row, perGame, result);
    auto& stats = result.stats;
    stats[kGames] = row.games ? std::optional<int>(roundFigure(*row.games)) : std::nullopt;
    stats[kMinutes] = build.total(row.minutes);
    build.shots(row.freeThrows, kFtm, kFta);
    build.shots(row.fieldGoals, kFgm, kFga);
    build.shots(row.threes, kPt3m, kPt3a);
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
    const double slack = perGame ? kPerGamePointsSlack * totals.games + kWholeNumberPointsSlack
                                 : kWholeNumberPointsSlack;
    // A table of totals gives its points as a total to keep; per game they are as rounded as
    // the percentage is.
    const bool ownFieldGoals =
        totals.stats[kFgm] && (perGame || totals.sources[kFgm] != TotalSource::Percentage);
    if (!ownFieldGoals) {
        const ProjectionRow before = row;
        const auto twoPointShare = [&] { return points - row.stats[kPt3m] - row.stats[kFtm]; };
        std::optional<std::size_t> moved;
        if (twoPointShare() % 2 != 0) {
            moved = moveOddPoint(totals, row);
        }
        const int fieldGoals = std::max(0, roundFigure(static_cast<double>(twoPointShare()) / 2.0));
        // Made field goals from a percentage give way only to points that agree with them.
        if (!totals.stats[kFgm] || 2.0 * std::abs(fieldGoals - *totals.stats[kFgm]) <= slack) {
            row.stats[kFgm] = fieldGoals;
            if (moved && oddPointRank(totals, *moved) == 3) {
                return fmt::format(
                    "{} points leave half a field goal beside {} 3PM and {} FTM: "
                    "{} taken as {}",
                    points, before.stats[kPt3m], before.stats[kFtm], *moved == kFtm ? "FTM" : "3PM",
                    row.stats[*moved]);
            }
        } else {
            row = before;
        }
    }
    const long long fromParts = 2LL * row.stats[kFgm] + row.stats[kPt3m] + row.stats[kFtm];
    if (static_cast<double>(std::llabs(fromParts - points)) <= slack) {
        return std::nullopt;
    }
    return fmt::format("{} points, but 2 x FGM + 3PM + FTM = {}", points, fromParts);
}

}  // namespace quorvane
