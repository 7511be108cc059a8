// SPDX-License-Identifier: MIT
#include "valuation/DollarValues.h"

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
constexpr std::string_view kShiftFailed = " 90105 error: could not update top_players";
constexpr std::string_view kSpentFailed = " 90005 error: could not access drafttaken";
constexpr std::string_view kWriteFailed = " 90005 error: could get points sum";

constexpr auto kMessage = StepReport::MessageAndLog;

SqlValue whole(long long value) {
    return std::int64_t{value};
}

// One row per valued player of the season: centres marked 'C', everyone else 'P'.
std::string projCatsInsert() {
    std::string columns = "playerid, pos, sgp, games";
    std::string values = "dp.playerid, IIF(dp.C > 0, 'C', 'P'), 0, dp.games";
    for (const CategoryDefinition& category : categoryCatalogue()) {
        columns += ", " + std::string(category.workColumn);
        values += ", " + std::string(sgpWorkStatisticOf(category));
    }
    return "insert into proj_cats(" + columns + ") select " + values +
           " from DraftPlayers dp where dp.stat_indicator = 'P' and dp.C >= 0"
           " and dp.yearofprojection = ?";
}

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

// A group of players that shares one replacement level.
struct ReplacementGroup {
    std::string_view minimumCondition;  // over the season's DraftPlayers row p
    std::string_view poolCondition;     // over proj_cats
};

constexpr ReplacementGroup kAllPlayers{"", ""};
constexpr ReplacementGroup kCentres{" and p.C > 0", " where pos = 'C'"};
constexpr ReplacementGroup kNonCentres{" and p.C = 0", " where pos = 'P'"};

// Moves the group's lowest rostered SGP to 0. Positions come from the season's rows only, so a
// player who was a centre last season is not shifted with this season's centres.
bool shiftToReplacement(ValuationSteps& steps, const ProgramState& state,
                        const ReplacementGroup& group) {
    const auto minimum = steps.number(
        "select IIF(min(t.sgp) is null,0,min(t.sgp)) as minsgp from top_players t, DraftPlayers p"
        " where p.playerid = t.playerid and p.yearofprojection = ?" +
            std::string(group.minimumCondition),
        "minsgp", kPoolReadFailed, kMessage, {whole(state.projectionYear)});
    if (!minimum) {
        return false;
    }
    const std::string poolMembers = group.poolCondition.empty()
                                        ? std::string()
                                        : " where playerid in (select playerid from proj_cats" +
                                              std::string(group.poolCondition) + ")";
    return steps.run("update top_players set sgp = sgp - ?" + poolMembers, kShiftFailed, kMessage,
                     {*minimum}) &&
           steps.run("update proj_cats set sgp = sgp - ?" + std::string(group.poolCondition),
                     kShiftFailed, kMessage, {*minimum});
}

bool addToPool(ValuationSteps& steps, std::string_view position, double count,
               std::string_view excludeDrafted, const SqlParams& draftParam) {
    SqlParams params = draftParam;
    params.push_back(poolLimit(count));
    return steps.run(
        "insert into top_players(playerid, sgp) select playerid, sgp from proj_cats"
        " where pos = '" +
            std::string(position) + "'" + std::string(excludeDrafted) +
            " order by sgp desc limit ?",
        kUpdateFailed, kMessage, params);
}

bool rotisserieDollarValues(ProgramState& state, UserDialogs& dialogs) {
    const DraftSettings& d = *state.draftSettings;
    const bool inflation = state.showInflation;
    const SqlParams draftId{whole(d.template_id)};
    ValuationSteps steps(state.dbConnection, dialogs);

    if (!loadSgpDenominators(state, dialogs) ||
        !steps.run("update DraftPlayers set dollars = 0", kStartFailed)) {
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

    if (!steps.run("delete from proj_cats", kClearFailed) ||
        !steps.run(projCatsInsert(), kFillFailed, kMessage, {whole(state.projectionYear)})) {
        return false;
    }
    const auto sum = sgpSum(state);
    if (!sum) {
        steps.fail(kUpdateFailed, kMessage);
        return false;
    }
    if (!steps.run("update proj_cats set sgp = (" + *sum + ")", kUpdateFailed, kMessage)) {
        return false;
    }

    // The players a full league would roster set the replacement level.
    if (!steps.run("delete from top_players", kUpdateFailed, kMessage)) {
        return false;
    }
    if (otherSlots == 0) {
        const long long utility = teams * d.UT;
        if (utility >= 1 &&
            !steps.run("insert into top_players(playerid, sgp) select playerid, sgp from proj_cats"
                       " order by sgp desc limit ?",
                       kUpdateFailed, kMessage, {poolLimit(static_cast<double>(utility))})) {
            return false;
        }
        if (!shiftToReplacement(steps, state, kAllPlayers)) {
            return false;
        }
    } else {
        if (centreSlots > 0 && !addToPool(steps, "C", static_cast<double>(centreSlots), "", {})) {
            return false;
        }
        if (nonCentreSlots >= 1 &&
            !addToPool(steps, "P", static_cast<double>(nonCentreSlots), "", {})) {
            return false;
        }
        if (d.C >= 1 && !shiftToReplacement(steps, state, kCentres)) {
            return false;
        }
        if (otherSlots + d.UT >= 1 && !shiftToReplacement(steps, state, kNonCentres)) {
            return false;
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
    if (centresToBuy > 0 && !addToPool(steps, "C", centresToBuy, excludeDrafted, excludeParams)) {
        return false;
    }
    if (othersToBuy >= 1 && !addToPool(steps, "P", othersToBuy, excludeDrafted, excludeParams)) {
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
    return steps.run("update proj_cats set dollars = ? + (sgp * ?)", kUpdateFailed, kMessage,
                     {d.minbid, rate}) &&
           steps.run(
               "update DraftPlayers set dollars = pc.dollars from proj_cats pc"
               " where DraftPlayers.playerid = pc.playerid",
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
