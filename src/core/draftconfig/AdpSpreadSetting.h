// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace quorvane {

struct LoadedDraft;
struct ProgramStore;
class UserDialogs;

// The open draft's "ADP spread" s: the room's picks stray around a player's average draft
// position a by 1 + s·a. nullopt after a failure was shown.
std::optional<double> readDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded,
                                         UserDialogs& dialogs);

// Stores the open draft's "ADP spread" (checked by the caller), in one transaction. False after
// a failure was shown.
bool saveDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded, UserDialogs& dialogs,
                        double spread);

}  // namespace quorvane
