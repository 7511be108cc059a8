// SPDX-License-Identifier: MIT
#include "vocabulary/TurnRules.h"

#include "vocabulary/DraftSettings.h"

namespace quorvane {

TurnPosition nextTurn(int drafttype, int teams, const TurnPosition& current) {
    const int cur = current.position;
    if (drafttype == kDraftTypeStraight) {
        return {cur == teams ? 1 : cur + 1, current.direction};
    }
    if (drafttype != kDraftTypeSnake) {
        return current;
    }
    const bool up = current.direction == "U";
    if (cur == 1) {
        return up ? TurnPosition{2, "U"} : TurnPosition{1, "U"};
    }
    if (cur == teams) {
        return up ? TurnPosition{teams, "D"} : TurnPosition{teams - 1, "D"};
    }
    return {up ? cur + 1 : cur - 1, current.direction};
}

TurnPosition previousTurn(int drafttype, int teams, const TurnPosition& current) {
    const int cur = current.position;
    if (drafttype == kDraftTypeStraight) {
        return {cur == 1 ? teams : cur - 1, current.direction};
    }
    if (drafttype != kDraftTypeSnake) {
        return current;
    }
    const bool up = current.direction == "U";
    if (cur == 1) {
        return up ? TurnPosition{1, "D"} : TurnPosition{2, "D"};
    }
    if (cur == teams) {
        return up ? TurnPosition{teams - 1, "U"} : TurnPosition{teams, "U"};
    }
    return {up ? cur - 1 : cur + 1, current.direction};
}

TurnSlot turnSlot(int drafttype, int teams, int turn) {
    const int size = teams > 0 ? teams : 1;
    TurnSlot slot;
    slot.round = (turn - 1) / size + 1;
    slot.pick = (turn - 1) % size + 1;
    const bool up = drafttype != kDraftTypeSnake || slot.round % 2 == 1;
    slot.position = up ? slot.pick : size + 1 - slot.pick;
    slot.direction = up ? "U" : "D";
    return slot;
}

int lastPickOfDraft(const DraftSettings& draft) {
    if (draft.drafttype == kDraftTypeAuction || draft.rounds() < 1) {
        return 0;
    }
    return draft.teams * draft.rounds();
}

}  // namespace quorvane
