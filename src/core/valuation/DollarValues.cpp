// SPDX-License-Identifier: MIT
#include "valuation/DollarValues.h"

#include <algorithm>
#include <string>

#include "app/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/CategoryCatalogue.h"
#include "valuation/Ranks.h"
#include "valuation/SgpDenominators.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

constexpr std::string_view kStartFailed = " 90005 error: could not start dollar value calc";
constexpr std::string_view kCountFailed =
    " 90005 error: could not get player count from drafttaken";
constexpr std::string_view kClearFailed = " 90005 error: could not delete from bat_proj_cats";
constexpr std::string_view kFillFailed = " 90005 error: could not insert into proj_cats";
constexpr std::string_view kUpdateFailed = " 90005 error: could not update proj_cats";
constexpr std::string_view kPoolReadFailed = " 90005 error: could not access top_players";
constexpr std::string_view kSpentFailed = " 90005 error: could not access drafttaken";
constexpr std::string_view kWriteFailed = " 90005 error: could get points sum";

constexpr auto kMessage = StepReport::MessageAndLog;

// The players valued: every projection of the season.
constexpr std::string_view kValuedPlayers =
    "DraftPlayers dp where dp.stat_indicator = 'P' and dp.C >= 0 and dp.yearofprojection = ?";

// The sum of the draft's SGP terms, or nothing when the draft has no category with a term or
// one of its denominators is 0 (the division would be undefined).
std::optional<std::string> sgpSum(const ProgramState& state) {
    const DraftSettings& draft = *state.draftSettings;
    std::string terms;
    for (const CategoryWeight& weight : draft.categories) {
        const CategoryDefinition* category = findCategory(weight.categoryid);
        if (category == nullptr) {
            continue;
        }
        const auto id = static_cast<std::size_t>(weight.categoryid);
        const double denominator =
            id < state.sgpDenominators.size() ? state.sgpDenominators[id].sgp_denominator : 0.0;
        if (denominator == 0.0) {
            return std::nullopt;
        }
        terms += (terms.empty() ? "" : " + ") + sgpTermFor(*category, denominator, draft.teams);
    }
    if (terms.empty()) {
        return std::nullopt;
    }
    return terms;
}

// One row per valued player: centres marked 'C', everyone else 'P', his statistics and his
// SGP, which the terms compute from the statistics of the inner select.
std::string projCatsInsert(const std::string& sgp) {
    std::string columns = "playerid, pos, games";
    std::string values = "dp.playerid, IIF(dp.C > 0, 'C', 'P') as pos, dp.games as games";
    for (const CategoryDefinition& category : categoryCatalogue()) {
        columns += ", " + std::string(category.workColumn);
        values += ", " + std::string(sgpWorkStatisticOf(category)) + " as " +
                  std::string(category.workColumn);
    }
    return "insert into proj_cats(" + columns + ", sgp) select " + columns + ", (" + sgp +
           ") from (select " + values + " from " + std::string(kValuedPlayers) +
           " order by dp.playerid)";
}

// The lowest SGP of a group's rostered players: its replacement level. Positions come from the
// season's rows only, so a player who was a centre last season is not counted with this
// season's centres.
std::optional<double> replacementLevel(ValuationSteps& steps, const ProgramState& state,
                                       std::string_view group) {
    return steps.number(
        "select IIF(min(t.sgp) is null,0,min(t.sgp)) as minsgp from top_players t, DraftPlayers p"
        " where p.playerid = t.playerid and p.yearofprojection = ?" +
            std::string(group),
        "minsgp", kPoolReadFailed, kMessage, {whole(state.projectionYear)});
}

// Adds a group's best players to top_players, with their SGP above the group's level.
bool addToPool(ValuationSteps& steps, std::string_view position, double count, double level,
               std::string_view excludeDrafted, const SqlParams& draftParam) {
    SqlParams params{level};
    params.insert(params.end(), draftParam.begin(), draftParam.end());
    params.push_back(poolLimit(count));
    const std::string group =
        position.empty() ? "" : " where pos = '" + std::string(position) + "'";
    return steps.run(
        "insert into top_players(playerid, sgp) select playerid, sgp - ?"
        " from proj_cats" +
            group + std::string(excludeDrafted) + " order by sgp desc limit ?",
        kUpdateFailed, kMessage, params);
}

bool rotisserieDollarValues(ProgramState& state, UserDialogs& dialogs) {
    const DraftSettings& d = *state.draftSettings;
    const bool inflation = state.showInflation;
    const SqlParams draftId{whole(d.template_id)};
    const SqlValue year = whole(state.projectionYear);
    ValuationSteps steps(state.dbConnection, dialogs);

    // Rows that this run values get their new value at the end; the rest drop to 0.
    if (!loadSgpDenominators(state, dialogs) ||
        !steps.run("update DraftPlayers set dollars = 0 where dollars <> 0 and playerid not in"
                   " (select dp.playerid from " +
                       std::string(kValuedPlayers) + ")",
                   kStartFailed, StepReport::LogOnly, {year})) {
        return false;
    }
    const auto picks = steps.number("select count(*) as cnt from DraftTaken where template_id = ?",
                                    "cnt", kCountFailed, StepReport::LogOnly, draftId);
    if (!picks) {
        return false;
    }
    const long long teams = d.teams;
    const long long otherSlots = d.F + d.PF + d.SF + d.G + d.PG + d.SG;  // UT and C excluded
    const long long rosterSize = d.C + otherSlots + d.UT;
    long long rostered = teams * rosterSize;
    if (inflation) {
        rostered -= static_cast<long long>(*picks);
    }
    const long long centreSlots = teams * d.C;
    const long long nonCentreSlots = teams * (otherSlots + d.UT);

    if (!steps.run("delete from proj_cats", kClearFailed)) {
        return false;
    }
    const auto sum = sgpSum(state);
    if (!sum) {
        steps.fail(kUpdateFailed, kMessage);
        return false;
    }
    if (!steps.run(projCatsInsert(*sum), kFillFailed, kMessage, {year})) {
        return false;
    }

    // The players a full league would roster set the replacement levels: with no positional
    // slot but utility, one level for everyone; otherwise one for centres, one for the rest.
    double centreLevel = 0.0;
    double otherLevel = 0.0;
    if (!steps.run("delete from top_players", kUpdateFailed, kMessage)) {
        return false;
    }
    if (otherSlots == 0) {
        const long long utility = teams * d.UT;
        if (utility >= 1 && !addToPool(steps, "", static_cast<double>(utility), 0.0, "", {})) {
            return false;
        }
        const auto level = replacementLevel(steps, state, "");
        if (!level) {
            return false;
        }
        centreLevel = otherLevel = *level;
    } else {
        if (centreSlots > 0 &&
            !addToPool(steps, "C", static_cast<double>(centreSlots), 0.0, "", {})) {
            return false;
        }
        if (nonCentreSlots >= 1 &&
            !addToPool(steps, "P", static_cast<double>(nonCentreSlots), 0.0, "", {})) {
            return false;
        }
        if (d.C >= 1) {
            const auto level = replacementLevel(steps, state, " and p.C > 0");
            if (!level) {
                return false;
            }
            centreLevel = *level;
        }
        if (otherSlots + d.UT >= 1) {
            const auto level = replacementLevel(steps, state, " and p.C = 0");
            if (!level) {
                return false;
            }
            otherLevel = *level;
        }
    }

    double pot = static_cast<double>(teams) * d.dollars;
    if (inflation) {
        const auto spent = steps.number(
            "select IIF(sum(dollars) is null,0,sum(dollars)) as dollars_spent from DraftTaken"
            " where template_id = ?",
            "dollars_spent", kSpentFailed, kMessage, draftId);
        if (!spent) {
            return false;
        }
        pot -= *spent;
    }

    // The players still to be bought share the money.
    if (!steps.run("delete from top_players", kUpdateFailed, kMessage)) {
        return false;
    }
    const std::string_view excludeDrafted =
        inflation ? " and playerid not in (select playerid from DraftTaken where template_id = ?)"
                  : "";
    const SqlParams excludeParams = inflation ? draftId : SqlParams{};
    double centresToBuy = static_cast<double>(centreSlots);
    double othersToBuy = static_cast<double>(nonCentreSlots);
    if (inflation) {
        const auto centresTaken = steps.number(
            "select count(*) as cnt from DraftTaken where template_id = ? and pos = 'C'", "cnt",
            kUpdateFailed, kMessage, draftId);
        // Reserve picks count against the non-centre slots.
        const auto othersTaken = centresTaken ? steps.number(
                                                    "select count(*) as cnt from DraftTaken"
                                                    " where template_id = ? and pos <> 'C'",
                                                    "cnt", kUpdateFailed, kMessage, draftId)
                                              : std::nullopt;
        if (!othersTaken) {
            return false;
        }
        centresToBuy = std::max(0.0, centresToBuy - *centresTaken);
        othersToBuy = std::max(1.0, othersToBuy - *othersTaken);
    }
    if (centresToBuy > 0 &&
        !addToPool(steps, "C", centresToBuy, centreLevel, excludeDrafted, excludeParams)) {
        return false;
    }
    if (othersToBuy >= 1 &&
        !addToPool(steps, "P", othersToBuy, otherLevel, excludeDrafted, excludeParams)) {
        return false;
    }
    const auto sgpTotal =
        steps.number("select IIF(sum(sgp) is null,0,sum(sgp)) as sgp_sum from top_players",
                     "sgp_sum", kPoolReadFailed, kMessage);
    if (!sgpTotal) {
        return false;
    }

    // Every rostered slot beyond one per team costs at least a dollar.
    if (rostered - teams > 0) {
        pot -= static_cast<double>(rostered - teams);
    }
    const double rate = *sgpTotal > 0 ? pot / *sgpTotal : pot;
    // A replacement-level player ends at SGP 0 and the minimum bid; better ones above it, worse
    // ones below it, down to negative values.
    const std::string aboveLevel = "(sgp - IIF(pos = 'C', ?, ?))";
    return steps.run("update proj_cats set sgp = " + aboveLevel + ", dollars = ? + (" + aboveLevel +
                         " * ?)",
                     kUpdateFailed, kMessage,
                     {centreLevel, otherLevel, d.minbid, centreLevel, otherLevel, rate}) &&
           steps.run(
               "update DraftPlayers set dollars = pc.dollars from proj_cats pc"
               " where DraftPlayers.playerid = pc.playerid"
               " and DraftPlayers.dollars is not pc.dollars",
               kWriteFailed);
}

}  // namespace

bool calcDollarValues(ProgramState& state, UserDialogs& dialogs, std::string_view /*mode*/) {
    if (!state.hasDraft()) {
        return false;
    }
    if (state.draftSettings->scoringstyle == kScoringPoints) {
        return calcRanks(state, dialogs);
    }
    TransactionGuard transaction(state.dbConnection);
    if (!transaction.begun()) {
        ValuationSteps(state.dbConnection, dialogs).fail(kStartFailed, StepReport::LogOnly);
        return false;
    }
    return rotisserieDollarValues(state, dialogs) && transaction.commit();
}

}  // namespace quorvane
