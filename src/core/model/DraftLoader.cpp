// SPDX-License-Identifier: MIT
#include "model/DraftLoader.h"

#include "model/DraftSession.h"
#include "store/DataVersion.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

bool readTeams(Connection& connection, DraftSettings& draft) {
    const auto teams = readDraftTeamRows(connection, draft.template_id);
    if (!teams) {
        connection.log().writeEntry(" error 20003 - could not get recordset");
        return false;
    }
    draft.draftTeams.clear();
    for (const DraftTeamRow& team : *teams) {
        draft.draftTeams.push_back(
            {team.teamid, team.teamname, team.draftposition, team.currentpick, team.owner});
    }
    return true;
}

void readTurnNumber(Connection& connection, DraftSettings& draft) {
    const auto history = readStandingHistory(connection, draft.template_id);
    const auto taken = readPickRows(connection, draft.template_id);
    const auto linked = isLinkedToRoom(connection, draft.template_id);
    if (!history || !taken || !linked) {
        connection.log().writeEntry(" error 20004 - could not read the turn history");
        return;
    }
    // Readers see the turn a rebuilt history would give, before any operation stores it.
    draft.turnNumber = turnAfter(deriveHistory(draft, *history, *taken, *linked).standing);
}

}  // namespace

DraftSettings readDraftSettings(Connection& connection, int templateId, bool withTurn,
                                bool* settingsRead) {
    DraftSettings draft;
    draft.template_id = templateId;
    draft.readAtDataVersion = fileChangeStamp(connection);
    const Log& log = connection.log();

    const auto settings = readDraftSettingsRow(connection, templateId);
    if (!settings) {
        log.writeEntry(" error 20001 - could not get recordset");
    } else if (!*settings) {
        log.writeEntry(" error - no record for that template ID");
    } else {
        if (settingsRead != nullptr) {
            *settingsRead = true;
        }
        const DraftSettingsRow& row = **settings;
        draft.template_name = row.template_name;
        draft.scoringstyle = row.scoringstyle;
        draft.drafttype = row.drafttype;
        draft.roundsIndex = row.rounds - 1;
        draft.dollars = row.dollars;
        draft.teams = row.teams;
        draft.minbid = row.minbid;
        draft.draftdirection = row.draftdirection;
        draft.C = row.C;
        draft.G = row.G;
        draft.F = row.F;
        draft.SG = row.SG;
        draft.PG = row.PG;
        draft.SF = row.SF;
        draft.PF = row.PF;
        draft.UT = row.UT;
        draft.R = row.R;
    }

    if (const auto categories = readDraftCategoryRows(connection, templateId)) {
        for (const DraftCategoryRow& category : *categories) {
            draft.categories.push_back({category.categoryid, category.points});
        }
    } else {
        log.writeEntry(" error 20002 - could not get recordset");
    }

    if (const auto headToHead = readHeadToHeadRows(connection, templateId)) {
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

    readTeams(connection, draft);
    if (withTurn) {
        readTurnNumber(connection, draft);
    }
    return draft;
}

namespace {

bool readDraft(DraftSession& state, int templateId, bool withTurn) {
    bool settingsRead = false;
    state.replaceDraftSettings(
        readDraftSettings(state.dbConnection, templateId, withTurn, &settingsRead));
    return settingsRead;
}

}  // namespace

bool loadDraft(DraftSession& state, int templateId) {
    return readDraft(state, templateId, true);
}

bool loadDraftLeavingTurn(DraftSession& state, int templateId) {
    return readDraft(state, templateId, false);
}

bool loadTeams(DraftSession& state) {
    if (!state.draftSettings()) {
        return false;
    }
    DraftSettings draft = *state.draftSettings();
    if (!readTeams(state.dbConnection, draft)) {
        return false;
    }
    state.replaceDraftSettings(std::move(draft));
    return true;
}

}  // namespace quorvane
