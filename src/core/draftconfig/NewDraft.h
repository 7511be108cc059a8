// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "vocabulary/DraftSettings.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

inline constexpr int kMaxTeams = 30;

// The four choices of the new-draft window.
struct NewDraftChoice {
    std::string name;
    int teamsIndex = 11;  // number of teams minus 1
    bool auction = false;
    bool rotisserie = false;
    // A head-to-head category league (the rotisserie categories, played week by week) in
    // place of the rotisserie or points choice.
    bool headToHead = false;
    int headToHeadMode = kHeadToHeadEachCategory;
};

// Creates a draft with default teams "Owner 1".."Owner N" (Owner 1 mine and on the clock), the
// default categories of its league style, an empty notes row and a roster row with the column
// defaults, all in one transaction, then loads it into state.draftSettings(). Returns the new
// template_id, or nullopt after the failure was shown (the window stays open).
std::optional<int> createDraft(ProgramState& state, UserDialogs& dialogs,
                               const NewDraftChoice& choice);

}  // namespace quorvane
