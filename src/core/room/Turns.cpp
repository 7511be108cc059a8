// SPDX-License-Identifier: MIT
#include "room/Turns.h"

#include "model/LoadedDraft.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

TurnPosition currentTurn(const LoadedDraft& loaded) {
    return loaded.draftSettings ? markedTurn(*loaded.draftSettings) : TurnPosition{};
}

bool isDraftComplete(const LoadedDraft& loaded) {
    if (!loaded.draftSettings || loaded.draftSettings->drafttype == kDraftTypeAuction) {
        return false;
    }
    const int lastPick = lastPickOfDraft(*loaded.draftSettings);
    return lastPick > 0 && loaded.draftSettings->turnNumber > lastPick;
}

}  // namespace quorvane
