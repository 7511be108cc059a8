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
    draft.C = counts[0];
    draft.G = counts[1];
    draft.PG = counts[2];
    draft.SG = counts[3];
    draft.F = counts[4];
    draft.PF = counts[5];
    draft.SF = counts[6];
    draft.UT = counts[7];
    draft.R = counts[8];
}

inline void setRounds(DraftSettings& draft, int rounds) {
    draft.roundsIndex = rounds - 1;
}

}  // namespace quorvane::test
