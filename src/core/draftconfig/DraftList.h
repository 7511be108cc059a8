// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

struct ProgramState;
struct ProgramStore;
class UserDialogs;

struct DraftListEntry {
    int template_id = 0;
    std::string template_name;
    int practiceOf = 0;  // the draft a practice draft was copied from; 0 for a real draft
};

// How the lists show a draft: a practice draft's name carries " (practice)".
std::string draftListCaption(const DraftListEntry& entry);

// Every stored draft, oldest first; nullopt after the failure was shown and logged.
std::optional<std::vector<DraftListEntry>> fillDraftList(ProgramStore& state, UserDialogs& dialogs);

// "Open": loads the chosen draft into state.draftSettings(). Without a choice tells the user to
// select one and returns false. The caller then resets the research grid and refreshes the
// draft room.
bool openSelectedDraft(ProgramState& state, UserDialogs& dialogs,
                       std::optional<int> selectedTemplateId);

}  // namespace quorvane
