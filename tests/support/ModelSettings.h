// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane::test {

// A model built by hand reads its draft's figures from its settings (DraftModel::changeSettings);
// these set the ones a test names in the terms it thinks in.

// The slots every team has, kind by kind in the order of kSlotKindNames.
inline void setSlotCounts(DraftSettings& draft, const SlotCounts& counts) {
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        slotCountOf(draft, kind) = counts[kind];
    }
}

inline void setRounds(DraftSettings& draft, int rounds) {
    draft.roundsIndex = rounds - 1;
}

}  // namespace quorvane::test
