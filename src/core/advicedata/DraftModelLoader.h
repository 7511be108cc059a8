// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "advice/DraftModel.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The open draft in memory for the advice: its settings and teams from state.draftSettings,
// the players of the projection season with the figures of the last valuation, the picks and
// the punted categories, read with three bound queries. nullopt without an open draft or after
// a failure was shown and logged.
std::optional<DraftModel> loadDraftModel(ProgramState& state, UserDialogs& dialogs);

// After a pick, an undo or a new valuation: the picks, the turn, the valuation's figures and the
// punts again, keeping the players' projections. False after a failure was shown and logged;
// the model is then as it was.
bool refreshDraftModel(ProgramState& state, UserDialogs& dialogs, DraftModel& model);

}  // namespace quorvane
