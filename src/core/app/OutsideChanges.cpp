// SPDX-License-Identifier: MIT
#include "app/OutsideChanges.h"

#include "app/ProgramState.h"
#include "draftconfig/DraftLoader.h"
#include "store/DataVersion.h"

namespace quorvane {

namespace {

// Changes with every import that brings new players or a newer revision, and with every
// custom player; an unreadable list counts as changed.
std::string playerListStamp(ProgramState& state) {
    Recordset stamp;
    if (!openRecordset(stamp, state.dbConnection,
                       "select (select count(*) from DraftPlayers) || ':' ||"
                       " (select ifnull(max(revisiondate), '') from DraftPlayers) || ':' ||"
                       " (select count(*) from draftAdded) as stamp") ||
        stamp.eof()) {
        return {};
    }
    return stamp.getText("stamp");
}

}  // namespace

std::optional<OutsideChange> OutsideChangeWatch::look(ProgramState& state) {
    const std::optional<std::int64_t> version = dataVersion(state.dbConnection);
    if (!version || version == m_version) {
        return std::nullopt;
    }
    const bool first = !m_version;
    m_version = version;
    std::string players = playerListStamp(state);
    OutsideChange change;
    change.players = players.empty() || players != m_players;
    m_players = std::move(players);
    if (first) {
        return std::nullopt;
    }
    if (state.draftSettings) {
        loadDraft(state, state.draftSettings->template_id);
    }
    return change;
}

}  // namespace quorvane
