// SPDX-License-Identifier: MIT
#include "valuation/Standings.h"

#include <string>

#include "app/ProgramState.h"
#include "store/TransactionGuard.h"
#include "valuation/CategoryCatalogue.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

// Ratio values are rounded to their display precision before teams are compared, so two
// teams that show the same percentage tie.
std::string roundedTeamStatistic(const CategoryDefinition& category) {
    const char* pattern = category.format == CategoryFormat::ThreeDecimals ? "#.000" : "0.00";
    return "CAST(vbformat(" + std::string(category.teamStatistic) + ", '" + pattern + "') AS REAL)";
}

std::string ratioCategoryList() {
    std::string list;
    for (const CategoryDefinition& category : categoryCatalogue()) {
        if (category.ratio) {
            list += (list.empty() ? "" : ",") + std::to_string(category.categoryid);
        }
    }
    return "(" + list + ")";
}

class StandingsRun {
  public:
    StandingsRun(ProgramState& state, UserDialogs& dialogs)
        : m_draft(*state.draftSettings),
          m_steps(state.dbConnection, dialogs),
          m_id(whole(m_draft.template_id)),
          m_year(whole(state.projectionYear)),
          // A pick without a slot is no reserve.
          m_reserves(state.includeReserves ? "" : " and coalesce(dt.pos, '') <> 'R'") {
        for (const CategoryWeight& weight : m_draft.categories) {
            if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
                m_categories.push_back({category, weight.points});
            }
        }
    }

    bool run() {
        if (!playerRows()) {
            return false;
        }
        const bool teamValues = m_draft.scoringstyle == kScoringPoints
                                    ? pointsTeamValues()
                                    : rotisserieTeamValues() && rankPoints();
        return teamValues && standingsOrder();
    }

  private:
    struct DraftCategoryUse {
        const CategoryDefinition* category;
        double weight;
    };

    std::string draftedPlayers() const {
        return " from DraftTaken dt, DraftPlayers dp where dp.yearofprojection = ?"
               " and dt.template_id = ? and dt.playerid = dp.playerid" +
               m_reserves;
    }

    bool playerRows() {
        if (!m_steps.run("delete from PlayerBoxCategory",
                         " 90031 error: could not delete from playerboxcategory")) {
            return false;
        }
        // Every team starts with 0 in every category, drafted players or not.
        for (const DraftCategoryUse& use : m_categories) {
            if (!m_steps.run("insert into PlayerBoxCategory (template_id, teamid, playerid,"
                             " categoryid, points) select ?, teamid, 0, ?, 0 from DraftTeams"
                             " where template_id = ?",
                             " 90038 error: could not insert into playerboxcategory",
                             StepReport::LogOnly, {m_id, whole(use.category->categoryid), m_id})) {
                return false;
            }
        }
        for (const DraftCategoryUse& use : m_categories) {
            const std::string statistic =
                use.category->ratio ? "0" : std::string(use.category->playerStatistic);
            if (!m_steps.run("insert into PlayerBoxCategory (template_id, teamid, playerid,"
                             " categoryid, points) select ?, dt.teamid, dt.playerid, ?, " +
                                 statistic + draftedPlayers(),
                             " 90126 error: could not insert into playerboxcategory",
                             StepReport::LogOnly,
                             {m_id, whole(use.category->categoryid), m_year, m_id})) {
                return false;
            }
        }
        return m_steps.run("delete from TeamBoxCategory",
                           " 90031 error: could not delete from playerboxcategory");
    }

    bool rotisserieTeamValues() {
        if (!m_steps.run("insert into TeamBoxCategory (template_id, teamid, categoryid, points,"
                         " rank) select ?, teamid, categoryid,"
                         " IIF(sum(points) is null, 0, sum(points)), 0 from PlayerBoxCategory"
                         " where template_id = ? and categoryid not in " +
                             ratioCategoryList() + " group by teamid, categoryid",
                         " 90031 error: could not insert into teamboxcategory", StepReport::LogOnly,
                         {m_id, m_id})) {
            return false;
        }
        constexpr std::string_view kInsertFailed =
            " 90026 error: could not insert into teamboxcategory";
        for (const DraftCategoryUse& use : m_categories) {
            if (!use.category->ratio) {
                continue;
            }
            const SqlValue categoryid = whole(use.category->categoryid);
            // A team without players has no sums and gets 0 through the outer join.
            if (!m_steps.run("delete from temp_cats",
                             " 90026 error: could not delete from temp_cats") ||
                !m_steps.run("insert into temp_cats (template_id, teamid, categoryid, points,"
                             " rank) select ?, dt.teamid, ?, " +
                                 roundedTeamStatistic(*use.category) + ", 0" + draftedPlayers() +
                                 " group by dt.teamid",
                             kInsertFailed, StepReport::LogOnly,
                             {m_id, categoryid, m_year, m_id}) ||
                !m_steps.run("insert into TeamBoxCategory (template_id, teamid, categoryid,"
                             " points, rank) select lt.template_id, lt.teamid, ?,"
                             " IIF(tc.points is null, 0, tc.points),"
                             " IIF(tc.rank is null, 0, tc.rank)"
                             " from DraftTeams lt left join temp_cats tc on lt.teamid = tc.teamid"
                             " where lt.template_id = ?",
                             kInsertFailed, StepReport::LogOnly, {categoryid, m_id})) {
                return false;
            }
        }
        return true;
    }

    bool pointsTeamValues() {
        constexpr std::string_view kInsertFailed =
            " 90027 error: could not insert into teamboxcategory";
        const std::string weighted =
            "IIF(sum(p.points * lc.points) is null, 0,"
            " sum(p.points * lc.points))";
        if (!m_steps.run("insert into TeamBoxCategory (template_id, teamid, categoryid, points,"
                         " rank) select ?, p.teamid, p.categoryid, " +
                             weighted + ", " + weighted +
                             " from PlayerBoxCategory p, DraftCategory lc"
                             " where p.template_id = ? and p.categoryid = lc.categoryid"
                             " and lc.template_id = ? and p.categoryid not in " +
                             ratioCategoryList() + " group by p.teamid, p.categoryid",
                         kInsertFailed, StepReport::LogOnly, {m_id, m_id, m_id})) {
            return false;
        }
        for (const DraftCategoryUse& use : m_categories) {
            if (!use.category->ratio) {
                continue;
            }
            const std::string value = roundedTeamStatistic(*use.category) + " * ?";
            if (!m_steps.run("insert into TeamBoxCategory (template_id, teamid, categoryid,"
                             " points, rank) select ?, dt.teamid, ?, " +
                                 value + ", " + value + draftedPlayers() + " group by dt.teamid",
                             " 90026 error: could not insert into teamboxcategory",
                             StepReport::LogOnly,
                             {m_id, whole(use.category->categoryid), use.weight, use.weight, m_year,
                              m_id})) {
                return false;
            }
        }
        return m_steps.run(totalsInsert(), kInsertFailed, StepReport::LogOnly, {m_id});
    }

    static std::string totalsInsert() {
        return "insert into TeamBoxCategory (template_id, teamid, categoryid, points, rank)"
               " select template_id, teamid, 0, IIF(sum(rank) is null, 0, sum(rank)),"
               " IIF(sum(rank) is null, 0, sum(rank)) from TeamBoxCategory"
               " where template_id = ? group by template_id, teamid";
    }

    // Each team scores 1 + the teams it beats + half the teams it ties, per category.
    bool rankPoints() {
        const std::string turnovers = "(" + std::to_string(kTurnoversCategory) + ")";
        const auto comparison = [&](const char* table, const char* better, const char* categories) {
            return "insert into " + std::string(table) +
                   " (template_id, teamid, categoryid, rankpoints)"
                   " select ?, t1.teamid, t1.categoryid, count(*)"
                   " from TeamBoxCategory t1, TeamBoxCategory t2"
                   " where t1.template_id = ? and t2.template_id = ? and t1.teamid <> t2.teamid"
                   " and t1.points " +
                   better + " t2.points and t1.categoryid = t2.categoryid and t2.categoryid " +
                   categories + turnovers + " group by t1.teamid, t1.categoryid";
        };
        const SqlParams ids{m_id, m_id, m_id};
        constexpr std::string_view kWinsFailed = " 90028 error: could not insert into tbcwins";
        constexpr std::string_view kTiesFailed = " 90028 error: could not insert into tbcties";
        return m_steps.run("delete from TBCWins", " 90027 error: could not delete from tbcwins") &&
               m_steps.run("delete from TBCTies", " 90027 error: could not delete from tbcwins") &&
               m_steps.run(comparison("TBCWins", ">", "not in "), kWinsFailed, StepReport::LogOnly,
                           ids) &&
               m_steps.run(comparison("TBCWins", "<", "in "), kWinsFailed, StepReport::LogOnly,
                           ids) &&
               m_steps.run(comparison("TBCTies", "=", "not in "), kTiesFailed, StepReport::LogOnly,
                           ids) &&
               m_steps.run(comparison("TBCTies", "=", "in "), kTiesFailed, StepReport::LogOnly,
                           ids) &&
               m_steps.run(
                   "update TeamBoxCategory set rank = w.rankpoints from TBCWins w"
                   " where w.teamid = TeamBoxCategory.teamid"
                   " and w.categoryid = TeamBoxCategory.categoryid"
                   " and TeamBoxCategory.template_id = ?",
                   " 90035 error: could not update teamboxcategory", StepReport::LogOnly, {m_id}) &&
               m_steps.run(
                   "update TeamBoxCategory set rank = TeamBoxCategory.rank +"
                   " t.rankpoints / 2.0 from TBCTies t"
                   " where t.teamid = TeamBoxCategory.teamid"
                   " and t.categoryid = TeamBoxCategory.categoryid"
                   " and TeamBoxCategory.template_id = ?",
                   " 90036 error: could not update teamboxcategory", StepReport::LogOnly, {m_id}) &&
               m_steps.run("update TeamBoxCategory set rank = rank + 1.0 where template_id = ?",
                           " 90037 error: could not update teamboxcategory", StepReport::LogOnly,
                           {m_id}) &&
               m_steps.run("delete from TeamBoxCategory where categoryid = 0",
                           " 90029 error: could not delete from teamboxcategory") &&
               m_steps.run(totalsInsert(), " 90030 error: could not insert into teamboxcategory",
                           StepReport::LogOnly, {m_id});
    }

    // Equal totals keep the draft order, so the standings read the same on every run.
    bool standingsOrder() {
        return m_steps.run("delete from TotalRank",
                           " 90035 error: could not delete from totalrank") &&
               m_steps.run(
                   "insert into TotalRank (teamid, template_id) select lt.teamid, ?"
                   " from TeamBoxCategory tbc, DraftTeams lt where lt.template_id = ?"
                   " and tbc.categoryid = 0 and lt.template_id = tbc.template_id"
                   " and lt.teamid = tbc.teamid"
                   " order by tbc.rank desc, lt.draftposition, lt.teamid",
                   " 90035 error: could not insert into totalrank", StepReport::LogOnly,
                   {m_id, m_id});
    }

    const DraftSettings& m_draft;
    ValuationSteps m_steps;
    SqlValue m_id;
    SqlValue m_year;
    std::string m_reserves;
    std::vector<DraftCategoryUse> m_categories;
};

}  // namespace

std::optional<GridTable> calcStandings(ProgramState& state, UserDialogs& dialogs, bool skipGrid) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    {
        TransactionGuard transaction(state.dbConnection);
        if (!transaction.begun()) {
            state.dbConnection.log().writeEntry(
                " 90031 error: could not delete from playerboxcategory");
            return std::nullopt;
        }
        if (!StandingsRun(state, dialogs).run() || !transaction.commit()) {
            return std::nullopt;
        }
    }
    if (skipGrid) {
        return GridTable{};
    }
    return fillStandingsGrid(state);
}

std::optional<std::vector<StandingsEntry>> readStandings(ProgramState& state) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    Recordset rows;
    if (!openRecordset(rows, state.dbConnection,
                       "select tr.teamid, lt.teamname, c.categoryid, c.symbol, tbc.points,"
                       " tbc.rank from TeamBoxCategory tbc, DraftTeams lt, TotalRank tr,"
                       " category c where lt.template_id = ? and lt.template_id = tbc.template_id"
                       " and tbc.categoryid = c.categoryid and lt.teamid = tbc.teamid"
                       " and tr.teamid = lt.teamid order by tr.rankid, c.categoryid desc",
                       {whole(state.draftSettings->template_id)})) {
        state.dbConnection.log().writeEntry(" 90050 error: could not select standings");
        return std::nullopt;
    }
    std::vector<StandingsEntry> entries;
    for (; !rows.eof(); rows.moveNext()) {
        entries.push_back({static_cast<int>(rows.getInt("teamid")), rows.getText("teamname"),
                           static_cast<int>(rows.getInt("categoryid")), rows.getText("symbol"),
                           rows.getDouble("points"), rows.getDouble("rank")});
    }
    return entries;
}

}  // namespace quorvane
