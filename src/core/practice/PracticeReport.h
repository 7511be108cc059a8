// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "practice/PracticeGrade.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The grade of the user's team in the open draft, from the draft as it stands (see
// gradePractice). Without a team of his it is refused; without an open draft the failure has no
// words.
Outcome<PracticeGrade> gradeOpenDraft(DraftSession& session);

// The grade as the page shown at the end of a practice draft.
std::string practiceGradeHtml(const PracticeGrade& grade);

}  // namespace quorvane
