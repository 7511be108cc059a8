// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "vocabulary/Decision.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

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

// The window's own checks: a name (trailing blanks do not count) and 1 to 30 teams.
Decision decideNewDraft(const NewDraftChoice& choice);

// Creates a draft with default teams "Owner 1".."Owner N" (Owner 1 mine and on the clock), the
// default categories of its league style, an empty notes row and a roster row with the column
// defaults, all in one transaction, after deciding again and refusing a name another draft has.
// Returns the new template_id, or the refusal or failure (its log line written).
Outcome<int> writeNewDraft(Connection& connection, const NewDraftChoice& choice);

}  // namespace quorvane
