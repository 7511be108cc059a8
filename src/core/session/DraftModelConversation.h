// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "model/DraftModelLoader.h"

namespace quorvane {

struct DraftSession;
class UserDialogs;

// The held model and the punts as the front ends (and the operations that still converse) read
// them: a failure is shown, and the result is then nullptr, nullopt or false.
const DraftModel* currentDraftModel(DraftSession& session, UserDialogs& dialogs);
DraftModel* heldDraftModel(DraftSession& session, UserDialogs& dialogs);

// A copy of it, for a caller that changes what it holds (punts, what-if picks).
std::optional<DraftModel> loadDraftModel(DraftSession& session, UserDialogs& dialogs);

// The model again after a pick, an undo or a new valuation; on a failure the model is as it was.
bool refreshDraftModel(DraftSession& session, UserDialogs& dialogs, DraftModel& model);

// The open draft read whole, bypassing the held model.
std::optional<DraftModel> readDraftModel(DraftSession& session, UserDialogs& dialogs);

// The open draft's punted categories; nothing without an open draft.
std::optional<std::vector<int>> readPunts(DraftSession& session, UserDialogs& dialogs);
bool savePunts(DraftSession& session, UserDialogs& dialogs, const std::vector<int>& categoryids);

}  // namespace quorvane
