// SPDX-License-Identifier: MIT
#include "store/ChangeStamps.h"

#include "store/Connection.h"
#include "store/RowReader.h"

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

}  // namespace

std::optional<std::string> readChangeStamp(Connection& connection, ChangeStamp stamp,
                                           int templateId) {
    // A select without a table always answers one row.
    return stamp == ChangeStamp::Draft
               ? readScalar<std::string>(connection, kDraftStamp,
                                         {SqlValue{std::int64_t{templateId}}})
               : readScalar<std::string>(connection, stamp == ChangeStamp::Players
                                                         ? kPlayersStamp
                                                         : kPlayerFiguresStamp);
}

}  // namespace quorvane
