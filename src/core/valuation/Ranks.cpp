// SPDX-License-Identifier: MIT
#include "valuation/Ranks.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/CategoryCatalogue.h"
#include "valuation/DollarValues.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

// A position whose last starter sets a baseline for value-based drafting.
struct BaselinePosition {
    std::string_view letter;
    bool (*applies)(const DraftSettings&);
    // How many players the league starts there; fractional with an odd share of G or F slots.
    double (*starters)(const DraftSettings&);
    std::string_view baselineGroup;  // who can be that last starter
    std::string_view eligibility;    // who is measured against the baseline
};

// Guards shared by PG and SG count half to each; a dual PG/SG sets the PG baseline only, and
// forwards who also play guard or centre stay out of the SF and PF baselines.
constexpr std::array<BaselinePosition, 7> kBaselinePositions = {{
    {"C", [](const DraftSettings& d) { return d.C > 0; },
     [](const DraftSettings& d) { return double(d.teams) * d.C; }, "d.C > 0", "d.C > 0"},
    {"F", [](const DraftSettings& d) { return d.PF + d.SF == 0 && d.F >= 1; },
     [](const DraftSettings& d) { return double(d.teams) * d.F; }, "(d.PF > 0 or d.SF > 0)",
     "(d.PF > 0 or d.SF > 0)"},
    {"G", [](const DraftSettings& d) { return d.PG + d.SG == 0 && d.G >= 1; },
     [](const DraftSettings& d) { return double(d.teams) * d.G; }, "(d.PG > 0 or d.SG > 0)",
     "(d.PG > 0 or d.SG > 0)"},
    {"PG", [](const DraftSettings& d) { return d.PG > 0; },
     [](const DraftSettings& d) { return (d.G * 0.5 + d.PG) * d.teams; }, "d.PG > 0", "d.PG > 0"},
    {"SG", [](const DraftSettings& d) { return d.SG > 0; },
     [](const DraftSettings& d) { return (d.G * 0.5 + d.SG) * d.teams; }, "d.SG > 0 and d.PG = 0",
     "d.SG > 0"},
    {"SF", [](const DraftSettings& d) { return d.SF >= 1; },
     [](const DraftSettings& d) { return (d.F * 0.5 + d.SF) * d.teams; },
     "d.SF > 0 and d.SG + d.PG = 0", "d.SF > 0"},
    {"PF", [](const DraftSettings& d) { return d.PF >= 1; },
     [](const DraftSettings& d) { return (d.F * 0.5 + d.PF) * d.teams; },
     "d.PF > 0 and (d.PG + d.SG + d.C) = 0", "d.PF > 0"},
}};

bool rotisserieRanks(ProgramState& state, UserDialogs& dialogs, ValuationSteps& steps) {
    if (!calcDollarValues(state, dialogs, "RANK")) {
        return false;
    }
    // Equal dollars share a rank and the next rank is skipped (1, 2, 2, 4).
    return steps.run("delete from vbd_player_points",
                     " 90070 error: could delete from vbd_player_points") &&
           steps.run(
               "insert into vbd_player_points (playerid, pos, points, vbd, rank)"
               " select playerid, 'NA', dollars, 0, rank() over (order by dollars desc)"
               " from DraftPlayers where yearofprojection = ?",
               " 90071 error: could insert into vbd_player_points", StepReport::LogOnly,
               {whole(state.projectionYear)}) &&
           steps.run(
               "update DraftPlayers set draftorder = v.rank from vbd_player_points v"
               " where DraftPlayers.playerid = v.playerid",
               " 90072 error: could get points sum");
}

// Each player's statistics with the draft's weights applied, one weight per use of the
// category, and his fantasy points: the sum of the weighted statistics of the draft.
bool weightedPoints(const ProgramState& state, ValuationSteps& steps) {
    const DraftSettings& d = *state.draftSettings;
    std::string columns;
    std::string statistics;
    SqlParams weights;
    for (const CategoryDefinition& category : categoryCatalogue()) {
        columns += ", " + std::string(category.workColumn);
        statistics += ", " + std::string(category.playerStatistic);
        for (const CategoryWeight& weight : d.categories) {
            if (weight.categoryid == category.categoryid) {
                statistics += " * ?";
                weights.emplace_back(weight.points);
            }
        }
    }
    weights.push_back(whole(state.projectionYear));
    std::string sum;
    for (const CategoryWeight& weight : d.categories) {
        if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
            sum += (sum.empty() ? "" : " + ") + std::string(category->workColumn);
        }
    }
    // A draft without categories has no points to sum; the statement then fails like the
    // others and ends the run.
    return steps.run("delete from vbd_cat_points",
                     " 90021 error: could delete from vbd_cat_points") &&
           steps.run("insert into vbd_cat_points (playerid, pos" + columns +
                         ") select dp.playerid, 'C'" + statistics +
                         " from DraftPlayers dp where dp.yearofprojection = ?"
                         " order by dp.playerid",
                     " 90022 error: could no insert into vbd_cat_points", StepReport::LogOnly,
                     weights) &&
           steps.run("delete from vbd_player_points",
                     " 90023 error: could not delete from vbd_cat_points") &&
           steps.run(
               "insert into vbd_player_points (playerid, pos, points) select playerid, pos, (" +
                   sum + ") from vbd_cat_points",
               " 90024 error: could not insert into vbd_player_points");
}

bool positionPoints(const ProgramState& state, ValuationSteps& steps) {
    const DraftSettings& d = *state.draftSettings;
    constexpr std::string_view kSelectFailed = " 90025 error: could not select from vbd_baselines";
    if (!steps.run("delete from vbd_position_points", kSelectFailed)) {
        return false;
    }
    const SqlValue year = whole(state.projectionYear);
    for (const BaselinePosition& position : kBaselinePositions) {
        if (!position.applies(d)) {
            continue;
        }
        if (!steps.run("delete from vbd_baselines",
                       " 90025 error: could not delete from vbd_baselines") ||
            !steps.run("insert into vbd_baselines(playerid, points) select v.playerid, v.points"
                       " from vbd_player_points v, DraftPlayers d where " +
                           std::string(position.baselineGroup) +
                           " and d.yearofprojection = ? and v.playerid = d.playerid"
                           " order by v.points desc limit ?",
                       " 90025 error: could not insert into vbd_baselines", StepReport::LogOnly,
                       {year, poolLimit(position.starters(d))})) {
            return false;
        }
        const auto baseline =
            steps.number("select IIF(min(points) is null,0,min(points)) as base from vbd_baselines",
                         "base", kSelectFailed);
        if (!baseline ||
            !steps.run(
                "insert into vbd_position_points (playerid, pos, points) select v.playerid, '" +
                    std::string(position.letter) +
                    "', v.points - ? from vbd_player_points v, DraftPlayers d"
                    " where v.playerid = d.playerid and " +
                    std::string(position.eligibility) + " and d.yearofprojection = ?",
                kSelectFailed, StepReport::LogOnly, {*baseline, year})) {
            return false;
        }
    }
    return true;
}

bool vbdRanks(ValuationSteps& steps) {
    // A player eligible at no position with a baseline keeps no vbd (NULL): he ranks after
    // everyone who has one instead of at the top.
    return steps.run("delete from vbd_max_points",
                     " 90005 error: could not delete from vbd_max_points") &&
           steps.run(
               "insert into vbd_max_points (playerid, vbd) select playerid, max(points)"
               " from vbd_position_points group by playerid",
               " 90025 error: could not insert into vbd_max_points") &&
           steps.run(
               "update vbd_player_points set vbd = m.vbd from vbd_max_points m"
               " where vbd_player_points.playerid = m.playerid",
               " 90005 error: could not delete from vbd_player_rank") &&
           steps.run("delete from vbd_player_rank",
                     " 90005 error: could not delete from vbd_player_rank") &&
           steps.run(
               "insert into vbd_player_rank (playerid, playerrank)"
               " select playerid, rank() over (order by vbd desc nulls last)"
               " from vbd_player_points",
               " 90025 error: could not insert into vbd_player_rank") &&
           steps.run(
               "update DraftPlayers set draftorder = r.playerrank from vbd_player_rank r"
               " where DraftPlayers.playerid = r.playerid",
               " 90025 error: could get points sum");
}

bool auctionMoney(const ProgramState& state, ValuationSteps& steps) {
    const DraftSettings& d = *state.draftSettings;
    const bool inflation = state.showInflation;
    const SqlParams draftId{whole(d.template_id)};
    long long toBuy =
        static_cast<long long>(d.teams) * (d.C + d.F + d.G + d.PG + d.SG + d.PF + d.SF + d.UT);
    if (inflation) {
        const auto picks =
            steps.number("select count(*) as cnt from DraftTaken where template_id = ?", "cnt",
                         " 90005 error: could not get player count from drafttaken",
                         StepReport::LogOnly, draftId);
        if (!picks) {
            return false;
        }
        toBuy = std::max(0LL, toBuy - static_cast<long long>(*picks));
    }
    SqlParams poolParams = inflation ? draftId : SqlParams{};
    poolParams.push_back(poolLimit(static_cast<double>(toBuy)));
    if (!steps.run("delete from dollars_top_points",
                   " 90005 error: could delete from dollar_top_points") ||
        !steps.run(std::string("insert into dollars_top_points (playerid, points)"
                               " select playerid, vbd from vbd_player_points") +
                       (inflation ? " where playerid not in (select playerid from DraftTaken"
                                    " where template_id = ?)"
                                  : "") +
                       " order by vbd desc nulls last limit ?",
                   " 90005 error: could insert into dollar_top_points", StepReport::LogOnly,
                   poolParams)) {
        return false;
    }
    auto poolVbd =
        steps.number("select IIF(sum(points) is null,0,sum(points)) as pts from dollars_top_points",
                     "pts", " 90005 error: could get points sum");
    if (!poolVbd) {
        return false;
    }
    if (*poolVbd == 0) {
        poolVbd = 1.0;
    }
    constexpr std::string_view kDollarSumFailed =
        " 90005 error: could get dollar sum from drafttaken";
    const auto spent = steps.number(
        "select IIF(sum(dollars*1.0) is null,0,sum(dollars*1.0)) as amt from DraftTaken"
        " where template_id = ?",
        "amt", kDollarSumFailed, StepReport::LogOnly, draftId);
    if (!spent) {
        return false;
    }
    const double pot = static_cast<double>(d.teams) * d.dollars;
    const double rate = inflation ? std::max(0.0, (pot - *spent) / *poolVbd) : pot / *poolVbd;
    // Without a vbd a player is worth nothing here rather than an empty value.
    return steps.run("update vbd_player_points set points = IIF(vbd is null, 0, vbd * ?)",
                     kDollarSumFailed, StepReport::LogOnly, {rate}) &&
           steps.run(
               "update DraftPlayers set dollars = v.points from vbd_player_points v"
               " where DraftPlayers.playerid = v.playerid",
               " 90005 error: could not update draft players with dollar values from points");
}

bool runRanks(ProgramState& state, UserDialogs& dialogs) {
    ValuationSteps steps(state.dbConnection, dialogs);
    // Every player of the season gets his rank at the end; other rows drop to 0.
    if (!steps.run("update DraftPlayers set draftorder = 0 where draftorder <> 0 and playerid"
                   " not in (select playerid from DraftPlayers where yearofprojection = ?)",
                   " 90005 error: could not start dollar value calc", StepReport::LogOnly,
                   {whole(state.projectionYear)})) {
        return false;
    }
    if (state.draftSettings->scoringstyle == kScoringRotisserie) {
        return rotisserieRanks(state, dialogs, steps);
    }
    if (!weightedPoints(state, steps) || !positionPoints(state, steps) || !vbdRanks(steps)) {
        return false;
    }
    return state.draftSettings->drafttype != kDraftTypeAuction || auctionMoney(state, steps);
}

}  // namespace

bool calcRanks(ProgramState& state, UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return false;
    }
    TransactionGuard transaction(state.dbConnection);
    if (!transaction.begun()) {
        ValuationSteps(state.dbConnection, dialogs)
            .fail(" 90005 error: could not start dollar value calc", StepReport::LogOnly);
        return false;
    }
    return runRanks(state, dialogs) && transaction.commit();
}

bool calcRoomValues(ProgramState& state, UserDialogs& dialogs) {
    if (!state.hasDraft()) {
        return false;
    }
    return state.draftSettings->drafttype == kDraftTypeAuction
               ? calcDollarValues(state, dialogs, "B")
               : calcRanks(state, dialogs);
}

}  // namespace quorvane
