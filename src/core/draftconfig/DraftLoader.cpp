// SPDX-License-Identifier: MIT
#include "draftconfig/DraftLoader.h"

#include "app/ProgramState.h"
#include "store/HeadToHeadRows.h"

namespace quorvane {

bool loadDraft(ProgramState& state, int templateId) {
    state.draftSettings = DraftSettings{};
    DraftSettings& draft = *state.draftSettings;
    draft.template_id = templateId;
    const Log& log = state.dbConnection.log();

    bool settingsRead = false;
    Recordset settings;
    if (!openRecordset(settings, state.dbConnection,
                       "select dt.template_name, dt.teams, dt.dollars, dt.rounds, dt.drafttype, "
                       "dt.scoringstyle, dt.minbid, dt.draftdirection, dr.C, dr.f, dr.g, dr.sf, "
                       "dr.pf, dr.sg, dr.pg, dr.ut, dr.R from DraftTemplate dt, DraftRoster dr "
                       "where dt.template_id = dr.template_id and dt.template_id = ?",
                       {SqlValue{std::int64_t{templateId}}})) {
        log.writeEntry(" error 20001 - could not get recordset");
    } else if (settings.eof()) {
        log.writeEntry(" error - no record for that template ID");
    } else {
        settingsRead = true;
        draft.template_name = settings.getText("template_name");
        draft.scoringstyle = static_cast<int>(settings.getInt("scoringstyle"));
        draft.drafttype = static_cast<int>(settings.getInt("drafttype"));
        draft.roundsIndex = static_cast<int>(settings.getInt("rounds")) - 1;
        draft.dollars = settings.getDouble("dollars");
        draft.teams = static_cast<int>(settings.getInt("teams"));
        draft.minbid = settings.getDouble("minbid");
        draft.draftdirection = settings.getText("draftdirection");
        draft.C = static_cast<int>(settings.getInt("C"));
        draft.G = static_cast<int>(settings.getInt("g"));
        draft.F = static_cast<int>(settings.getInt("f"));
        draft.SG = static_cast<int>(settings.getInt("sg"));
        draft.PG = static_cast<int>(settings.getInt("pg"));
        draft.SF = static_cast<int>(settings.getInt("sf"));
        draft.PF = static_cast<int>(settings.getInt("pf"));
        draft.UT = static_cast<int>(settings.getInt("ut"));
        draft.R = static_cast<int>(settings.getInt("R"));
    }

    Recordset categories;
    if (!openRecordset(categories, state.dbConnection,
                       "select categoryID, points from DraftCategory where template_id = ? "
                       "order by rowid",
                       {SqlValue{std::int64_t{templateId}}})) {
        log.writeEntry(" error 20002 - could not get recordset");
    } else {
        for (; !categories.eof(); categories.moveNext()) {
            draft.categories.push_back({static_cast<int>(categories.getInt("categoryID")),
                                        categories.getDouble("points")});
        }
    }

    if (const auto headToHead = readHeadToHeadRows(state.dbConnection, templateId)) {
        if (headToHead->settings) {
            draft.headToHead.mode = headToHead->settings->mode;
            draft.headToHead.gamesPerWeek = headToHead->settings->gamesperweek;
        }
        for (const VarianceRatioRow& row : headToHead->ratios) {
            draft.headToHead.varianceRatios.push_back({row.categoryid, row.ratio});
        }
    } else {
        log.writeEntry(" error 20004 - could not get recordset");
    }

    loadTeams(state);
    return settingsRead;
}

bool loadTeams(ProgramState& state) {
    if (!state.draftSettings) {
        return false;
    }
    DraftSettings& draft = *state.draftSettings;
    Recordset teams;
    if (!openRecordset(teams, state.dbConnection,
                       "select teamid, teamname, draftposition, owner, currentPick from DraftTeams "
                       "where template_id = ? order by draftPosition, teamid",
                       {SqlValue{std::int64_t{draft.template_id}}})) {
        state.dbConnection.log().writeEntry(" error 20003 - could not get recordset");
        return false;
    }
    draft.draftTeams.clear();
    for (; !teams.eof(); teams.moveNext()) {
        draft.draftTeams.push_back({static_cast<int>(teams.getInt("teamid")),
                                    teams.getText("teamname"),
                                    static_cast<int>(teams.getInt("draftposition")),
                                    static_cast<int>(teams.getInt("currentPick")),
                                    static_cast<int>(teams.getInt("owner"))});
    }
    return true;
}

}  // namespace quorvane
