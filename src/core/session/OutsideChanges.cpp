// SPDX-License-Identifier: MIT
#include "session/OutsideChanges.h"

#include "model/DraftLoader.h"
#include "session/ProgramState.h"
#include "store/ChangeStamps.h"
#include "store/DataVersion.h"

namespace quorvane {

namespace {

// An unreadable stamp reads as a change: a refresh too many is better than one missed.
bool differ(const std::optional<std::string>& now, const std::optional<std::string>& before) {
    return !now || !before || *now != *before;
}

}  // namespace

OutsideChangeWatch::Stamps OutsideChangeWatch::read(ProgramStore& store,
                                                    const LoadedDraft& loaded) {
    Stamps stamps;
    if (loaded.draftSettings) {
        stamps.draft = readChangeStamp(store.dbConnection, ChangeStamp::Draft,
                                       loaded.draftSettings->template_id);
    }
    stamps.players = readChangeStamp(store.dbConnection, ChangeStamp::Players);
    stamps.playerFigures = readChangeStamp(store.dbConnection, ChangeStamp::PlayerFigures);
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
    Stamps stamps = read(state, *state.loadedDraft);
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

void OutsideChangeWatch::shown(ProgramStore& store, const LoadedDraft& loaded) {
    m_version = dataVersion(store.dbConnection);
    m_stamps = read(store, loaded);
    m_draftId = loaded.draftSettings ? loaded.draftSettings->template_id : 0;
}

}  // namespace quorvane
