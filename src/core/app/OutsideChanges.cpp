// SPDX-License-Identifier: MIT
#include "app/OutsideChanges.h"

#include "app/ProgramState.h"
#include "draftconfig/DraftLoader.h"
#include "store/DataVersion.h"

namespace quorvane {

namespace {

// Everything of one draft that a user or an operation of the room changes, the clock of a room it
// follows included (its banner); the valuation's work tables and figures are left out. Read only
// after the file changed, so its cost is paid rarely.
constexpr const char* kDraftStamp = R"sql(
select ifnull((select group_concat(x, ' ') from (select playerid || '/' || teamid || '/' ||
            ifnull(pos, '') || '/' || draftorder || '/' || dollars as x from DraftTaken
            where template_id = ?1 order by playerid)), '')
    || '|' || ifnull((select group_concat(x, ' ') from (select teamid || '/' ||
            ifnull(teamname, '') || '/' || draftposition || '/' || owner || '/' || currentpick
            as x from DraftTeams where template_id = ?1 order by teamid)), '')
    || '|' || ifnull((select template_name || '/' || teams || '/' || dollars || '/' || rounds ||
            '/' || drafttype || '/' || scoringstyle || '/' || minbid || '/' || draftdirection
            from DraftTemplate where template_id = ?1), '')
    || '|' || ifnull((select C || '/' || F || '/' || G || '/' || SF || '/' || PF || '/' || SG ||
            '/' || PG || '/' || UT || '/' || R from DraftRoster where template_id = ?1), '')
    || '|' || ifnull((select group_concat(x, ' ') from (select categoryid || '/' || points as x
            from DraftCategory where template_id = ?1 order by categoryid)), '')
    || '|' || ifnull((select group_concat(x, ' ') from (select categoryid || '/' || target as x
            from draftTargets where template_id = ?1 order by categoryid)), '')
    || '|' || ifnull((select notes from DraftNotes where template_id = ?1), '')
    || '|' || ifnull((select following || '/' || room || '/' || room_draft_id || '/' ||
            ifnull(room_status, '') || '/' || ifnull(clock_pick_no, '') || '/' ||
            ifnull(clock_turns_mine, '') from DraftFollow where template_id = ?1), '')
    || '|' || ifnull((select mode || '/' || gamesperweek from DraftHeadToHead
            where template_id = ?1), '')
    || '|' || ifnull((select group_concat(x, ' ') from (select categoryid || '/' || ratio as x
            from DraftVarianceRatio where template_id = ?1 order by categoryid)), '') as stamp
)sql";

constexpr const char* kPlayersStamp = R"sql(
select (select count(*) || '/' || ifnull(max(revisiondate), '') from DraftPlayers)
    || '|' || (select count(*) from draftAdded) as stamp
)sql";

constexpr const char* kPlayerFiguresStamp = R"sql(
select (select total(games + minutes + fta + ftm + fga + fgm + pt3a + pt3m + oreb + dreb +
            assists + steals + blocks + turnovers + doubledouble + tripledouble) || '/' ||
            total(flag) || '/' || total(length(notes)) || '/' || group_concat(pos, '') from
            DraftPlayers)
    || '|' || (select count(*) || '/' || ifnull(max(LastUpdated), '') from ProjectionEdits)
    as stamp
)sql";

std::optional<std::string> stampOf(ProgramState& state, const char* sql,
                                   const SqlParams& params = {}) {
    Recordset stamp;
    if (!openRecordset(stamp, state.dbConnection, sql, params) || stamp.eof()) {
        return std::nullopt;
    }
    return stamp.getText("stamp");
}

// An unreadable stamp reads as a change: a refresh too many is better than one missed.
bool differ(const std::optional<std::string>& now, const std::optional<std::string>& before) {
    return !now || !before || *now != *before;
}

}  // namespace

OutsideChangeWatch::Stamps OutsideChangeWatch::read(ProgramState& state) {
    Stamps stamps;
    if (state.draftSettings) {
        stamps.draft =
            stampOf(state, kDraftStamp, {SqlValue{std::int64_t{state.draftSettings->template_id}}});
    }
    stamps.players = stampOf(state, kPlayersStamp);
    stamps.playerFigures = stampOf(state, kPlayerFiguresStamp);
    return stamps;
}

std::optional<OutsideChange> OutsideChangeWatch::look(ProgramState& state) {
    const std::optional<std::int64_t> version = dataVersion(state.dbConnection);
    if (!version || version == m_version) {
        return std::nullopt;
    }
    const bool first = !m_version;
    m_version = version;
    const int draftId = state.draftSettings ? state.draftSettings->template_id : 0;
    Stamps stamps = read(state);
    OutsideChange change;
    // Another draft opened in this window is this window's own doing.
    change.draft = draftId != 0 && draftId == m_draftId && differ(stamps.draft, m_stamps.draft);
    change.players = differ(stamps.players, m_stamps.players);
    change.playerFigures = differ(stamps.playerFigures, m_stamps.playerFigures);
    m_stamps = std::move(stamps);
    m_draftId = draftId;
    if (first || !change.any()) {
        return std::nullopt;
    }
    if (change.draft) {
        loadDraft(state, draftId);
    }
    return change;
}

void OutsideChangeWatch::shown(ProgramState& state) {
    m_version = dataVersion(state.dbConnection);
    m_stamps = read(state);
    m_draftId = state.draftSettings ? state.draftSettings->template_id : 0;
}

}  // namespace quorvane
