// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "draftconfig/DraftList.h"
#include "draftconfig/NewDraft.h"

namespace quorvane {

struct LoadedDraft;
struct ProgramState;
struct ProgramStore;
class UserDialogs;

// The draft windows' work as the front ends run it: a refusal or failure is shown, and the
// result is then nullopt or false.

// Every stored draft, oldest first.
std::optional<std::vector<DraftListEntry>> fillDraftList(ProgramStore& store, UserDialogs& dialogs);

// "Open": loads the chosen draft into state.draftSettings() and settles its turn history.
// Without a choice tells the user to select one. The caller then resets the research grid and
// refreshes the draft room.
bool openSelectedDraft(ProgramState& state, UserDialogs& dialogs,
                       std::optional<int> selectedTemplateId);

// "OK" of the new-draft window: creates the draft and loads it into state.draftSettings().
std::optional<int> createDraft(ProgramState& state, UserDialogs& dialogs,
                               const NewDraftChoice& choice);

// The open draft's "ADP spread"; nothing without an open draft.
std::optional<double> readDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded,
                                         UserDialogs& dialogs);
bool saveDraftAdpSpread(ProgramStore& store, const LoadedDraft& loaded, UserDialogs& dialogs,
                        double spread);

}  // namespace quorvane
