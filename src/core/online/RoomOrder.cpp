// SPDX-License-Identifier: MIT
#include "online/RoomOrder.h"

#include <set>

namespace quorvane {

namespace {

std::set<int> madePicks(const std::vector<RoomPick>& picks) {
    std::set<int> made;
    for (const RoomPick& pick : picks) {
        made.insert(pick.pickNo);
    }
    return made;
}

int lastPick(const RoomDraft& draft) {
    return draft.teams > 0 && draft.rounds > 0 ? draft.teams * draft.rounds : 0;
}

}  // namespace

bool roundRunsUp(const RoomDraft& draft, int round) {
    if (draft.type != "snake") {
        return true;
    }
    if (draft.reversalRound > 1 && round >= draft.reversalRound) {
        return round % 2 == 0;
    }
    return round % 2 == 1;
}

int slotOfPick(const RoomDraft& draft, int pickNo) {
    if (pickNo < 1 || pickNo > lastPick(draft)) {
        return 0;
    }
    const int round = (pickNo - 1) / draft.teams + 1;
    const int place = (pickNo - 1) % draft.teams;
    return roundRunsUp(draft, round) ? place + 1 : draft.teams - place;
}

int firstOpenPick(const RoomDraft& draft, const std::vector<RoomPick>& picks) {
    const std::set<int> made = madePicks(picks);
    for (int pickNo = 1; pickNo <= lastPick(draft); ++pickNo) {
        if (made.count(pickNo) == 0) {
            return pickNo;
        }
    }
    return 0;
}

int teamOfPick(const RoomDraft& draft, int pickNo) {
    if (const auto held = draft.heldBy.find(pickNo); held != draft.heldBy.end()) {
        return held->second;
    }
    const int slot = slotOfPick(draft, pickNo);
    return slot >= 1 && slot <= static_cast<int>(draft.order.size())
               ? draft.order[static_cast<std::size_t>(slot - 1)]
               : 0;
}

int turnsUntilTeam(const RoomDraft& draft, const std::vector<RoomPick>& picks, int team) {
    const std::set<int> made = madePicks(picks);
    int turns = 0;
    for (int pickNo = firstOpenPick(draft, picks); pickNo > 0 && pickNo <= lastPick(draft);
         ++pickNo) {
        if (made.count(pickNo) != 0) {
            continue;
        }
        if (teamOfPick(draft, pickNo) == team) {
            return turns;
        }
        ++turns;
    }
    return -1;
}

}  // namespace quorvane
