// SPDX-License-Identifier: MIT
#include "store/DraftTeamRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

constexpr std::string_view kNotesQuery = "select notes from DraftNotes where template_id = ?";
constexpr std::string_view kNotesUpdate = "update DraftNotes set notes = ? where template_id = ?";

}  // namespace

std::optional<std::optional<std::string>> readTeamName(Connection& connection, int teamid) {
    std::optional<std::vector<std::string>> names =
        readRows<std::string>(connection, "select dt.teamname from DraftTeams dt where teamid = ?",
                              {id(teamid)}, [](const StatementRow& row) { return row.text(0); });
    if (!names) {
        return std::nullopt;
    }
    if (names->empty()) {
        return std::optional<std::string>();
    }
    return std::optional<std::string>(std::move(names->front()));
}

bool clearTurnFlags(Connection& connection, int templateId) {
    return executeSql(connection, "update draftteams set currentpick = 0 where template_id = ?",
                      {id(templateId)});
}

bool setTurnFlag(Connection& connection, int templateId, int teamid) {
    return executeSql(connection,
                      "update draftteams set currentpick = 1 where template_id = ? and teamid = ?",
                      {id(templateId), id(teamid)});
}

bool writeDraftDirection(Connection& connection, int templateId, const std::string& direction) {
    return executeSql(connection,
                      "update draftTemplate set draftdirection = ? where template_id = ?",
                      {direction, id(templateId)});
}

std::optional<std::string> readDraftNotes(Connection& connection, int templateId) {
    return readScalar<std::string>(connection, kNotesQuery, {id(templateId)});
}

bool writeDraftNotes(Connection& connection, int templateId, const std::string& notes) {
    return executeSql(connection, kNotesUpdate, {notes, id(templateId)});
}

std::string_view draftNotesQueryText() {
    return kNotesQuery;
}

std::string_view draftNotesUpdateText() {
    return kNotesUpdate;
}

}  // namespace quorvane
