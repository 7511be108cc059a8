// SPDX-License-Identifier: MIT
#include "app/OutsideChanges.h"

#include "app/ProgramState.h"
#include "draftconfig/DraftLoader.h"
#include "store/ChangeStamps.h"
#include "store/DataVersion.h"

namespace quorvane {

namespace {

// An unreadable stamp reads as a change: a refresh too many is better than one missed.
bool differ(const std::optional<std::string>& now, const std::optional<std::string>& before) {
    return !now || !before || *now != *before;
}

}  // namespace

OutsideChangeWatch::Stamps OutsideChangeWatch::read(ProgramState& state) {
    Stamps stamps;
    if (state.draftSettings()) {
        stamps.draft = readChangeStamp(state.dbConnection, ChangeStamp::Draft,
                                       state.draftSettings()->template_id);
    }
    stamps.players = readChangeStamp(state.dbConnection, ChangeStamp::Players);
    stamps.playerFigures = readChangeStamp(state.dbConnection, ChangeStamp::PlayerFigures);
    return stamps;
}

std::optional<OutsideChange> OutsideChangeWatch::look(ProgramState& state) {
    const std::optional<std::int64_t> version = dataVersion(state.dbConnection);
    if (!version || version == m_version) {
        return std::nullopt;
    }
    const bool first = !m_version;
    m_version = version;
    const int draftId = state.draftSettings() ? state.draftSettings()->template_id : 0;
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
    m_draftId = state.draftSettings() ? state.draftSettings()->template_id : 0;
}

}  // namespace quorvane
