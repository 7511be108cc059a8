// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>

#include "practice/PracticeRun.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The open practice draft run on (runPractice) as the window's bots and the command line run
// it: the values worked out first (unless options.valuesCurrent), and the failure it ends with
// shown as the bots' last word.
PracticeRunResult runPracticeTold(ProgramState& state, UserDialogs& dialogs,
                                  const PracticeRunOptions& options,
                                  const std::atomic<bool>* stop = nullptr,
                                  const std::function<void(const PracticePick&)>& picked = {});

}  // namespace quorvane
