// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "practice/PracticeGrade.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The grade of the user's team in the open draft, from the draft as it stands (see
// gradePractice); nullopt without a team of his, or after a failure was shown.
std::optional<PracticeGrade> gradeOpenDraft(ProgramState& state, UserDialogs& dialogs);

// The grade as the page shown at the end of a practice draft.
std::string practiceGradeHtml(const PracticeGrade& grade);

}  // namespace quorvane
