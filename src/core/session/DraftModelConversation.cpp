// SPDX-License-Identifier: MIT
#include "session/DraftModelConversation.h"

#include "model/DraftSession.h"
#include "model/Punts.h"
#include "session/ShowMessage.h"

namespace quorvane {

DraftModel* heldDraftModel(DraftSession& session, UserDialogs& dialogs) {
    return shown(dialogs, heldDraftModel(session)).value_or(nullptr);
}

const DraftModel* currentDraftModel(DraftSession& session, UserDialogs& dialogs) {
    return heldDraftModel(session, dialogs);
}

std::optional<DraftModel> loadDraftModel(DraftSession& session, UserDialogs& dialogs) {
    const DraftModel* model = currentDraftModel(session, dialogs);
    if (model == nullptr) {
        return std::nullopt;
    }
    return *model;
}

bool refreshDraftModel(DraftSession& session, UserDialogs& dialogs, DraftModel& model) {
    const DraftModel* current = currentDraftModel(session, dialogs);
    if (current == nullptr) {
        return false;
    }
    model = *current;
    return true;
}

std::optional<DraftModel> readDraftModel(DraftSession& session, UserDialogs& dialogs) {
    std::optional<Outcome<DraftModel>> read = readDraftModel(session);
    if (!read) {
        return std::nullopt;
    }
    return shown(dialogs, std::move(*read));
}

std::optional<std::vector<int>> readPunts(DraftSession& session, UserDialogs& dialogs) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    return shown(dialogs, readPunts(session.dbConnection, session.draftSettings()->template_id));
}

bool savePunts(DraftSession& session, UserDialogs& dialogs, const std::vector<int>& categoryids) {
    if (!session.draftSettings()) {
        return false;
    }
    return shown(dialogs, writePunts(session.dbConnection, *session.draftSettings(), categoryids))
        .has_value();
}

}  // namespace quorvane
